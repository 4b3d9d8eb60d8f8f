#!/usr/bin/python3
"""The oscilloscope, spectrum analyser and speaker after the generators' runs, against numpy.

Runs the ScopeRuns tests of instruments_tests (given as the one argument) with
VOSTRANE_SCOPE_OUT set: they play datagen_rc.vqe and tape_rc.vqe to the end of their built-in
runs and leave the master's spectral lines X, the oscilloscope's samples, the analyser's levels
and the speaker's SPK1.wav there. With H the divider from the source through R into C and the
instruments' loads at its node:
  - the oscilloscope's samples are the Hermitian inverse FFT (unscaled, line N set to 0) of
    H(f) X(f) (relative 1e-6), and with an idle signal generator of 100 ohm on a node of its
    own beside the circuit they are the same to the last digit;
  - the analyser's levels are the powers of the node's components in 50 ohm in dBm: 10 log10
    of 2 |H X|^2 / 50 * 1000 (DC |H X|^2 / 50 * 1000), -250 for nothing;
  - python's wave and `sox --i` read SPK1.wav as 8-bit mono at 8000 samples/s with 4096
    samples, its "fact" chunk says 4096, and its bytes lie within 1 of the 8-bit form of the
    inverse transform of H X for the recording.
With VOSTRANE-CLI given and ngspice installed, `vostrane-cli ui-script` also runs the SPICE
transient of pulse_rc.vqe through a copy of tools/spice, sets the plotter up, closes its first
(empty) screen with OK, copies its data from the second and saves the circuit; the ScopeRuns
test reads the results it keeps. Its spectrum analyser's spectrum must
equal the raised-cosine resampling of ngspice's V(2) to a power of two and its FFT (the DC
line single, the others doubled; relative 1e-9), its plotter's Y must be V(2) itself, and the
data copy must show V(2) to its 4 digits.
Usage: scope_runs.py INSTRUMENTS_TESTS [VOSTRANE-CLI]
"""
import math
import os
import pathlib
import shutil
import struct
import subprocess
import sys
import tempfile
import wave

import numpy

METER = 1e6


def lines(path):
    return pathlib.Path(path).read_text().split("\n")


def master(path):
    rows = [r for r in lines(path) if r.strip()]
    df = float(rows[0])
    return df, numpy.array([complex(*map(float, r.split())) for r in rows[1:]])


def column(path):
    rows = [r for r in lines(path) if r.strip()]
    return float(rows[0]), numpy.array([float(r) for r in rows[1:]])


def node_voltage(x, df, rs, r, c, loads):
    """The voltage at the node of C behind rs + r, loaded by the given resistances."""
    out = numpy.zeros(len(x), dtype=complex)
    for k, line in enumerate(x):
        y = sum(1.0 / load for load in loads) + 2j * math.pi * k * df * c
        zp = 1.0 / y
        out[k] = line * zp / (rs + r + zp)
    return out


def hermitian_inverse(y):
    """The oscilloscope's samples of lines y: the unscaled inverse of the two-sided spectrum,
    its middle line 0."""
    n = len(y)
    full = numpy.zeros(2 * n, dtype=complex)
    full[0] = y[0].real
    full[1:n] = y[1:]
    full[n + 1:] = numpy.conj(y[1:][::-1])
    return numpy.fft.ifft(full).real * 2 * n


def to_bytes(samples):
    m = samples.mean()
    hi, lo = samples.max(), samples.min()
    h = m - lo if hi - m < m - lo else hi - m
    scaled = numpy.clip(127.0 * (samples - m) / h, -127.0, 127.0)
    return (128 + numpy.trunc(scaled)).astype(int)


def fact_count(path):
    data = pathlib.Path(path).read_bytes()
    at = 12
    while at + 8 <= len(data):
        name, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        if name == b"fact":
            return struct.unpack("<I", data[at + 8:at + 12])[0]
        at += 8 + size + (size & 1)
    return None


def check_datagen(out):
    df, x = master(out / "datagen_master.txt")
    y = node_voltage(x, df, 50.0, 100.0, 2e-12, [METER, METER, 50.0])
    dt, samples = column(out / "datagen_oszi.txt")
    want = hermitian_inverse(y)
    ok = len(samples) == len(want) and abs(dt - 1.0 / (2 * df * len(y))) <= 1e-12 * dt
    worst = float(numpy.abs(samples - want).max() / numpy.abs(want).max()) if ok else math.inf
    print(f"oscilloscope: {len(samples)} samples, largest deviation {worst:.2e}")
    ok = ok and worst < 1e-6
    idle_dt, idle = column(out / "datagen_idle_oszi.txt")
    same = idle_dt == dt and numpy.array_equal(idle, samples)
    print(f"oscilloscope beside an idle generator: the same {len(idle)} samples: {same}")
    ok = ok and same
    _, levels = column(out / "datagen_specana.txt")
    power = 2.0 * numpy.abs(y) ** 2 / 50.0 * 1000.0
    power[0] /= 2.0
    want = numpy.where(power > 1e-25, 10 * numpy.log10(numpy.maximum(power, 1e-300)), -250.0)
    worst = float(numpy.abs(levels - want).max()) if len(levels) == len(want) else math.inf
    print(f"spectrum analyser: {len(levels)} levels, largest deviation {worst:.2e} dB")
    return ok and worst < 1e-5


