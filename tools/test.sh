#!/usr/bin/env bash
# First checks that every include stays within what its library links (tools/check_layers.py,
# which ctest runs too) and that the help page is made from the user's manual as it stands
# (tools/make_help.py).
# Builds and runs the whole test suite, optimised and under the sanitizers; after the release
# tests every benchmark of bench/ in its short mode (bench/spectrum and bench/rawfile with numpy,
# bench/sweep with ngspice), PiCTeX pictures of "vostrane-cli plot", the lumped symbols' LaTeX
# pictures and the example circuits' LaTeX copies through pdflatex and the cross-checks against
# ngspice (each when its peer is installed): the lumped circuits, the transistor and source
# models, the lines, the drawn circuits (the netlist and the SPICE netlist that the document writes), the
# network analyser's data copy on the drawn twins (against ngspice and "vostrane-cli
# simulate"), the diode's DC sweep, and the SPICE netlists of
# the model-library symbols and of a diode of its own values (tools/crosscheck/spice_models.py),
# and the photoplot files of the examples read back by gerbv (tools/crosscheck/gerber_gerbv.py);
# the SPICE analyses through VosSpice.exe read by the multimeter (tools/crosscheck/spice_road.py);
# with numpy, each instrument of circuits that hold a generator of every kind and the network
# analyser, run in turn while the others idle and the supplies hold their values, on both roads,
# and of a biased transistor stage under SPICE, against hand-written ngspice decks
# (tools/crosscheck/two_roads.py);
# after the asan preset short libFuzzer runs of the netlist reader, the circuit file loader, the
# curve file, the data two-port's scattering-parameter file, the SPICE model library, the
# SPICE raw file, the WAVE reader and ui-script (confined to a scratch folder) over their
# corpora (clang++, build/fuzz).
# Among the tests, end to end: "vostrane-cli simulate" on every netlist of the reader's corpus
# (the zero-value ones of simulator/tests/netlists among them), the examples and the cross-check
# twins, whose output may hold no nan or inf (ctest -R cli.simulate_; simulate_bad_input.cmake).
# At the end the filter prototype fixture is compared with a fresh run of its generator, and the
# filters of the "Synthese" menu are synthesized, simulated and compared with scipy.signal;
# Touchstone files written by scikit-rf are placed as data two-ports and simulated against its
# renormalised S parameters; the microstrip calculator's figures are held to scikit-rf's
# microstrip; the signal generator's and the DC supply's runs, played by their
# scripts, read what numpy and "vostrane-cli simulate" give, and a supply swept beside one held
# what scipy gives on each road (tools/crosscheck/generator_runs.py).
# Usage: tools/test.sh [PRESET...]   (default: release asan)
#        FUZZ_SECONDS=N sets the length of each fuzz run (default 30, 0 skips them).
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(release asan)

echo "== every include stays within what its library links"
/usr/bin/python3 tools/check_layers.py
echo "== the help page is the user's manual as it stands"
/usr/bin/python3 tools/make_help.py --check

