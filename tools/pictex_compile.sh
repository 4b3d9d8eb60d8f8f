#!/usr/bin/env bash
# Exports a Smith chart, a polar diagram, the logo, a logarithmic LogMagDiag, a time diagram, an
# eye diagram and a complex plane of the committed curve files as PiCTeX pictures with
# "vostrane-cli plot", each in the kind its curve was made for, and compiles each with pdflatex
# and pictex.sty. The Smith curve's name "S11_a%b" and the polar curve's name, network and date
# ("S21 <a>|b", "Netz <1>|2") put TeX's special characters into the header and bottom lines.
# pdftotext then checks that the polar picture prints "<", ">" and "|".
# Usage: tools/pictex_compile.sh path/to/vostrane-cli
set -euo pipefail
cli=$(realpath "$1")
cd "$(dirname "$0")/.."
fixtures=$PWD/app/cli/tests
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

while read -r file kind options; do
  # shellcheck disable=SC2086 # the options are words
  "$cli" plot "$fixtures/$file" --marker 2 $options --pictex "$work/$kind.tex" --width 80 --font S
  printf '%s\n' '\documentclass{article}' '\usepackage{pictex}' '\begin{document}' \
    "\\input{$kind.tex}" '\end{document}' >"$work/doc-$kind.tex"
  if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "doc-$kind.tex" >/dev/null 2>&1); then
    echo "pictex: $kind does not compile" >&2
    tail -n 20 "$work/doc-$kind.log" >&2
    exit 1
  fi
  echo "pictex: $kind compiles"
done <<'EOF'
s11.kur SmithDiag
polar.kur LogPolDiag
logo.kur Logo
logmag.kur LogMagDiag --log
eye.kur LinTimeDiag
eye.kur LinTimeDiag-eye --eye 1e-9
plane.kur RecPlanDiag
EOF

# The glyphs themselves: set as plain text, ">" would print as an inverted question mark.
text=$(cd "$work" && pdftotext doc-LogPolDiag.pdf -)
for expected in 'LogPol >REF' 'S21 <a>|b' 'Netz <1>|2'; do
  if [[ $text != *"$expected"* ]]; then
    echo "pictex: LogPolDiag does not print \"$expected\"" >&2
    exit 1
  fi
done
echo "pictex: LogPolDiag prints <, > and |"
