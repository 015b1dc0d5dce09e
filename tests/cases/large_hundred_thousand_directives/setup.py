with open("part.inc", "w") as f:
    f.write("<hr>")
with open("page.txt", "w") as f:
    for n in range(100000):
        kind = n % 4
        if kind == 0:
            f.write("VUQ_Exclude(<b>%d</b>)\n" % n)
        elif kind == 1:
            f.write("VUQ_Import(part.inc)\n")
        elif kind == 2:
            f.write("  VUQ_Link_Foto_Tab(p$,i$,g,c,1,%d)\n" % (n % 3))
        else:
            f.write("VUQ_Foto_Link(p$,i$;,c,1,1)\n")