def check_speaker(out):
    df, x = master(out / "tape_master.txt")
    y = node_voltage(x, df, 50.0, 1000.0, 100e-9, [METER, METER])
    want = to_bytes(hermitian_inverse(y))
    path = out / "SPK1.wav"
    with wave.open(str(path), "rb") as w:
        got = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes())
        frames = numpy.frombuffer(w.readframes(w.getnframes()), dtype=numpy.uint8).astype(int)
    info = {key: subprocess.run(["sox", "--i", key, str(path)], check=True, capture_output=True,
                                text=True).stdout.strip() for key in ("-c", "-r", "-s", "-b")}
    fact = fact_count(path)
    worst = int(numpy.abs(frames - want).max()) if len(frames) == len(want) else 999
    print(f"speaker: wave {got}, sox {info}, fact {fact}, largest byte deviation {worst}")
    return (got == (1, 1, 8000, 4096) and info == {"-c": "1", "-r": "8000", "-s": "4096",
                                                    "-b": "8"} and fact == 4096 and worst <= 1)


ROOT = pathlib.Path(__file__).resolve().parents[2]

SPICE_SCRIPT = """open pulse_rc.vqe
dialog 251
set 1206 spice/VosSpice.exe
ok
menu "Analyse/Spice Simulator einstellen ..."
dialog 256
ok
menu "Analyse/Spice Transient-Analyse..."
wait
dialog 246
ok
edit Plot
dialog 245
ok
edit Plot
dialog 245
  click 1023
  clipboard plot.txt
ok
edit Plot
save out.vqe
"""


def raw_node(path, name):
    """The scale and the named variable of an ASCII raw file of one real sweep."""
    text = pathlib.Path(path).read_text().split("\n")
    count = int(next(r for r in text if r.startswith("No. Variables:")).split(":")[1])
    at = text.index("Variables:")
    names = [text[at + 1 + i].split("\t")[2] for i in range(count)]
    column = names.index(name)
    values = [float(r.split("\t")[-1]) for r in text[text.index("Values:") + 1:] if r.strip()]
    rows = numpy.array(values).reshape(-1, count)
    return rows[:, 0], rows[:, column]


def resampled(v, t):
    """The analyser's resampling: a power of two, raised-cosine blends, the ends kept."""
    count = len(v)
    size = 2 if count < 3 else 4
    while count >= 3 and size < count:
        size *= 2
    dt = (t[-1] - t[0]) / (size - 1)
    out = numpy.zeros(size)
    out[0], out[-1] = v[0], v[-1]
    cursor = 0
    for k in range(1, size - 1):
        tau = k * dt
        while cursor < count and t[cursor] < tau:
            cursor += 1
        i = min(max(cursor, 1), count - 1)
        delta = t[i] - t[i - 1]
        if delta <= 0:
            out[k] = v[i]
            continue
        out[k] = (v[i - 1] * (math.cos(math.pi * (tau - t[i - 1]) / delta) + 1) / 2
                  + v[i] * (math.cos(math.pi * (tau - t[i]) / delta) + 1) / 2)
    return out, dt


def check_spice(cli, tests):
    with tempfile.TemporaryDirectory() as tmp:
        work = pathlib.Path(tmp)
        shutil.copytree(ROOT / "tools/spice", work / "spice")
        shutil.copy(ROOT / "examples/pulse_rc.vqe", work)
        (work / "run.txt").write_text(SPICE_SCRIPT)
        subprocess.run([cli, "ui-script", "run.txt"], check=True, cwd=work,
                       stdout=subprocess.DEVNULL, timeout=300)
        out = work / "dump"
        out.mkdir()
        env = dict(os.environ, VOSTRANE_SCOPE_OUT=str(out),
                   VOSTRANE_SCOPE_DOC=str(work / "out.vqe"))
        subprocess.run([tests, "--gtest_filter=ScopeRuns.SpiceResults*"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        t, v2 = raw_node(work / "spice/rawspice.raw", "V(2)")
        samples, dt = resampled(v2, t)
        spectrum = numpy.fft.fft(samples)[: len(samples) // 2] / len(samples)
        spectrum[1:] *= 2
        rows = [r.split() for r in lines(out / "spice_specana.txt")[1:] if r.strip()]
        got = numpy.array([complex(float(r[1]), float(r[2])) for r in rows])
        freqs = numpy.array([float(r[0]) for r in rows])
        ok = len(got) == len(spectrum)
        worst = (float(numpy.abs(got - spectrum).max() / numpy.abs(spectrum).max()) if ok
                 else math.inf)
        step = 1.0 / (len(samples) * dt)
        ok = ok and numpy.allclose(freqs, numpy.arange(len(got)) * step, rtol=1e-12, atol=0)
        print(f"SPICE spectrum: {len(v2)} points to {len(samples)}, {len(got)} lines, "
              f"largest deviation {worst:.2e}")
        ok = ok and worst < 1e-9
        _, y = column(out / "spice_plot_y.txt")
        same = len(y) == len(v2) and numpy.array_equal(y, v2)
        copied = [r.split("\t") for r in lines(work / "plot.txt") if r and r[0] != "!"]
        shown = numpy.array([float(r[1]) for r in copied])
        close = len(shown) == len(v2) and numpy.allclose(shown, v2, rtol=6e-4, atol=1e-12)
        print(f"plotter: Y of {len(y)} points is V(2): {same}; its data copy to 4 digits: {close}")
        return ok and same and close


def main():
    tests = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, VOSTRANE_SCOPE_OUT=tmp)
        subprocess.run([tests, "--gtest_filter=ScopeRuns.*"], check=True, env=env,
                       stdout=subprocess.DEVNULL)
        out = pathlib.Path(tmp)
        ok = check_datagen(out)
        ok = check_speaker(out) and ok
    if len(sys.argv) > 2 and shutil.which("ngspice"):
        ok = check_spice(str(pathlib.Path(sys.argv[2]).resolve()), tests) and ok
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
