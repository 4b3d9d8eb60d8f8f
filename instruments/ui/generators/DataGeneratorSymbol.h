#pragma once
// The data generator "DataGen": drives the circuit with a periodic bit pattern. In built-in runs
// the pattern, sampled into N values, becomes a spectrum fed one line per timer tick; for SPICE it
// writes a piecewise-linear source of one pattern period (edges of a tenth of a bit, behind its
// internal resistance) and, while active, a ".TRAN" card of the pattern's length plus one bit.

#include <cstdint>

#include "instruments/ui/generators/SpectrumSource.h"
#include "instruments/models/BitFolge.h"

class DataGeneratorSymbol : public SpectrumSource {
  PF_DECLARE_RUNTIME(DataGeneratorSymbol)

 public:
  static constexpr const char* kClassKey = "DataGeneratorSymbol";
  static constexpr int32_t kMaxSamples = 32000;
  static constexpr int32_t kMaxBits = 2048;
  // Archives are refused beyond these: what the up-down controls can reach.
  static constexpr int32_t kSampleLimit = 32768;
  static constexpr int32_t kBitLimit = 4096;

  DataGeneratorSymbol();
  DataGeneratorSymbol(const Point& start, const Point& end);

  // The instrument's fields, resistance, amplitude, sequence, N and the bit count; then the
  // transient set-up. Throws pf::ArchiveError on N or a bit count out of reach.
  void Serialize(pf::Archive& ar) override;
  // The built-in simulator's dialog or, while SPICE is chosen, the SPICE dialog; true after OK.
  bool EditDialog(pf::Window* parent) override;
  // The source "V" behind the resistance "R", over one internal node: 1.
  int WriteSpiceLines(LineFile& lines, int flag) override;
  // The pattern's "PWL" source.
  bool HasTimeWaveform() const override { return true; }
  // While active: ".TRAN step stop start maxstep".
  void WriteSpiceControl(LineFile& lines) override;
  // The pattern's spectrum with the first line on the network; N / 2, 0 without a network.
  int StartRun() override;

  // Simulator "TranAna"; with Tb = 1 / bit rate and B bits: stop (B + 1) Tb, step and maximum
  // step 0.05 Tb, start 0.
  void SetupTransient();
  // The up-down controls: delta below 1 doubles, else halves, within their limits.
  void StepSamples(int delta);
  void StepBitCount(int delta);
  // The bit rate as a number; 0 (with the text's message queued) when it
  // does not hold a positive one.
  double BitRate() const;

  int32_t sampleCount = 256;
  int32_t bitCount = 16;
  BitFolge sequence;

 private:
  // The PWL source's points of one period.
  void WritePoints(LineFile& lines, MyStrng& line) const;
};
