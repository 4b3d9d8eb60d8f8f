#pragma once
// The speaker on one node: it collects the node's complex voltage over a built-in run as the
// oscilloscope does, turns it into a time signal at the run's end and writes that as an 8-bit
// mono WAVE file named after the instrument in the drive root ("C:/NAME.wav"); its dialog
// plays the file.

#include <cstdint>
#include <string>

#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/models/RealSignal.h"
#include "formats/WaveFile.h"

class SpeakerSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(SpeakerSymbol)

 public:
  static constexpr const char* kClassKey = "SpeakerSymbol";
  static constexpr size_t kMaxPath = 254;

  SpeakerSymbol();
  SpeakerSymbol(const Point& start, const Point& end);

  // After the base: Ri and the file path.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  int WriteSpiceLines(LineFile& lines, int) override {
    WriteLoadSpiceLine(lines, ri);
    return 0;
  }

  void MeasureStep(InstrumentRole& master) override;
  void BeginMeasurement(InstrumentRole& master) override;
  // After a run that reached every line: the time signal, its rate, the file. Nothing after
  // one that stopped before.
  void EndMeasurement() override;

  // "C:/" + the element name (characters a file name cannot hold made '_') + ".wav".
  MyStrng SoundPath() const;
  // The path where the file lies.
  std::string FilePath() const;
  // Samples per second of a spacing: the integer part of 1/dt, saturated to 0..2^32-1.
  static uint32_t SampleRate(double dt);

  ResWert ri{1e6};
  RealSignal sound;
  MyStrng path;
  uint32_t lastWaveResult = 0;
  WaveFormat format;

 private:
  // Writes the sound; a failure is queued and leaves no file.
  void WriteWave();
};
