#!/usr/bin/python3
"""Writes ngspice's S parameters of the lumped cross-check twins for the library-level test.

For every circuits/NAME.net the deck circuits/NAME.cir is run again by ngspice in batch mode,
at the very frequencies the workbench computes, with the results printed at 17 digits, so that
simulator/tests/NgspiceReference_test.cpp can compare with |dS| <= 1e-6 (1 + |S|).

What makes the two sides agree beyond the result table's 4 digits:
- Element values: gen_twins.py already writes the values the workbench reads in single
  precision (float32, at 17 digits), and the values the models derive from them in double
  precision; the decks' element lines are taken over unchanged.
- Frequencies: the workbench sweeps in double precision from the float32 start and stop and
  hands every point to the models as a float32, so each point is run on its own
  (`ac`/`sp lin 1 f f`) at that float32 value rather than on ngspice's own double sweep.
- One-ports keep their deck's `ac` run with a source resistor, S11 = 2 V(port)/V(src) - 1;
  two-ports their `sp` run with one port source per port.

Output: simulator/tests/fixtures/ngspice_reference.inc, one initialiser per circuit:
  {"NAME", R"(netlist text)", ports, {f, S11 re, im, [S12 re, im, S21 re, im, S22 re, im] ...}}
with the float32 frequency in Hz and S row by row at 12 significant digits.

Usage, from anywhere, with Debian's /usr/bin/python3 (numpy) and ngspice installed:
  gen_library_fixture.py            writes the fixture
  gen_library_fixture.py --check    regenerates it in memory and compares with the committed
                                    file (exit status 1 on a difference)
"""

import pathlib
import re
import subprocess
import sys
import tempfile

import numpy as np

HERE = pathlib.Path(__file__).resolve().parent
OUT = HERE.parent.parent / "simulator/tests/fixtures/ngspice_reference.inc"
PREFIX = {"T": 1e12, "G": 1e9, "M": 1e6, "K": 1e3, "k": 1e3, "m": 1e-3, "u": 1e-6,
          "n": 1e-9, "p": 1e-12, "f": 1e-15}
DIGITS = 12
CHECK_TOLERANCE = 1e-10


def frequency(text):
    """The float32 number the workbench reads from a frequency text such as 1.2GHz."""
    number, prefix = re.fullmatch(r"([-+0-9.eE]+)([A-Za-z]?)Hz", text).groups()
    factor = np.float32(PREFIX[prefix]) if prefix else np.float32(1.0)
    return np.float32(float(number)) * factor


def sweep(netlist):
    """The float32 frequencies of the netlist's linear sweep, as the workbench steps them."""
    lines = netlist.splitlines()
    start, count, stop = lines[lines.index("FREQ") + 1].split()[1:4]
    start, count, stop = float(frequency(start)), int(count), float(frequency(stop))
    step = (stop - start) / max(count - 1, 1)
    points = [start + i * step for i in range(count - 1)] + [stop]
    return [float(np.float32(f)) for f in points]


def deck(cir, points):
    """The twin's circuit with one analysis per point; (deck text, port count)."""
    text = cir.read_text().splitlines()
    control = text.index(".control")
    let = [line for line in text[control:] if line.startswith("let s11")]
    lines = text[:control] + [".control", "set wr_singlescale", "set wr_vecnames",
                              "set appendwrite", "set numdgt=17"]
    for f in points:
        if let:
            lines += [f"ac lin 1 {f!r} {f!r}", let[0], "wrdata result.txt s11"]
        else:
            lines += [f"sp lin 1 {f!r} {f!r} 0", "wrdata result.txt s_1_1 s_1_2 s_2_1 s_2_2"]
        lines.append("destroy all")
    return "\n".join(lines + [".endc", ".end"]) + "\n", 1 if let else 2


def run_ngspice(text, points):
    """Rows [f, S re, im, ...] that ngspice writes, one per point."""
    with tempfile.TemporaryDirectory() as work:
        (pathlib.Path(work) / "deck.cir").write_text(text)
        run = subprocess.run(["ngspice", "-b", "deck.cir"], cwd=work, capture_output=True,
                             text=True, check=False)
        result = pathlib.Path(work) / "result.txt"
        if not result.exists():
            raise RuntimeError(f"ngspice failed: {run.stdout[-500:]}{run.stderr[-500:]}")
        rows = [[float(x) for x in line.split()] for line in result.read_text().splitlines()
                if line.split() and not line.split()[0].startswith("frequency")]
    if len(rows) != len(points):
        raise RuntimeError(f"{len(rows)} rows for {len(points)} points")
    for row, f in zip(rows, points):
        if abs(row[0] - f) > 1e-12 * f:
            raise RuntimeError(f"ngspice ran at {row[0]!r} Hz instead of {f!r} Hz")
        row[0] = f
    return rows


def number(x):
    return format(x, f".{DIGITS}g")


def generate():
    out = ["// Written by tools/crosscheck/gen_library_fixture.py; do not edit."]
    for net in sorted((HERE / "circuits").glob("*.net")):
        netlist = net.read_text()
        points = sweep(netlist)
        text, ports = deck(net.with_suffix(".cir"), points)
        rows = run_ngspice(text, points)
        out += [f'{{"{net.stem}",', f'R"({netlist})",', f"{ports},", "{"]
        out += [", ".join(number(x) for x in row) + "," for row in rows]
        out.append("}},")
    return "\n".join(out) + "\n"


def numbers(text):
    """The circuit names and every number outside the netlist texts."""
    text = re.sub(r'R"\(.*?\)"', "", text, flags=re.S)
    names = re.findall(r'"(\w+)"', text)
    values = [float(x) for x in re.findall(r"[-+]?\d[\d.]*(?:e[-+]?\d+)?", text.split("\n", 1)[1])]
    return names, values


def check():
    fresh, committed = generate(), OUT.read_text()
    (fresh_names, fresh_values), (names, values) = numbers(fresh), numbers(committed)
    if fresh_names != names or len(fresh_values) != len(values) or (
            re.findall(r'R"\(.*?\)"', fresh, re.S) != re.findall(r'R"\(.*?\)"', committed, re.S)):
        print(f"{OUT}: circuits, netlists or point counts differ from a fresh generation")
        return 1
    worst = max(abs(u - v) / max(1.0, abs(u)) for u, v in zip(fresh_values, values))
    print(f"largest relative difference {worst:.3g}")
    if worst > CHECK_TOLERANCE:
        print(f"{OUT}: differs from a fresh generation by more than {CHECK_TOLERANCE}")
        return 1
    return 0


def main():
    if sys.argv[1:] == ["--check"]:
        return check()
    if sys.argv[1:]:
        print(__doc__)
        return 2
    OUT.write_text(generate())
    return 0


if __name__ == "__main__":
    sys.exit(main())
