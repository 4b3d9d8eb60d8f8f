#!/usr/bin/env python3
"""Plays what the user's manual and the README tell a user to type, as they stand: each
"### Example:" script of the manual through "vostrane-cli ui-script" (in a folder holding a copy
of the examples), the tour script's follow-up commands, the manual's command-line block (from a
folder that holds the examples folder and the curve the tour saved) and the README's first
session on the command line. Every command must end with 0 and write what it names.
Usage: tools/manual_examples.py --cli PATH/vostrane-cli
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
MANUAL = ROOT / "docs" / "manual.md"
README = ROOT / "README.md"


def blocks_after(text, heading):
    """The fenced blocks of the section under each heading that matches (to the next heading)."""
    found = []
    for match in re.finditer(rf"^{heading}.*$", text, re.M):
        body = text[match.end():]
        end = re.search(r"^#{1,3} ", body, re.M)
        body = body[:end.start()] if end else body
        found.append((match.group(0), re.findall(r"^```\w*\n(.*?)^```", body, re.M | re.S)))
    return found


def run(argv, cwd, what):
    result = subprocess.run(argv, cwd=cwd, capture_output=True, text=True, timeout=300)
    if result.returncode != 0:
        output = result.stdout[-2000:] + result.stderr[-2000:]
        print(f"FAILED ({result.returncode}): {what}\n{output}")
        return False
    return True


def follow_ups(paragraph):
    """The arguments of each `vostrane-cli ...` command that a paragraph names."""
    return [c.split() for c in re.findall(r"`vostrane-cli ([^`]+)`", paragraph)]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    cli = str(pathlib.Path(parser.parse_args().cli).resolve())
    manual = MANUAL.read_text(encoding="utf-8")
    ok = True
    with tempfile.TemporaryDirectory() as tmp:
        work = pathlib.Path(tmp) / "examples"
        shutil.copytree(ROOT / "examples", work)
        scripts = blocks_after(manual, "### Example:")
        if len(scripts) < 3:
            print("the manual's examples were not found")
            return 1
        for heading, blocks in scripts:
            (work / "script.txt").write_text(blocks[0], encoding="utf-8")
            ok &= run([cli, "ui-script", "script.txt"], work, heading)
            # The commands the example's closing paragraph names run on what it wrote.
            section = manual[manual.index(heading):]
            after = section[section.index("```", section.index("```") + 3) + 3:]
            paragraph = after.split("\n\n")[1] if "\n\n" in after else ""
            for argv in follow_ups(paragraph):
                ok &= run([cli] + argv, work, f"{heading}: {' '.join(argv)}")
        if not (work / "s21.kur").is_file():
            print("the tour's script saved no s21.kur")
            return 1

        # The command-line block runs from the folder that holds the examples folder.
        (_, blocks), = blocks_after(manual, "## Command line")
        shutil.copy(work / "s21.kur", tmp)
        for line in blocks[0].splitlines():
            argv = line.split()
            if argv and argv[0] == "vostrane-cli":
                ok &= run([cli] + argv[1:], tmp, "manual: " + line)

        # The README's first session, with its folder in the temporary one.
        readme = README.read_text(encoding="utf-8")
        (_, blocks), = blocks_after(readme, "## A first session on the command line")
        first = pathlib.Path(tmp) / "first"
        session = "set -e\n" + "\n".join(blocks).replace("/tmp/first", str(first))
        session = session.replace("$PWD/build/release/app/cli/vostrane-cli", cli)
        ok &= run(["bash", "-c", session], ROOT, "README: first session on the command line")
        for written in ("lc_lowpass.png", "panel.png"):
            if not (first / written).is_file():
                print(f"README: the first session wrote no {written}")
                ok = False
    if ok:
        print("the manual's and the README's commands run")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
