#!/usr/bin/python3
"""The runs of the audio source and the data generator against numpy, and the spectrum
analyser's two roads.

Plays tape_rc.vqe (the committed 8-bit recording tape.wav through R 1 kohm into C 100 nF) and
datagen_rc.vqe (a 16-bit pattern through R 100 ohm into C 2 pF) with `vostrane-cli ui-script`:
each source's dialog starts the run and the script advances the view's timer to its end. The
voltmeter's log "MultiMeter.dat" must hold, for every spectral line that is not 0, a reading
proportional to |H(f)| * |X(f)|: X the numpy spectrum of the source's samples, H the divider of
the source resistance, R and the capacitor parallel to the loads on its node: the meter's 1 Mohm
and the other instruments there (the speaker's 1 Mohm, the oscilloscope's 1 Mohm and the
spectrum analyser's 50 ohm).
After the data generator's run the analyser's marker (its read-out, among the texts that `screen`
prints) must read DC at 0 Hz and the fundamental at 156.25 MHz with the powers that numpy's
single-sided spectrum of the node's time signal gives them in the analyser's 50 ohm (within
0.05 dB).
The two roads, when ngspice is installed: a sine of known amplitude on C 1 uF behind R 1 kohm
reads the same power in the analyser's 50 ohm (within 0.1 dB, each within 0.05 dB of the
known amplitude's). On the built-in road sine_rc.vqe plays the committed recording sine.wav
(four periods of 50 Hz in 256 bytes: spectral line 4), its amplitude set so that the node
carries the amplitude of the SPICE road; on the SPICE road pulse_rc.vqe's pulse generator
drives its 1 V sine of 50 Hz through tools/spice/VosSpice.exe, with an output step of 0.1 ms
(the 1 ms of its own set-up, 20 samples a period, loses 0.1 dB to the resampling), and the
analyser's dBmV of the strongest line become dBm.
Usage: spectrum_runs.py VOSTRANE-CLI
"""
import math
import re
import pathlib
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy

from readings import PREFIX, volts

ROOT = pathlib.Path(__file__).resolve().parents[2]
METER = 1e6
# The readings carry 4 digits.
TOLERANCE = 1.5e-3


def play(cli, files, script, spice=False):
    """Plays the script in a folder holding copies of the examples named (and of tools/spice);
    the output and the folder's MultiMeter.dat (None when there is none)."""
    with tempfile.TemporaryDirectory() as tmp:
        for f in files:
            shutil.copy(ROOT / "examples" / f, tmp)
        if spice:
            shutil.copytree(ROOT / "tools/spice", pathlib.Path(tmp) / "spice")
        path = pathlib.Path(tmp) / "run.txt"
        path.write_text("\n".join(script) + "\n")
        out = subprocess.run([cli, "ui-script", str(path)], check=True, cwd=tmp,
                             stdout=subprocess.PIPE, text=True, timeout=300).stdout
        log = pathlib.Path(tmp) / "MultiMeter.dat"
        return out, log.read_text() if log.exists() else None


def started(circuit, dialog, start, name, ticks, period, settings=()):
    """A script that opens the circuit, keeps the settings in its source's dialog with OK when
    there are some, starts the source from that dialog and lets the timer run it to its end."""
    kept = [f"dialog {dialog}", *settings, "ok", f"edit {name}"] if settings else []
    return ([f"open {circuit}", *kept, f"dialog {dialog}", f"  click {start}", "end",
             f"edit {name}"] + [f"advance {period}"] * ticks)


def run(cli, circuit, files, dialog, start, name, ticks, period):
    _, log = play(cli, [circuit, *files], started(circuit, dialog, start, name, ticks, period))
    return [volts(line) for line in log.split()]


def marker_script(steps):
    """The analyser's window: the marker on line 0, then each line up to `steps`, each read."""
    return (["dialog 167", "  click 1018", "  screen"] + ["  spin 1070 up", "  screen"] * steps +
            ["ok", "edit SpecAna"])


def readouts(output):
    """The screen's read-outs as (frequency in Hz, level, unit): a frequency drawn right above a
    level (`screen` prints "TEXT<TAB>X<TAB>Y" per text drawn)."""
    found = []
    texts = [line.split("\t")[0] for line in output.split("\n") if line.count("\t") == 2]
    for text, below in zip(texts, texts[1:]):
        f = re.fullmatch(r"(-?[0-9.]+)([kMG]?)Hz", text)
        v = re.fullmatch(r"(-?[0-9.]+)(dB\w*)", below)
        if f and v:
            found.append((float(f[1]) * PREFIX.get(f[2], 1.0), float(v[1]), v[2]))
    return found


def dbm(volts_peak, r):
    return 10 * math.log10(volts_peak ** 2 / (2 * r) * 1000)


def node(f, rs, r, c, loads):
    """The node voltage of C behind rs + r, with the loads across C, per volt of the source."""
    zp = 1.0 / (sum(1.0 / load for load in loads) + 2j * math.pi * f * c)
    return zp / (rs + r + zp)


def divider(f, rs, r, c, loads):
    return abs(node(f, rs, r, c, loads))


def compare(label, readings, spectrum, df, rs, r, c, loads):
    lines = [k for k in range(len(spectrum)) if abs(spectrum[k]) > 1e-9 * abs(spectrum).max()]
    expected = [divider(k * df, rs, r, c, loads) * abs(spectrum[k]) for k in lines]
    if len(readings) != len(expected):
        print(f"{label}: {len(readings)} readings, {len(expected)} spectral lines expected")
        return False
    ratios = [a / b for a, b in zip(readings, expected)]
    scale = float(numpy.median(ratios))
    worst = max(abs(q / scale - 1.0) for q in ratios)
    print(f"{label}: {len(readings)} lines, largest deviation from |H|*|X| {worst:.2e}")
    return worst < TOLERANCE


