#include "instruments/ui/generators/AudioSourceSymbol.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "basics/VS_Error.h"
#include "instruments/ui/generators/AudioSourceDialog.h"
#include "formats/WaveFile.h"
#include "pf/archive.h"
#include "pf/document.h"
#include "pf/file_dialog.h"
#include "pf/path_map.h"
#include "pf/ui_services.h"
#include "pf/view.h"
#include "resources/Bitmaps.h"
#include "resources/SourceIds.h"

namespace {

bool IsPowerOfTwo(int32_t n) { return n > 0 && (n & (n - 1)) == 0; }

// True for a failed WAVE call, which is told once: a file the reader refused, could not open or
// could not read has had its reason; one read and found malformed gets the box.
bool Refused(uint32_t waveResult, const VS_ErrorMark& reported) {
  if (waveResult == 0) return false;
  if (!reported.Any()) {
    pf::TheUiServices().MessageBox("Wave-Datei defekt?", "Fehler", pf::MsgButtons::Ok,
                                   pf::MsgIcon::Error);
  }
  return true;
}

}  // namespace

AudioSourceSymbol::AudioSourceSymbol() : AudioSourceSymbol(Point(25, 100), Point(150, 100)) {}

AudioSourceSymbol::AudioSourceSymbol(const Point& start, const Point& end)
    : SpectrumSource(start, end) {
  classKey = kClassKey;
  elementName = "Tonband";
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(audio_ids::kBitmap));
}

void AudioSourceSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  path.Serialize(ar);
  fileName.Serialize(ar);
  resistance.Serialize(ar);
  amplitude.Serialize(ar);
  if (ar.IsStoring()) {
    ar << noFile << sampleCount;
    return;
  }
  int32_t n = 0;
  ar >> noFile >> n;
  if (n < kMinSamples || n > kMaxSamples || !IsPowerOfTwo(n)) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                           "Tonband: " + std::to_string(n) + " Abtastwerte");
  }
  sampleCount = n;
}

std::string AudioSourceSymbol::FilePath() const {
  const std::filesystem::path p(pf::MapWindowsPath(path.ToCString()));
  if (p.empty() || p.is_absolute() || view == nullptr || view->GetDocument() == nullptr) {
    return p.string();
  }
  const std::string& document = view->GetDocument()->GetPathName();
  if (document.empty()) return p.string();
  return (std::filesystem::path(document).parent_path() / p).string();
}

void AudioSourceSymbol::KeepFormat(const WaveFormat& format) {
  channels = format.channels;
  sampleRate = format.samplesPerSec;
  avgBytesPerSec = format.avgBytesPerSec;
  blockAlign = format.blockAlign;
  bitsPerSample = format.bitsPerSample;
}

uint32_t AudioSourceSymbol::CheckFile() {
  WaveHandle handle;
  std::unique_ptr<WaveFormat> format;
  WaveChunk riff;
  lastWaveResult = WaveOpenRead(FilePath(), handle, format, riff);
  if (lastWaveResult != 0) return lastWaveResult;
  KeepFormat(*format);
  lastWaveResult = WaveCloseRead(handle, format);
  return lastWaveResult;
}

bool AudioSourceSymbol::ChooseFile() {
  pf::FileDialog dialog(true, {}, {}, pf::kOfnHideReadOnly, "Wave Files (*.wav)|*.wav|");
  if (dialog.DoModal() != pf::kIdOk) return false;
  path = MyStrng(dialog.GetPathName().c_str());
  fileName = MyStrng(dialog.GetFileName().c_str());
  return CheckFile() == 0;
}

bool AudioSourceSymbol::EditDialog(pf::Window* parent) {
  if (noFile != 0) {
    if (!ChooseFile()) return false;
    noFile = 0;
    return true;
  }
  const VS_ErrorMark reported;
  if (Refused(CheckFile(), reported)) return false;
  AudioSourceDialog dialog(this, parent);
  dialog.DoModal();
  return false;
}

void AudioSourceSymbol::StepSamples(int delta) {
  if (delta < 1) {
    if (sampleCount < kMaxSamples) sampleCount *= 2;
  } else if (sampleCount > kMinSamples) {
    sampleCount >>= 1;
  }
}

void AudioSourceSymbol::LoadSamples() {
  // A file that cannot be used leaves no samples behind: an old recording must not play
  // in its place.
  samples = RealSignal();
  WaveHandle handle;
  std::unique_ptr<WaveFormat> format;
  WaveChunk riff;
  lastWaveResult = WaveOpenRead(FilePath(), handle, format, riff);
  if (lastWaveResult != 0) return;
  KeepFormat(*format);
  WaveChunk data;
  lastWaveResult = WaveSeekData(handle, data, riff);
  if (lastWaveResult == 0 && channels == 1 && bitsPerSample == 8) {
    std::vector<uint8_t> bytes(static_cast<size_t>(sampleCount));
    uint32_t read = 0;
    lastWaveResult =
        WaveReadData(handle, static_cast<uint32_t>(sampleCount), bytes.data(), data, read);
    if (lastWaveResult == 0) {
      samples = RealSignal(sampleCount);
      samples.dt = 1.0 / static_cast<double>(sampleRate);
      int maxByte = 0;
      int minByte = 256;
      for (uint32_t i = 0; i < read; ++i) {
        maxByte = std::max<int>(maxByte, bytes[i]);
        minByte = std::min<int>(minByte, bytes[i]);
      }
      // The larger excursion reaches the amplitude; a silent recording stays silent.
      const int excursion = read == 0 ? 0 : std::max(maxByte - 128, 128 - minByte);
      const double scale =
          excursion > 0 ? static_cast<double>(amplitude.Value()) / excursion : 0.0;
      for (uint32_t i = 0; i < read; ++i) {
        samples[static_cast<int32_t>(i)] = (static_cast<int>(bytes[i]) - 128) * scale;
      }
    }
  }
  const uint32_t closed = WaveCloseRead(handle, format);
  if (lastWaveResult == 0) lastWaveResult = closed;
}

bool AudioSourceSymbol::CanStart() {
  const VS_ErrorMark reported;
  LoadSamples();
  return !Refused(lastWaveResult, reported);
}

int AudioSourceSymbol::StartRun() {
  LoadSamples();
  masterSignal.SetFromRealSignal(samples);
  // One sample gives no line to feed: the run does not start.
  if (samples.GetSize() < 2) masterSignal = CmplxSignal();
  const int lines = FeedFirstLine();
  return samples.GetSize() < 2 ? 0 : lines;
}
