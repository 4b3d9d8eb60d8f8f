#!/usr/bin/python3
"""Writes reference admittance matrices of the small-signal transistor models.

Each model with all its parasitic elements is set up as the equivalent circuit that the
embedding steps describe, and its two-port admittance matrix is found by nodal analysis
(numpy), independently of the embedding formulas. The same circuits stand as SPICE twins in
tools/crosscheck/{fet,bip}.cir.

Output: simulator/tests/fixtures/transistor_reference.inc, initialiser rows
{model letter, frequency, {Y11, Y12, Y21, Y22}} that the tests include; the netlist lines
of the two transistors stand in the test beside it and must match VALUES below.

Run with Debian's /usr/bin/python3 (numpy installed) from the repository root.
"""

import pathlib

import numpy as np

OUT = (pathlib.Path(__file__).resolve().parent.parent /
       "simulator/tests/fixtures/transistor_reference.inc")
FREQUENCIES = (1e8, 1e9, 1e10)
PI = 3.14159265358979

FET = dict(G=50e-3, CGS=0.6e-12, F=20e9, T=2e-12, GGS=0.1e-3, RDG=5.0, CDG=0.05e-12,
           CDS=0.12e-12, GDS=2e-3, RI=3.0, RG=1.5, RD=2.0, RS=1.0, CGE=0.04e-12,
           CDE=0.03e-12, LG=0.3e-9, LD=0.25e-9, LS=0.05e-9, CGDE=0.01e-12, GDG=0.02e-3)
BIP = dict(A=0.98, RE=12.0, F=5e9, T=10e-12, CE=2e-12, CI=0.05e-12, RC=200e3, RCE=20e3,
           RO=50.0, CO=0.1e-12, RB1=20.0, RC1=5.0, RE1=1.5, RB2=3.0, RC2=2.0, CBE=0.08e-12,
           CBC=0.02e-12, CCE=0.05e-12, LB=0.5e-9, LC=0.4e-9, LE=0.1e-9)


class Circuit:
    """Nodal admittance matrix; node 0 is ground, currents = Y · voltages."""

    def __init__(self, nodes):
        self.index = {name: i for i, name in enumerate(nodes)}
        self.y = np.zeros((len(nodes), len(nodes)), dtype=complex)

    def _add(self, row, col, v):
        if row != "0" and col != "0":
            self.y[self.index[row], self.index[col]] += v

    def admittance(self, a, b, y):
        self._add(a, a, y)
        self._add(b, b, y)
        self._add(a, b, -y)
        self._add(b, a, -y)

    def transconductance(self, out_p, out_n, ctl_p, ctl_n, g):
        """g · V(ctl_p, ctl_n) flows from out_p through the source to out_n."""
        self._add(out_p, ctl_p, g)
        self._add(out_p, ctl_n, -g)
        self._add(out_n, ctl_p, -g)
        self._add(out_n, ctl_n, g)

    def two_port(self, p1, p2):
        ports = [self.index[p1], self.index[p2]]
        rest = [i for i in range(len(self.y)) if i not in ports]
        ypp = self.y[np.ix_(ports, ports)]
        ypi = self.y[np.ix_(ports, rest)]
        yip = self.y[np.ix_(rest, ports)]
        yii = self.y[np.ix_(rest, rest)]
        return ypp - ypi @ np.linalg.solve(yii, yip)


def factor(k, f, corner, delay):
    return k / (1 + 1j * f / corner) * np.exp(-1j * 2 * PI * f * delay)


def fet(f):
    v = FET
    w = 2 * PI * f
    c = Circuit(["gi", "gx", "di", "si", "fb", "g1", "d1", "s1", "g2", "d2"])
    c.admittance("gx", "si", 1j * w * v["CGS"] + v["GGS"])
    c.admittance("gi", "gx", 1 / v["RI"])
    c.transconductance("di", "si", "gi", "si", factor(v["G"], f, v["F"], v["T"]))
    c.transconductance("gi", "si", "di", "si", 1e-12)
    c.admittance("di", "si", 1e-12 + v["GDS"] + 1j * w * v["CDS"])
    c.admittance("gi", "fb", 1 / v["RDG"])
    c.admittance("fb", "di", v["GDG"] + 1j * w * v["CDG"])
    c.admittance("d1", "di", 1 / v["RD"])
    c.admittance("g1", "gi", 1 / v["RG"])
    c.admittance("s1", "si", 1 / v["RS"])
    c.admittance("d1", "s1", 1j * w * v["CDE"])
    c.admittance("g1", "s1", 1j * w * v["CGE"])
    c.admittance("g1", "d1", 1j * w * v["CGDE"])
    c.admittance("g2", "g1", 1 / (1j * w * v["LG"]))
    c.admittance("d2", "d1", 1 / (1j * w * v["LD"]))
    c.admittance("0", "s1", 1 / (1j * w * v["LS"]))
    return c.two_port("g2", "d2")


def bip(f):
    v = BIP
    w = 2 * PI * f
    a = factor(v["A"], f, v["F"], v["T"])
    ye = 1 / v["RE"] + 1j * w * v["CE"]
    c = Circuit(["bi", "ci", "e", "b1", "c1", "x", "e1", "b2", "c2", "b3", "c3"])
    # The emitter current ye · Vbe; a of it reaches the collector, the rest leaves the base.
    c.admittance("bi", "e", ye)
    c.transconductance("ci", "bi", "bi", "e", a * ye)
    c.transconductance("bi", "e", "ci", "e", 1e-12)
    c.admittance("ci", "e", 1e-12 + 1 / v["RCE"])
    c.admittance("bi", "ci", 1 / v["RC"] + 1j * w * v["CI"])
    c.admittance("b1", "bi", 1 / v["RB1"])
    c.admittance("c1", "ci", 1 / v["RC1"])
    c.admittance("b1", "x", 1 / v["RO"])
    c.admittance("x", "c1", 1j * w * v["CO"])
    c.admittance("b2", "b1", 1 / v["RB2"])
    c.admittance("c2", "c1", 1 / v["RC2"])
    c.admittance("e1", "e", 1 / v["RE1"])
    c.admittance("b2", "e1", 1j * w * v["CBE"])
    c.admittance("c2", "e1", 1j * w * v["CCE"])
    c.admittance("b2", "c2", 1j * w * v["CBC"])
    c.admittance("b3", "b2", 1 / (1j * w * v["LB"]))
    c.admittance("c3", "c2", 1 / (1j * w * v["LC"]))
    c.admittance("0", "e1", 1 / (1j * w * v["LE"]))
    return c.two_port("b3", "c3")


def row(letter, f, y):
    entries = ", ".join(f"{{{z.real!r}, {z.imag!r}}}" for z in (y[0, 0], y[0, 1], y[1, 0], y[1, 1]))
    return f"{{'{letter}', {f!r}, {{{{{entries}}}}}}},\n"


def main():
    text = "// Generated by tools/gen_transistor_fixtures.py; do not edit.\n"
    for f in FREQUENCIES:
        text += row("F", f, fet(f))
    for f in FREQUENCIES:
        text += row("B", f, bip(f))
    OUT.write_text(text)


if __name__ == "__main__":
    main()
