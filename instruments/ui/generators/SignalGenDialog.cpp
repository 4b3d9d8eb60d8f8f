#include "instruments/ui/generators/SignalGenDialog.h"

#include <algorithm>
#include <climits>

#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "instruments/ui/generators/SignalGenSymbol.h"

namespace {

constexpr int kTextLimit = 80;

}  // namespace

SignalGenDialog::SignalGenDialog(SignalGenSymbol* symbol, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), symbol(symbol) {}

bool SignalGenDialog::OnInitDialog() {
  const SweepFreq& sweep = symbol->sweep;
  TEdit(this, kStartFrequency, kTextLimit).SetText(FreqWert(sweep.start).ToCString());
  TEdit(this, kStopFrequency, kTextLimit).SetText(FreqWert(sweep.stop).ToCString());
  TEdit(this, kCount, kTextLimit).SetText(IntegerWert(sweep.count).ToCString());
  TEdit(this, kVoltage, kTextLimit).SetText(symbol->voltage.ToCString());
  TEdit(this, kResistance, kTextLimit).SetText(symbol->resistance.ToCString());
  mode = sweep.mode == 'E' ? 'E' : 'L';
  CheckRadioButton(kLinear, kLogarithmic, mode == 'E' ? kLogarithmic : kLinear);
  return true;
}

void SignalGenDialog::OnOK() {
  FieldReader reader(*this, true);
  SweepFreq& sweep = symbol->sweep;
  double number = 0.0;
  const auto text = [this](int id) { return TEdit(this, id, kTextLimit).GetText(); };
  if (!reader.ReadNumber<FreqWert>(text(kStartFrequency), number, "Fehler Startfrequenz:")) return;
  // A logarithmic axis has no place for 0 or below.
  if (mode == 'E' && !(number > 0.0)) {
    reader.Refuse("Logarithmische Frequenzachse: Startfrequenz muß > 0 sein",
                  "Fehler Startfrequenz:", true);
    return;
  }
  sweep.SetStart(number);
  if (!reader.ReadNumber<FreqWert>(text(kStopFrequency), number, "Fehler Stopfrequenz:")) return;
  sweep.SetStop(number);
  if (!reader.ReadNumber<IntegerWert>(text(kCount), number, "Fehler Schritte:")) return;
  // A count of 0 queues its message here; the next field's check shows it.
  sweep.SetCount(static_cast<int>(std::min(number, static_cast<double>(INT_MAX))));
  if (!reader.Read(text(kVoltage), symbol->voltage, "Fehler Leerlaufspannung:") ||
      !reader.Read(text(kResistance), symbol->resistance, "Fehler Innenwiderstand:")) {
    return;
  }
  sweep.previousMode = sweep.mode;
  sweep.mode = mode;
  sweep.Prepare();
  EndDialog(pf::kIdOk);
}

bool SignalGenDialog::OnCommand(int id, pf::Notification code) {
  switch (id) {
    case kLinear: mode = 'L'; return true;
    case kLogarithmic: mode = 'E'; return true;
    case kStart: StartGeneratorRun(*symbol, *this, symbol->sweep.count); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
