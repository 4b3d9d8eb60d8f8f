#!/usr/bin/python3
"""Reference values of the filter synthesis, from the textbook closed forms and scipy.signal.

  filter_reference.py prototypes [--check]
      writes synthesis/tests/fixtures/filter_prototypes.inc, C++ initialiser rows
        {type, ripple_dB, order, {g1, ..., gn}}
      for Butterworth ('B') and Chebyshev ('T', 0.01, 0.1, 0.5, 1 and 3 dB) of orders 1 to 10,
      included by synthesis/tests/Polynom_test.cpp. With --check the committed file is compared
      with a fresh run instead (exit 1 on a difference).

  filter_reference.py response --kind lp|hp|bp|bs --family B|T --order N [--ripple DB]
                               (--cutoff HZ | --centre HZ --bandwidth HZ)
                               (--freqs HZ,HZ,... | --check FILE) [--tolerance T]
      prints "f |S21|" per frequency of the filter terminated in its impedance at both ends.
      Butterworth and odd Chebyshev responses come from scipy.signal (butter, cheby1 and
      lp2hp, lp2bp or lp2bs, evaluated by freqs); even Chebyshev orders, whose ladder wants a
      load other than the source, from the doubly terminated ladder of their g-values (equal
      terminations), which is what the synthesis places. With --check FILE, a file of lines
      "f |S21|" (e.g. taken from a simulation) is compared instead: exit 1 when any |S21|
      differs by more than the tolerance (default 0.01).

The closed forms (Matthaei, Young, Jones):
  Butterworth  g_k = 2 sin((2k - 1) pi / 2n)
  Chebyshev    beta = ln coth(L_r / 17.37), gamma = sinh(beta / 2n),
               a_k = sin((2k - 1) pi / 2n), b_k = gamma^2 + sin^2(k pi / n),
               g_1 = 2 a_1 / gamma, g_k = 4 a_(k-1) a_k / (b_(k-1) g_(k-1)).
Run with Debian's /usr/bin/python3 (numpy, scipy) from anywhere.
"""

import argparse
import math
import pathlib
import sys

import numpy as np
from scipy import signal

OUT = (pathlib.Path(__file__).resolve().parent.parent / "synthesis" / "tests" / "fixtures" /
       "filter_prototypes.inc")
RIPPLES = [0.01, 0.1, 0.5, 1.0, 3.0]
ORDERS = range(1, 11)


def butterworth_g(n):
    return [2.0 * math.sin((2 * k - 1) * math.pi / (2 * n)) for k in range(1, n + 1)]


def chebyshev_g(n, ripple_db):
    beta = math.log(1.0 / math.tanh(ripple_db * math.log(10.0) / 40.0))
    gamma = math.sinh(beta / (2 * n))
    a = [math.sin((2 * k - 1) * math.pi / (2 * n)) for k in range(1, n + 1)]
    b = [gamma ** 2 + math.sin(k * math.pi / n) ** 2 for k in range(1, n + 1)]
    g = [2.0 * a[0] / gamma]
    for k in range(1, n):
        g.append(4.0 * a[k - 1] * a[k] / (b[k - 1] * g[k - 1]))
    return g


def prototype_g(family, n, ripple_db):
    return butterworth_g(n) if family == "B" else chebyshev_g(n, ripple_db)


def prototypes_text():
    rows = [("B", 0.0, n) for n in ORDERS] + [("T", r, n) for r in RIPPLES for n in ORDERS]
    text = "// Written by tools/filter_reference.py; do not edit.\n"
    text += "// {type, ripple_dB, order, {g1, ..., gn}}\n"
    for family, ripple, n in rows:
        g = ", ".join(repr(v) for v in prototype_g(family, n, ripple))
        text += "{'%s', %r, %d, {%s}},\n" % (family, ripple, n, g)
    return text


def frequency_variable(kind, s, args):
    """The low-pass prototype's variable p at the complex frequency s (rad/s)."""
    if kind in ("lp", "hp"):
        wc = 2 * math.pi * args.cutoff
        return s / wc if kind == "lp" else wc / s
    w0 = 2 * math.pi * args.centre
    bw = 2 * math.pi * args.bandwidth
    p = (s * s + w0 * w0) / (s * bw)
    return p if kind == "bp" else 1.0 / p


