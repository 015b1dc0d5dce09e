with open("d.txt", "w") as f:
    for n in range(100000):
        f.write("VUQ_Exclude(<p>%d</p>)\n" % n)
with open("e.txt", "w") as f:
    f.write("the next page\n")
