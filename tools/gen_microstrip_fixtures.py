#!/usr/bin/python3
"""Writes scikit-rf's microstrip numbers as reference values for the microstrip analysis tests.

Output: lines/models/tests/fixtures/microstrip_skrf.inc, C++ initialiser rows
  {h_mm, er, w_mm, t_mm, f_GHz, eps_static, eps_f, z0_static},
included by lines/models/tests/MathPool_test.cpp, so the tests need no Python.
eps_f is NaN where scikit-rf's dispersion cannot serve as a reference (t > 0, see below).

Run with Debian's /usr/bin/python3 (numpy, scipy, python3-scikit-rf 0.15.4) from the
repository root.

Which scikit-rf options reproduce our microstrip analysis (skrf.media.MLine):
  * model: MLine has a single static model, Hammerstad-Jensen (1980) with its thickness
    correction; that is ours (a(u), b(er), F(u), Z01, eps_eff with the corrected widths).
  * disp='kirschningjansen': Kirschning-Jansen (1982) dispersion of eps_eff. Its P1..P4 are
    ours with fn = f h in GHz mm (our g = fn/10). Its Z0(f) is not usable: its R8 has a
    misplaced parenthesis, so our Z0(f) is not compared.
  * diel='frequencyinvariant' with tand=0: a real, frequency-independent ER. The default
    Djordjevic-Svensson model would make ER complex and frequency dependent.
  * rho=None: no conductor loss (not compared anyway).
  * Free-space impedance: scikit-rf uses sqrt(mu_0/epsilon_0) = 376.7303... ohm from scipy,
    we use 376.991. Impedances scale with it, so scikit-rf's Z0 is multiplied by
    376.991 / sqrt(mu_0/epsilon_0), the ratio 376.991/376.73 taken exactly.
  * Static Z0: scikit-rf divides the air-line impedance at the corrected width w_r by the
    thickness-corrected eps_eff, Hammerstad-Jensen (and we) by eps_e(w_r) without the
    correction factor. Both agree for t = 0; for t > 0 the reference is built from
    scikit-rf's own building blocks: ZL1(w + delta_wr) / sqrt(ep_re(w + delta_wr)).
  * Thickness: scikit-rf's delta_w1 uses t without normalising it to h. Its result is right
    when every length is given in units of h (h = 1, w = W/h, t = T/h); the t > 0 rows are
    computed that way. Its dispersion then uses the corrected width where we use the strip
    width, so eps_f is only compared for t = 0.
"""

import pathlib

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402
from scipy.constants import epsilon_0, mu_0  # noqa: E402
from skrf.media import mline  # noqa: E402

OUT = pathlib.Path(__file__).resolve().parent.parent / "lines/models/tests/fixtures/microstrip_skrf.inc"
OUR_ZF0 = 376.991
Z_SCALE = OUR_ZF0 / numpy.sqrt(mu_0 / epsilon_0)

# (h mm, er, w mm, t mm): alumina, PTFE, FR-4, GaAs, air-like and wide/narrow strips.
GEOMETRIES = [
    (0.635, 9.8, 0.6, 0.0),
    (0.635, 9.8, 0.06, 0.0),
    (0.635, 9.8, 6.0, 0.0),
    (0.625, 2.33, 1.9, 0.0),
    (0.625, 2.33, 0.2, 0.0),
    (1.6, 4.5, 3.0, 0.0),
    (1.6, 4.5, 16.0, 0.0),
    (0.1, 12.9, 0.07, 0.0),
    (0.1, 12.9, 0.01, 0.0),
    (1.0, 1.0, 5.0, 0.0),
    (1.0, 1.05, 3.0, 0.0),
    (0.254, 2.2, 0.78, 0.0),
    (0.635, 9.8, 0.6, 0.017),
    (0.625, 2.33, 1.9, 0.035),
    (1.6, 4.5, 0.3, 0.07),
    (0.1, 12.9, 0.07, 0.003),
]
FREQS_GHZ = [0.0, 1.0, 5.0, 10.0, 20.0, 40.0]


def media(f_hz, h, er, w, t):
    freq = skrf.Frequency.from_f(numpy.array([max(f_hz, 1.0)]), unit="hz")
    return mline.MLine(frequency=freq, w=w, h=h, t=t, ep_r=er, tand=0.0, rho=None,
                       diel="frequencyinvariant", disp="kirschningjansen")


def row(h_mm, er, w_mm, t_mm, f_ghz):
    if t_mm > 0.0:
        # Lengths in units of h; fn = f h stays the same when f is scaled by h in metres.
        m = media(f_ghz * 1e9 * h_mm * 1e-3, 1.0, er, w_mm / h_mm, t_mm / h_mm)
        wr = m.w + m.delta_wr
        z0 = mline.ZL1(wr, m.h) / numpy.sqrt(mline.ep_re(wr, m.h, er))
        eps_f = float("nan")
    else:
        m = media(f_ghz * 1e9, h_mm * 1e-3, er, w_mm * 1e-3, 0.0)
        z0 = m.Z0
        eps_f = numpy.real(m.ep_reff_f)[0] if f_ghz > 0.0 else numpy.real(m.ep_reff)[0]
    eps0 = numpy.real(m.ep_reff)[0]
    z0 = float(numpy.real(numpy.atleast_1d(z0))[0]) * Z_SCALE
    return (h_mm, er, w_mm, t_mm, f_ghz, eps0, eps_f, z0)


def fmt(v):
    return "kNaN" if v != v else repr(float(v))


def main():
    lines = ["// Written by tools/gen_microstrip_fixtures.py; do not edit.",
             "// {h_mm, er, w_mm, t_mm, f_GHz, eps_static, eps_f (kNaN: not compared), z0_static}"]
    for h, er, w, t in GEOMETRIES:
        for f in FREQS_GHZ if t == 0.0 else [0.0]:
            lines.append("{" + ", ".join(fmt(v) for v in row(h, er, w, t, f)) + "},")
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
