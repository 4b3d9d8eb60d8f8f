#!/usr/bin/env bash
# Compiles the page of every lumped symbol's LaTeX picture, which elements_tests writes, with
# pdflatex; a TeX error fails with the end of TeX's log.
# Usage: tools/crosscheck/latex_pictures.sh [PAGE]   (default build/release/elements/...)
set -euo pipefail
page=$(realpath "${1:-build/release/elements/lumped_pictures.tex}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "$page" >/dev/null); then
  tail -n 20 "$work/$(basename "${page%.tex}").log"
  echo "lumped LaTeX pictures: pdflatex failed" >&2
  exit 1
fi
echo "lumped LaTeX pictures: compiled"
