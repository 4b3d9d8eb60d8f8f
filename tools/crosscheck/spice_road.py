#!/usr/bin/python3
"""The SPICE road as a user drives it: the scripts app/cli/tests/ui/spice_*.txt, played by
`vostrane-cli ui-script`, point "SpiceHome" at a copy of tools/spice (VosSpice.exe around
ngspice), run a SPICE analysis from the analysis menu, wait for it and open the multimeter's
readings. Each table is compared with ngspice run directly on the netlist the program wrote, to
the table's 4 digits:
  - diode_dc.vqe: the operating point, and a DC sweep of the supply with a second supply placed
    as its slave (one ".Dc" card naming both);
  - pulse_rc.vqe (sine source) and datagen_rc.vqe (PWL source): transient runs, whose ngspice
    log must hold no warning, and the meter's mean over time ("Mittelwert"), within 1 % (and
    the 4 digits' rounding) of the trapezoid mean of the run's raw file;
  - siggen_rc.vqe: the small-signal analysis, whose amplitudes must also equal the readings of
    the built-in run of the same generator ("MultiMeter.dat") to 4 digits.
Both roads of diode_dc.vqe with its diode on a model of app/cli/tests/ui/diodes.lib: the
readings of the supply's built-in sweep must equal ngspice's on the netlist the program wrote to
1 mV, ngspice then taking the built-in simulator's thermal voltage (25 mV).

Usage: tools/crosscheck/spice_road.py [path/to/vostrane-cli]   (default build/release/...)
Exit status 1 on any failure.
"""

import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

import numpy

from readings import amount

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parent.parent
# The table prints 4 significant digits.
RELATIVE = 6e-4
ABSOLUTE = 1e-12

# The scripts of app/cli/tests/ui/ (each opens its example and uses the program in spice/).
CASES = [
    ("operating point", "diode_dc", "spice_op_diode"),
    ("DC sweep with a slave supply", "diode_dc", "spice_sweep_diode"),
    ("transient of a sine", "pulse_rc", "spice_tran_pulse"),
    ("transient of a bit pattern", "datagen_rc", "spice_tran_datagen"),
    ("small signal", "siggen_rc", "spice_ac_siggen"),
]

# The library diode's two roads (name, example, script, library), to 1 mV. ngspice's constants
# give the built-in simulator's thermal voltage of 25 mV at this temperature, TNOM alike keeps IS
# as the card says, and tight tolerances keep ngspice's own error (0.4 mV at its defaults) out.
ROADS = ("library diode on both roads", "diode_dc", "spice_diode_roads", "diodes.lib")
TWIN_OPTIONS = (".options temp=16.963051510025196 tnom=16.963051510025196\n"
                ".options reltol=1e-9 vntol=1e-12")
ROADS_TOLERANCE = 1e-3  # volts
MEAN_TOLERANCE = 0.01

# The readings dialog once more, showing the mean.
MEAN = """dialog 243
  click 1243
  show
ok
edit Mu1
"""

# The built-in run of the signal generator: its Start, then the view's timer to the end.
BUILT_IN = """dialog 145
  click 1020
end
edit SigGen1
""" + "advance 500\n" * 30


def play(work, script):
    (work / "script.txt").write_text(script)
    run = subprocess.run([CLI, "ui-script", "script.txt"], cwd=work, capture_output=True,
                         text=True, timeout=300)
    if run.returncode != 0:
        raise RuntimeError(f"ui-script exit {run.returncode}:\n{run.stdout}{run.stderr}")
    return run.stdout


def table(out):
    """The rows of the readings' edit 1196: (abscissa text, value text or texts)."""
    start = out.index("1196\t") + len("1196\t")
    rows = []
    for line in out[start:].split("\n"):
        line = line.rstrip("\r")
        if not line:
            break
        rows.append(line.split("\t\t"))
    return rows


def read_raw(path):
    """An ngspice ASCII raw file's first plot: names and value rows (complex as complex)."""
    lines = path.read_text().splitlines()
    count = int(next(l for l in lines if l.startswith("No. Variables:")).split(":")[1])
    points = int(next(l for l in lines if l.startswith("No. Points:")).split(":")[1])
    complex_ = "complex" in next(l for l in lines if l.startswith("Flags:"))
    at = lines.index("Variables:") + 1
    names = [lines[at + i].split("\t")[2] for i in range(count)]
    values = [t for l in lines[lines.index("Values:") + 1:] for t in l.split("\t")[1:] if t]
    parse = (lambda t: complex(*map(float, t.split(",")))) if complex_ else float
    rows = {name: [parse(values[p * count + i]) for p in range(points)]
            for i, name in enumerate(names)}
    return rows


def ngspice(cir, work):
    direct = work / "direct"
    direct.mkdir()
    shutil.copy(cir, direct / "netlist.cir")
    env = dict(os.environ, SPICE_ASCIIRAWFILE="1")
    subprocess.run(["ngspice", "-b", "-r", "direct.raw", "netlist.cir"], cwd=direct, env=env,
                   capture_output=True, check=True, timeout=300)
    return read_raw(direct / "direct.raw")


def meter_nodes(cir):
    for line in cir.read_text().splitlines():
        if line.startswith("RMu1"):
            return [int(n) for n in line.split()[1:3]]
    raise RuntimeError(f"kein Multimeter in {cir}")


