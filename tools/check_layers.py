#!/usr/bin/env python3
"""Fails when a library includes a library to its right in the layering of DESIGN.md.

Libraries on one level do not include each other; the editor's folders are levels of their
own (symbols, document, dialogs, desktop, then the registration at its root). Test folders
link what they test and may reach further, so only library sources are checked.
Usage: tools/check_layers.py [REPO]   (prints each offending include; exit 1 when any)
"""
import pathlib
import re
import sys

# Include prefix (also the folder of the library) and its level; longest prefix wins.
LEVELS = {
    "pf/": 0, "platform/": 0,
    "basics/": 1, "resources/": 1,
    "simulator/": 2,
    "formats/": 3, "lines/models/": 3, "instruments/models/": 3.5,
    "editor/symbols/": 4.0, "editor/document/": 4.1, "editor/dialogs/": 4.2,
    "editor/desktop/": 4.3, "editor/": 4.4,
    "diagrams/": 3, "elements/": 5, "lines/ui/": 5,
    "instruments/": 6, "synthesis/": 6,
    "app/cli/": 7, "app/gui/": 7,
}
# Where a library's own files lie when their folder is not their include prefix.
FOLDERS = {"platform/": "pf/"}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def library_of(path: str):
    for prefix in sorted(LEVELS, key=len, reverse=True):
        if path.startswith(prefix):
            return FOLDERS.get(prefix, prefix)
    return None


def main() -> int:
    repo = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    bad = 0
    for file in sorted(repo.rglob("*")):
        rel = file.relative_to(repo).as_posix()
        if file.suffix not in (".h", ".cpp") or rel.startswith("build") or "/tests/" in rel:
            continue
        own = library_of(rel)
        if own is None:
            continue
        for number, line in enumerate(file.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            other = library_of(match.group(1)) if match else None
            if other is None or other == own:
                continue
            if LEVELS[other] >= LEVELS[own]:
                print(f"{rel}:{number}: includes {match.group(1)} ({other} is not left of {own})")
                bad += 1
    print(f"layers: {bad} include(s) against the order" if bad else "layers: every include points left")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
