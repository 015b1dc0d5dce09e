# Tabs count 8 blanks each, so these lines ask for tables indented by 128 MiB and 512 MiB. The
# outputs go to the null device: what matters is the memory the lines take, not their bytes.
import os
os.makedirs("HTML")
for name, tabs in (("deep", 16), ("deeper", 64)):
    with open(name + ".txt", "wb") as f:
        f.write(b"before\n" + b"\t" * (tabs << 20) + b"VUQ_Link_Foto_Tab(a$,b$,t,c,1,1)\nafter\n")
    os.symlink("/dev/null", "HTML/%s.html" % name)
with open("after.txt", "w") as f:
    f.write("<p>converted</p>")