def check_lines(output, pattern, df, loads):
    """DC and the fundamental as the analyser's marker reads them, against the powers of numpy's
    single-sided spectrum of the node's time signal in its 50 ohm."""
    n = len(pattern)
    lines = numpy.fft.fft(pattern)[: n // 2] / n
    y = numpy.array([node(k * df, 50.0, 100.0, 2e-12, loads) for k in range(n // 2)]) * lines
    full = numpy.zeros(n, dtype=complex)
    full[: n // 2] = y
    full[n // 2 + 1:] = numpy.conj(y[1:][::-1])
    signal = numpy.fft.ifft(full).real * n
    single = numpy.abs(numpy.fft.rfft(signal) / n)
    single[1:] *= 2
    want = [(0.0, 10 * math.log10(single[0] ** 2 / 50.0 * 1000)), (df, dbm(single[1], 50.0))]
    got = readouts(output)
    ok = len(got) == 2 and all(u == "dBm" for _, _, u in got)
    for (f, level), (shown_f, shown, _) in zip(want, got):
        ok = ok and abs(shown_f - f) <= 5e-4 * f and abs(shown - level) <= 0.05
        print(f"datagen_rc analyser: {shown_f:.6g} Hz reads {shown} dBm, numpy {f:.6g} Hz "
              f"{level:.4f} dBm")
    return ok


def two_roads(cli):
    """The sine of pulse_rc.vqe's node, SPICE against the built-in road."""
    known = abs(node(50.0, 0.0, 1000.0, 1e-6, [50.0, METER, METER, METER, 1e9]))
    out, _ = play(cli, ["pulse_rc.vqe"], [
        "open pulse_rc.vqe", "dialog 251", "set 1206 spice/VosSpice.exe", "ok",
        'menu "Analyse/Spice Simulator einstellen ..."',
        "dialog 256", "  set 1058 100uSec", "  set 1059 100uSec", "ok",
        'menu "Analyse/Spice Transient-Analyse..."', "wait"] + marker_script(8), spice=True)
    f, level, unit = max(readouts(out), key=lambda r: r[1])
    assert unit == "dBmV", unit
    spice = dbm(1e-3 * 10 ** (level / 20), 50.0)

    with wave.open(str(ROOT / "examples/sine.wav"), "rb") as recording:
        data = numpy.frombuffer(recording.readframes(256), dtype=numpy.uint8).astype(float)
        rate = recording.getframerate()
    # The source scales the larger excursion from 128 to its amplitude.
    played = (data - 128.0) / max(data.max() - 128.0, 128.0 - data.min())
    line = 2 * abs(numpy.fft.fft(played)[4] / len(played))
    amplitude = known / (line * divider(50.0, 50.0, 1000.0, 1e-6, [50.0, METER]))
    ok = len(data) == 256 and rate == 3200 and numpy.argmax(abs(numpy.fft.rfft(played))) == 4
    out, _ = play(cli, ["sine_rc.vqe", "sine.wav"],
                  started("sine_rc.vqe", 226, 1155, "Tape1", 256 // 2 + 5, 1,
                          [f"  set 1056 {amplitude:.6f}V"]) + marker_script(4))
    built_f, built, unit = readouts(out)[-1]
    ok = ok and unit == "dBm" and built_f == 50.0
    want = dbm(known, 50.0)
    print(f"two roads: {want:.4f} dBm known at 50 Hz; built-in {built} dBm at {built_f:g} Hz, "
          f"SPICE {level} dBmV = {spice:.4f} dBm at {f:g} Hz")
    return (ok and abs(built - spice) <= 0.1 and abs(built - want) <= 0.05
            and abs(spice - want) <= 0.05)


def main():
    cli = str(pathlib.Path(sys.argv[1]).resolve())
    with wave.open(str(ROOT / "examples/tape.wav"), "rb") as w:
        rate = w.getframerate()
        data = numpy.frombuffer(w.readframes(4096), dtype=numpy.uint8).astype(float)
    n = 4096
    samples = numpy.zeros(n)
    samples[: len(data)] = data - 128.0
    tape = numpy.fft.fft(samples)[: n // 2]
    ok = compare("tape_rc", run(cli, "tape_rc.vqe", ["tape.wav"], 226, 1155, "Tape1", n // 2 + 5, 1),
                 tape, rate / n, 50.0, 1000.0, 100e-9, [METER, METER])

    bits = "1011001110001011"
    n = 256
    per_bit = n // len(bits)
    pattern = numpy.array([1.0 if bits[i // per_bit] == "1" else 0.0 for i in range(n)])
    data = numpy.fft.fft(pattern)[: n // 2]
    loads = [METER, METER, 50.0]
    out, log = play(cli, ["datagen_rc.vqe"],
                    started("datagen_rc.vqe", 164, 1069, "DatG1", n // 2 + 5, 10) +
                    marker_script(1))
    ok = compare("datagen_rc", [volts(line) for line in log.split()], data, 2.5e9 / len(bits),
                 50.0, 100.0, 2e-12, loads) and ok
    ok = check_lines(out, pattern, 2.5e9 / len(bits), loads) and ok
    if shutil.which("ngspice"):
        ok = two_roads(cli) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
