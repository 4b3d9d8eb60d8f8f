#include "instruments/ui/generators/AudioSourceDialog.h"

#include "basics/IntegerWert.h"
#include "basics/ui/ValueEdit.h"
#include "instruments/ui/generators/AudioSourceSymbol.h"
#include "pf/ui_services.h"
#include "resources/SourceIds.h"

namespace ids = audio_ids;

namespace {

// The platform's sound call takes at most this many characters of the path.
constexpr size_t kMaxSoundPath = 255;
// The audio source runs at one spectral line per millisecond.
constexpr unsigned kTimerPeriodMs = 1;

}  // namespace

AudioSourceDialog::AudioSourceDialog(AudioSourceSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {}

bool AudioSourceDialog::OnInitDialog() {
  SetDlgItemText(ids::kFileName, symbol->fileName.ToCString());
  SetDlgItemText(ids::kChannels, IntegerWert(symbol->channels).ToCString());
  SetDlgItemText(ids::kSampleRate, FreqWert(static_cast<double>(symbol->sampleRate)).ToCString());
  SetDlgItemText(ids::kBits, IntegerWert(symbol->bitsPerSample).ToCString());
  SetDlgItemText(ids::kSamples, IntegerWert(symbol->sampleCount).ToCString());
  ValueEdit(GetDlgItem(ids::kAmplitude)).SetValue(symbol->amplitude);
  ValueEdit(GetDlgItem(ids::kResistance)).SetValue(symbol->resistance);
  return true;
}

void AudioSourceDialog::OnOK() {
  ResWert resistance;
  if (!ValueEdit(GetDlgItem(ids::kResistance)).GetValue(resistance)) return;
  symbol->resistance = resistance;
  SpanWert amplitude;
  if (!ValueEdit(GetDlgItem(ids::kAmplitude)).GetValue(amplitude)) return;
  symbol->amplitude = amplitude;
  EndDialog(pf::kIdOk);
}

bool AudioSourceDialog::OnCommand(int id, pf::Notification code) {
  if (id == ids::kStart && code == pf::Notification::Clicked) {
    symbol->StartFromDialog(*this, kTimerPeriodMs, symbol->sampleCount / 2);
    return true;
  }
  if (id == ids::kPlay && code == pf::Notification::Clicked) {
    pf::TheUiServices().PlaySound(symbol->FilePath().substr(0, kMaxSoundPath));
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void AudioSourceDialog::OnDeltaPos(int id, int delta) {
  if (id != ids::kSamplesSpin) return;
  symbol->StepSamples(delta);
  SetDlgItemText(ids::kSamples, IntegerWert(symbol->sampleCount).ToCString());
}
