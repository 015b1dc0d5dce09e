import os
os.makedirs("out/HTML")
with open(b"out/HTML/eur\x80.html", "wb") as f:
    f.write(b"first\n\n")
with open("stdout", "wb") as f:
    f.write(b"\nVUQ TO HTML CONVERTER STARTED\n" + b"-" * 37 + b"\n"
            b"Converting File eur\x80.txt\n"
            b"Found Command: VUQ_Import\n"
            b"ERROR: File HTML/eur\x80.html is the output file\n"
            b"Found Command: VUQ_Import\n"
            b"ERROR: File HTML//./eur\x80.html is the output file\n" + b"-" * 37 + b"\n"
            b"WARNINGS : 0   ERRORS: 2\n\n")
