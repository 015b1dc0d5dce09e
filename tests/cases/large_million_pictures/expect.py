import os
os.makedirs("out/HTML")
with open("out/HTML/list.html", "w") as f:
    f.writelines('<a href="photo%d.html">\n        <img class="thumb" src="img/%d.jpg"></a>\n' % (n, n)
                 for n in range(1, 1000001))
with open("out/HTML/table.html", "w") as f:
    f.write('<table class="gallery">\n')
    for n in range(1, 1000001):
        if n % 7 == 1:
            f.write("        <tr>\n")
        f.write("                <td>\n"
                '                        <a href="photo%d.html">\n'
                '                                <img class="thumb" src="img/%d.jpg"></a>\n'
                "                </td>\n" % (n, n))
        if n % 7 == 0 or n == 1000000:
            f.write("        </tr>\n")
    f.write("</table>\n")
