import os
os.makedirs("out/HTML")
rule = "-" * 37 + "\n"
with open("stdout", "w") as f:
    f.write("\nVUQ TO HTML CONVERTER STARTED\n" + rule)
    for n in range(1, 2001):
        f.write("Converting File page%d.txt\n" % n)
        if n == 1:
            f.write("Creating OUT directory ...\n")
        f.write(rule)
        with open("out/HTML/page%d.html" % n, "w") as page:
            page.write("<p>page %d</p>\n" % n)
    f.write("WARNINGS : 0   ERRORS: 0\n\n")
