#!/usr/bin/env bash
# Exports the committed curve files as PiCTeX pictures with "vostrane-cli plot", one of every
# diagram kind (the eye diagram besides), each in the kind its curve was made for and at the
# largest width that plot accepts, which its refusal of a wider one names, and compiles each
# with pdflatex and pictex.sty. The Smith curve's name "S11_a%b" and the polar curve's name,
# network and date ("S21 <a>|b", "Netz <1>|2") put TeX's special characters into the header and
# bottom lines; pdftotext then checks that the polar picture at 80 mm, which the page holds
# whole, prints "<", ">" and "|". The network analyser's plane with its stability and gain
# circles, written through its "PicTex" key in ui-script, is compiled at that width too. So are
# the densest curves a file holds: 3,000 points swinging past the grid's top and bottom (also on
# a screen far taller than wide, at the smaller width it offers), an eye of 200,000 points with a
# fold every two, and 100,000 points of noise on a Smith chart; their dots must fit pdflatex's
# memory beside the document.
# Usage: tools/pictex_compile.sh path/to/vostrane-cli
set -euo pipefail
cli=$(realpath "$1")
cd "$(dirname "$0")/.."
fixtures=$PWD/app/cli/tests
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The largest width that plot accepts for the curve file and options, which it names refusing a
# wider one.
largest() {
  local refusal mm
  refusal=$("$cli" plot "$@" --pictex "$work/wide.tex" --width 99999 2>&1 || true)
  mm=$(sed -n "s/.*--width '99999' is no width of 1 to \([0-9]*\) mm.*/\1/p" <<<"$refusal")
  if [[ -z $mm ]]; then
    echo "pictex: plot names no largest width: $refusal" >&2
    exit 1
  fi
  echo "$mm"
}
width=$(largest "$fixtures/s11.kur")

# Compiles the picture NAME.tex of the work folder.
compile_tex() {
  local kind=$1 mm=$2
  printf '%s\n' '\documentclass{article}' '\usepackage{pictex}' '\begin{document}' \
    "\\input{$kind.tex}" '\end{document}' >"$work/doc-$kind.tex"
  if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "doc-$kind.tex" >/dev/null 2>&1); then
    echo "pictex: $kind does not compile at $mm mm" >&2
    tail -n 20 "$work/doc-$kind.log" >&2
    exit 1
  fi
  # A quarter of pdflatex's main memory stays free for the rest of a document.
  local used='' total=''
  read -r used total < <(sed -n 's/^ *\([0-9]*\) words of memory out of \([0-9]*\)/\1 \2/p' \
    "$work/doc-$kind.log") || true
  if [[ -z $used || -z $total ]] || ((used * 4 > total * 3)); then
    echo "pictex: $kind takes $used of pdflatex's $total words at $mm mm" >&2
    exit 1
  fi
  echo "pictex: $kind compiles at $mm mm"
}

# Writes and compiles the picture of the curve file at the width.
compile() {
  local file=$1 kind=$2 mm=$3
  shift 3
  "$cli" plot "$fixtures/$file" --marker 2 "$@" --pictex "$work/$kind.tex" --width "$mm" --font S
  compile_tex "$kind" "$mm"
}

while read -r file kind options; do
  # shellcheck disable=SC2086 # the options are words
  compile "$file" "$kind" "$width" $options
done <<'EOF'
s11.kur SmithDiag
polar.kur LogPolDiag
linpol.kur LinPolDiag
logo.kur Logo
logmag.kur LogMagDiag --log
linmag.kur LinMagDiag
phase.kur PhaseDiag
linreal.kur LinRealDiag
linimag.kur LinImagDiag
spec.kur SpecLogMag
eye.kur LinTimeDiag
eye.kur LinTimeDiag-eye --eye 1e-9
plane.kur RecPlanDiag
plotplane.kur PlotPlaneDiag
EOF

# The network analyser's RecPlane screen after a sweep of the low-pass's S21, as its "PicTex" key
# writes it in each soft-key mode: the curve, the load's and the generator's stability circle
# and gain circles. Each screen is drawn first ("png"), as on the desktop before a key is
# pressed, since drawing sets the texts that the picture holds.
cp examples/vna_lowpass.vqe "$work"
{
  printf '%s\n' 'open vna_lowpass.vqe' 'edit VNA1' 'window 132' 'dialog MEASDIAG' 'click 2123' \
    'click 2129' 'ok' 'click 1005' 'dialog FORMDIAG' 'click 2109' 'ok' 'click 1016' 'click 1017'
  for mode in Kurve LStab GStab LGain GGain; do
    [[ $mode == Kurve ]] || echo 'spin 1015 up'
    printf '%s\n' 'png screen.png' 'dialog 230' "set 1159 $width" "file RecPlane-$mode.tex" 'ok' \
      'click 1025'
  done
  echo end
} >"$work/analyser.txt"
(cd "$work" && "$cli" ui-script analyser.txt)
for mode in Kurve LStab GStab LGain GGain; do
  compile_tex "RecPlane-$mode" "$width"
done

# The dense curves, written in the kinds of the fixtures eye.kur and s11.kur: their heads up to
# the point count, then the count, the value columns and the x values and each column's values.
python3 - "$fixtures" "$work" <<'PY'
import array, random, sys
fixtures, work = sys.argv[1:]
rng = random.Random(7)
def write(name, template, xs, *columns):
    with open(f"{work}/{name}", "wb") as f:
        f.write(open(f"{fixtures}/{template}", "rb").read()[:364])
        f.write(array.array("i", [len(xs), len(columns)]).tobytes())
        for values in (xs,) + columns:
            f.write(array.array("f", values).tobytes())
n = 3000
write("dense.kur", "eye.kur", [1e-2 * i / n for i in range(n)],
      [(-1) ** i * rng.uniform(0.2, 2.0) for i in range(n)])
n = 200000
write("noise.kur", "eye.kur", [1e-2 * i / n for i in range(n)],
      [rng.uniform(-0.6, 0.6) for _ in range(n)])
n = 100000
write("smith.kur", "s11.kur", [rng.uniform(-180, 180) for _ in range(n)],
      [rng.uniform(0, 1) for _ in range(n)], [1e9 + 1e4 * i for i in range(n)])
PY
while read -r file kind options; do
  # shellcheck disable=SC2086 # the options are words
  mm=$(largest "$work/$file" $options)
  # shellcheck disable=SC2086
  "$cli" plot "$work/$file" $options --pictex "$work/$kind.tex" --width "$mm"
  compile_tex "$kind" "$mm"
done <<'EOF'
dense.kur Dense
dense.kur Dense-tall --size 300x4096
noise.kur Eye-noise --eye 5e-8
smith.kur Smith-noise
EOF

# The glyphs themselves: set as plain text, ">" would print as an inverted question mark.
compile polar.kur glyphs 80
text=$(cd "$work" && pdftotext doc-glyphs.pdf -)
for expected in 'LogPol >REF' 'S21 <a>|b' 'Netz <1>|2'; do
  if [[ $text != *"$expected"* ]]; then
    echo "pictex: LogPolDiag does not print \"$expected\"" >&2
    exit 1
  fi
done
echo "pictex: LogPolDiag prints <, > and |"
