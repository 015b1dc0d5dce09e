import os
os.makedirs("out/HTML")
rule = "-" * 37 + "\n"
console = ["\nVUQ TO HTML CONVERTER STARTED\n", rule, "Converting File d.txt\n"]
with open("out/HTML/d.html", "w") as f:
    for n in range(5000):
        text = '<p class="note">line %d</p>' % n
        console.append("Found Command: VUQ_Exclude\nVUQ_Exclude: %s\n" % text)
        f.write(text + "\n")
    f.write("\n")
console += ["Found Command: VUQ_Import\n", "ERROR: File missing.inc not found\n", rule,
            "WARNINGS : 0   ERRORS: 1\n", "\n"]
with open("stdout", "w") as f:
    f.write("".join(console))
