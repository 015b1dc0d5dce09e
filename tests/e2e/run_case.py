#!/usr/bin/env python3
"""Runs one end-to-end case against the built converter.

A case is a folder:
  args          the command-line arguments, one per line (absent: none); bytes that are not
                UTF-8 pass through as they are
  in/           the working directory's files before the run (links are kept as links)
  setup.py      optional; run in the working directory after in/ is laid out, to make inputs
                too large to keep (files it makes count as part of the starting state)
  stdout        the exact standard output expected
  out/          the files the run is expected to add or change; a file named .keep stands
                for its directory alone
  expect.py     optional; run in an empty folder, where it writes `stdout` and `out/` for
                outputs too large to keep
  only          optional; "linux" or "windows" for a case that makes sense on one platform
                (device files, links, shell-expanded wildcards)
  console       optional; what standard output is, instead of a file outside the working
                directory that keeps everything:
                  closed           standard output and error are closed
                  full             the device /dev/full, on which every write fails
                  reader-closes N  a pipe whose reader takes N bytes and then closes its end
                  slow-reader      a non-blocking pipe whose reader takes small bites slowly
                  file NAME        the file NAME in the working directory, emptied before the
                                   run as a shell's redirection does; it is the console, not
                                   one of the files compared
                Where bytes arrive, they must be the start of `stdout` (all of it for a slow
                reader or a file); the files must come out exactly as with an ordinary console.
  memory_limit  optional; the most address space the converter may take, in KiB
  env           optional; KEY=VALUE lines added to the converter's environment
The run happens in a fresh temporary directory. Afterwards the directory must hold exactly
in/ overlaid with out/, and the exit status must be 0. On Linux nothing may reach standard
error.

With --windows the converter is a Windows program, whose files and console are in text mode:
a carriage return before a line feed is dropped when a source is read, and every line feed
written becomes CR LF. The expected stdout and out/ files are translated accordingly.
With --no-memory-limit (for builds whose sanitizers reserve vast address space) a case with a
memory_limit is skipped.

Usage: run_case.py EXECUTABLE CASE_DIR [--windows] [--launcher PROGRAM] [--no-memory-limit]
Exits 77 for a case that does not apply.
"""
import argparse
import difflib
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time


def read_case_file(case_dir, name):
    path = os.path.join(case_dir, name)
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read().decode("utf-8", "surrogateescape")


def read_args(case_dir):
    text = read_case_file(case_dir, "args")
    if not text:
        return []
    if text.endswith("\n"):
        text = text[:-1]
    return text.split("\n")


def read_console_mode(case_dir):
    words = (read_case_file(case_dir, "console") or "file-outside").split()
    return (words[0], words[1] if len(words) > 1 else None)


def snapshot(root):
    """Maps each relative path under root to ('file', bytes), ('link', target) or ('dir',)."""
    tree = {}
    for dirpath, dirnames, filenames in os.walk(root):
        for name in dirnames + filenames:
            full = os.path.join(dirpath, name)
            rel = os.path.relpath(full, root)
            if os.path.islink(full):
                tree[rel] = ("link", os.readlink(full))
            elif os.path.isdir(full):
                tree[rel] = ("dir",)
            else:
                with open(full, "rb") as f:
                    tree[rel] = ("file", f.read())
        dirnames[:] = [d for d in dirnames if not os.path.islink(os.path.join(dirpath, d))]
    return tree


def text_mode(data):
    """What a Windows program writes for these bytes, read from a source and written back."""
    return data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def expected_tree(case_dir, expect_dir, windows):
    tree = {}
    roots = [(os.path.join(case_dir, "in"), False), (os.path.join(case_dir, "out"), windows),
             (os.path.join(expect_dir, "out"), windows)]
    for root, translate in roots:
        if not os.path.isdir(root):
            continue
        for rel, entry in snapshot(root).items():
            if os.path.basename(rel) == ".keep":
                continue
            if translate and entry[0] == "file":
                entry = ("file", text_mode(entry[1]))
            tree[rel] = entry
    # Every folder that holds an expected entry is expected too.
    for rel in list(tree):
        parent = os.path.dirname(rel)
        while parent:
            tree.setdefault(parent, ("dir",))
            parent = os.path.dirname(parent)
    return tree


