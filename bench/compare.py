#!/usr/bin/env python3
"""Whole-process comparison of vuq2html with the one-write-per-line floor.

Builds vuq2html and the reference programs (Release), generates the inputs, and runs each
program against its reference in alternating order, several times. The references do the same
work at the least cost: raw read(2) in large blocks and one write(2) per line, nothing else.
Prints the median wall time of each, the median of the ratios of the pairs of runs, and
vuq2html's peak resident memory (from GNU time, Debian's package time, when it is installed).
Optional checks:
  --strace   counts read and write system calls (needs strace) against the lines written
  --linear   times vuq2html on half and full inputs, and on 1,000 and 2,000 source files

Every timed run is pinned to one processor (the last one), so that the two programs of a pair
meet the same caches and neither is moved half-way; single runs still vary by several per
cent on a shared machine, so only the median of many pairs means anything.

usage: bench/compare.py [--runs N] [--strace] [--linear] [--keep DIR]
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build-bench")


def build():
    subprocess.run(["cmake", "-S", ROOT, "-B", BUILD, "-DCMAKE_BUILD_TYPE=Release",
                    "-DBUILD_TESTING=OFF"], check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", BUILD, "-j2", "--target", "vuq2html",
                    "reference_lines", "reference_photos"], check=True, stdout=subprocess.DEVNULL)
    return (os.path.join(BUILD, "vuq2html"), os.path.join(BUILD, "bench", "reference_lines"),
            os.path.join(BUILD, "bench", "reference_photos"))


def generate(work, scale=1.0):
    """Writes the inputs and returns {name: (source file, lines the converter writes)}."""
    lines = int(200000 * scale)
    directives = int(100000 * scale)
    pictures = int(PICTURES * scale)
    with open(os.path.join(work, "lines.txt"), "w") as f:
        f.writelines("  <p>An ordinary line of about sixty bytes, number %07d.</p>\n" % n
                     for n in range(lines))
    with open(os.path.join(work, "directives.txt"), "w") as f:
        f.writelines("VUQ_Exclude(<p class=\"note\">line %d</p>)\n" % n for n in range(directives))
    with open(os.path.join(work, "list.txt"), "w") as f:
        f.write("VUQ_Foto_Link(photo$.html, img/$.jpg, thumb, 7, %d)" % pictures)
    with open(os.path.join(work, "table.txt"), "w") as f:
        f.write("VUQ_Link_Foto_Tab(photo$.html, img/$.jpg, gallery, thumb, 7, %d)" % pictures)
    rows = -(-pictures // 7)
    return {
        "lines": ("lines.txt", lines + 1),
        "directives": ("directives.txt", directives + 1 + 2 * directives),
        "list": ("list.txt", 2 * pictures),
        "table": ("table.txt", 2 + 2 * rows + 4 * pictures),
    }


PICTURES = 500000
GNU_TIME = "/usr/bin/time"


def pin_to_one_processor():
    os.sched_setaffinity(0, {max(os.sched_getaffinity(0))})


def run_timed(command, cwd):
    """Wall time in seconds and peak resident memory in KiB (0 when unknown) of one run.

    The peak comes from GNU time: the rusage of a child forked from Python would count the
    Python process it was copied from."""
    memory_file = os.path.join(cwd, ".peak")
    wrapped = command
    if os.path.exists(GNU_TIME):
        wrapped = [GNU_TIME, "-f", "%M", "-o", memory_file] + command
    start = time.perf_counter()
    result = subprocess.run(wrapped, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            preexec_fn=pin_to_one_processor)
    elapsed = time.perf_counter() - start
    if result.returncode != 0:
        sys.exit("command failed: %s" % " ".join(command))
    peak = 0
    if os.path.exists(GNU_TIME):
        with open(memory_file) as f:
            peak = int(f.read().split()[-1])
    return elapsed, peak


def commands(programs, pictures):
    vuq, ref_lines, ref_photos = programs
    return {
        "lines": ([vuq, "lines.txt"], [ref_lines, "copy", "lines.txt", "ref.html"]),
        "directives": ([vuq, "directives.txt"],
                       [ref_lines, "exclude", "directives.txt", "ref.html"]),
        "list": ([vuq, "list.txt"], [ref_photos, "list", str(pictures), "7", "ref.html"]),
        "table": ([vuq, "table.txt"], [ref_photos, "table", str(pictures), "7", "ref.html"]),
    }


def compare(programs, work, runs):
    generate(work)
    os.makedirs(os.path.join(work, "HTML"), exist_ok=True)
    print("%-11s %12s %12s %7s %10s" % ("input", "vuq2html s", "reference s", "ratio", "peak MiB"))
    for name, (ours, reference) in commands(programs, PICTURES).items():
        run_timed(ours, work)  # warm the page cache
        run_timed(reference, work)
        mine, theirs, ratios, peak = [], [], [], 0
        for _ in range(runs):
            elapsed, rss = run_timed(ours, work)
            mine.append(elapsed)
            peak = max(peak, rss)
            theirs.append(run_timed(reference, work)[0])
            ratios.append(mine[-1] / theirs[-1])
        print("%-11s %12.3f %12.3f %7.3f %10.2f" % (
            name, statistics.median(mine), statistics.median(theirs), statistics.median(ratios),
            peak / 1024))


def count_syscalls(programs, work):
    inputs = generate(work)
    os.makedirs(os.path.join(work, "HTML"), exist_ok=True)
    print("%-11s %12s %14s %10s %14s" % ("input", "lines", "write calls", "reads", "bytes/read"))
    for name, (source, lines) in inputs.items():
        trace = os.path.join(work, "trace")
        subprocess.run(["strace", "-f", "-e", "trace=openat,read,write,close", "-o", trace,
                        programs[0], source], cwd=work, stdout=subprocess.DEVNULL, check=True)
        writes, source_reads, source_bytes = 0, 0, 0
        source_fd = None  # the descriptor of the source while it is open
        with open(trace) as f:
            for entry in f:
                if " write(" in entry:
                    writes += 1
                    continue
                opened = re.search(r' openat\(AT_FDCWD, "%s", .*\) = (\d+)' % re.escape(source),
                                   entry)
                if opened:
                    source_fd = opened.group(1)
                    continue
                if source_fd and " close(%s)" % source_fd in entry:
                    source_fd = None
                    continue
                read = re.search(r" read\((\d+), .*\) = (\d+)", entry)
                if read and read.group(1) == source_fd and int(read.group(2)) > 0:
                    source_reads += 1
                    source_bytes += int(read.group(2))
        # seven console lines: the empty line, banner and rule that start the run, the
        # "Converting File" line, the closing rule, the summary line and the last empty line
        print("%-11s %12d %14d %10d %14d" % (name, lines, writes - 7, source_reads,
                                              source_bytes // max(source_reads, 1)))
    print("(write calls less the seven console lines of any run; each directive line adds"
          " two console lines)")


def linear(programs, work):
    print("%-11s %10s %10s %7s" % ("input", "half s", "full s", "growth"))
    for scale in (0.5, 1.0):
        sub = os.path.join(work, str(scale))
        os.makedirs(os.path.join(sub, "HTML"))
        generate(sub, scale)
    for name, (ours, _) in commands(programs, 0).items():
        half = statistics.median(run_timed(ours, os.path.join(work, "0.5"))[0] for _ in range(3))
        full = statistics.median(run_timed(ours, os.path.join(work, "1.0"))[0] for _ in range(3))
        print("%-11s %10.3f %10.3f %7.2f" % (name, half, full, full / half))
    for count in (1000, 2000):
        sub = os.path.join(work, "files%d" % count)
        os.makedirs(os.path.join(sub, "HTML"))
        for n in range(count):
            with open(os.path.join(sub, "p%d.txt" % n), "w") as f:
                f.write("<p>page %d</p>\n" % n)
    times = {}
    for count in (1000, 2000):
        sub = os.path.join(work, "files%d" % count)
        names = ["p%d.txt" % n for n in range(count)]
        times[count] = statistics.median(
            run_timed([programs[0]] + names, sub)[0] for _ in range(3))
    print("%-11s %10.3f %10.3f %7.2f" % ("files", times[1000], times[2000],
                                         times[2000] / times[1000]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--strace", action="store_true")
    parser.add_argument("--linear", action="store_true")
    parser.add_argument("--keep", help="generate the inputs in this folder and keep them")
    options = parser.parse_args()
    programs = build()
    work = options.keep or tempfile.mkdtemp(prefix="vuq-bench-")
    os.makedirs(work, exist_ok=True)
    try:
        compare(programs, work, options.runs)
        if options.strace:
            print()
            count_syscalls(programs, work)
        if options.linear:
            print()
            linear(programs, os.path.join(work, "linear"))
    finally:
        if not options.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
