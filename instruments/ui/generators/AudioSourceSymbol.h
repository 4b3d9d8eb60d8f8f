#pragma once
// The audio source "Tonband": plays the first N bytes of a WAVE recording into the circuit. A run
// turns the samples into a spectrum and feeds one spectral line per timer tick; the instruments
// collect the circuit's answer line by line. Only 8-bit mono recordings can be played: any other
// format, or a file that cannot be read, leaves no samples and the run does not start.

#include <cstdint>

#include "basics/MyStrng.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "instruments/models/RealSignal.h"

struct WaveFormat;

class AudioSourceSymbol : public SpectrumSource {
 public:
  static constexpr const char* kClassKey = "AudioSourceSymbol";
  static constexpr int32_t kMinSamples = 2;
  static constexpr int32_t kMaxSamples = 262144;

  AudioSourceSymbol();
  AudioSourceSymbol(const Point& start, const Point& end);

  // The instrument's fields, path, file name, resistance, amplitude, the no-file flag and N.
  // Throws pf::ArchiveError on an N that is no power of two in 2..262144.
  void Serialize(pf::Archive& ar) override;
  // The file choice while there is no file (1 when one was chosen); otherwise the file is
  // checked and the set-up dialog shown, and the result is 0.
  bool EditDialog(pf::Window* parent) override;
  // Loads the samples and puts the first spectral line on the network; the number of lines.
  int StartRun() override;

  // The recording as Start finds it, which may have changed since the dialog opened: false,
  // with the reason told once, when it cannot be read.
  bool CanStart();
  // The open-file dialog; true when a readable WAVE file was chosen.
  bool ChooseFile();
  // WaveOpenRead and WaveCloseRead on the path, keeping the format; the first failing code.
  uint32_t CheckFile();
  // The path as the files are opened: a relative one lies beside the circuit's file.
  std::string FilePath() const;
  // The up-down control: doubles N (delta below 1) up to 262144, else halves it down to 2.
  void StepSamples(int delta);

  int32_t sampleCount = 4096;
  uint32_t lastWaveResult = 0;
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  int32_t noFile = 1;
  MyStrng fileName;
  MyStrng path;
  RealSignal samples;

 private:
  void KeepFormat(const WaveFormat& format);
  // The samples of the file's first N bytes; none when it cannot be used.
  void LoadSamples();
};
