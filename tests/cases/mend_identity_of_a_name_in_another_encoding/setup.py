# A name that is not UTF-8 (0x80 is the euro sign in the Windows code page 1252).
import os
os.makedirs("HTML")
with open(b"eur\x80.txt", "wb") as f:
    f.write(b"first\nVUQ_Import(HTML/eur\x80.html)\nVUQ_Import(HTML//./eur\x80.html)\n")
