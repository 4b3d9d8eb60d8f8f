#!/usr/bin/python3
"""The generators' built-in runs, played by their ui-scripts, against their peers.

Plays app/cli/tests/ui/siggen_rc.txt, drive_siggen.txt and diode_dc.txt (each on a copy of its
example) with "vostrane-cli ui-script" and reads the voltmeter's log, MultiMeter.dat:
  - the signal generator's sweep: |V| across C of the RC divider (1 V behind 50 ohm, R 1 kohm,
    C 100 nF, the meter's 1 Mohm), computed with numpy at the 21 logarithmic frequencies; the
    same beside a second, idle signal generator;
  - the DC run: the diode voltages that "vostrane-cli simulate" gives for the netlist the run
    built (the script copies it from the clipboard).
A reading is the value printed with 4 significant digits, so it may differ from the peer by half
a unit of its fourth digit. With ngspice installed, the SPICE netlist of siggen_rc.vqe (the AC
source behind its resistance, ".AC DEC 10 1K 100K") gives the same |V| across C.
With ngspice and scipy, two supplies, one held: supply_held.txt (on copies of tools/spice and
diodes.lib) sweeps VDc1 through 1 kohm into the diode while VDc2 holds 2 V (fixed), then 3 V
(the start of a sweep of its own), through 2.2 kohm. The SPICE DC sweeps' readings, the built-in
run's MultiMeter.dat and `simulate`'s diode voltages on the run's netlist must be within 1 mV of
the node voltage that scipy solves with each road's diode equation and the voltmeter's 1 Mohm:
built-in IS (exp(U / (N 25 mV)) - 1) with 0.1 ohm in series with each supply, SPICE the same at
ngspice's kT/q of 27 degrees C with its GMIN of 1e-12 S beside the diode.
Usage: generator_runs.py PATH-TO-vostrane-cli
"""
import importlib.util
import pathlib
import shutil
import subprocess
import sys
import tempfile

import numpy as np

from readings import amount, tables, volts

ROOT = pathlib.Path(__file__).resolve().parents[2]


def play(cli, name, example=None):
    """The readings of the script's run on its example (by default of the script's name), and
    its folder's files."""
    tmp = pathlib.Path(tempfile.mkdtemp())
    example = (example or name) + ".vqe"
    shutil.copy(ROOT / "examples" / example, tmp / example)
    script = ROOT / "app/cli/tests/ui" / (name + ".txt")
    subprocess.run([cli, "ui-script", str(script)], cwd=tmp, check=True,
                   stdout=subprocess.DEVNULL)
    readings = [volts(line) for line in (tmp / "MultiMeter.dat").read_text().splitlines()]
    return np.array(readings), tmp


def four_digits(reading, exact):
    """Whether the reading is the exact value to 4 significant digits."""
    exact = np.abs(exact)
    unit = 10.0 ** (np.floor(np.log10(exact)) - 3)
    return np.abs(reading - exact) <= 0.5 * unit * (1 + 1e-6) + 1e-12


def divider(f):
    """|V| across C of the example, the meter's 1 Mohm beside it."""
    w = 2 * np.pi * f
    zc = 1 / (1j * w * 100e-9)
    zp = zc * 1e6 / (zc + 1e6)
    return np.abs(1.0 * zp / (50.0 + 1000.0 + zp))


def check_siggen(cli, script):
    readings, tmp = play(cli, script, "siggen_rc")
    f = np.float32(1e3) * np.float32(100.0) ** (np.arange(21) / 20.0)
    exact = divider(f.astype(np.float32).astype(np.float64))
    shutil.rmtree(tmp)
    ok = len(readings) == 21 and bool(np.all(four_digits(readings, exact)))
    worst = np.max(np.abs(readings / exact - 1)) if len(readings) == 21 else float("nan")
    print(f"signal generator ({script}): {len(readings)} readings, largest relative difference "
          f"{worst:.2e}")
    return ok


def check_spice(cli):
    """The generator's SPICE netlist in ngspice: |V(2)| at the 21 frequencies of its card."""
    deck = subprocess.run([cli, "spice", str(ROOT / "examples/siggen_rc.vqe")], check=True,
                          capture_output=True, text=True).stdout.splitlines()
    if ".AC DEC 10 1K 100K" not in deck:
        print("signal generator's SPICE card missing", file=sys.stderr)
        return False
    end = deck.index(".end")
    deck[end:end] = [".control", "run", "wrdata ac.txt vm(2)", "quit 0", ".endc"]
    with tempfile.TemporaryDirectory() as tmp:
        (pathlib.Path(tmp) / "deck.cir").write_text("\n".join(deck) + "\n")
        subprocess.run(["ngspice", "-n", "deck.cir"], cwd=tmp, check=True,
                       stdin=subprocess.DEVNULL, capture_output=True)
        table = np.loadtxt(pathlib.Path(tmp) / "ac.txt")
    # The capacitor's 1 Gohm leak is the only element the divider leaves out.
    worst = np.max(np.abs(table[:, 1] / divider(table[:, 0]) - 1))
    print(f"signal generator in ngspice: {len(table)} points, largest relative difference "
          f"{worst:.2e}")
    return len(table) == 21 and worst < 1e-5


