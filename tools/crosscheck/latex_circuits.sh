#!/usr/bin/env bash
# Compiles the LaTeX copy of every example circuit (vostrane-cli latex) with pdflatex; a TeX
# error fails with the end of TeX's log.
# Usage: tools/crosscheck/latex_circuits.sh [CLI]   (default build/release/app/cli/vostrane-cli)
set -euo pipefail
cli=$(realpath "${1:-build/release/app/cli/vostrane-cli}")
cd "$(dirname "$0")/../.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{
  printf '\\documentclass{article}\n\\begin{document}\n'
  for circuit in examples/*.vqe; do
    name=$(basename "${circuit%.vqe}")
    "$cli" latex "$circuit" >"$work/$name.tex"
    printf '\\noindent %s\\\\\n\\input{%s}\n\\par\\bigskip\n' "${name//_/\\_}" "$name"
  done
  printf '\\end{document}\n'
} >"$work/circuits.tex"
if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error circuits.tex >/dev/null); then
  tail -n 20 "$work/circuits.log"
  echo "circuit LaTeX copies: pdflatex failed" >&2
  exit 1
fi
echo "circuit LaTeX copies: compiled"