def meter_values(cir, direct):
    """The voltmeter's voltage at each point of ngspice's run of cir."""
    n1, n2 = meter_nodes(cir)
    zeros = [0.0] * len(next(iter(direct.values())))
    return [a - b for a, b in zip(direct.get(f"v({n1})", zeros) if n1 else zeros,
                                  direct.get(f"v({n2})", zeros) if n2 else zeros)]


def workspace(base, name, example, *files):
    """A folder with a copy of tools/spice, the example and files of app/cli/tests/ui."""
    work = base / name.replace(" ", "_")
    work.mkdir()
    shutil.copytree(ROOT / "tools/spice", work / "spice")
    shutil.copy(ROOT / "examples" / f"{example}.vqe", work)
    for f in files:
        shutil.copy(ROOT / "app/cli/tests/ui" / f, work)
    return work


def close(a, b):
    return abs(a - b) <= RELATIVE * max(abs(a), abs(b)) + ABSOLUTE


def time_mean(values, times):
    """The mean over the time the values span, by the trapezoid rule."""
    values, times = numpy.asarray(values), numpy.asarray(times)
    return float(numpy.sum((values[1:] + values[:-1]) * numpy.diff(times)) / 2
                 / (times[-1] - times[0]))


def check_mean(name, out, cir, raw):
    """The mean the readings show against the trapezoid mean of the raw file over its time."""
    shown = re.findall(r"^1196\tMittelwert: (\S+)\s*$", out, re.MULTILINE)
    if len(shown) != 1:
        return [f"{name}: {len(shown)} Mittelwerte"]
    want = time_mean(meter_values(cir, {k.lower(): v for k, v in raw.items()}), raw["time"])
    got = amount(shown[0])
    print(f"{name}: Mittelwert {shown[0]}, Trapez {want:.6g}")
    if abs(got - want) > MEAN_TOLERANCE * abs(want) + 5e-4 * abs(got):
        return [f"{name}: Mittelwert {shown[0]} statt {want:.6g}"]
    return []


def check_case(name, example, script_name, base):
    work = workspace(base, name, example)
    script = (ROOT / "app/cli/tests/ui" / f"{script_name}.txt").read_text()
    transient = "Transient" in script
    out = play(work, script + (MEAN if transient else ""))
    rows = table(out)
    log = (work / "spice/vosspice.log").read_text(errors="replace")
    if re.search(r"warning", log, re.IGNORECASE):
        return [f"{name}: ngspice warnt:\n{log}"]
    cir = work / "spice" / f"{example}.cir"
    want = meter_values(cir, ngspice(cir, work))
    failures = []
    if transient:
        failures += check_mean(name, out, cir, read_raw(work / "spice/rawspice.raw"))
    if len(rows) != len(want) or not rows:
        return failures + [f"{name}: {len(rows)} Zeilen, ngspice {len(want)}"]
    for i, (row, value) in enumerate(zip(rows, want)):
        got = amount(row[1])
        expected = abs(value) if isinstance(value, complex) else value
        if not close(got, expected):
            failures.append(f"{name}: Zeile {i}: {row[1]} statt {expected:.6g}")
    if example == "siggen_rc":
        play(work, f"open {example}.vqe\n" + BUILT_IN)
        readings = (work / "MultiMeter.dat").read_text().split()
        if len(readings) != len(rows):
            failures.append(f"{name}: {len(readings)} Messwerte im Lauf, {len(rows)} in Spice")
        for i, (row, reading) in enumerate(zip(rows, readings)):
            if not close(amount(row[1]), amount(reading)):
                failures.append(f"{name}: Zeile {i}: Spice {row[1]}, eingebaut {reading}")
    print(f"{name}: {len(rows)} Zeilen" + (" ok" if not failures else ""))
    return failures


def check_roads(base):
    name, example, script_name, library = ROADS
    work = workspace(base, name, example, library)
    play(work, (ROOT / "app/cli/tests/ui" / f"{script_name}.txt").read_text())
    built_in = [amount(r) for r in (work / "MultiMeter.dat").read_text().split()]
    cir = work / "spice" / f"{example}.cir"
    twin = work / "twin.cir"
    twin.write_text(re.sub(r"^\.end$", TWIN_OPTIONS + "\n.end", cir.read_text(),
                           flags=re.MULTILINE))
    want = meter_values(cir, ngspice(twin, work))
    if len(built_in) != len(want) or not want:
        return [f"{name}: {len(built_in)} Messwerte im Lauf, ngspice {len(want)}"]
    worst = max(abs(a - b) for a, b in zip(built_in, want))
    print(f"{name}: {len(want)} Punkte, größte Abweichung {worst * 1e3:.3f} mV")
    if worst > ROADS_TOLERANCE:
        return [f"{name}: eingebaut und Spice weichen um {worst * 1e3:.3f} mV ab"]
    return []


def main():
    global CLI
    CLI = str(pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                           ROOT / "build/release/app/cli/vostrane-cli").resolve())
    failures = []
    with tempfile.TemporaryDirectory() as base:
        for name, example, script in CASES:
            try:
                failures += check_case(name, example, script, pathlib.Path(base))
            except (RuntimeError, ValueError, subprocess.SubprocessError, OSError) as e:
                failures.append(f"{name}: {e}")
        try:
            failures += check_roads(pathlib.Path(base))
        except (RuntimeError, ValueError, subprocess.SubprocessError, OSError) as e:
            failures.append(f"{ROADS[0]}: {e}")
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