def check_dc(cli):
    readings, tmp = play(cli, "diode_dc")
    out = subprocess.run([cli, "simulate", str(tmp / "netz.net")], check=True,
                         capture_output=True, text=True).stdout
    rows = [line.split() for line in out.splitlines() if line and not line.startswith("*")]
    diode = np.array([float(r[1]) for r in rows])
    shutil.rmtree(tmp)
    ok = len(readings) == len(diode) == 21 and bool(np.all(four_digits(readings, diode)))
    print(f"DC run: {len(readings)} readings, {len(diode)} operating points from simulate")
    return ok


# supply_held.txt's circuit: VDc1 -1 kohm- d -2.2 kohm- VDc2, the diode (diodes.lib's DLOW) and
# the voltmeter from d to ground.
HELD_SWEEP = np.arange(11) * 0.5
DLOW = (5e-9, 1.9)
# ngspice's Boltzmann constant and charge at its default 27 degrees C.
SPICE_UT = 1.38064852e-23 * 300.15 / 1.6021766208e-19
ROADS = {"SPICE": (SPICE_UT, 0.0, 1e-12), "built-in": (0.025, 0.1, 0.0)}


def diode_node(v1, v2, road):
    """The diode's voltage with VDc1 at v1 and VDc2 at v2 on the road's model."""
    from scipy.optimize import brentq  # only where scipy is installed
    ut, ri, gmin = ROADS[road]
    i_s, n = DLOW

    def current(u):
        return ((v1 - u) / (1e3 + ri) + (v2 - u) / (2.2e3 + ri)
                - i_s * np.expm1(u / (n * ut)) - gmin * u - u / 1e6)
    return brentq(current, -10.0, 10.0, xtol=1e-12)


def readings_tables(out):
    """The readings dialogs' value columns (edit 1196's rows)."""
    return [np.array([amount(value) for _, value in rows]) for rows in tables(out)]


def check_held(cli):
    tmp = pathlib.Path(tempfile.mkdtemp())
    shutil.copytree(ROOT / "tools/spice", tmp / "spice")
    shutil.copy(ROOT / "app/cli/tests/ui/diodes.lib", tmp)
    out = subprocess.run([cli, "ui-script", str(ROOT / "app/cli/tests/ui/supply_held.txt")],
                         cwd=tmp, check=True, capture_output=True, text=True).stdout
    tables = readings_tables(out)
    logged = np.array([volts(line) for line in (tmp / "MultiMeter.dat").read_text().split()])
    rows = subprocess.run([cli, "simulate", str(tmp / "run.net")], check=True,
                          capture_output=True, text=True).stdout.splitlines()
    simulated = np.array([float(r.split()[1]) for r in rows if r and not r.startswith("*")])
    shutil.rmtree(tmp)
    runs = [("SPICE, VDc2 fixed at 2 V", tables[0] if tables else [], 2.0, "SPICE"),
            ("built-in, VDc2 fixed at 2 V", logged, 2.0, "built-in"),
            ("simulate, VDc2 fixed at 2 V", simulated, 2.0, "built-in"),
            ("SPICE, VDc2 swept from 3 V", tables[1] if len(tables) > 1 else [], 3.0, "SPICE")]
    ok = len(tables) == 2
    for label, got, held, road in runs:
        want = np.array([diode_node(v1, held, road) for v1 in HELD_SWEEP])
        worst = np.max(np.abs(got - want)) if len(got) == len(want) else float("inf")
        print(f"two supplies, {label}: {len(got)} points, largest difference from scipy "
              f"{worst * 1e3:.3f} mV")
        ok = ok and worst <= 1e-3
    return ok


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    cli = str(pathlib.Path(sys.argv[1]).resolve())
    results = [check_siggen(cli, "siggen_rc"), check_siggen(cli, "drive_siggen"), check_dc(cli)]
    if shutil.which("ngspice"):
        results.append(check_spice(cli))
        if importlib.util.find_spec("scipy"):
            results.append(check_held(cli))
    if not all(results):
        print("generator runs differ from their peers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
