#!/usr/bin/python3
"""Writes reference values of the port parameter matrix for its unit tests.

Output: simulator/tests/fixtures/portmatrix_reference.inc, a C++ raw string literal that the
tests include, so they need no Python. The values come from scikit-rf and from textbook
formulas written here with numpy, independently of the C++ code.

Records (one key and its numbers per line; a complex number is written as "re im"):
  twoport        a random admittance two-port; references Z01 = 50 ohm, Z02 = 75 ohm
    Y  y11 y12 y21 y22           the input (six significant digits)
    z  Z                         impedance for the series and common-lead embeddings
    a  y                         admittance for the embedding across the ports
    S  s11 s12 s21 s22           scikit-rf's y2s (see ROUNDING)
    K  k                         scikit-rf's stability factor of the S line
    Z  z11 z12 z21 z22           inverse of Y
    k  k                         scikit-rf's stability factor of the unrounded S (Rollett's
                                 factor does not depend on the references)
    V  v21 v12                   voltage gains with Z02 at port 2 and Z01 at port 1, from Z
    M  g                         maximum gain of the S line (MSG when K < 1, else MAG)
    R  r11 r12 r21 r22           optimum source reflection, input-circle figure,
                                 output-circle figure, optimum load reflection of the S line
    P1, P2, C, A  y11 y12 y21 y22   Y with z in series at port 1, at port 2, in the common
                                 lead, and with a across the ports, all from Z = inv(Y)
    X  s11 s12 s21 s22           scikit-rf's cascade of this Y (Z0 50/50) with the next
                                 record's Y (Z0 50/75), see ROUNDING
  threeport      a random complex 3 x 3 matrix
    T  a11 .. a33                the input (six significant digits)
    D  det                       numpy's determinant
    I  c11 .. c33                numpy's inverse

ROUNDING: the workbench forms sqrt(Z01/Z02) and sqrt(Z02/Z01) in single precision. So that
the comparison can be tight, S21 and S12 of the S and X lines are scaled by the ratio of the
single-precision root to the exact one; everything derived from the S line uses these values.

Usage, from anywhere, with Debian's /usr/bin/python3 (numpy and python3-scikit-rf):
  gen_portmatrix_fixtures.py            writes the fixture
  gen_portmatrix_fixtures.py --check    regenerates it in memory and compares the numbers with
                                        the committed file (exit status 1 on a difference)
"""

import pathlib
import sys

import numpy as np

# scikit-rf 0.15.4 still uses the aliases that numpy removed.
np.complex = complex
np.float = float
import skrf  # noqa: E402

SEED = 2121
TWO_PORTS = 100
THREE_PORTS = 30
Z01, Z02 = 50.0, 75.0
OUT = (pathlib.Path(__file__).resolve().parent.parent
       / "simulator/tests/fixtures/portmatrix_reference.inc")
CHECK_TOLERANCE = 1e-13


def short(z):
    """The value as the fixture writes an input: six significant digits."""
    return complex(float(f"{z.real:.5e}"), float(f"{z.imag:.5e}"))


def fmt(values):
    out = []
    for v in np.ravel(values):
        v = complex(v)
        out.append(f"{v.real!r} {v.imag!r}")
    return " ".join(out)


def fmt_real(v):
    return repr(float(v))


def random_admittance(rng):
    """Passive-looking diagonals, a weak reverse and a strong forward transfer, in siemens:
    about a quarter of the two-ports is potentially unstable."""
    y = np.empty((2, 2), complex)
    y[0, 0] = complex(rng.uniform(0.05, 2.0), rng.uniform(-2.0, 2.0))
    y[1, 1] = complex(rng.uniform(0.05, 2.0), rng.uniform(-2.0, 2.0))
    y[0, 1] = complex(rng.uniform(-0.3, 0.3), rng.uniform(-0.3, 0.3))
    y[1, 0] = complex(rng.uniform(-4.0, 4.0), rng.uniform(-4.0, 4.0))
    return np.vectorize(short)(y / 50.0)


