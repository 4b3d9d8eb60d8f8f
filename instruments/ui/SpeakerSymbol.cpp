#include "instruments/ui/SpeakerSymbol.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/symbols/StoredValues.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/SpeakerDialog.h"
#include "instruments/ui/generators/SpectrumSource.h"
#include "pf/archive.h"
#include "pf/path_map.h"
#include "pf/whole_file.h"
#include "resources/Bitmaps.h"
#include "resources/ScopeIds.h"

PF_IMPLEMENT_SERIAL(SpeakerSymbol, MessGeraetSymbol, 1)

SpeakerSymbol::SpeakerSymbol() : SpeakerSymbol(Point(25, 100), Point(150, 100)) {}

SpeakerSymbol::SpeakerSymbol(const Point& a, const Point& b) : MessGeraetSymbol(a, b) {
  pinCount = 1;
  elementName = "Speaker";
  classKey = kClassKey;
  bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(speaker_ids::kBitmap));
}

void SpeakerSymbol::Serialize(pf::Archive& ar) {
  MessGeraetSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(ri));
  path.Serialize(ar);
}

void SpeakerSymbol::Draw(pf::Dc& dc) { DrawBitmapInstrument(*this, dc); }

bool SpeakerSymbol::EditDialog(pf::Window* parent) {
  SpeakerDialog dialog(this, DialogOwner(parent));
  dialog.DoModal();
  return true;
}

void SpeakerSymbol::WriteNetLine() { WriteVoltmeterLine(ri); }

void SpeakerSymbol::BeginMeasurement(InstrumentRole& master) { StartCollecting(master); }

void SpeakerSymbol::MeasureStep(InstrumentRole& master) { CollectValue(master, false); }

uint32_t SpeakerSymbol::SampleRate(double dt) {
  const double rate = 1.0 / dt;
  if (std::isnan(rate) || rate <= 0.0) return 0;
  if (rate >= 4294967295.0) return 4294967295u;
  return static_cast<uint32_t>(rate);
}

void SpeakerSymbol::EndMeasurement() {
  // A stopped run's lines are no sound: the file of an earlier run stays as it was.
  if (!EndCollecting(false)) return;
  sound = signal.ToRealSignal();
  format.samplesPerSec = SampleRate(sound.dt);
  format.avgBytesPerSec = format.samplesPerSec;
  WriteWave();
}

MyStrng SpeakerSymbol::SoundPath() const {
  std::string name = WithoutLeadingBlanks(elementName);
  for (char& c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (!std::isalnum(u) && c != '_' && c != '-' && c != '.') c = '_';
  }
  if (name.empty() || name.find_first_not_of('.') == std::string::npos) name = "_" + name;
  const std::string full = "C:/" + name + ".wav";
  return MyStrng(full.substr(0, kMaxPath).c_str());
}

std::string SpeakerSymbol::FilePath() const { return pf::MapWindowsPath(path.ToCString()); }

void SpeakerSymbol::WriteWave() {
  path = SoundPath();
  const std::string file = FilePath();
  std::error_code ignored;
  std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
  WaveHandle handle;
  WaveChunk fmt;
  WaveChunk data;
  WaveChunk riff;
  WaveIoInfo io;
  const auto count = static_cast<uint32_t>(sound.GetSize());
  pf::WholeFile whole(file);
  lastWaveResult = whole.Path().empty() ? kWaveCannotWrite
                                        : WaveCreate(whole.Path(), handle, format, fmt, riff);
  if (lastWaveResult == 0) lastWaveResult = WaveStartData(handle, data, io);
  if (lastWaveResult == 0) {
    std::vector<uint8_t> bytes(count);
    sound.ToBytes(bytes.data(), static_cast<int32_t>(count));
    uint32_t written = 0;
    lastWaveResult = WaveWriteData(handle, count, bytes.data(), written, io);
  }
  if (lastWaveResult == 0) lastWaveResult = WaveCloseWrite(handle, data, riff, io, count);
  if (lastWaveResult == 0 && !whole.Commit()) lastWaveResult = kWaveCannotWrite;
  if (lastWaveResult == 0) return;
  handle.reset();
  VS_Error().Error(MyStrng("Wave-Datei konnte nicht geschrieben werden: ") + file.c_str(), 2);
}
