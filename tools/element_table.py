#!/usr/bin/env python3
"""Writes the manual's table of the elements (docs/manual.md, between the lines
"<!-- element table -->" and "<!-- end of element table -->"): type number and name from the
element menu (resources/FrameResources.cpp), what each needs to be placed from the element
rules of the circuit view (editor/desktop/ViewCommands.cpp), the pins from PINS below, whose
counts as placed must be those of the symbols that the program places (element-pins, built
with the release build).
Usage: tools/element_table.py [--check] [--pins PROGRAM]
  --check  exit 1 when the manual's table is stale
  --pins   the element-pins program (default: build/release/tools/element-pins)
"""
import argparse
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
MANUAL = ROOT / "docs" / "manual.md"
MENU = ROOT / "resources" / "FrameResources.cpp"
RULES = ROOT / "editor" / "desktop" / "ViewCommands.cpp"
BEGIN, END = "<!-- element table -->", "<!-- end of element table -->"

# Pins as placed under the built-in simulator and under SPICE, and the text the table shows
# (with the counts that the element's dialog can choose).
PINS = {
    0: (2, 2, "2 (its ends)"), 1: (1, 1, "1"), 4: (2, 2, "2"), 5: (2, 2, "2"), 6: (2, 2, "2"),
    7: (2, 2, "2"), 8: (2, 2, "2"), 9: (3, 3, "3"), 10: (2, 2, "2"), 11: (3, 3, "3"),
    12: (3, 3, "3"), 13: (3, 3, "3"), 15: (2, 2, '2; 1 as "Eintor"'),
    16: (2, 2, '2; 1 as "Einpol"'), 17: (3, 5, "3; 5 under SPICE"), 18: (2, 2, "2; 1 as a stub"),
    19: (3, 3, "3"), 20: (3, 3, "3"), 21: (1, 1, "1, not drawn"), 22: (2, 2, "2"),
    23: (1, 1, "1"), 24: (1, 1, "1"), 25: (4, 4, "4"), 26: (2, 2, "2"), 27: (3, 3, "3"),
    28: (1, 1, "1"), 29: (2, 2, "2"), 30: (2, 2, "2"), 31: (2, 2, '2; 1 as "Eintor"'),
    33: (2, 2, "2"), 34: (1, 1, "1"),
    35: (2, 2, "one per external node of its source (at most 5)"), 36: (1, 1, "1"),
    37: (2, 2, "2"), 38: (2, 2, "2"), 39: (1, 1, "1"), 40: (1, 1, "1"), 41: (1, 1, "1"),
    42: (2, 2, "2 or 3 (line), 1 or 2 (stub)"), 43: (4, 4, "4 (the fourth joins nothing)"),
    44: (2, 2, "2; 1 as a stub"), 45: (4, 4, "4"), 46: (2, 2, "2; 1 as a stub"), 47: (2, 2, "2"),
    48: (1, 1, "1"), 49: (1, 1, "1"), 50: (1, 1, "1 (joins nothing)"), 51: (4, 4, "4"),
    52: (1, 1, "1 or 2"), 53: (3, 3, "3"),
}

NEEDS = {
    "Built": "—",
    "Never": "not placed from the bar: comes with a circuit file",
    "Substrate": "a substrate in the circuit",
    "BuiltInSim": "the built-in simulator",
    "Spice": "SPICE as the simulator",
    "SpiceLibrary": "a SPICE model library in the circuit",
    "NoAnalyser": "no network analyser in the circuit",
    "NetworkAnalyser": "the built-in simulator; none in the circuit yet, no other instrument active",
    "DataGenerator": "no network analyser and no active instrument in the circuit",
}


def menu_names():
    text = MENU.read_text(encoding="utf-8")
    block = text.split("kElements[] = {", 1)[1].split("};", 1)[0]
    return {int(t): name for t, name in re.findall(r'\{kIdElementFirst \+ (\d+), "([^"]*)"\}', block)}


def rules():
    text = RULES.read_text(encoding="utf-8")
    block = text.split("kElementRules[] = {", 1)[1].split("};", 1)[0]
    return {int(t): rule for t, rule in re.findall(r"\{(\d+), Rule::(\w+)\}", block)}


def table():
    names, needs = menu_names(), rules()
    missing = sorted(set(names) ^ set(PINS))
    if missing:
        raise SystemExit(f"element types without pins or without a menu name: {missing}")
    lines = [BEGIN, "| type | name | pins | needs |", "|---|---|---|---|"]
    for t in sorted(names):
        need = NEEDS[needs.get(t, "Built")]
        lines.append(f'| {t} | "{names[t]}" | {PINS[t][2]} | {need} |')
    lines.append(END)
    return "\n".join(lines)


def placed_pins(program):
    """Type -> (pins, pins under SPICE) of the symbols that the program places."""
    run = subprocess.run([str(program)], capture_output=True, text=True, check=True)
    placed = {}
    for line in run.stdout.splitlines():
        t, builtin, spice = line.split("\t")
        placed[int(t)] = tuple(-1 if n == "-" else int(n) for n in (builtin, spice))
    return placed


def wrong_pins(program, types):
    placed = placed_pins(program)
    return [f"type {t}: placed with {placed.get(t)} pins, the table says {PINS[t][:2]}"
            for t in types if placed.get(t) != PINS[t][:2]]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--pins", default=ROOT / "build/release/tools/element-pins")
    args = parser.parse_args()
    wrong = wrong_pins(args.pins, menu_names())
    for line in wrong:
        print(line)
    text = MANUAL.read_text(encoding="utf-8")
    head, rest = text.split(BEGIN, 1)
    tail = rest.split(END, 1)[1]
    fresh = head + table() + tail
    if args.check:
        if fresh != text:
            print("the element table of docs/manual.md is stale: run tools/element_table.py")
        if wrong or fresh != text:
            return 1
        print("element table up to date")
        return 0
    if wrong:
        return 1
    MANUAL.write_text(fresh, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
