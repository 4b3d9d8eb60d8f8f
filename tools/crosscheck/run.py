#!/usr/bin/python3
"""Cross-checks the workbench's nodal solver against ngspice on the twins in circuits/.

For every circuits/NAME.net the script runs `vostrane-cli simulate NAME.net --kind S` and
ngspice on NAME.cir (which writes result.txt), and compares the S parameters point by point:
|dS| <= 1e-3 + 1e-3 |S| at the 4 digits of the result table, frequencies equal to the table's
6 digits. Prints one line per circuit; the exit status is 1 when any circuit fails.

Usage: tools/crosscheck/run.py [path/to/vostrane-cli]   (default build/release/app/cli/...)
"""

import cmath
import math
import pathlib
import shutil
import subprocess
import sys
import tempfile

HERE = pathlib.Path(__file__).resolve().parent
DEFAULT_CLI = HERE.parent.parent / "build/release/app/cli/vostrane-cli"


def table_points(cli, netlist):
    """(frequency in Hz, [S entries]) per line of the result table."""
    run = subprocess.run([str(cli), "simulate", str(netlist), "--kind", "S"],
                         capture_output=True, text=True, check=False)
    if run.returncode != 0:
        raise RuntimeError(f"vostrane-cli exit {run.returncode}: {run.stderr.strip()}")
    points = []
    for line in run.stdout.splitlines():
        if line.startswith("*"):
            continue
        fields = [float(x) for x in line.split("\t")]
        entries = [cmath.rect(fields[k], math.radians(fields[k + 1]))
                   for k in range(1, len(fields), 2)]
        points.append((fields[0] * 1e9, entries))
    return points


def spice_points(deck):
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(deck, work)
        run = subprocess.run(["ngspice", "-b", deck.name], cwd=work, capture_output=True,
                             text=True, check=False)
        # Batch mode exits 1 after a deck whose analyses all run in its control block, so
        # the fresh result file is the sign of success.
        result = pathlib.Path(work) / "result.txt"
        if not result.exists():
            raise RuntimeError(f"ngspice failed: {run.stdout[-500:]}{run.stderr[-500:]}")
        rows = result.read_text().splitlines()[1:]
    points = []
    for row in rows:
        values = [float(x) for x in row.split()]
        entries = [complex(values[k], values[k + 1]) for k in range(1, len(values), 2)]
        points.append((values[0], entries))
    return points


def compare(ours, theirs):
    """The largest deviation relative to the tolerance (<= 1 passes), and a note."""
    if len(ours) != len(theirs) or not ours:
        return math.inf, f"{len(ours)} points against {len(theirs)}"
    worst, note = 0.0, ""
    for (f, s), (g, t) in zip(ours, theirs):
        if abs(f - g) > 5e-6 * abs(g) + 1e-3:
            return math.inf, f"frequency {f} against {g}"
        if len(s) != len(t):
            return math.inf, f"{len(s)} entries against {len(t)}"
        for a, b in zip(s, t):
            ratio = abs(a - b) / (1e-3 + 1e-3 * abs(b))
            if ratio > worst:
                worst, note = ratio, f"at {g:.6g} Hz: {a:.5g} against {b:.5g}"
    return worst, note


def main():
    cli = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_CLI
    failed = 0
    for netlist in sorted((HERE / "circuits").glob("*.net")):
        name = netlist.stem
        try:
            worst, note = compare(table_points(cli, netlist),
                                  spice_points(netlist.with_suffix(".cir")))
        except (RuntimeError, ValueError) as error:
            worst, note = math.inf, str(error)
        ok = worst <= 1.0
        failed += not ok
        print(f"{'ok  ' if ok else 'FAIL'} {name:22s} worst {worst:6.3f} of tolerance  {note}")
    print(f"crosscheck: {failed} of {len(list((HERE / 'circuits').glob('*.net')))} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
