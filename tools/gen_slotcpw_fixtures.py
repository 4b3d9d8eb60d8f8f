#!/usr/bin/python3
"""Writes peer reference values for the coplanar line model tests.

Outputs (C++ initialiser rows, included by lines/models/tests/CCoplanarLineModell_test.cpp):
  lines/models/tests/fixtures/elliptic_ratio_scipy.inc   {k, K(k)/K'(k)}
      the ratio from scipy.special.ellipk and ellipkm1, from k = 1e-8 to 1 - 1e-9. Each
      integral is taken in the form that keeps its precision: ellipk(m) for small m, and
      ellipkm1(1 - m) with 1 - m = (1 - k)(1 + k) where m = k^2 nears 1. Below k = 1e-100,
      where k^2 underflows, K = pi/2 and K' = ln(4/k).
  lines/models/tests/fixtures/coplanar_scipy.inc   {w_mm, s_mm, h_mm, er, eps_eff, z0}
      the quasi-static conformal mapping of a coplanar line on a substrate of height h with
      that ratio: k0 = W/(W + 2S), k1 = sinh(pi W/4h)/sinh(pi (W + 2S)/4h),
      eps_eff = 1 + (er - 1)/2 r(k1)/r(k0), Z0 = 376.991/(4 sqrt(eps_eff) r(k0)).
  lines/models/tests/fixtures/coplanar_skrf.inc   {w_mm, s_mm, er, eps_eff, z0}
      scikit-rf's CPW medium (skrf.media.cpw.CPW), which assumes an infinitely thick
      substrate: eps_eff = (er + 1)/2 and Z0 = 30 pi / sqrt(eps_eff) K'(k)/K(k). Our model
      matches it on a very thick board (h = 100 mm). scikit-rf's Z0 is scaled from 30 pi
      (= 120 pi / 4) to our free-space impedance 376.991 / 4. Its K'/K (0.15.4) is a closed
      form within 1e-4 of the exact ratio only for about 0.45 <= k <= 0.9, so the geometries
      keep k = W/(W + 2S) in that range.

Run with Debian's /usr/bin/python3 (numpy, scipy, python3-scikit-rf 0.15.4) from anywhere.
"""

import math
import pathlib

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402
from scipy.special import ellipk, ellipkm1  # noqa: E402
from skrf.media import cpw  # noqa: E402

FIXTURES = pathlib.Path(__file__).resolve().parent.parent / "lines/models/tests/fixtures"
Z_SCALE = (376.991 / 4.0) / (30.0 * math.pi)

# (W mm, S mm, er)
SKRF_GEOMETRIES = [
    (1.0, 0.5, 2.3),
    (2.0, 0.5, 9.8),
    (3.0, 0.5, 4.5),
    (0.8, 0.1, 12.9),
    (1.5, 0.6, 1.0),
]
# (W mm, S mm, h mm, er): the boards of the model's examples, a board thinner than its
# slots (k1 = 1.5e-7), wide and narrow slots, and a board thin enough that k1 nears zero.
BOARDS = [
    (1.0, 0.5, 0.625, 2.3),
    (1.0, 0.5, 0.635, 9.8),
    (1.0, 0.5, 0.635, 1.0),
    (1.0, 0.5, 0.05, 9.8),
    (0.05, 0.5, 0.254, 9.8),
    (2.0, 0.01, 0.635, 12.9),
    (1.0, 0.5, 0.002, 3.5),
]
RATIO_K = [1e-8, 1e-6, 1e-4, 1e-3, 0.01, 0.05, 0.1, 0.2, 0.263283, 0.4, 0.5, 0.6, 0.7071,
           0.8, 0.9, 0.95, 0.99, 0.999, 1 - 1e-4, 1 - 1e-5, 1 - 1e-6, 1 - 1e-7, 1 - 1e-8,
           1 - 1e-9]


def ratio(k):
    if k < 1e-100:  # k^2 underflows; K = pi/2 and K' = ln(4/k) to far below double precision
        return (math.pi / 2.0) / math.log(4.0 / k)
    if k <= math.sqrt(0.5):
        return float(ellipk(k * k) / ellipkm1(k * k))
    q = (1.0 - k) * (1.0 + k)
    return float(ellipkm1(q) / ellipk(q))


def skrf_row(w_mm, s_mm, er):
    freq = skrf.Frequency.from_f(numpy.array([1e10]), unit="hz")
    m = cpw.CPW(frequency=freq, w=w_mm * 1e-3, s=s_mm * 1e-3, ep_r=er)
    z0 = float(numpy.real(m.Z0[0])) * Z_SCALE
    return f"{{{w_mm!r}, {s_mm!r}, {er!r}, {float(m.ep_re)!r}, {z0!r}}},"


def board_row(w_mm, s_mm, h_mm, er):
    k0 = w_mm / (w_mm + 2.0 * s_mm)
    a, b = math.pi * w_mm / (4.0 * h_mm), math.pi * (w_mm + 2.0 * s_mm) / (4.0 * h_mm)
    k1 = math.exp(a - b) * math.expm1(-2.0 * a) / math.expm1(-2.0 * b)  # sinh(a)/sinh(b)
    eps = 1.0 + (er - 1.0) / 2.0 * ratio(k1) / ratio(k0)
    z0 = 376.991 / (4.0 * math.sqrt(eps)) / ratio(k0)
    return f"{{{w_mm!r}, {s_mm!r}, {h_mm!r}, {er!r}, {eps!r}, {z0!r}}},"


def write(name, header, rows):
    text = f"// Written by tools/gen_slotcpw_fixtures.py; do not edit.\n// {header}\n"
    (FIXTURES / name).write_text(text + "\n".join(rows) + "\n")


write("coplanar_skrf.inc", "{w_mm, s_mm, er, eps_eff, z0} of scikit-rf's CPW",
      [skrf_row(*g) for g in SKRF_GEOMETRIES])
write("coplanar_scipy.inc",
      "{w_mm, s_mm, h_mm, er, eps_eff, z0}, conformal mapping with scipy's K(k)/K'(k)",
      [board_row(*b) for b in BOARDS])
write("elliptic_ratio_scipy.inc", "{k, K(k)/K'(k)} from scipy.special.ellipk and ellipkm1",
      [f"{{{k!r}, {ratio(k)!r}}}," for k in RATIO_K])
