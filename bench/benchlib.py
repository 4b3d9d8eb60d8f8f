"""What the benchmarks share: their command line, the LC ladder that the simulator's benchmarks
sweep, and the timing of a whole process."""

import os
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
# The most points a netlist's FREQ block holds.
POINTS = 250


def options(runs, short_runs=1):
    """The command line [--short] [path/to/build] [runs], --short anywhere: whether the run is
    short (to prove that the benchmark works), the build folder (default build/release) and the
    number of runs (given, else short_runs when short, else runs)."""
    args = [a for a in sys.argv[1:] if a != "--short"]
    short = len(args) < len(sys.argv) - 1
    build = pathlib.Path(args[0]).resolve() if args else ROOT / "build/release"
    count = int(args[1]) if len(args) > 1 else short_runs if short else runs
    return short, build, count


def ladder(n):
    """An LC low-pass ladder of n sections as a netlist, swept from 10 MHz to 2 GHz."""
    lines = ["* LC ladder", "FREQ", f"FSTEP 10MHz {POINTS} 2GHz", "END", "BLK",
             f"LADDER: 2POR 1 {n + 1} RG1 = 50ohm RG2 = 50ohm"]
    for k in range(1, n + 1):
        lines += [f"CAP {k} 0 C = 2pF", f"IND {k} {k + 1} L = 5nH"]
    return "\n".join(lines + [f"CAP {n + 1} 0 C = 2pF", "END"]) + "\n"


def run(argv, cwd):
    """Wall time and CPU time in seconds of one process. It is spawned directly: a fork of this
    interpreter, or GNU time's start, would add most of a millisecond to both sides, as much
    as the whole run of a small ladder."""
    here = os.getcwd()
    os.chdir(cwd)
    null = os.open(os.devnull, os.O_WRONLY)
    try:
        start = time.perf_counter()
        pid = os.posix_spawnp(argv[0], argv, os.environ,
                              file_actions=[(os.POSIX_SPAWN_DUP2, null, 1),
                                            (os.POSIX_SPAWN_DUP2, null, 2)])
        _, status, usage = os.wait4(pid, 0)
        elapsed = time.perf_counter() - start
    finally:
        os.close(null)
        os.chdir(here)
    # ngspice's batch mode exits 1 however it went; its result file tells.
    if os.waitstatus_to_exitcode(status) != 0 and argv[0] != "ngspice":
        raise RuntimeError(f"{argv} failed")
    return elapsed, usage.ru_utime + usage.ru_stime


def peak_mb(argv, cwd):
    """Peak resident memory in MB of one process."""
    # A child forked from this interpreter starts with its resident size as the high-water
    # mark, and exec keeps it (so does posix_spawn); GNU time, small itself, forks the
    # program and reports the program's own peak.
    peak = pathlib.Path(cwd) / "peak"
    subprocess.run(["/usr/bin/time", "-f", "%M", "-o", str(peak)] + argv, cwd=cwd,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # GNU time notes a failed exit status on a line of its own before the figure.
    return int(peak.read_text().split()[-1]) / 1024.0


