import os
os.makedirs("out/HTML")
with open("out/HTML/big.html", "wb") as f:
    f.write(b"<p>" + b"x" * (20 * 1024 * 1024) + b"</p>\n")
