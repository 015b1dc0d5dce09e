#!/usr/bin/env python3
"""Builds the seed corpora in fuzz/corpus/ from the end-to-end cases in tests/cases/.

line_loop: every source file of a case, followed by 0x1E and the case's first imported file.
fields:    every directive line of those sources, after a byte that asks for 5 or 6 fields.
"""
import hashlib
import os

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CASES = os.path.join(ROOT, "tests", "cases")
CORPUS = os.path.join(ROOT, "fuzz", "corpus")


def save(kind, data):
    folder = os.path.join(CORPUS, kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, hashlib.sha1(data).hexdigest()), "wb") as f:
        f.write(data)


def regular_files(folder):
    for dirpath, _, filenames in os.walk(folder):
        for name in sorted(filenames):
            path = os.path.join(dirpath, name)
            if not os.path.islink(path) and name != ".keep":
                yield path


for case in sorted(os.listdir(CASES)):
    in_dir = os.path.join(CASES, case, "in")
    if not os.path.isdir(in_dir):
        continue
    files = list(regular_files(in_dir))
    imports = [p for p in files if p.endswith(".inc")]
    extra = b""
    if imports:
        with open(imports[0], "rb") as f:
            extra = b"\x1e" + f.read()
    for path in files:
        if path.endswith(".inc") or os.path.getsize(path) > 65536:
            continue
        with open(path, "rb") as f:
            data = f.read()
        if b"/dev" in data or b"/proc" in data:
            continue
        save("line_loop", data + extra)
        for line in data.split(b"\n"):
            if b"VUQ_" in line:
                save("fields", b"\x05" + line)
                save("fields", b"\x06" + line)

# The fuzz target's imported file is named imp.
save("line_loop", b"top\nVUQ_Import(imp)\n  VUQ_Foto_Link(p$,i$,c,2,3)\n"
     b"\tVUQ_Link_Foto_Tab(p$,i$,g,c,2,3)\n\x1eline\nVUQ_Exclude(x)\n")
