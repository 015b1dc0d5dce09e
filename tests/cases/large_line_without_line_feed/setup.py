with open("big.txt", "wb") as f:
    f.write(b"<p>" + b"x" * (20 * 1024 * 1024) + b"</p>")
