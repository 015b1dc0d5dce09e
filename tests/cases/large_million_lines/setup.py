with open("lines.txt", "w") as f:
    f.writelines("<p>line %d of the page</p>\n" % n for n in range(1, 1000001))
