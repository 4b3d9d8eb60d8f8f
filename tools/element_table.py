#!/usr/bin/env python3
"""Writes the manual's table of the elements (docs/manual.md, between the lines
"<!-- element table -->" and "<!-- end of element table -->"): type number and name from the
element declarations that the element menu is made from (resources/ElementDeclarations.h),
what each needs to be placed from the element rules of the circuit view
(editor/desktop/ViewCommands.cpp), the pins from the symbols that the
program places (element-pins, built with the release build) or, where a row says more, from
PIN_TEXTS below, whose counts must still be those placed.
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
DECLARATIONS = ROOT / "resources" / "ElementDeclarations.h"
RULES = ROOT / "editor" / "desktop" / "ViewCommands.cpp"
BEGIN, END = "<!-- element table -->", "<!-- end of element table -->"

# The pins of the types whose row says more than the count as placed: the count placed under the
# built-in simulator and under SPICE, which the program must still place, and the row's text
# (with the counts that the element's dialog can choose). Every other row shows the placed count
# (and the count under SPICE where it differs).
PIN_TEXTS = {
    0: (2, 2, "2 (its ends)"), 15: (2, 2, '2; 1 as "Eintor"'), 16: (2, 2, '2; 1 as "Einpol"'),
    18: (2, 2, "2; 1 as a stub"), 21: (1, 1, "1, not drawn"), 31: (2, 2, '2; 1 as "Eintor"'),
    35: (2, 2, "one per external node of its source (at most 5)"),
    42: (2, 2, "2 or 3 (line), 1 or 2 (stub)"), 43: (4, 4, "4 (the fourth joins nothing)"),
    44: (2, 2, "2; 1 as a stub"), 46: (2, 2, "2; 1 as a stub"), 50: (1, 1, "1 (joins nothing)"),
    52: (1, 1, "1 or 2"),
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
    """Type -> command of every declaration that has one."""
    text = DECLARATIONS.read_text(encoding="utf-8")
    block = text.split("kElementDeclarations[] = {", 1)[1].split("\n};", 1)[0]
    names = {}
    for row in block.split("{.type = ")[1:]:
        command = re.search(r'\.command = "([^"]*)"', row)
        if command:
            names[int(re.match(r"\d+", row).group())] = command.group(1)
    return names


def rules():
    text = RULES.read_text(encoding="utf-8")
    block = text.split("kElementRules[] = {", 1)[1].split("};", 1)[0]
    return {int(t): rule for t, rule in re.findall(r"\{(\d+), Rule::(\w+)\}", block)}


def placed_pins(program):
    """Type -> (pins, pins under SPICE) of the symbols that the program places."""
    run = subprocess.run([str(program)], capture_output=True, text=True, check=True)
    placed = {}
    for line in run.stdout.splitlines():
        t, builtin, spice = line.split("\t")
        placed[int(t)] = tuple(-1 if n == "-" else int(n) for n in (builtin, spice))
    return placed


def pin_text(t, placed):
    if t in PIN_TEXTS:
        return PIN_TEXTS[t][2]
    builtin, spice = placed[t]
    return str(builtin) if builtin == spice else f"{builtin}; {spice} under SPICE"


def table(placed):
    names, needs = menu_names(), rules()
    missing = sorted(set(names) - set(placed))
    if missing:
        raise SystemExit(f"element types of the menu that the program does not place: {missing}")
    lines = [BEGIN, "| type | name | pins | needs |", "|---|---|---|---|"]
    for t in sorted(names):
        need = NEEDS[needs.get(t, "Built")]
        lines.append(f'| {t} | "{names[t]}" | {pin_text(t, placed)} | {need} |')
    lines.append(END)
    return "\n".join(lines)


def wrong_pins(placed):
    return [f"type {t}: placed with {placed.get(t)} pins, the table says {counts[:2]}"
            for t, counts in PIN_TEXTS.items() if placed.get(t) != counts[:2]]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--pins", default=ROOT / "build/release/tools/element-pins")
    args = parser.parse_args()
    placed = placed_pins(args.pins)
    wrong = wrong_pins(placed)
    for line in wrong:
        print(line)
    text = MANUAL.read_text(encoding="utf-8")
    head, rest = text.split(BEGIN, 1)
    tail = rest.split(END, 1)[1]
    fresh = head + table(placed) + tail
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
