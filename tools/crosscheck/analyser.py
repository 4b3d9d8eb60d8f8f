#!/usr/bin/python3
"""Cross-checks the network analyser's data copy against ngspice and against `simulate`.

For each twin in tools/crosscheck/drawn/analyser/ (the drawn circuits with a two-port or a
one-port network analyser at their ends, made by make-examples), `vostrane-cli ui-script` opens
the analyser's panel, sets the sweep of drawn.py, sweeps, and copies the results ("Daten"). Its
S11 and S21 (magnitude and phase, 4 significant digits) must agree
- with ngspice on the circuit's SPICE netlist: an `.sp` analysis between the analyser's ports
  for a two-port, an `.ac` analysis through a 50 ohm source resistor for a one-port;
- with `vostrane-cli simulate` of the circuit's netlist (with the analyser's header line) over
  the same sweep.
Prints one line per twin; exit status 1 when any fails.

Usage: tools/crosscheck/analyser.py [path/to/vostrane-cli]   (default build/release/app/cli/...)
"""

import cmath
import math
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

import drawn
import run

TWINS = run.HERE / "drawn" / "analyser"
HEADER = re.compile(r"^\S+: ([12])POR (\d+)(?: (\d+))? ")
TERMINATION = re.compile(r"^RVNA\w*_[12] ")


def copied_points(cli, twin, sweep, work):
    """The analyser's data copy: (frequency in Hz, [(S11, bound), (S21, bound)]) per point."""
    start, stop, points = sweep
    shutil.copy(twin, work)
    script = pathlib.Path(work) / "sweep.txt"
    script.write_text("\n".join([
        f"open {twin.name}", "edit VNA1", "window 132", "  dialog FREQDIAG",
        f"    set 2140 {start / 1e6:.12g}MHz", f"    set 2141 {stop / 1e6:.12g}MHz",
        f"    set 2142 {points}", "  ok", "  click 1019", "  click 1017", "  click 1023",
        "  clipboard copy.txt", "end"]) + "\n")
    result = subprocess.run([str(cli), "ui-script", script.name], cwd=work, capture_output=True,
                            text=True, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"ui-script exit {result.returncode}: {result.stderr.strip()}")
    rows = []
    for line in (pathlib.Path(work) / "copy.txt").read_text().splitlines():
        if line.startswith("*") or not line.strip():
            continue
        fields = [float(x) for x in line.split("\t")]
        entries = [(cmath.rect(m, math.radians(p)),
                    run.half_step(m) + (m + run.half_step(m)) * math.radians(run.half_step(p)))
                   for m, p in zip(fields[1::2], fields[2::2])]
        # A two-port's table holds S11, S12, S21, S22.
        rows.append((fields[0] * 1e9, [entries[0]] + ([entries[2]] if len(entries) == 4 else [])))
    return rows


def simulated_points(cli, netlist, sweep, work):
    start, stop, points = sweep
    deck = pathlib.Path(work) / "twin.net"
    deck.write_text("\n".join(["FREQ", f"FSTEP {start / 1e6:.12g}MHz {points} "
                               f"{stop / 1e6:.12g}MHz", "END"] + netlist) + "\n")
    return [(f, [e[0]] + ([e[2]] if len(e) == 4 else []))
            for f, e in run.table_points(cli, deck, "S")]


def spice_points(spice, ports, sweep, work):
    start, stop, points = sweep
    # The SPICE netlist terminates the idle analyser's ports; here its ports are the sweep's.
    body = [line for line in spice
            if line.strip().lower() != ".end" and not TERMINATION.match(line)]
    if len(ports) == 2:
        inp, out = ports
        lines = [f"VP1 {inp} 0 dc 0 ac 1 portnum 1 z0 50", f"VP2 {out} 0 dc 0 ac 0 portnum 2 z0 50",
                 ".control", "set wr_singlescale", "set wr_vecnames",
                 f"sp lin {points} {start!r} {stop!r}", "wrdata result.txt S_1_1 S_2_1"]
    else:
        lines = ["VS src 0 dc 0 ac 1", f"RS src {ports[0]} 50", ".control",
                 "set wr_singlescale", "set wr_vecnames", f"ac lin {points} {start!r} {stop!r}",
                 f"let s11 = 2*v({ports[0]})/v(src) - 1", "wrdata result.txt s11"]
    deck = pathlib.Path(work) / "twin.cir"
    deck.write_text("\n".join(body + lines + [".endc", ".end"]) + "\n")
    return run.spice_points(deck, "result.txt", 1.0)


# S parameters are of the order of 1: a reflection that should vanish (a matched attenuator's
# S11, a few 1e-6) carries the single-precision error of the models, as a numerical zero.
SLACK_ABS = 1e-7


def compare_rounded(ours, theirs):
    """(value, rounding bound) against (value, rounding bound): both bounds count; the largest
    deviation relative to the tolerance (<= 1 passes), and a note."""
    if len(ours) != len(theirs) or not ours:
        return math.inf, f"{len(ours)} points against {len(theirs)}"
    worst, note = 0.0, ""
    for (f, s), (g, t) in zip(ours, theirs):
        if abs(f - g) > 5e-6 * abs(g) + 1e-3 or len(s) != len(t):
            return math.inf, f"frequency {f} against {g}"
        for (a, ra), (b, rb) in zip(s, t):
            ratio = abs(a - b) / (ra + rb + run.SLACK_REL * abs(b) + SLACK_ABS)
            if ratio > worst:
                worst, note = ratio, f"at {g:.6g} Hz: {a:.5g} against {b:.5g}"
    return worst, note


def main():
    # ui-script runs in a scratch folder.
    cli = (pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else run.DEFAULT_CLI).resolve()
    twins = sorted(TWINS.glob("*.vqe"))
    failed = 0
    for twin in twins:
        name = twin.stem
        try:
            sweep = drawn.SWEEPS[name.removesuffix("_1port")]
            netlist = drawn.cli_lines(cli, "netlist", twin)
            header = next((m for m in map(HEADER.match, netlist) if m), None)
            if header is None:
                raise RuntimeError("no analyser header in the netlist")
            ports = [p for p in header.groups()[1:] if p is not None]
            with tempfile.TemporaryDirectory() as work:
                copied = copied_points(cli, twin, sweep, work)
                simulated = simulated_points(cli, netlist, sweep, work)
                spice = spice_points(drawn.cli_lines(cli, "spice", twin), ports, sweep, work)
            worst_sim, note_sim = compare_rounded(copied, simulated)
            worst_spice, note_spice = compare_rounded(
                copied, [(f, [(v, 0.0) for v in e]) for f, e in spice])
        except (RuntimeError, ValueError, KeyError, OSError) as error:
            worst_sim = worst_spice = math.inf
            note_sim = note_spice = str(error)
        ok = worst_sim <= 1.0 and worst_spice <= 1.0
        failed += not ok
        what = "S11, S21" if len(ports) == 2 else "S11"
        print(f"{'ok  ' if ok else 'FAIL'} {name:22s} {what:8s} ngspice {worst_spice:6.3f}"
              f"  simulate {worst_sim:6.3f} of tolerance  {note_spice if worst_spice > 1 else note_sim}")
    print(f"analyser twins: {failed} of {len(twins)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