export CCACHE_DIR="${CCACHE_DIR:-$PWD/.ccache}"
jobs=$(nproc)

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
  if [ "$preset" = release ]; then
    echo "== benchmarks in their short mode: they run, nothing is judged"
    /usr/bin/python3 bench/plot --short build/release
    /usr/bin/python3 bench/gerber --short build/release
    /usr/bin/python3 bench/document --short build/release
    /usr/bin/python3 bench/analyser --short build/release
    if /usr/bin/python3 -c 'import numpy' >/dev/null 2>&1; then
      /usr/bin/python3 bench/spectrum --short build/release
      /usr/bin/python3 bench/rawfile --short build/release
    fi
    if command -v ngspice >/dev/null; then
      /usr/bin/python3 bench/sweep --short build/release
    fi
  fi
  if [ "$preset" = release ] && command -v pdflatex >/dev/null; then
    echo "== PiCTeX pictures through pdflatex"
    tools/pictex_compile.sh build/release/app/cli/vostrane-cli
    echo "== the lumped symbols' LaTeX pictures through pdflatex"
    tools/crosscheck/latex_pictures.sh build/release/elements/lumped_pictures.tex
    echo "== the example circuits' LaTeX copies through pdflatex"
    tools/crosscheck/latex_circuits.sh build/release/app/cli/vostrane-cli
  fi
  if [ "$preset" = release ] && command -v ngspice >/dev/null; then
    echo "== circuits, models and lines against ngspice"
    /usr/bin/python3 tools/crosscheck/run.py build/release/app/cli/vostrane-cli
    echo "== drawn circuits: their netlist against their SPICE netlist in ngspice"
    /usr/bin/python3 tools/crosscheck/drawn.py build/release/app/cli/vostrane-cli
    echo "== the network analyser's data copy against ngspice and simulate"
    /usr/bin/python3 tools/crosscheck/analyser.py build/release/app/cli/vostrane-cli
    /usr/bin/python3 tools/crosscheck/gen_library_fixture.py --check
    echo "== diode DC sweep against ngspice"
    /usr/bin/python3 tools/crosscheck/diode_compare.py --check \
      --tests build/release/instruments/models/instruments_models_tests
    echo "== SPICE-model symbols and the diode's own card in ngspice"
    /usr/bin/python3 tools/crosscheck/spice_models.py build/release/app/cli/vostrane-cli
    echo "== SPICE analyses through VosSpice.exe: the multimeter's tables against ngspice"
    /usr/bin/python3 tools/crosscheck/spice_road.py build/release/app/cli/vostrane-cli
    if /usr/bin/python3 -c 'import numpy' >/dev/null 2>&1; then
      echo "== each instrument in turn, the others idle, on both roads against ngspice decks"
      /usr/bin/python3 tools/crosscheck/two_roads.py build/release/app/cli/vostrane-cli
    fi
  fi
  if [ "$preset" = release ] && command -v gerbv >/dev/null; then
    echo "== the photoplot export read back by gerbv (picture: build/release/gerber)"
    /usr/bin/python3 tools/crosscheck/gerber_gerbv.py build/release/app/cli/vostrane-cli \
      build/release/gerber
  fi
  if [ "$preset" = release ] && /usr/bin/python3 -c 'import numpy' >/dev/null 2>&1; then
    echo "== audio source and data generator runs, the analyser's read-outs against numpy;"
    echo "   with ngspice the analyser's two roads on one sine"
    /usr/bin/python3 tools/crosscheck/spectrum_runs.py build/release/app/cli/vostrane-cli
  fi
  if [ "$preset" = release ] && command -v sox >/dev/null &&
      /usr/bin/python3 -c 'import numpy' >/dev/null 2>&1; then
    echo "== oscilloscope, analyser, speaker and plotter after built-in and SPICE runs: numpy, sox"
    /usr/bin/python3 tools/crosscheck/scope_runs.py build/release/instruments/ui/instruments_tests \
      build/release/app/cli/vostrane-cli
  fi
  if [ "$preset" = release ] && command -v sox >/dev/null; then
    echo "== written WAVE files read by python's wave and sox"
    /usr/bin/python3 tools/crosscheck/wave_peers.py \
      build/release/formats/formats_tests
  fi
done