def run_script(case_dir, name, cwd):
    script = os.path.join(case_dir, name)
    if os.path.exists(script):
        subprocess.run([sys.executable, script], cwd=cwd, check=True)


def show(data):
    return data.decode("latin-1").splitlines(keepends=True)


def diff(name, expected, actual):
    if len(expected) + len(actual) > 1 << 20:
        at = next((i for i, (a, b) in enumerate(zip(expected, actual)) if a != b),
                  min(len(expected), len(actual)))
        return "%s: %d bytes expected, %d found, first difference at byte %d\n" % (
            name, len(expected), len(actual), at)
    lines = difflib.unified_diff(show(expected), show(actual), "expected " + name, "actual " + name)
    return "".join(line if line.endswith("\n") else line + "\\ (no line feed)\n" for line in lines)


class Converter:
    """How the converter is started: its command, folder, environment and limits."""

    def __init__(self, command, work, case_dir):
        self.command = command
        self.work = work
        self.env = dict(os.environ)
        for line in (read_case_file(case_dir, "env") or "").splitlines():
            key, _, value = line.partition("=")
            self.env[key] = value
        limit = read_case_file(case_dir, "memory_limit")
        self.memory_limit = int(limit) * 1024 if limit else None

    def start(self, close_console=False, **streams):
        def prepare_child():
            if self.memory_limit:
                resource.setrlimit(resource.RLIMIT_AS, (self.memory_limit, self.memory_limit))
            if close_console:
                os.close(1)
                os.close(2)
        return subprocess.Popen(self.command, cwd=self.work, env=self.env,
                                preexec_fn=prepare_child, **streams)


def run_converter(converter, scratch, console):
    """Runs the converter with the console the case asks for; returns its exit status, the
    bytes that reached the console's reader, and what it wrote on standard error (None when
    that is not kept)."""
    mode, value = console
    stderr_path = os.path.join(scratch, "stderr")
    with open(stderr_path, "wb") as stderr:
        plain = dict(stdin=subprocess.DEVNULL, stderr=stderr)
        if mode in ("file-outside", "file"):
            # A file, not a pipe: helper processes that a launcher such as wine leaves running
            # would hold a pipe open after the converter has ended.
            path = os.path.join(scratch if mode == "file-outside" else converter.work,
                                value or "stdout")
            with open(path, "wb") as out:
                status = converter.start(stdout=out, **plain).wait(timeout=600)
            with open(path, "rb") as f:
                received = f.read()
        elif mode == "closed":
            status = converter.start(close_console=True, stdin=subprocess.DEVNULL).wait(600)
            received = b""
        elif mode == "full":
            with open("/dev/full", "wb") as full:
                status = converter.start(stdout=full, **plain).wait(timeout=600)
            received = b""
        elif mode in ("reader-closes", "slow-reader"):
            status, received = run_with_pipe(converter, mode, value, plain)
        else:
            sys.exit("unknown console mode: %s" % mode)
    with open(stderr_path, "rb") as f:
        errors = f.read()
    return status, received, errors if mode != "closed" else None


def run_with_pipe(converter, mode, value, streams):
    read_end, write_end = os.pipe()
    if mode == "slow-reader":
        os.set_blocking(write_end, False)
    process = converter.start(stdout=write_end, **streams)
    os.close(write_end)
    received = b""
    with os.fdopen(read_end, "rb", buffering=0) as reader:
        if mode == "reader-closes":
            while len(received) < int(value):
                chunk = reader.read(int(value) - len(received))
                if not chunk:
                    break
                received += chunk
        else:
            while True:
                chunk = reader.read(4096)
                if not chunk:
                    break
                received += chunk
                time.sleep(0.001)
    return process.wait(timeout=600), received


