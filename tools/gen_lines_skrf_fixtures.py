#!/usr/bin/python3
"""Writes scikit-rf's scattering parameters of lossy TEM lines and stubs as reference values
for the line element tests.

Output: lines/models/tests/fixtures/lines_skrf.inc, C++ initialiser rows
  {"netlist line", f_Hz, ports, {S11 re, im, S21 re, im, S12 re, im, S22 re, im}}
(one-ports fill S11 only), included by lines/models/tests/LineElements_test.cpp.
With --check the committed file is compared with a fresh run instead (exit 1 on a difference).

Each element's propagation constant and impedance are formed here as the element forms them,
including the single-precision steps (the netlist values parse to floats; the ideal line holds
sqrt(K), beta and alpha as floats, the stub alpha and beta). scikit-rf then builds a line of
that gamma and Z0 (skrf.media.DefinedGammaZ0), terminates a stub with its open or short, and
renormalises to 50 ohm ports. The coaxial attenuation is the physical one:
  alpha_d = pi f sqrt(er) tan(delta) / c,
  alpha_c = Rs / (2 eta ln(b/a)) (1/a + 1/b), eta = 376.991 / sqrt(er), a = d/2, b = D/2.

Run with Debian's /usr/bin/python3 (numpy, python3-scikit-rf 0.15.4) from anywhere.
"""

import math
import pathlib
import sys

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402
from skrf.media import DefinedGammaZ0  # noqa: E402

OUT = pathlib.Path(__file__).resolve().parent.parent / "lines/models/tests/fixtures/lines_skrf.inc"
C = 299792458.0
ZF0 = 376.991
PI = 3.14159265358979
TWO_PI = 6.28318530717958
f32 = numpy.float32
METALS = {"Silber": 6.21e7, "Kupfer": 5.88e7, "Gold": 4.55e7}


def length(text):
    """A length value as the netlist parses it: number as float times the prefix as float."""
    for prefix, factor in (("mm", 1e-3), ("um", 1e-6)):
        if text.endswith(prefix):
            return float(f32(f32(float(text[: -len(prefix)])) * f32(factor)))
    assert text.endswith("m")
    return float(f32(float(text[:-1])))


def number(text):
    return float(f32(float(text)))


def values(line):
    return dict(word.split("=") for word in line.split() if "=" in word)


def trl(line, f):
    v = values(line)
    s = f32(math.sqrt(number(v["K"])))
    beta = float(f32(float(s) * TWO_PI * f / C))
    alpha = float(f32(math.log(10.0) * number(v["A"]) / 20.0))
    return float(v["Z"][:-3]), alpha, beta, length(v["P"])


def stem(line, f):
    v = values(line)
    alpha = float(f32(math.log(10.0) * number(v["A"]) / 20.0))
    beta = float(f32(math.sqrt(number(v["K"])) * TWO_PI * f / C))
    return float(v["Z"][:-3]), alpha, beta, length(v["P"])


def coax(line, f):
    v = values(line)
    D, d, er, td = length(v["GD"]), length(v["KD"]), number(v["ER"]), number(v["TD"])
    metal = line.split()[-1] if line.startswith("TKOX") else line.split()[-2]
    sigma = float(f32(METALS.get(metal, 6.21e7)))
    eta = ZF0 / math.sqrt(er)
    Z0 = eta * math.log(D / d) / TWO_PI
    Rs = math.sqrt(TWO_PI * f * 4 * PI * 1e-7 / (2.0 * sigma))
    a, b = d / 2.0, D / 2.0
    alpha_c = Rs / (2.0 * eta * math.log(b / a)) * (1.0 / a + 1.0 / b)
    alpha_d = PI * f * math.sqrt(er) * td / C
    return Z0, alpha_c + alpha_d, math.sqrt(er) * TWO_PI * f / C, length(v["P"])


# (line, frequency in Hz; exact as a float)
CASES = [
    ("TRL 1 2 Z=75ohm P=370mm K=2.2 A=0.5", 1e9),
    ("TRL 1 2 Z=75ohm P=370mm K=2.2 A=0.5", 2.5e9),
    ("TRL 1 2 Z=50ohm P=1m K=1 A=8.686", 3e8),
    ("TRL 1 0 2 0 Z=35ohm P=45mm K=9.8 A=3", 5e9),
    ("TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber", 1e9),
    ("TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber", 3e9),
    ("TKOX 1 2 GD=7mm KD=3mm P=250mm ER=1 TD=0 Kupfer", 2e9),
    ("TKOX 1 2 GD=2.2mm KD=0.5mm P=3m ER=2.1 TD=0.0004 Gold", 5e8),
    ("SKOX 3 GD=4.7mm KD=1.3mm P=0.3m ER=2.3 TD=0.0001 Kupfer SHORT", 1e9),
    ("SKOX 3 GD=4.7mm KD=1.3mm P=0.3m ER=2.3 TD=0.0001 Kupfer OPEN", 1e9),
    # Metal and end words are matched exactly: silver's conductivity and a short end.
    ("SKOX 3 GD=4.7mm KD=1.3mm P=0.3m ER=2.3 TD=0.0001 kupfer open", 1e9),
    ("STEM 3 Z=50ohm P=100mm K=2 A=2 OPEN", 1e9),
    ("STEM 3 Z=60ohm P=100mm K=2 A=2 SHORT", 1.5e9),
]


def model(line, f):
    keyword = line.split()[0]
    return {"TRL": trl, "STEM": stem, "TKOX": coax, "SKOX": coax}[keyword](line, f)


def scattering(line, f):
    Z0, alpha, beta, d = model(line, f)
    freq = skrf.Frequency.from_f(numpy.array([f]), unit="hz")
    media = DefinedGammaZ0(frequency=freq, gamma=alpha + 1j * beta, Z0=Z0)
    net = media.line(d, unit="m")
    if line.startswith(("SKOX", "STEM")):
        net = net ** (media.open() if line.endswith(" OPEN") else media.short())
    net.renormalize(50.0)
    return net.s[0]


def row(line, f):
    s = scattering(line, f)
    n = s.shape[0]
    entries = [s[0, 0]] if n == 1 else [s[0, 0], s[1, 0], s[0, 1], s[1, 1]]
    parts = []
    for z in entries:
        parts += [repr(float(z.real)), repr(float(z.imag))]
    return '{"%s", %s, %d, {%s}},' % (line, repr(f), n, ", ".join(parts))


def main():
    text = "// Written by tools/gen_lines_skrf_fixtures.py; do not edit.\n"
    text += "// {line, f_Hz, ports, {S11, S21, S12, S22 as re, im}}\n"
    text += "\n".join(row(line, f) for line, f in CASES) + "\n"
    if "--check" in sys.argv[1:]:
        same = OUT.read_text() == text
        print("fixture up to date" if same else "fixture differs from a fresh run")
        sys.exit(0 if same else 1)
    OUT.write_text(text)


if __name__ == "__main__":
    main()
