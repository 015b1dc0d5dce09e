#!/usr/bin/env python3
"""Runs the examples of the README and the manual page through the converter.

An example is a set of marked blocks that share a name. In Markdown a marker is an HTML
comment on the line before a fenced block, `<!-- example NAME: KIND ARGUMENT -->`; in the
manual page it is a comment before an .EX/.EE block, `.\\" example NAME: KIND ARGUMENT`.
The kinds:
  source FILE          the block is FILE, written into the example's working directory
  excerpt-of FILE      the block is a run of whole lines of FILE as it stands in the site
  output FILE          after the run, FILE holds exactly the block
  output-excerpt FILE  after the run, the block is a run of whole lines of FILE
  console              the run's console report is exactly the block
Two kinds stand without a block:
  site FOLDER          the working directory starts as a copy of this folder of the project
  run ARGUMENTS...     the command-line arguments (without it: every source, in order)
Every example runs in a fresh temporary directory; a failure prints the example's name, the
document and a diff.

usage: check_examples.py CONVERTER DOCUMENT...
"""
import difflib
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MARKDOWN_MARKER = re.compile(r"<!-- example ([\w-]+): (\S+)\s*(.*?)\s*-->$")
ROFF_MARKER = re.compile(r'\.\\" example ([\w-]+): (\S+)\s*(.*?)\s*$')
BLOCKLESS = ("site", "run")


def roff_text(line):
    """The text a line of an .EX block shows."""
    line = line.replace("\\&", "").replace("\\-", "-").replace("\\(dq", '"')
    return line.replace("\\e", "\\")


# For each kind of document: its marker, how its blocks open and close, and what a block's
# line shows.
MARKDOWN = (MARKDOWN_MARKER, "```", "```", lambda line: line)
ROFF = (ROFF_MARKER, ".EX", ".EE", roff_text)


def marked_blocks(lines, syntax):
    """Yields (marker match, block text or None) for every marker of a document."""
    marker_pattern, opening, closing, shown = syntax
    for number, line in enumerate(lines):
        marker = marker_pattern.match(line)
        if not marker:
            continue
        if marker.group(2) in BLOCKLESS:
            yield marker, None
            continue
        start = next(i for i in range(number + 1, len(lines)) if lines[i].startswith(opening))
        end = next(i for i in range(start + 1, len(lines)) if lines[i].startswith(closing))
        yield marker, "".join(shown(line) + "\n" for line in lines[start + 1:end])


def collect(document):
    with open(document, encoding="utf-8") as f:
        lines = f.read().split("\n")
    examples = {}
    for marker, text in marked_blocks(lines, ROFF if document.endswith(".1") else MARKDOWN):
        name, kind, argument = marker.groups()
        examples.setdefault(name, []).append((kind, argument, text))
    return examples


def is_excerpt(block, whole):
    """True when the block's lines stand in `whole` as a run of whole lines."""
    return ("\n" + whole).find("\n" + block) >= 0


def diff(expected, actual):
    return "".join(difflib.unified_diff(expected.splitlines(True), actual.splitlines(True),
                                        "documented", "actual"))


def run_example(converter, name, parts):
    failures = []
    work = tempfile.mkdtemp(prefix="vuq-doc-")
    try:
        sources, arguments = [], None
        for kind, argument, text in parts:
            if kind == "site":
                shutil.copytree(os.path.join(ROOT, argument), work, dirs_exist_ok=True)
                shutil.rmtree(os.path.join(work, "HTML"), ignore_errors=True)
            elif kind == "run":
                arguments = argument.split()
            elif kind == "source":
                with open(os.path.join(work, argument), "w", encoding="utf-8") as f:
                    f.write(text)
                sources.append(argument)
        result = subprocess.run([converter] + (arguments if arguments is not None else sources),
                                cwd=work, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        console = result.stdout.decode("utf-8")
        if result.returncode != 0 or result.stderr:
            failures.append("exit status %d, standard error %r" % (result.returncode,
                                                                   result.stderr))

        def content(path):
            full = os.path.join(work, path)
            if not os.path.exists(full):
                return None
            with open(full, encoding="utf-8") as f:
                return f.read()

        for kind, argument, text in parts:
            if kind == "output" or kind == "console":
                actual = console if kind == "console" else content(argument)
                if actual != text:
                    failures.append("%s %s differs:\n%s" % (kind, argument, diff(text, actual or "")))
            elif kind in ("excerpt-of", "output-excerpt"):
                whole = content(argument)
                if whole is None or not is_excerpt(text, whole):
                    failures.append("%s %s: the block is not a run of its lines:\n%s" % (
                        kind, argument, text))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return failures


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    converter = os.path.abspath(sys.argv[1])
    failed = False
    for document in sys.argv[2:]:
        examples = collect(document)
        if not examples:
            print("%s: no examples found" % document)
            failed = True
        for name, parts in examples.items():
            failures = run_example(converter, name, parts)
            label = "%s: example %s" % (os.path.basename(document), name)
            print(label, "FAILED" if failures else "passed")
            for failure in failures:
                print(failure)
            failed = failed or bool(failures)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
