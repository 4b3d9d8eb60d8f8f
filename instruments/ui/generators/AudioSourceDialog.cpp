#include "instruments/ui/generators/AudioSourceDialog.h"

#include "basics/IntegerWert.h"
#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/generators/AudioSourceSymbol.h"
#include "pf/ui_services.h"
#include "resources/SourceIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace ids = audio_ids;

namespace {

// The platform's sound call takes at most this many characters of the path.
constexpr size_t kMaxSoundPath = 255;
// The audio source runs at one spectral line per millisecond.
constexpr unsigned kTimerPeriodMs = 1;

constexpr Field<AudioSourceSymbol> kValues[] = {
    Fields<AudioSourceSymbol>::Edit<&AudioSourceSymbol::resistance>(ids::kResistance),
    Fields<AudioSourceSymbol>::Edit<&AudioSourceSymbol::amplitude>(ids::kAmplitude),
};

}  // namespace

AudioSourceDialog::AudioSourceDialog(AudioSourceSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool AudioSourceDialog::OnInitDialog() {
  SetDlgItemText(ids::kFileName, symbol->fileName.ToCString());
  SetDlgItemText(ids::kChannels, IntegerWert(symbol->channels).ToCString());
  SetDlgItemText(ids::kSampleRate, FreqWert(static_cast<double>(symbol->sampleRate)).ToCString());
  SetDlgItemText(ids::kBits, IntegerWert(symbol->bitsPerSample).ToCString());
  SetDlgItemText(ids::kSamples, IntegerWert(symbol->sampleCount).ToCString());
  ShowFields(*this, kValues, *symbol);
  return true;
}

void AudioSourceDialog::OnOK() {
  FieldReader reader(*this, true);
  if (reader.ReadFields(kValues, *symbol)) EndDialog(pf::kIdOk);
}

bool AudioSourceDialog::OnCommand(int id, pf::Notification code) {
  if (id == ids::kStart && code == pf::Notification::Clicked) {
    if (symbol->CanStart()) {
      symbol->StartFromDialog(*this, kTimerPeriodMs, symbol->sampleCount / 2);
    }
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
