import os
os.makedirs("out/HTML")
rule = "-" * 37 + "\n"
console = ["\nVUQ TO HTML CONVERTER STARTED\n", rule, "Converting File page.txt\n"]
output = []
for n in range(100000):
    kind = n % 4
    if kind == 0:
        console.append("Found Command: VUQ_Exclude\nVUQ_Exclude: <b>%d</b>\n" % n)
        output.append("<b>%d</b>\n" % n)
    elif kind == 1:
        console.append("Found Command: VUQ_Import\nVUQ_Import: part.inc Imported \n")
        output.append("<hr>\n")
    elif kind == 2:
        console.append("Found Command: VUQ_Link_Foto_Tab\n")
        output.append('  <table class="g">\n')
        for p in range(1, n % 3 + 1):
            output.append("          <tr>\n                  <td>\n"
                          '                          <a href="p%d">\n'
                          '                                  <img class="c" src="i%d"></a>\n'
                          "                  </td>\n          </tr>\n" % (p, p))
        output.append("  </table>\n")
    else:
        console.append("Found Command: VUQ_Foto_Link\nWARNING: Check code\n")
        output.append('<a href="p1">\n        <img class="c" src="i1;"></a>\n')
output.append("\n")
console.insert(3, "Creating OUT directory ...\n")
console += [rule, "WARNINGS : 25000   ERRORS: 0\n\n"]
with open("stdout", "w") as f:
    f.writelines(console)
with open("out/HTML/page.html", "w") as f:
    f.writelines(output)
