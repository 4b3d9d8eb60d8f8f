#!/usr/bin/python3
"""Writes peer reference values for the coplanar line model tests.

Outputs (C++ initialiser rows, included by lines/models/tests/CCoplanarLineModell_test.cpp):
  lines/models/tests/fixtures/coplanar_skrf.inc   {w_mm, s_mm, er, eps_eff, z0}
      scikit-rf's CPW medium (skrf.media.cpw.CPW), which assumes an infinitely thick
      substrate: eps_eff = (er + 1)/2 and Z0 = 30 pi / sqrt(eps_eff) K'(k)/K(k). Our model
      matches it on a very thick board (h = 100 mm). scikit-rf's Z0 is scaled from 30 pi
      (= 120 pi / 4) to our free-space impedance 376.991 / 4. Its K'/K is itself a closed
      form within 1e-4 of the exact ratio only for about 0.45 <= k <= 0.9, so the geometries
      keep k = W/(W + 2S) in that range.
  lines/models/tests/fixtures/elliptic_ratio_scipy.inc   {k, K(k)/K'(k)}
      the exact ratio from scipy.special.ellipk (parameter m = k^2).

The closed form of the model, ln(2 (s + q)/(s - q)) / (2 pi) with q = (4k)^(1/4),
s = sqrt(1 + k), measured against scipy (relative error):
  k = 1e-6: 2.1e-1, 1e-3: 1.4e-2, 0.01: 1.7e-3, 0.05: 1.1e-4, 0.1: 1.7e-5, 0.2: 1.1e-6,
  0.5: 1.2e-9, 0.9: 1.5e-14, 0.999999: 5.2e-6.
It is better than 1e-4 from k = 0.053 up to k = 1 - 1e-6. Below, it grows without bound as
k -> 0, where the exact ratio tends to 0 and the closed form to ln(2)/(2 pi); above, s - q
cancels in double precision (1.3e-4 at 1 - 1e-7) until it is 0 and the ratio infinite.

Run with Debian's /usr/bin/python3 (numpy, scipy, python3-scikit-rf 0.15.4) from anywhere.
"""

import math
import pathlib

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402
from scipy.special import ellipk  # noqa: E402
from skrf.media import cpw  # noqa: E402

FIXTURES = pathlib.Path(__file__).resolve().parent.parent / "lines/models/tests/fixtures"
Z_SCALE = (376.991 / 4.0) / (30.0 * math.pi)

# (W mm, S mm, er)
GEOMETRIES = [
    (1.0, 0.5, 2.3),
    (2.0, 0.5, 9.8),
    (3.0, 0.5, 4.5),
    (0.8, 0.1, 12.9),
    (1.5, 0.6, 1.0),
]
RATIO_K = [1e-6, 1e-3, 0.01, 0.05, 0.053, 0.1, 0.2, 0.263283, 0.5, 0.7071, 0.9, 0.99,
           0.999999]


def coplanar_row(w_mm, s_mm, er):
    freq = skrf.Frequency.from_f(numpy.array([1e10]), unit="hz")
    m = cpw.CPW(frequency=freq, w=w_mm * 1e-3, s=s_mm * 1e-3, ep_r=er)
    z0 = float(numpy.real(m.Z0[0])) * Z_SCALE
    return f"{{{w_mm!r}, {s_mm!r}, {er!r}, {float(m.ep_re)!r}, {z0!r}}},"


def ratio_row(k):
    return f"{{{k!r}, {float(ellipk(k * k) / ellipk(1.0 - k * k))!r}}},"


def write(name, header, rows):
    text = f"// Written by tools/gen_slotcpw_fixtures.py; do not edit.\n// {header}\n"
    (FIXTURES / name).write_text(text + "\n".join(rows) + "\n")


write("coplanar_skrf.inc", "{w_mm, s_mm, er, eps_eff, z0} of scikit-rf's CPW",
      [coplanar_row(*g) for g in GEOMETRIES])
write("elliptic_ratio_scipy.inc", "{k, K(k)/K'(k)} from scipy.special.ellipk",
      [ratio_row(k) for k in RATIO_K])
