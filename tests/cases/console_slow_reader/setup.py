# About 300 KB of console text, several times what a pipe holds.
with open("d.txt", "w") as f:
    for n in range(5000):
        f.write("VUQ_Exclude(<p class=\"note\">line %d</p>)\n" % n)
    f.write("VUQ_Import(missing.inc)\n")