def single_precision_root_factors():
    """(S21 factor, S12 factor): single-precision roots over the exact ones."""
    f1, f2 = np.float32(Z01), np.float32(Z02)
    r21 = float(np.sqrt(f1 / f2)) / np.sqrt(Z01 / Z02)
    r12 = float(np.sqrt(f2 / f1)) / np.sqrt(Z02 / Z01)
    return r21, r12


def rounded(s):
    r21, r12 = single_precision_root_factors()
    s = s.copy()
    s[1, 0] *= r21
    s[0, 1] *= r12
    return s


def stability(s):
    return skrf.Network(f=[1e9], s=s[None]).stability[0]


def max_gain(s):
    s11, s12, s21, s22 = s[0, 0], s[0, 1], s[1, 0], s[1, 1]
    k = stability(s)
    msg = abs(s21) / abs(s12)
    if k < 1:
        return msg
    delta = s11 * s22 - s12 * s21
    b1 = 1 + abs(s11) ** 2 - abs(s22) ** 2 - abs(delta) ** 2
    root = np.sqrt(k * k - 1)
    # K - sqrt(K^2 - 1) = 1 / (K + sqrt(K^2 - 1)) avoids cancellation.
    return msg / (k + root) if b1 >= 0 else msg * (k + root)


def optimum_reflection(b, c):
    """Root of c G^2 - b G + conj(c) = 0 (a conjugate match at that port); with no real
    discriminant, the complex value the workbench reports."""
    d = b * b - 4 * abs(c) ** 2
    sign = 1.0 if b > 0 else -1.0
    if d > 0:
        return (b - sign * np.sqrt(d)) / (2 * c)
    return (b - sign * 1j * np.sqrt(-d)) / (2 * c)


def circle_figure(c, r):
    """Conjugate of the point f for which the circle |x - c| = r is a circle of constant
    |(x - f) / (1 - conj(f) x)|: f = L c / |c| with L the root of
    m L^2 - (1 + m^2 - r^2) L + m = 0 on the side of the unit circle where c is. When the
    roots are complex, the workbench reports L conj(c) / |c| with the complex root."""
    m = abs(c)
    p = 1 + m * m - r * r
    disc = complex(p * p - 4 * m * m)
    lam = (p - np.sign(1 - m * m) * np.sqrt(disc)) / (2 * m)
    return lam * np.conj(c) / m


def reflection_figures(s):
    s11, s12, s21, s22 = s[0, 0], s[0, 1], s[1, 0], s[1, 1]
    delta = s11 * s22 - s12 * s21
    b1 = 1 + abs(s11) ** 2 - abs(s22) ** 2 - abs(delta) ** 2
    b2 = 1 + abs(s22) ** 2 - abs(s11) ** 2 - abs(delta) ** 2
    c1 = s11 - delta * np.conj(s22)
    c2 = s22 - delta * np.conj(s11)
    # Images of the unit circle under the input and output reflections.
    cin = s11 + s12 * s21 * np.conj(s22) / (1 - abs(s22) ** 2)
    rin = abs(s12 * s21) / (1 - abs(s22) ** 2)
    cout = s22 + s12 * s21 * np.conj(s11) / (1 - abs(s11) ** 2)
    rout = abs(s12 * s21) / (1 - abs(s11) ** 2)
    return [optimum_reflection(b1, c1), circle_figure(cin, rin),
            circle_figure(cout, rout), optimum_reflection(b2, c2)]


def voltage_gains(y):
    z = np.linalg.inv(y)
    # V2/V1 with Z02 at port 2, V1/V2 with Z01 at port 1.
    v21 = z[1, 0] * Z02 / (z[0, 0] * (z[1, 1] + Z02) - z[0, 1] * z[1, 0])
    v12 = z[0, 1] * Z01 / (z[1, 1] * (z[0, 0] + Z01) - z[0, 1] * z[1, 0])
    return [v21, v12]


def embeddings(y, zs, ya):
    z = np.linalg.inv(y)
    return {
        "P1": np.linalg.inv(z + np.array([[zs, 0], [0, 0]])),
        "P2": np.linalg.inv(z + np.array([[0, 0], [0, zs]])),
        "C": np.linalg.inv(z + zs * np.ones((2, 2))),
        "A": y + ya * np.array([[1, -1], [-1, 1]]),
    }


