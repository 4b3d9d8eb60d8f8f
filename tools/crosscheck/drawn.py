#!/usr/bin/python3
"""Cross-checks the netlists that the document writes from drawn circuits against ngspice.

For each drawn circuit (examples/*.vqe and tools/crosscheck/drawn/*.vqe, made by
make-examples): `vostrane-cli netlist` gives the built-in netlist, which gets a FREQ block and
is run by `vostrane-cli simulate --kind S`; `vostrane-cli spice` gives the SPICE netlist, which
gets a 50 ohm source at the input port's node, a 50 ohm load at the output marker's node (both
read from the port line "NAME: 2POR IN OUT ...") and an .ac sweep over the same points, with
S21 = 2 V(OUT) / V(source). S21 must agree within the rounding of the table (4 significant
digits) plus the slack of run.py, as a complex number: a sign the two netlists disagree on is
a fault. Prints one line per circuit; exit status 1 when any fails.

Usage: tools/crosscheck/drawn.py [path/to/vostrane-cli]   (default build/release/app/cli/...)
"""

import math
import pathlib
import re
import subprocess
import sys
import tempfile

import run

ROOT = run.HERE.parent.parent

# circuit: start and stop frequency in Hz, points
SWEEPS = {
    "lc_lowpass": (100e6, 3e9, 30),
    "resonator": (800e6, 1.2e9, 81),
    "rc_ladder": (10e6, 1e9, 100),
    "pi_attenuator": (10e6, 1e9, 11),
    "t_network": (10e6, 1e9, 11),
    "lc_highpass": (100e6, 3e9, 30),
    "crystal_series": (9.99e6, 10.04e6, 101),
    "notch": (400e6, 600e6, 81),
    "bandstop": (1.5e9, 2.5e9, 81),
    "through_shunt": (10e6, 3e9, 31),
    "transformer": (10e6, 1e9, 21),
    "vvg_source": (1e6, 1e9, 11),
    "vcg_source": (1e6, 1e9, 11),
    "ccg_source": (1e6, 1e9, 11),
}

# A sub-circuit's port line names no reference resistances: both are then 50 ohm.
PORT_LINE = re.compile(r"^\S+: 2POR (\d+) (\d+) ")


def cli_lines(cli, command, circuit):
    result = subprocess.run([str(cli), command, str(circuit)], capture_output=True, text=True,
                            check=False)
    if result.returncode != 0:
        raise RuntimeError(f"vostrane-cli {command} exit {result.returncode}: "
                           f"{result.stderr.strip()}")
    return result.stdout.splitlines()


def ours(cli, netlist, sweep, work):
    start, stop, points = sweep
    deck = pathlib.Path(work) / "drawn.net"
    deck.write_text("\n".join(["FREQ", f"FSTEP {start / 1e6:.12g}MHz {points} "
                               f"{stop / 1e6:.12g}MHz", "END"] + netlist) + "\n")
    return [(f, [entries[1]]) for f, entries in run.table_points(cli, deck, "S")]


def theirs(spice, ports, sweep, work):
    start, stop, points = sweep
    inp, out = ports
    body = [line for line in spice if line.strip().lower() != ".end"]
    deck = pathlib.Path(work) / "drawn.cir"
    deck.write_text("\n".join(body + [
        "VS src 0 dc 0 ac 1", f"RS src {inp} 50", f"RL {out} 0 50", ".control",
        "set wr_singlescale", "set wr_vecnames", f"ac lin {points} {start!r} {stop!r}",
        f"let s21 = 2*v({out})/v(src)", "wrdata result.txt s21", ".endc", ".end"]) + "\n")
    return run.spice_points(deck, "result.txt", 1.0)


def main():
    cli = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else run.DEFAULT_CLI
    circuits = [ROOT / "examples" / f"{n}.vqe" for n in ("lc_lowpass", "resonator")]
    circuits += sorted((run.HERE / "drawn").glob("*.vqe"))
    failed = 0
    for circuit in circuits:
        name = circuit.stem
        try:
            netlist = cli_lines(cli, "netlist", circuit)
            ports = next((m.groups() for m in map(PORT_LINE.match, netlist) if m), None)
            if ports is None:
                raise RuntimeError("no two-port line in the netlist")
            with tempfile.TemporaryDirectory() as work:
                a = ours(cli, netlist, SWEEPS[name], work)
                b = theirs(cli_lines(cli, "spice", circuit), ports, SWEEPS[name], work)
            worst, note = run.compare(a, b)
        except (RuntimeError, ValueError, KeyError) as error:
            worst, note = math.inf, str(error)
        ok = worst <= 1.0
        failed += not ok
        print(f"{'ok  ' if ok else 'FAIL'} {name:16s} S21 worst {worst:6.3f} of tolerance  {note}")
    print(f"drawn circuits: {failed} of {len(circuits)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
