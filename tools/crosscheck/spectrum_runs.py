#!/usr/bin/python3
"""The runs of the audio source and the data generator against numpy.

Plays tape_rc.vqe (the committed 8-bit recording tape.wav through R 1 kohm into C 100 nF) and
datagen_rc.vqe (a 16-bit pattern through R 100 ohm into C 2 pF) with `vostrane-cli ui-script`:
each source's dialog starts the run and the script advances the view's timer to its end. The
voltmeter's log "MultiMeter.dat" must hold, for every spectral line that is not 0, a reading
proportional to |H(f)| * |X(f)|: X the numpy spectrum of the source's samples, H the divider of
the source resistance, R and the capacitor parallel to the loads on its node: the meter's 1 Mohm
and the other instruments there (the speaker's 1 Mohm, the oscilloscope's 1 Mohm and the
spectrum analyser's 50 ohm).
Usage: generator_runs.py VOSTRANE-CLI
"""
import math
import pathlib
import shutil
import subprocess
import sys
import tempfile
import wave

import numpy

ROOT = pathlib.Path(__file__).resolve().parents[2]
PREFIX = {"f": 1e-15, "p": 1e-12, "n": 1e-9, "u": 1e-6, "m": 1e-3, "k": 1e3, "M": 1e6,
          "G": 1e9}
METER = 1e6
# The readings carry 4 digits.
TOLERANCE = 1.5e-3


def volts(text):
    text = text.strip()
    assert text.endswith("V"), text
    number = text[:-1]
    scale = 1.0
    if number and number[-1] in PREFIX:
        scale = PREFIX[number[-1]]
        number = number[:-1]
    return float(number) * scale


def run(cli, circuit, files, dialog, start, name, ticks, period):
    with tempfile.TemporaryDirectory() as tmp:
        for f in [circuit, *files]:
            shutil.copy(ROOT / "examples" / f, tmp)
        script = [f"open {circuit}", f"dialog {dialog}", f"  click {start}", "end",
                  f"edit {name}"] + [f"advance {period}"] * ticks
        path = pathlib.Path(tmp) / "run.txt"
        path.write_text("\n".join(script) + "\n")
        subprocess.run([cli, "ui-script", str(path)], check=True, cwd=tmp,
                       stdout=subprocess.DEVNULL)
        return [volts(line) for line in (pathlib.Path(tmp) / "MultiMeter.dat").read_text().split()]


def divider(f, rs, r, c, loads):
    zp = 1.0 / (sum(1.0 / load for load in loads) + 2j * math.pi * f * c)
    return abs(zp / (rs + r + zp))


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
    ok = compare("datagen_rc", run(cli, "datagen_rc.vqe", [], 164, 1069, "DatG1", n // 2 + 5, 10),
                 data, 2.5e9 / len(bits), 50.0, 100.0, 2e-12, [METER, METER, 50.0]) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
