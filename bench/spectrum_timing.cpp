// The spectrum analyser's work on a transient result, timed: the resampling of the result's
// voltage to a power-of-two length and the FFT into the collected spectrum, as its
// ReadSpiceResults does. Reads "time value" lines, runs the pair RUNS times and prints the
// number of spectral lines, then each run's time in milliseconds.
// Usage: spectrum-timing SAMPLES-FILE RUNS

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "instruments/models/CmplxSignal.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("Usage: spectrum-timing SAMPLES-FILE RUNS\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1]);
  std::vector<double> t;
  std::vector<double> v;
  for (double a = 0.0, b = 0.0; in >> a >> b;) {
    t.push_back(a);
    v.push_back(b);
  }
  const int runs = std::max(1, std::atoi(argv[2]));
  if (t.size() < 2 || t.size() > (1u << 24)) {
    std::fputs("spectrum-timing: no samples\n", stderr);
    return 1;
  }
  RVektor times(static_cast<int32_t>(t.size()));
  RVektor values(static_cast<int32_t>(v.size()));
  for (size_t i = 0; i < t.size(); ++i) {
    times[static_cast<int32_t>(i)] = t[i];
    values[static_cast<int32_t>(i)] = v[i];
  }
  std::vector<double> ms;
  CmplxSignal spectrum;
  // Runs untimed: the first makes the FFT's plan and the workers, once per process, and the
  // allocator takes two more to settle on blocks of this length (glibc maps the first, then
  // grows and trims its heap for it: each time fresh pages, each a page fault).
  constexpr int kUntimed = 3;
  for (int r = -kUntimed; r < runs; ++r) {
    const auto start = std::chrono::steady_clock::now();
    spectrum.SetFromTransient(values, times);
    const auto end = std::chrono::steady_clock::now();
    if (r >= 0) ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::printf("%d", spectrum.GetSize());
  for (const double m : ms) std::printf(" %.4f", m);
  std::printf("\n");
  return 0;
}
