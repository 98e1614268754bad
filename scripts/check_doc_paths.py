#!/usr/bin/env python3
"""Checks that the documentation names only what exists.

check_doc_paths.py SOURCE_DIR BUILD_DIR

Reads every Markdown file of the checkout and looks at the command lines it quotes (indented
code lines and code spans) and at the paths it names in code spans. Every program a command
starts with and every path of the checkout it names must exist: paths of the source tree in
SOURCE_DIR, paths below a build folder (build/<any>/...) in BUILD_DIR, and the game's programs
(orvante, orvante-check, orvante-level) among the programs of BUILD_DIR. Prints each miss with
its file and line, and exits 1 when there is one.
"""
import os
import re
import shlex
import subprocess
import sys

TOP_FOLDERS = ("build", "scripts", "tools", "bench", "data", "docs", "tests", "src", "dist",
               "cmake", ".ci")
PROGRAMS = ("orvante", "orvante-check", "orvante-level")
# Programs of the system a quoted command may start with; their arguments are checked.
SYSTEM_PROGRAMS = ("bash", "sh", "python3", "xvfb-run", "cmake", "cpack", "sudo", "ctest", "man",
                   "apt", "dpkg", "timeout", "git")
# Files a quoted command makes rather than reads.
MADE_BY_COMMANDS = (".deb",)


def markdown_files(source):
    listed = subprocess.run(["git", "-C", source, "ls-files", "*.md"], capture_output=True,
                            text=True, check=False)
    if listed.returncode == 0 and listed.stdout.strip():
        return listed.stdout.split()
    found = []
    for folder, _, files in os.walk(source):
        if "/build" in folder or "/.git" in folder:
            continue
        found += [os.path.relpath(os.path.join(folder, f), source) for f in files
                  if f.endswith(".md")]
    return found


def code_lines(text):
    """(line number, text, is_block) of the indented code lines and the code spans."""
    fenced = False
    previous_blank = True
    in_block = False
    for number, line in enumerate(text.split("\n"), 1):
        if line.lstrip().startswith("```"):
            fenced = not fenced
            continue
        if fenced:
            continue
        if line.startswith("    ") and (previous_blank or in_block) and line.strip():
            in_block = True
            yield number, line.strip(), True
        else:
            if line.strip():
                in_block = False
            for span in re.findall(r"`([^`]+)`", line):
                yield number, span.strip(), False
        previous_blank = not line.strip()


def words_of(command):
    command = command.removeprefix("$ ")
    try:
        words = shlex.split(command, comments=True)
    except ValueError:
        return []
    # "(cd build/release && cpack -G DEB)": each part is a command of its own.
    return [w.strip("()") for w in words if w.strip("()")]


def is_repo_path(word):
    if any(c in word for c in "<>*$~{}|"):
        return False
    first = word.split("/")[0]
    return "/" in word and first in TOP_FOLDERS


def path_exists(word, source, build):
    if word.endswith(MADE_BY_COMMANDS):
        return True
    parts = word.rstrip("/").split("/")
    if parts[0] == "build":
        rest = parts[2:]
        return not rest or os.path.exists(os.path.join(build, *rest))
    return os.path.exists(os.path.join(source, word.rstrip("/")))


def program_exists(name, build):
    for folder in ("", "tools/check", "tools/level"):
        path = os.path.join(build, folder, name)
        if os.path.isfile(path) and os.access(path, os.X_OK):
            return True
    return False


def misses_of(span, is_block, source, build):
    words = words_of(span)
    if not words:
        return []
    misses = []
    starts_command = words[0] in PROGRAMS or words[0] in SYSTEM_PROGRAMS or is_repo_path(words[0])
    if not is_block and not starts_command and len(words) > 1:
        return []
    if is_block and not starts_command:
        return []
    if words[0] in PROGRAMS and not program_exists(words[0], build):
        misses.append(f"program {words[0]} is not built")
    for word in words:
        for piece in word.split("="):
            if is_repo_path(piece) and not path_exists(piece, source, build):
                misses.append(f"{piece} does not exist")
    return misses


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    source, build = sys.argv[1], sys.argv[2]
    failures = 0
    for name in markdown_files(source):
        with open(os.path.join(source, name), encoding="latin-1") as f:
            text = f.read()
        for number, span, is_block in code_lines(text):
            for miss in misses_of(span, is_block, source, build):
                print(f"{name}:{number}: `{span}`: {miss}")
                failures += 1
    print(f"{failures} quoted commands or paths name what does not exist")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
