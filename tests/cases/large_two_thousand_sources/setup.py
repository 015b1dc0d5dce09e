for n in range(1, 2001):
    with open("page%d.txt" % n, "w") as f:
        f.write("<p>page %d</p>" % n)