def ladder_s21(g, p):
    """S21 of the ladder series g1, shunt g2, ... between two unit terminations."""
    abcd = np.identity(2, dtype=complex)
    for k, gk in enumerate(g):
        element = [[1, p * gk], [0, 1]] if k % 2 == 0 else [[1, 0], [p * gk, 1]]
        abcd = abcd @ np.array(element, dtype=complex)
    return 2.0 / (abcd[0, 0] + abcd[0, 1] + abcd[1, 0] + abcd[1, 1])


def scipy_s21(args, freqs):
    if args.family == "B":
        b, a = signal.butter(args.order, 1.0, analog=True)
    else:
        b, a = signal.cheby1(args.order, args.ripple, 1.0, analog=True)
    if args.kind == "lp":
        b, a = signal.lp2lp(b, a, 2 * math.pi * args.cutoff)
    elif args.kind == "hp":
        b, a = signal.lp2hp(b, a, 2 * math.pi * args.cutoff)
    else:
        transform = signal.lp2bp if args.kind == "bp" else signal.lp2bs
        b, a = transform(b, a, 2 * math.pi * args.centre, 2 * math.pi * args.bandwidth)
    _, h = signal.freqs(b, a, worN=2 * math.pi * np.asarray(freqs, dtype=float))
    return np.abs(h)


def response(args, freqs):
    if args.family == "T" and args.order % 2 == 0:
        g = chebyshev_g(args.order, args.ripple)
        return np.array([abs(ladder_s21(g, frequency_variable(args.kind, 2j * math.pi * f, args)))
                         for f in freqs])
    return scipy_s21(args, freqs)


def response_main(argv):
    ap = argparse.ArgumentParser(prog="filter_reference.py response")
    ap.add_argument("--kind", choices=["lp", "hp", "bp", "bs"], required=True)
    ap.add_argument("--family", choices=["B", "T"], required=True)
    ap.add_argument("--order", type=int, required=True)
    ap.add_argument("--ripple", type=float, default=0.5)
    ap.add_argument("--cutoff", type=float)
    ap.add_argument("--centre", type=float)
    ap.add_argument("--bandwidth", type=float)
    ap.add_argument("--freqs")
    ap.add_argument("--check")
    ap.add_argument("--tolerance", type=float, default=0.01)
    args = ap.parse_args(argv)
    needs = ["cutoff"] if args.kind in ("lp", "hp") else ["centre", "bandwidth"]
    if any(getattr(args, name) is None for name in needs) or (args.freqs is None) == (
            args.check is None):
        ap.error("give the cut-off (lp, hp) or centre and bandwidth (bp, bs), and either "
                 "--freqs or --check")
    if args.freqs is not None:
        freqs = [float(f) for f in args.freqs.split(",")]
        for f, v in zip(freqs, response(args, freqs)):
            print("%.9g %.9g" % (f, v))
        return 0
    rows = [line.split() for line in pathlib.Path(args.check).read_text().splitlines()]
    rows = [(float(r[0]), float(r[1])) for r in rows if len(r) >= 2]
    expected = response(args, [f for f, _ in rows])
    bad = [(f, v, e) for (f, v), e in zip(rows, expected) if abs(v - e) > args.tolerance]
    for f, v, e in bad:
        print("f = %.6g Hz: |S21| = %.6f, reference %.6f" % (f, v, e))
    print("%d of %d points outside %g" % (len(bad), len(rows), args.tolerance))
    return 1 if bad or not rows else 0


def main():
    if len(sys.argv) >= 2 and sys.argv[1] == "response":
        return response_main(sys.argv[2:])
    if len(sys.argv) >= 2 and sys.argv[1] == "prototypes" and sys.argv[2:] in ([], ["--check"]):
        text = prototypes_text()
        if sys.argv[2:] == ["--check"]:
            same = OUT.read_text() == text
            print("fixture up to date" if same else "fixture differs from a fresh run")
            return 0 if same else 1
        OUT.parent.mkdir(parents=True, exist_ok=True)
        OUT.write_text(text)
        return 0
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
