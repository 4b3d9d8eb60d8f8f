#!/usr/bin/python3
"""Cross-checks the data two-port against scikit-rf.

scikit-rf writes three files of fixed, non-reciprocal scattering parameters: a two-port
"# MHz S DB R 30", a one-port .s1p (dB, GHz, 50 ohm) and a two-port "MA" file (GHz, 75 ohm).
`vostrane-cli ui-script` places each as element 15 between external nodes over a ground,
answering its file dialog; the one-port is switched to "Eintor" in the element's dialog. The
document's netlist gets a FREQ block that steps through the file's frequencies and is run by
`vostrane-cli simulate`. Every S parameter must equal scikit-rf's, renormalised to 50 ohm,
within the rounding of the 4-digit table, as a complex number.
Prints one line per file; exit status 1 when any fails.

Usage: tools/crosscheck/dataport_skrf.py [path/to/vostrane-cli]   (default build/release/...)
Run with Debian's /usr/bin/python3 (numpy, python3-scikit-rf 0.15.4).
"""

import cmath
import math
import pathlib
import subprocess
import sys
import tempfile

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent

# name, ports, frequency unit, start, stop, points, format, reference resistance
FILES = [
    ("mhz_db", 2, "mhz", 100, 500, 5, "db", 30),
    ("one_port", 1, "ghz", 0.5, 2.5, 5, "db", 50),
    ("ghz_ma", 2, "ghz", 1, 4, 4, "ma", 75),
]

# Rows of ports x ports: the place, then the magnitude and angle (degrees) at the first point;
# both move with the frequency so that every row differs.
def s_parameters(ports, points):
    s = numpy.zeros((points, ports, ports), dtype=complex)
    for k in range(points):
        for i in range(ports):
            for j in range(ports):
                magnitude = 0.15 + 0.2 * i + 0.45 * j - 0.03 * k
                angle = 25.0 * (1 + i) - 70.0 * j + 11.0 * k
                s[k, i, j] = cmath.rect(magnitude, math.radians(angle))
    return s


UI_TWO_PORT = """element 36
drag 100 100 50 100
element 15
file {file}
drag 100 100 200 100
element 36
drag 200 100 250 100
element 1
drag 150 200 150 250
save out.vqe
"""

# The second pin is left open once the element is a one-port.
UI_ONE_PORT = """element 36
drag 100 100 50 100
element 15
file {file}
drag 100 100 200 100
element 1
drag 150 200 150 250
dialog 146
click 1006
ok
edit Cmp2
save out.vqe
"""


def table_rows(text, ports):
    rows = []
    for line in text.splitlines():
        if line.startswith("*") or not line.strip():
            continue
        cells = [float(c) for c in line.split("\t")]
        values = []
        for n in range(ports * ports):
            values.append(cmath.rect(cells[1 + 2 * n], math.radians(cells[2 + 2 * n])))
        rows.append((cells[0], values))
    return rows


def close(simulated, reference):
    # Four significant digits of the magnitude, the angle to its last printed digit.
    magnitude = abs(reference)
    angle_slack = math.radians(0.06) * magnitude
    return abs(simulated - reference) <= 1.2e-3 * magnitude + angle_slack + 1e-7


def check(cli, folder, entry):
    name, ports, unit, start, stop, points, form, resistance = entry
    frequency = skrf.Frequency(start, stop, points, unit=unit)
    network = skrf.Network(frequency=frequency, s=s_parameters(ports, points), z0=resistance,
                           name=name)
    network.write_touchstone(str(folder / name), form=form)
    file = f"{name}.s{ports}p"
    script = (UI_TWO_PORT if ports == 2 else UI_ONE_PORT).format(file=file)
    (folder / "place.txt").write_text(script)
    subprocess.run([cli, "ui-script", "place.txt"], cwd=folder, check=True,
                   capture_output=True, text=True)
    netlist = subprocess.run([cli, "netlist", "out.vqe"], cwd=folder, check=True,
                             capture_output=True, text=True).stdout
    hz = frequency.f
    netlist += f"FREQ\nFSTEP {hz[0]:.0f}Hz {points} {hz[-1]:.0f}Hz\nEND\n"
    (folder / "out.net").write_text(netlist)
    result = subprocess.run([cli, "simulate", "out.net"], cwd=folder, check=True,
                            capture_output=True, text=True).stdout
    rows = table_rows(result, ports)
    reference = network.copy()
    reference.renormalize(50)
    failures = []
    if len(rows) != points:
        failures.append(f"{len(rows)} rows, {points} expected")
    # The table's order is S11, S21, S12, S22.
    order = [(0, 0), (1, 0), (0, 1), (1, 1)][: ports * ports]
    for k, (ghz, values) in enumerate(rows[:points]):
        if abs(ghz * 1e9 - hz[k]) > 1e-3 * hz[k]:
            failures.append(f"row {k}: {ghz} GHz, {hz[k]} Hz expected")
        for (i, j), value in zip(order, values):
            expected = reference.s[k, i, j]
            if not close(value, expected):
                failures.append(f"{ghz} GHz S{i + 1}{j + 1}: {value:.5g}, scikit-rf {expected:.5g}")
    print(f"{file}: " + ("ok" if not failures else "FAILED\n  " + "\n  ".join(failures)))
    return not failures


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else str(ROOT / "build/release/app/cli/vostrane-cli")
    cli = str(pathlib.Path(cli).resolve())
    ok = True
    with tempfile.TemporaryDirectory() as scratch:
        for entry in FILES:
            folder = pathlib.Path(scratch) / entry[0]
            folder.mkdir()
            ok = check(cli, folder, entry) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
