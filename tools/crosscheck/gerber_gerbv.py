#!/usr/bin/env python3
"""The photoplot export read back by gerbv.

Exports examples/microstrip_lowpass.vqe and a board with a slotline
(app/cli/tests/lines/slotline.vqe), once more on a board of 0.5 mm, through
"vostrane-cli ui-script", and plays app/cli/tests/ui/slot_bend_switch.txt (a kinked slotline bend
stub made a line, a slotline after it) and app/cli/tests/ui/gerber_sizes.txt (the largest layout
the format carries: one line of 999.999 mm by 999.999 mm on a board of 999.999 mm); then has
gerbv read every file and draw it as PNG, and write the files that draw anything again as
RS-274X (no display needed). gerbv must say nothing "CRITICAL" or "WARNING", and every aperture
of a re-export is larger than 0. In gerbv's re-export each section of the low-pass has the width
of its line over exactly its length, section joined to section (to 2 µm); in the bottom file the
substrate's D11 flash comes before %LPC*% and the slot strokes after it; the small board is
flashed at its 0.5 mm; the slotline starts where the bend ends; the largest line has its width
over its length from the board's left edge. The PNG of the low-pass is left in the work folder
for a reviewer.
Usage: gerber_gerbv.py VOSTRANE-CLI WORK-FOLDER   (exit 1 on a failed check)
"""
import math
import pathlib
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
TOLERANCE_UM = 2.0
UM_PER_INCH = 25400.0

EXPORT = """open {circuit}
dialog 163
{board}ok
file {name}.gbx
menu "Service/Gerber-Plotdatei..."
"""


def fail(message):
    print("gerber_gerbv: " + message, file=sys.stderr)
    sys.exit(1)


def play(cli, work, script, status=0):
    run = subprocess.run([cli, "ui-script", str(script)], cwd=work, capture_output=True, text=True)
    if run.returncode != status:
        fail(f"ui-script {script.name}: exit {run.returncode}\n{run.stdout}{run.stderr}")


def export(cli, work, circuit, name, board=""):
    """board: the plot dialog's lines that set the board size."""
    shutil.copy(circuit, work)
    script = work / (name + ".txt")
    script.write_text(EXPORT.format(circuit=circuit.name, name=name, board=board))
    play(cli, work, script)


def gerbv(args, work):
    run = subprocess.run(["gerbv"] + args, cwd=work, capture_output=True, text=True)
    said = run.stdout + run.stderr
    if run.returncode != 0 or "CRITICAL" in said or "WARNING" in said:
        fail(f"gerbv {' '.join(args)}: exit {run.returncode}\n{said}")


def read_back(path):
    """gerbv's re-export (inches, 2.6 digits): aperture sizes and (aperture, code, x, y), µm."""
    text = path.read_text()
    if "%MOIN*%" not in text or "%FSLAX36Y36*%" not in text:
        fail(f"{path.name}: unexpected units or format")
    apertures = {}
    for number, shape, sizes in re.findall(r"%ADD(\d+)([RC]),([0-9.X]+)\*%", text):
        values = [float(v) * UM_PER_INCH for v in sizes.split("X")]
        apertures[int(number)] = values if shape == "R" else [values[0], values[0]]
        if min(values) <= 0.0:
            fail(f"{path.name}: aperture D{number} of size {sizes}")
    ops = []
    current = None
    for line in text.splitlines():
        select = re.match(r"G54D(\d+)\*", line)
        if select:
            current = int(select.group(1))
            continue
        if line.startswith("%LPC"):
            ops.append(("LPC", None, 0.0, 0.0))
            continue
        move = re.match(r"(?:G01)?X(-?\d+)Y(-?\d+)D0([123])\*", line)
        if move:
            x, y = (int(v) / 1e6 * UM_PER_INCH for v in move.group(1, 2))
            ops.append((current, int(move.group(3)), x, y))
    return apertures, ops


def sections(apertures, ops):
    """Each stroke or flash along x as (start x, length, width) in µm."""
    found = []
    last = None
    for aperture, code, x, y in ops:
        size = apertures.get(aperture)
        if code == 2:
            last = (x, y)
        elif code == 1 and last is not None:
            found.append((min(last[0], x) - size[0] / 2, abs(x - last[0]) + size[0], size[1]))
            last = (x, y)
        elif code == 3:
            found.append((x - size[0] / 2, size[0], size[1]))
    return found


def expected_lines(cli, circuit):
    netlist = subprocess.run([cli, "netlist", str(circuit)], capture_output=True, text=True).stdout
    units = {"mm": 1000.0, "um": 1.0}
    lines = []
    for w, wu, p, pu in re.findall(r"^TRL \d+ \d+ W=([0-9.]+)(mm|um) P=([0-9.]+)(mm|um)", netlist,
                                   re.M):
        lines.append((float(p) * units[pu], float(w) * units[wu]))
    return lines