# The fuzz runs keep what they find in build/fuzz/corpus*; the committed corpora stay as they are.
fuzz_seconds=${FUZZ_SECONDS:-30}
if [[ " ${presets[*]} " == *" asan "* && "$fuzz_seconds" != 0 ]]; then
  command -v clang++ >/dev/null || { echo "clang++ missing: run tools/install-deps.sh" >&2; exit 1; }
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVOSTRANE_FUZZ=ON -DVOSTRANE_SANITIZE=ON >/dev/null
  cmake --build build/fuzz --target netlist_fuzzer document_fuzzer curve_fuzzer dataset_fuzzer \
    spice_library_fuzzer spice_raw_fuzzer wave_fuzzer ui_script_fuzzer -j "$jobs"
  mkdir -p build/fuzz/corpus build/fuzz/document_corpus build/fuzz/corpus-curves \
    build/fuzz/corpus-datasets build/fuzz/corpus-libraries build/fuzz/corpus-raw \
    build/fuzz/corpus-waves build/fuzz/corpus-ui
  echo "== fuzz: netlist reader for ${fuzz_seconds}s"
  build/fuzz/fuzz/netlist_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/netlist.dict -artifact_prefix=build/fuzz/ build/fuzz/corpus simulator/tests/netlists
  echo "== fuzz: circuit file loader for ${fuzz_seconds}s"
  build/fuzz/fuzz/document_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/ build/fuzz/document_corpus fuzz/document_corpus examples \
    app/cli/tests/lines
  echo "== fuzz: curve file for ${fuzz_seconds}s"
  build/fuzz/fuzz/curve_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/ build/fuzz/corpus-curves fuzz/curves
  echo "== fuzz: scattering-parameter file for ${fuzz_seconds}s"
  build/fuzz/fuzz/dataset_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/ build/fuzz/corpus-datasets fuzz/datasets
  echo "== fuzz: SPICE model library for ${fuzz_seconds}s"
  build/fuzz/fuzz/spice_library_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix=build/fuzz/ build/fuzz/corpus-libraries \
    fuzz/spice_libraries
  echo "== fuzz: SPICE raw file for ${fuzz_seconds}s"
  build/fuzz/fuzz/spice_raw_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix=build/fuzz/ build/fuzz/corpus-raw fuzz/spice_raw
  echo "== fuzz: WAVE file reader for ${fuzz_seconds}s"
  build/fuzz/fuzz/wave_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build/fuzz/ build/fuzz/corpus-waves fuzz/waves
  echo "== fuzz: ui-script for ${fuzz_seconds}s"
  build/fuzz/fuzz/ui_script_fuzzer -max_total_time="$fuzz_seconds" -timeout=10 \
    -rss_limit_mb=2048 -dict=fuzz/ui_script.dict -artifact_prefix=build/fuzz/ \
    build/fuzz/corpus-ui app/cli/tests/ui
fi

# Reference values from peers, when the peers are installed.
if /usr/bin/python3 -c 'import scipy.signal' >/dev/null 2>&1; then
  echo "== filter prototype fixture against its closed forms"
  /usr/bin/python3 tools/filter_reference.py prototypes --check
  if [[ " ${presets[*]} " == *" release "* ]]; then
    echo "== synthesized filters, drawn, exported and simulated, against scipy.signal"
    /usr/bin/python3 tools/synthesis_e2e.py build/release/app/cli/vostrane-cli
  fi
fi
if [[ " ${presets[*]} " == *" release "* ]] && /usr/bin/python3 -c 'import numpy' >/dev/null 2>&1; then
  echo "== the generators' runs, played by their scripts, against numpy and simulate"
  /usr/bin/python3 tools/crosscheck/generator_runs.py build/release/app/cli/vostrane-cli
fi
if /usr/bin/python3 -c 'import numpy; numpy.complex = complex; numpy.float = float; import skrf' \
    >/dev/null 2>&1; then
  echo "== port-matrix fixtures against scikit-rf"
  tools/check_portmatrix_fixtures.sh
  if [[ " ${presets[*]} " == *" release "* ]]; then
    echo "== data two-ports from scikit-rf's Touchstone files, placed with ui-script and simulated"
    /usr/bin/python3 tools/crosscheck/dataport_skrf.py build/release/app/cli/vostrane-cli
    echo "== the microstrip calculator's Epsr_eff and L/Lambda against scikit-rf"
    /usr/bin/python3 tools/crosscheck/calculator_skrf.py build/release/app/cli/vostrane-cli
  fi
fi
