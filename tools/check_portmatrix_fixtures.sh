#!/usr/bin/env bash
# Regenerates the port-matrix reference values with numpy and scikit-rf and compares them with
# the committed fixture (simulator/tests/fixtures/portmatrix_reference.inc).
set -euo pipefail
cd "$(dirname "$0")/.."
exec /usr/bin/python3 tools/gen_portmatrix_fixtures.py --check
