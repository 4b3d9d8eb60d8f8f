#!/usr/bin/python3
"""The actions of `vostrane-cli ui-script` and the manual's table of them hold the same names:
the program names its command table when a script uses an action it does not know, and the
first column of the manual's table (under "Playing the desktop program") names each action in
backticks. The words of the blocks (ok, cancel, end) and the print preview's `click ID` are the
blocks' own and stand in the table beside their openers.

Usage: tools/ui_actions.py --cli path/to/vostrane-cli
Exit status 1 when the two differ."""

import argparse
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
BLOCK_WORDS = {"ok", "cancel", "end"}


def program_actions(cli):
    with tempfile.TemporaryDirectory() as tmp:
        script = pathlib.Path(tmp) / "unknown.txt"
        script.write_text("keine-aktion\n")
        run = subprocess.run([cli, "ui-script", str(script)], capture_output=True, text=True,
                             cwd=tmp, timeout=60)
    found = re.search(r"bekannt:((?: \S+)+)", run.stderr)
    if run.returncode != 2 or found is None:
        sys.exit(f"ui-script names no actions (exit {run.returncode}): {run.stderr}")
    return set(found.group(1).split())


def manual_actions():
    text = (ROOT / "docs" / "manual.md").read_text()
    section = text[text.index("## Playing the desktop program"):]
    table = section[section.index("| action |"):]
    rows = []
    for line in table.splitlines()[2:]:
        if not line.startswith("|"):
            break
        rows.append(re.split(r"(?<!\\)\|", line)[1])
    return {m.split()[0] for row in rows for m in re.findall(r"`([^`]+)`", row)} - BLOCK_WORDS


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    program, manual = program_actions(str(pathlib.Path(args.cli).resolve())), manual_actions()
    if program != manual:
        print("only in the program:", " ".join(sorted(program - manual)) or "-")
        print("only in the manual:", " ".join(sorted(manual - program)) or "-")
        return 1
    print(f"{len(program)} actions, the same in the program and the manual")
    return 0


if __name__ == "__main__":
    sys.exit(main())
