#!/usr/bin/python3
"""Cross-checks the workbench's models against ngspice on netlist/SPICE twins.

Each family pairs NAME.net with NAME.cir: `vostrane-cli simulate NAME.net --kind K` against
ngspice on NAME.cir, which writes the same matrix (frequency, then re and im per entry) to a
result file. Each entry must agree within the rounding of the table, which prints magnitude
and phase to 4 significant digits, plus 1e-5 |X| + 1e-9 in the table's unit (S, or Y in mMho);
frequencies equal to the table's 6 digits. That is tighter than 1e-3 + 1e-3 |X| but where a
phase beyond 100 degrees (printed to 0.1 degree) meets a magnitude with a leading 1: there the
printout alone may be 1.4e-3 |X| off. Prints one line per twin and the worst of each family;
the exit status is 1 when any twin fails.

  lumped   circuits/NAME.net    S   result.txt    (nodal solver)
  models   NAME.net             Y   NAME_y.txt    (transistors, controlled sources, transformers)
  lines    line_NAME.net        S   result.txt    (ideal and microstrip lines and stubs)

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

# name, netlists, table kind, the factor from SI to the table's unit, ngspice's result file
FAMILIES = [
    ("lumped", sorted((HERE / "circuits").glob("*.net")), "S", 1.0, "result.txt"),
    ("models", sorted(p for p in HERE.glob("*.net") if not p.stem.startswith("line_")),
     "Y", 1e3, "{}_y.txt"),
    ("lines", sorted(HERE.glob("line_*.net")), "S", 1.0, "result.txt"),
]


def half_step(x):
    """Half a unit of the 4th significant digit of a printed number: its rounding bound."""
    return 0.5 * 10.0 ** (math.floor(math.log10(abs(x))) - 3) if x else 0.0


def table_points(cli, netlist, kind):
    """(frequency in Hz, [(entry, its rounding bound)]) per line of the result table of that
    kind; the table prints magnitude and phase (degrees) to 4 significant digits."""
    run = subprocess.run([str(cli), "simulate", str(netlist), "--kind", kind],
                         capture_output=True, text=True, check=False)
    if run.returncode != 0:
        raise RuntimeError(f"vostrane-cli exit {run.returncode}: {run.stderr.strip()}")
    points = []
    for line in run.stdout.splitlines():
        if line.startswith("*"):
            continue
        fields = [float(x) for x in line.split("\t")]
        entries = [(cmath.rect(m, math.radians(p)),
                    half_step(m) + (m + half_step(m)) * math.radians(half_step(p)))
                   for m, p in zip(fields[1::2], fields[2::2])]
        points.append((fields[0] * 1e9, entries))
    return points


def spice_points(deck, result_name, scale):
    with tempfile.TemporaryDirectory() as work:
        shutil.copy(deck, work)
        run = subprocess.run(["ngspice", "-b", deck.name], cwd=work, capture_output=True,
                             text=True, check=False)
        # Batch mode exits 1 after a deck whose analyses all run in its control block, so
        # the fresh result file is the sign of success.
        result = pathlib.Path(work) / result_name
        if not result.exists():
            raise RuntimeError(f"ngspice failed: {run.stdout[-500:]}{run.stderr[-500:]}")
        rows = result.read_text().splitlines()[1:]
    points = []
    for row in rows:
        values = [float(x) for x in row.split()]
        entries = [scale * complex(values[k], values[k + 1]) for k in range(1, len(values), 2)]
        points.append((values[0], entries))
    return points


# Beyond the table's rounding: the single-precision models, and numerical zeros.
SLACK_REL = 1e-5
SLACK_ABS = 1e-9


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
        for (a, rounding), b in zip(s, t):
            ratio = abs(a - b) / (rounding + SLACK_REL * abs(b) + SLACK_ABS)
            if ratio > worst:
                worst, note = ratio, f"at {g:.6g} Hz: {a:.5g} against {b:.5g}"
    return worst, note


def main():
    cli = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else DEFAULT_CLI
    failed, total = 0, 0
    for family, netlists, kind, scale, result in FAMILIES:
        family_worst = 0.0
        for netlist in netlists:
            name = netlist.stem
            try:
                worst, note = compare(table_points(cli, netlist, kind),
                                      spice_points(netlist.with_suffix(".cir"),
                                                   result.format(name), scale))
            except (RuntimeError, ValueError) as error:
                worst, note = math.inf, str(error)
            ok = worst <= 1.0
            failed += not ok
            total += 1
            family_worst = max(family_worst, worst)
            print(f"{'ok  ' if ok else 'FAIL'} {name:22s} {kind} worst {worst:6.3f} of tolerance  "
                  f"{note}")
        print(f"== {family}: {len(netlists)} twins, worst {family_worst:.3f} of tolerance")
    print(f"crosscheck: {failed} of {total} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
