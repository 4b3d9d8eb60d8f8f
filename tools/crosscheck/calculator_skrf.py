#!/usr/bin/python3
"""Cross-checks the microstrip calculator ("Service/MSL-Dimensionierung...") against scikit-rf.

`vostrane-cli ui-script` places an alumina substrate (h 0.635 mm, er 9.8, no metal thickness),
opens the calculator at the document's frequency (4 GHz) and shows its controls at widths from
0.135 mm to 1.835 mm (its width spin in steps of 0.1 mm, then 1 mm), and at 6 and 12 GHz. Its
Epsr_eff must equal scikit-rf's Kirschning-Jansen microstrip (skrf.media.MLine with
disp='kirschningjansen', a frequency-invariant er and no loss) to the four digits it prints,
and its L/Lambda the line's L sqrt(eps_eff) f / c with scikit-rf's eps_eff.
Prints one line per point that differs; exit status 1 when any does.

Usage: tools/crosscheck/calculator_skrf.py [path/to/vostrane-cli]   (default build/release/...)
Run with Debian's /usr/bin/python3 (numpy, python3-scikit-rf 0.15.4).
"""

import math
import pathlib
import subprocess
import sys
import tempfile

import numpy

numpy.complex = complex  # scikit-rf 0.15.4 still uses the removed aliases
numpy.float = float

import skrf  # noqa: E402
from skrf.media import mline  # noqa: E402

from readings import amount  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent.parent
H = 0.635e-3
ER = 9.8
C = 299792458.0

SUBSTRATE = """element 21
dialog 209
set 1121 ALU
set 1122 9.8
set 1124 0.635mm
set 1126 0um
ok
drag 100 100 150 100
"""


def script():
    steps = ["spin 1048 down"] * 5 + ["show"]
    steps += ["spin 1048 up", "show"] * 17
    steps += ["spin 1052 up", "spin 1048 down", "show"]
    steps += ["spin 1051 up"] * 20 + ["show"] + ["spin 1051 up"] * 60 + ["show"]
    return SUBSTRATE + "dialog 162\nshow\n" + "\n".join(steps) + "\ncancel\n" + \
        'menu "Service/MSL-Dimensionierung..."\n'


def shown_points(output):
    """(W m, L m, f Hz, eps_eff, L/Lambda) of every show."""
    points, controls = [], {}
    for line in output.splitlines():
        words = line.split("\t")
        if len(words) >= 2:
            controls[words[0]] = words[1]
        if words[0] == "2":  # the last control of a show
            points.append((amount(controls["1042"], "m"), amount(controls["1043"], "m"),
                           amount(controls["1019"], "Hz"), float(controls["1046"]),
                           float(controls["1045"])))
    return points


def printed_digits_agree(ours, reference):
    """ours is reference printed with four significant digits (half a unit of the fourth)."""
    unit = 10.0 ** (math.floor(math.log10(abs(reference))) - 3)
    return abs(ours - reference) <= 0.5 * unit * 1.001


def main():
    cli = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       ROOT / "build/release/app/cli/vostrane-cli").resolve()
    with tempfile.TemporaryDirectory() as scratch:
        (pathlib.Path(scratch) / "calc.txt").write_text(script())
        run = subprocess.run([str(cli), "ui-script", "calc.txt"], cwd=scratch,
                             capture_output=True, text=True)
    if run.returncode != 0:
        print("ui-script: exit %d\n%s%s" % (run.returncode, run.stdout, run.stderr))
        return 1
    points = shown_points(run.stdout)
    bad = 0
    for w, length, f, eps, ratio in points:
        freq = skrf.Frequency.from_f(numpy.array([f]), unit="hz")
        line = mline.MLine(frequency=freq, w=w, h=H, t=0.0, ep_r=ER, tand=0.0, rho=None,
                           diel="frequencyinvariant", disp="kirschningjansen")
        ref = float(numpy.real(line.ep_reff_f)[0])
        ref_ratio = length * math.sqrt(ref) * f / C
        if not (printed_digits_agree(eps, ref) and printed_digits_agree(ratio, ref_ratio)):
            bad += 1
            print("W %.4g mm, %.4g GHz: Epsr_eff %.4g, L/Lambda %.4g; scikit-rf %.6g, %.6g"
                  % (w * 1e3, f / 1e9, eps, ratio, ref, ref_ratio))
    print("microstrip calculator: %d of %d points differ from scikit-rf" % (bad, len(points)))
    return 1 if bad or len(points) < 20 else 0


if __name__ == "__main__":
    sys.exit(main())