def run(executable, case_dir, launcher, windows):
    failures = []
    scratch = tempfile.mkdtemp(prefix="vuq-e2e-")
    work = os.path.join(scratch, "work")
    os.mkdir(work)
    try:
        in_dir = os.path.join(case_dir, "in")
        if os.path.isdir(in_dir):
            shutil.copytree(in_dir, work, symlinks=True, dirs_exist_ok=True)
            for dirpath, _, filenames in os.walk(work):
                for name in filenames:
                    if name == ".keep":
                        os.remove(os.path.join(dirpath, name))
        run_script(case_dir, "setup.py", work)
        before = snapshot(work)

        command = launcher + [os.path.abspath(executable)] + read_args(case_dir)
        console = read_console_mode(case_dir)
        converter = Converter(command, work, case_dir)
        status, received, errors = run_converter(converter, scratch, console)
        if status != 0:
            failures.append("exit status %d, expected 0" % status)
        if errors and not windows:
            failures.append("standard error is not empty:\n" + errors.decode("latin-1"))

        expect_dir = os.path.join(scratch, "expect")
        os.mkdir(expect_dir)
        run_script(case_dir, "expect.py", expect_dir)
        stdout_path = os.path.join(case_dir, "stdout")
        if not os.path.exists(stdout_path):
            stdout_path = os.path.join(expect_dir, "stdout")
        with open(stdout_path, "rb") as f:
            expected_stdout = f.read()
        if windows:
            expected_stdout = text_mode(expected_stdout)
        if console[0] == "reader-closes":
            expected_stdout = expected_stdout[:int(console[1])]
        if console[0] in ("closed", "full"):
            expected_stdout = b""
        if received != expected_stdout:
            failures.append("standard output differs:\n" +
                            diff("stdout", expected_stdout, received))

        expected = expected_tree(case_dir, expect_dir, windows)
        # Files that setup.py made belong to the starting state as well.
        for rel, entry in before.items():
            expected.setdefault(rel, entry)
        actual = snapshot(work)
        if console[0] == "file":
            expected.pop(console[1], None)
            actual.pop(console[1], None)
        for rel in sorted(set(expected) | set(actual)):
            want, got = expected.get(rel), actual.get(rel)
            if want == got:
                continue
            if want is None:
                failures.append("unexpected %s: %s" % (got[0], rel))
            elif got is None:
                failures.append("missing %s: %s" % (want[0], rel))
            elif want[0] == got[0] == "file":
                failures.append("file %s differs:\n%s" % (rel, diff(rel, want[1], got[1])))
            else:
                failures.append("%s: expected %r, found %r" % (rel, want[:1], got[:1]))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    return failures


def main():
    parser = argparse.ArgumentParser(usage=__doc__)
    parser.add_argument("executable")
    parser.add_argument("case_dir")
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--launcher", action="append", default=[])
    parser.add_argument("--no-memory-limit", action="store_true")
    options = parser.parse_args()
    case_dir = os.path.abspath(options.case_dir)
    name = os.path.basename(os.path.normpath(case_dir))
    only = (read_case_file(case_dir, "only") or "").strip()
    if only and only != ("windows" if options.windows else "linux"):
        print("case %s skipped: %s only" % (name, only))
        sys.exit(77)
    if options.no_memory_limit and read_case_file(case_dir, "memory_limit"):
        print("case %s skipped: it needs a memory limit, which this build cannot take" % name)
        sys.exit(77)
    failures = run(options.executable, case_dir, options.launcher, options.windows)
    if failures:
        print("case %s FAILED" % name)
        for failure in failures:
            print(failure)
        sys.exit(1)
    print("case %s passed" % name)


if __name__ == "__main__":
    main()
