import os
os.makedirs("out/HTML")
with open("out/HTML/lines.html", "w") as f:
    f.writelines("<p>line %d of the page</p>\n" % n for n in range(1, 1000001))
    f.write("\n")