def check_lowpass(cli, work):
    circuit = ROOT / "examples/microstrip_lowpass.vqe"
    export(cli, work, circuit, "lp")
    if (work / "lpBot.gbx").exists():
        fail("lpBot.gbx written without a bottom-layer symbol")
    gerbv(["-x", "rs274x", "-o", "lpTop.re.gbx", "lpTop.gbx"], work)
    gerbv(["-x", "png", "--dpi=600", "-B", "0", "-b", "#ffffff", "-f", "#b87333", "-o",
           "microstrip_lowpass.png", "lpTop.gbx"], work)
    drawn = sections(*read_back(work / "lpTop.re.gbx"))
    wanted = expected_lines(cli, circuit)
    if len(drawn) != len(wanted) or not wanted:
        fail(f"lpTop.gbx: {len(drawn)} sections drawn, {len(wanted)} lines in the circuit")
    position = drawn[0][0]
    for i, ((start, length, width), (p, w)) in enumerate(zip(drawn, wanted), 1):
        for what, got, want in (("start", start, position), ("length", length, p),
                                ("width", width, w)):
            if abs(got - want) > TOLERANCE_UM:
                fail(f"lpTop.gbx section {i}: {what} {got:.2f} µm, expected {want:.2f} µm")
        position = start + length
    print(f"gerber_gerbv: {len(drawn)} sections of the low-pass, each its width over its length")


def check_slotline(cli, work):
    export(cli, work, ROOT / "app/cli/tests/lines/slotline.vqe", "slot")
    for name in ("slotTop.gbx", "slotBot.gbx"):
        gerbv(["-x", "png", "-o", name.replace(".gbx", ".png"), name], work)
    # gerbv 2.9 frees twice when it re-exports an image without a stroke or flash, such as
    # this board's top layer (its ports are no copper); the picture above has read it.
    gerbv(["-x", "rs274x", "-o", "slotBot.re.gbx", "slotBot.gbx"], work)
    apertures, ops = read_back(work / "slotBot.re.gbx")
    codes = [(a, c) for a, c, _, _ in ops]
    if ("LPC", None) not in codes or (11, 3) not in codes:
        fail("slotBot.gbx: no substrate flash or no clear polarity")
    clear = codes.index(("LPC", None))
    if codes.index((11, 3)) > clear or not any(c == 1 for _, c in codes[clear:]):
        fail("slotBot.gbx: the substrate must be flashed before %LPC*% and the slots after it")
    print("gerber_gerbv: the slotline board's bottom layer: substrate, then the slot cleared")


def check_small_board(cli, work):
    export(cli, work, ROOT / "app/cli/tests/lines/slotline.vqe", "small",
           "set 1054 0.5mm\nset 1055 0.5mm\n")
    gerbv(["-x", "rs274x", "-o", "smallBot.re.gbx", "smallBot.gbx"], work)
    apertures, ops = read_back(work / "smallBot.re.gbx")
    flashes = [(x, y) for a, c, x, y in ops if (a, c) == (11, 3)]
    board = apertures.get(11, [0.0, 0.0])
    if len(flashes) != 1 or any(abs(v - 500.0) > TOLERANCE_UM for v in board):
        fail(f"smallBot.gbx: board {board} µm flashed {len(flashes)} times, "
             "expected 500 x 500 once")
    if any(abs(v - 250.0) > TOLERANCE_UM for v in flashes[0]):
        fail(f"smallBot.gbx: board flashed at {flashes[0]}, expected its centre (250, 250) µm")
    print("gerber_gerbv: a board of 0.5 mm is flashed at its size")


def check_bend(cli, work):
    play(cli, work, ROOT / "app/cli/tests/ui/slot_bend_switch.txt")
    gerbv(["-x", "rs274x", "-o", "bendBot.re.gbx", "bendBot.gbx"], work)
    _, ops = read_back(work / "bendBot.re.gbx")
    slots = [(c, x, y) for a, c, x, y in ops if a == 10 and c in (1, 2)]
    last = None
    for code, x, y in slots:
        if code == 2 and last is not None and math.hypot(x - last[0], y - last[1]) > TOLERANCE_UM:
            fail(f"bendBot.gbx: a slot starts at ({x:.0f}, {y:.0f}) µm, the one before it "
                 f"ended at ({last[0]:.0f}, {last[1]:.0f}) µm")
        last = (x, y)
    # The quarter circle of R = 6.366 mm from (0, 10 mm), then the slotline up, less W / 2.
    if last is None or math.hypot(last[0] - 6366.0, last[1] - 26316.0) > TOLERANCE_UM:
        fail(f"bendBot.gbx: the slots end at {last} µm, not at the slotline's end (6366, 26316)")
    print("gerber_gerbv: the bend made a line ends where the slotline after it starts")


def check_largest(cli, work):
    # The script ends with an export refused for a layout beyond the format: exit 1.
    play(cli, work, ROOT / "app/cli/tests/ui/gerber_sizes.txt", status=1)
    gerbv(["-x", "rs274x", "-o", "bigTop.re.gbx", "bigTop.gbx"], work)
    drawn = sections(*read_back(work / "bigTop.re.gbx"))
    if len(drawn) != 1:
        fail(f"bigTop.gbx: {len(drawn)} sections drawn, expected the one line")
    for what, got, want in zip(("start", "length", "width"), drawn[0], (0.0, 999999.0, 999999.0)):
        if abs(got - want) > TOLERANCE_UM:
            fail(f"bigTop.gbx: {what} {got:.2f} µm, expected {want:.2f} µm")
    print("gerber_gerbv: the largest line, 999.999 mm by 999.999 mm, read back at its size")


def main():
    if len(sys.argv) != 3:
        fail("usage: gerber_gerbv.py VOSTRANE-CLI WORK-FOLDER")
    cli = str(pathlib.Path(sys.argv[1]).resolve())
    work = pathlib.Path(sys.argv[2]).resolve()
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    check_lowpass(cli, work)
    check_slotline(cli, work)
    check_small_board(cli, work)
    check_bend(cli, work)
    check_largest(cli, work)
    print(f"gerber_gerbv: picture of the low-pass: {work / 'microstrip_lowpass.png'}")


if __name__ == "__main__":
    main()
