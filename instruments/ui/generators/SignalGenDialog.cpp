#include "instruments/ui/generators/SignalGenDialog.h"

#include <algorithm>
#include <climits>

#include "basics/IntegerWert.h"
#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "resources/MeterIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

using SweepField = Fields<SweepFreq>;
constexpr const char* kStartCaption = "Fehler Startfrequenz:";
constexpr const char* kStopCaption = "Fehler Stopfrequenz:";
constexpr Field<SweepFreq> kLinearSweep[] = {
    SweepField::Number<FreqWert, &SweepFreq::start>(siggen_ids::kStartFrequency, kStartCaption),
    SweepField::Number<FreqWert, &SweepFreq::stop>(siggen_ids::kStopFrequency, kStopCaption),
};
// A logarithmic axis has no place for 0 or below, at either end: the ends may come in either
// order, and Prepare swaps them.
constexpr Field<SweepFreq> kLogarithmicSweep[] = {
    SweepField::Number<FreqWert, &SweepFreq::start>(siggen_ids::kStartFrequency, kStartCaption,
                                                    Positive(SweepFreq::kStartNotPositive)),
    SweepField::Number<FreqWert, &SweepFreq::stop>(siggen_ids::kStopFrequency, kStopCaption,
                                                   Positive(SweepFreq::kStopNotPositive)),
};

// The count goes in through SetCount, which bounds it above; none is refused under its own
// caption.
struct Count {
  IntegerWert n;
};
constexpr Field<Count> kCountField[] = {
    Fields<Count>::Value<&Count::n>(siggen_ids::kCount, "Fehler Schritte:",
                                    Positive(SweepFreq::kCountNotPositive)),
};

constexpr Field<SignalGenSymbol> kSource[] = {
    Fields<SignalGenSymbol>::Value<&SignalGenSymbol::voltage>(siggen_ids::kVoltage,
                                                              "Fehler Leerlaufspannung:"),
    Fields<SignalGenSymbol>::Value<&SignalGenSymbol::resistance>(siggen_ids::kResistance,
                                                                 "Fehler Innenwiderstand:"),
};

}  // namespace

SignalGenDialog::SignalGenDialog(SignalGenSymbol* symbol, pf::Window* parent)
    : pf::Dialog(siggen_ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool SignalGenDialog::OnInitDialog() {
  SweepFreq& sweep = symbol->sweep;
  ShowFields(*this, kLinearSweep, sweep, FieldText::AsStored, kReadBuffer);
  Count count{IntegerWert(sweep.count)};
  ShowFields(*this, kCountField, count, FieldText::AsStored, kReadBuffer);
  ShowFields(*this, kSource, *symbol, FieldText::AsStored, kReadBuffer);
  mode = sweep.mode == 'E' ? 'E' : 'L';
  CheckRadioButton(siggen_ids::kLinear, siggen_ids::kLogarithmic,
                   mode == 'E' ? siggen_ids::kLogarithmic : siggen_ids::kLinear);
  return true;
}

void SignalGenDialog::OnOK() {
  FieldReader reader(*this, true);
  SweepFreq& sweep = symbol->sweep;
  Count count;
  if (!reader.ReadFields(mode == 'E' ? kLogarithmicSweep : kLinearSweep, sweep) ||
      !reader.ReadFields(kCountField, count)) {
    return;
  }
  const long n = count.n.Value();
  sweep.SetCount(static_cast<int>(std::min(n, static_cast<long>(INT_MAX))));
  if (!reader.ReadFields(kSource, *symbol)) return;
  sweep.previousMode = sweep.mode;
  sweep.mode = mode;
  sweep.Prepare();
  EndDialog(pf::kIdOk);
}

bool SignalGenDialog::OnCommand(int id, pf::Notification code) {
  switch (id) {
    case siggen_ids::kLinear: mode = 'L'; return true;
    case siggen_ids::kLogarithmic: mode = 'E'; return true;
    case siggen_ids::kStart: StartGeneratorRun(*symbol, *this, symbol->sweep.count); return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
