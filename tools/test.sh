#!/usr/bin/env bash
# Builds and runs the whole test suite, optimised and under the sanitizers.
# Usage: tools/test.sh [PRESET...]   (default: release asan)
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(release asan)

export CCACHE_DIR="${CCACHE_DIR:-$PWD/.ccache}"
jobs=$(nproc)

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done

# Reference values from peers, when the peers are installed.
if /usr/bin/python3 -c 'import numpy; numpy.complex = complex; numpy.float = float; import skrf' \
    >/dev/null 2>&1; then
  echo "== port-matrix fixtures against scikit-rf"
  tools/check_portmatrix_fixtures.sh
fi
