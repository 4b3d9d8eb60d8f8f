#!/usr/bin/python3
"""The actions of `vostrane-cli ui-script` and the manual's table of them hold the same names:
the program names its command table's actions when a script uses one it does not know, and the
lines a dialog's script takes when one does not fit there; the first column of the manual's table
(under "Playing the desktop program") names each action in backticks, beside the openers of the
blocks the lines that end them (ok, cancel, end) and the print preview's `click ID`, and each
line a dialog's script takes stands in backticks somewhere in the table.

Usage: tools/ui_actions.py --cli path/to/vostrane-cli
Exit status 1 when the two differ."""

import argparse
import pathlib
import re
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent


def refusal(cli, script, pattern):
    """What the program's refusal of the script (exit status 2) says after pattern."""
    with tempfile.TemporaryDirectory() as tmp:
        path = pathlib.Path(tmp) / "script.txt"
        path.write_text(script)
        run = subprocess.run([cli, "ui-script", str(path)], capture_output=True, text=True,
                             cwd=tmp, timeout=60)
    found = re.search(pattern, run.stderr)
    if run.returncode != 2 or found is None:
        sys.exit(f"ui-script names no actions (exit {run.returncode}): {run.stderr}")
    return found.group(1)


def program_actions(cli):
    """The actions of the top level and the lines of dialog blocks."""
    top = refusal(cli, "keine-aktion\n", r"bekannt:((?: \S+)+)").split()
    listed = refusal(cli, "dialog 1\nkeine-aktion\nok\n", r"im Dialog erwartet: (.*)")
    block = [item.split()[0] for item in re.split(r", | oder ", listed)]
    return set(top), set(block)


def manual_actions():
    """The names in the first column of the manual's table, and all it names in backticks."""
    text = (ROOT / "docs" / "manual.md").read_text()
    section = text[text.index("## Playing the desktop program"):]
    table = section[section.index("| action |"):]
    rows = []
    for line in table.splitlines()[2:]:
        if not line.startswith("|"):
            break
        rows.append(re.split(r"(?<!\\)\|", line))

    def names(cells):
        return {m.split()[0] for cell in cells for m in re.findall(r"`([^`]+)`", cell) if m.strip()}

    return names(row[1] for row in rows), names(cell for row in rows for cell in row)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    args = parser.parse_args()
    top, block = program_actions(str(pathlib.Path(args.cli).resolve()))
    first, named = manual_actions()
    # A name of the first column that is no action of the top level is a line of blocks.
    manual = first - (block - top)
    unnamed = block - named
    if top != manual or unnamed:
        print("only in the program:", " ".join(sorted(top - manual)) or "-")
        print("only in the manual:", " ".join(sorted(manual - top)) or "-")
        print("lines of dialog blocks the manual does not name:", " ".join(sorted(unnamed)) or "-")
        return 1
    print(f"{len(top)} actions and {len(block)} lines of dialog blocks, the same in the program "
          "and the manual")
    return 0


if __name__ == "__main__":
    sys.exit(main())
