#!/usr/bin/env bash
# Exports a Smith chart, a polar diagram and the logo of the committed curve file as PiCTeX
# pictures with "vostrane-cli plot" and compiles each with pdflatex and pictex.sty. The curve's
# name "S11_a%b" puts TeX's special characters into the header lines.
# Usage: tools/pictex_compile.sh path/to/vostrane-cli
set -euo pipefail
cli=$(realpath "$1")
cd "$(dirname "$0")/.."
curve=$PWD/app/cli/tests/s11.kur
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for kind in SmithDiag LogPolDiag Logo; do
  "$cli" plot "$curve" --diagram "$kind" --marker 2 --pictex "$work/$kind.tex" --width 80 --font S
  printf '%s\n' '\documentclass{article}' '\usepackage{pictex}' '\begin{document}' \
    "\\input{$kind.tex}" '\end{document}' >"$work/doc-$kind.tex"
  if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "doc-$kind.tex" >/dev/null 2>&1); then
    echo "pictex: $kind does not compile" >&2
    tail -n 20 "$work/doc-$kind.log" >&2
    exit 1
  fi
  echo "pictex: $kind compiles"
done
