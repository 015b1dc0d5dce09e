import os
os.makedirs("out/HTML")
rule = "-" * 37 + "\n"
console = ["\nVUQ TO HTML CONVERTER STARTED\n", rule, "Converting File d.txt\n"]
with open("out/HTML/d.html", "w") as f:
    for n in range(100000):
        console.append("Found Command: VUQ_Exclude\nVUQ_Exclude: <p>%d</p>\n" % n)
        f.write("<p>%d</p>\n" % n)
    f.write("\n")
console += [rule, "Converting File e.txt\n", rule, "WARNINGS : 0   ERRORS: 0\n", "\n"]
with open("out/HTML/e.html", "w") as f:
    f.write("the next page\n\n")
with open("stdout", "w") as f:
    f.write("".join(console))
