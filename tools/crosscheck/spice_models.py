#!/usr/bin/python3
"""Runs the SPICE netlists of the SPICE-model circuits through ngspice.

tools/crosscheck/spice/ holds two circuits drawn by make-examples:
  - models.vqe: a model library (an NPN transistor, an n-channel JFET, a diode and an "OP..."
    sub-circuit), a symbol of each kind on it, and 1 kohm from the input to the diode;
  - diode_bias.vqe: 1 kohm from the input into a diode without a library, which writes a card
    of its own values.
`vostrane-cli spice` of each gets 5 V at the resistor's first node and 100 kohm from every
node of the transistors and the op-amp to ground (their pins are open), then an operating
point. ngspice must read both without a warning or an error, and the diode's voltage in
diode_bias.vqe must equal, to 1 uV, the one of diode_bias.cir, the same circuit with the
diode's card written by hand.

Usage: tools/crosscheck/spice_models.py [path/to/vostrane-cli]   (default build/release/...)
Exit status 1 on any failure.
"""

import os
import pathlib
import re
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
TOLERANCE = 1e-6  # volts
VALUE = re.compile(r"^v\((\d+)\)\s*=\s*(\S+)", re.MULTILINE)
# Element letter -> how many node tokens follow the name (None: all but the last token).
NODES = {"R": 2, "C": 2, "L": 2, "D": 2, "Q": 3, "J": 3, "X": None}


def spice_netlist(cli, circuit):
    result = subprocess.run([str(cli), "spice", str(circuit)], capture_output=True, text=True,
                            check=False, env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
    if result.returncode != 0 or result.stderr:
        raise RuntimeError(f"vostrane-cli spice {circuit.name}: exit {result.returncode} "
                           f"{result.stderr.strip()}")
    return result.stdout.splitlines()


def element_nodes(lines):
    """The element lines' nodes in order of appearance: {element name: [nodes]}."""
    found = {}
    for line in lines:
        words = line.split()
        if not words or words[0][0].upper() not in NODES or line.startswith(("*", ".", "+")):
            continue
        count = NODES[words[0][0].upper()]
        found[words[0].upper()] = words[1:-1] if count is None else words[1:1 + count]
    return found


def ngspice(deck, work):
    path = pathlib.Path(work) / "deck.cir"
    path.write_text(deck)
    # Interactive mode runs the deck's .control part, which ends with "quit".
    result = subprocess.run(["ngspice", "-n", str(path)], capture_output=True, text=True,
                            check=False, stdin=subprocess.DEVNULL)
    output = result.stdout + result.stderr
    complaints = [l for l in output.splitlines() if re.search(r"warning|error", l, re.I)]
    if result.returncode != 0 or complaints:
        raise RuntimeError(f"ngspice exit {result.returncode}: " + " | ".join(complaints))
    return {int(n): float(v) for n, v in VALUE.findall(output)}


def operating_point(cli, circuit, work):
    """(node voltages, element nodes) of the circuit's SPICE netlist with supply and bias."""
    lines = spice_netlist(cli, circuit)
    elements = element_nodes(lines)
    supply = elements["R1"][0]
    nodes = sorted({int(n) for ns in elements.values() for n in ns} - {0})
    # Only the open pins need a way to ground.
    open_pins = {int(n) for name, ns in elements.items() if name[0] in "QJX" for n in ns}
    extra = [f"RBIAS{n} {n} 0 100K" for n in sorted(open_pins - {0, int(supply)})]
    extra += [f"VSUPPLY {supply} 0 DC 5", ".control", "set numdgt=12", "op",
              "print " + " ".join(f"v({n})" for n in nodes), "quit 0", ".endc"]
    end = lines.index(".end")
    return ngspice("\n".join(lines[:end] + extra + lines[end:]) + "\n", work), elements


def main():
    cli = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       ROOT / "build/release/app/cli/vostrane-cli")
    failed = False
    with tempfile.TemporaryDirectory() as work:
        try:
            values, elements = operating_point(cli, HERE / "spice/models.vqe", work)
            missing = {"QT1", "J1", "XOP1", "D1"} - set(elements)
            if missing:
                raise RuntimeError("no line for " + ", ".join(sorted(missing)))
            print(f"models.vqe: {len(values)} node voltages, no warning")
        except RuntimeError as e:
            print(f"models.vqe: {e}")
            failed = True
        try:
            values, elements = operating_point(cli, HERE / "spice/diode_bias.vqe", work)
            ours = values[int(elements["D1"][0])]
            hand = ngspice((HERE / "diode_bias.cir").read_text(), work)[2]
            print(f"diode_bias.vqe: V(diode) {ours:.9f} V, by hand {hand:.9f} V")
            if abs(ours - hand) > TOLERANCE:
                print(f"diode_bias.vqe: differs by {abs(ours - hand):.3g} V")
                failed = True
        except (RuntimeError, KeyError) as e:
            print(f"diode_bias.vqe: {e}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