def cascade(ya, yb):
    a = skrf.Network(f=[1e9], s=skrf.network.y2s(ya[None], z0=[Z01, Z01]), z0=[Z01, Z01])
    b = skrf.Network(f=[1e9], s=skrf.network.y2s(yb[None], z0=[Z01, Z02]), z0=[Z01, Z02])
    return rounded((a ** b).s[0])


def two_port_lines(y, y_next, zs, ya):
    s_exact = skrf.network.y2s(y[None], z0=[Z01, Z02])[0]
    s = rounded(s_exact)
    lines = ["twoport",
             f"Y {fmt(y)}", f"z {fmt(zs)}", f"a {fmt(ya)}",
             f"S {fmt(s)}", f"K {fmt_real(stability(s))}",
             f"Z {fmt(np.linalg.inv(y))}", f"k {fmt_real(stability(s_exact))}",
             f"V {fmt(voltage_gains(y))}", f"M {fmt_real(max_gain(s))}",
             f"R {fmt(reflection_figures(s))}"]
    lines += [f"{key} {fmt(m)}" for key, m in embeddings(y, zs, ya).items()]
    lines.append(f"X {fmt(cascade(y, y_next))}")
    return lines


def generate():
    rng = np.random.default_rng(SEED)
    ys, extras = [], []
    while len(ys) < TWO_PORTS:
        y = random_admittance(rng)
        zs = short(complex(rng.uniform(-60, 60), rng.uniform(-60, 60)))
        ya = short(complex(rng.uniform(-0.03, 0.03), rng.uniform(-0.03, 0.03)))
        # Keep the inverses and the embeddings well conditioned.
        if np.linalg.cond(y * 50) > 1e3 or np.linalg.cond(np.linalg.inv(y) / 50 + zs / 50) > 1e3:
            continue
        ys.append(y)
        extras.append((zs, ya))
    lines = ["// Written by tools/gen_portmatrix_fixtures.py; do not edit.", 'R"(']
    for i, y in enumerate(ys):
        lines += two_port_lines(y, ys[(i + 1) % len(ys)], *extras[i])
    count = 0
    while count < THREE_PORTS:
        t = np.vectorize(short)(rng.uniform(-1, 1, (3, 3)) + 1j * rng.uniform(-1, 1, (3, 3)))
        if np.linalg.cond(t) > 1e3:
            continue
        lines += ["threeport", f"T {fmt(t)}", f"D {fmt(np.linalg.det(t))}",
                  f"I {fmt(np.linalg.inv(t))}"]
        count += 1
    lines.append(')"')
    return "\n".join(lines) + "\n"


def numbers(text):
    """The keys and the numbers of every line, in order."""
    rows = []
    for line in text.splitlines():
        words = line.split()
        if not words or words[0].startswith("//") or words[0] in ('R"(', ')"'):
            continue
        rows.append((words[0], [float(w) for w in words[1:]]))
    return rows


def check():
    fresh = numbers(generate())
    committed = numbers(OUT.read_text())
    if [k for k, _ in fresh] != [k for k, _ in committed]:
        print(f"{OUT}: the record layout differs from a fresh generation")
        return 1
    worst = 0.0
    for (key, a), (_, b) in zip(fresh, committed):
        if len(a) != len(b):
            print(f"{OUT}: line {key} has a different length")
            return 1
        for u, v in zip(a, b):
            worst = max(worst, abs(u - v) / max(1.0, abs(u)))
    print(f"largest relative difference {worst:.3g}")
    if worst > CHECK_TOLERANCE:
        print(f"{OUT}: differs from a fresh generation by more than {CHECK_TOLERANCE}")
        return 1
    return 0


def main():
    if sys.argv[1:] == ["--check"]:
        return check()
    if sys.argv[1:]:
        print(__doc__)
        return 2
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text(generate())
    return 0


if __name__ == "__main__":
    sys.exit(main())
