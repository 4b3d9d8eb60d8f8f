#!/usr/bin/python3
"""Reference values for the microstrip step and tee tests, so the tests need no Python.

Run with Debian's /usr/bin/python3 (numpy, scipy) from the repository root. Writes
  lines/models/tests/fixtures/step_mode_coupling.inc   {m, n, a, b, value}
      half the integral over 0..a of cos(m pi x / a) cos(n pi x / b), by adaptive quadrature
      (scipy.integrate.quad), for guide widths a <= b in metres. a and b are rounded to single
      precision first: the element passes its widths as floats.
  lines/models/tests/fixtures/tee_shunt_reactance.inc  {Z1, Z2, d, n, Xa, Xb}
      the shunt reactance of the tee's planar-waveguide junction, written out here on its own
      from the published closed forms, around the switch between its two forms at Z1/Z2 = 0.5.
"""

import math
import pathlib

import numpy
from scipy import integrate

FIXTURES = pathlib.Path(__file__).resolve().parent.parent / "lines/models/tests/fixtures"
PI = 3.14159265358979


def coupling(m, n, a, b):
    def f(x):
        return math.cos(m * PI * x / a) * math.cos(n * PI * x / b)

    points = max(m, n * a / b) + 1
    value, _ = integrate.quad(f, 0.0, a, epsabs=1e-14 * a, epsrel=1e-12,
                              limit=int(50 * points))
    return 0.5 * value


def coupling_rows():
    rows = []
    widths = [(1.2e-3, 1.2e-3), (0.8e-3, 1.6e-3), (0.6e-3, 1.9e-3), (0.3e-3, 4.5e-3),
              (2.1e-3, 2.3e-3)]
    modes = [(0, 0), (0, 1), (0, 3), (1, 0), (1, 1), (1, 2), (2, 4), (3, 7), (5, 2), (4, 17)]
    for a, b in widths:
        a = float(numpy.float32(a))
        b = float(numpy.float32(b))
        for m, n in modes:
            rows.append((m, n, a, b, coupling(m, n, a, b)))
    return rows


def shunt_reactance(Z1, Z2, d, n, Xa):
    if Z1 / Z2 > 0.5:
        return Z1 * (2.0 * d / n ** 2 * (2.0 * d ** 2 + math.log(1.43 * Z2 / Z1))
                     - Xa / (2.0 * Z1))
    t = 1.570796326794895 * Z1 / Z2
    inner = (math.log(2.0) + PI * Z1 / (6.0 * Z2) + 1.5 * d ** 2) * 2.0 * d
    inner += 2.0 * d * (math.log(math.sqrt(1.0 / math.tan(t) ** 2 + 1.0))
                        + 0.5 * d ** 2 * math.cos(t) ** 4)
    return Z1 * (inner / n ** 2 - Xa / (2.0 * Z1))


def tee_rows():
    rows = []
    for Z1, Z2 in [(25.0, 50.0), (25.0, math.nextafter(50.0, 0.0)), (25.0, 49.0),
                   (20.0, 75.0), (50.0, 50.0), (40.0, 110.0)]:
        for d, n, Xa in [(0.02, 0.99, -0.3), (0.12, 0.9, -4.0)]:
            rows.append((Z1, Z2, d, n, Xa, shunt_reactance(Z1, Z2, d, n, Xa)))
    return rows


def write(name, header, rows):
    with open(FIXTURES / name, "w") as out:
        out.write("// Written by tools/gen_discont_fixtures.py; do not edit.\n")
        out.write(header + "\n")
        for row in rows:
            out.write("{" + ", ".join(repr(v) for v in row) + "},\n")


def main():
    write("step_mode_coupling.inc", "// {m, n, a, b, half integral}", coupling_rows())
    write("tee_shunt_reactance.inc", "// {Z1, Z2, d, n, Xa, Xb}", tee_rows())


if __name__ == "__main__":
    main()
