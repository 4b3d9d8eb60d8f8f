#!/usr/bin/python3
"""Writes random linear systems and numpy's solutions for the Gauss solver tests.

Output: basics/tests/fixtures/solver_systems.inc, a C++ raw string literal that the tests
include, so they need no Python. Each system is a line "complex n" or "real n", then the n rows
of A, then b, then numpy's x, one line each; a complex number is written as "re im".
Entries of A and b have six decimals to keep the file small; x is written in full precision.

Run with Debian's /usr/bin/python3 (numpy installed) from the repository root.
"""

import pathlib

import numpy as np

ORDERS = (1, 2, 3, 5, 8, 13, 21, 34, 60)
SEED = 1121
OUT = pathlib.Path(__file__).resolve().parent.parent / "basics/tests/fixtures/solver_systems.inc"


def fmt_real(v):
    return repr(float(v))


def fmt(values):
    if np.iscomplexobj(values):
        return " ".join(f"{fmt_real(z.real)} {fmt_real(z.imag)}" for z in values)
    return " ".join(fmt_real(v) for v in values)


def random_entries(rng, shape, complex_):
    values = rng.uniform(-1.0, 1.0, shape)
    if complex_:
        values = values + 1j * rng.uniform(-1.0, 1.0, shape)
    return np.round(values, 6)


def main():
    rng = np.random.default_rng(SEED)
    lines = ["// Written by tools/gen_solver_fixtures.py; do not edit.", 'R"(']
    for kind in ("complex", "real"):
        for n in ORDERS:
            a = random_entries(rng, (n, n), kind == "complex")
            b = random_entries(rng, n, kind == "complex")
            x = np.linalg.solve(a, b)
            lines.append(f"{kind} {n}")
            lines.extend(fmt(row) for row in a)
            lines.append(fmt(b))
            lines.append(fmt(x))
    lines.append(')"')
    OUT.parent.mkdir(parents=True, exist_ok=True)
    OUT.write_text("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
