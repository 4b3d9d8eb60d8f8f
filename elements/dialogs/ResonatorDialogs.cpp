#include "elements/dialogs/ResonatorDialogs.h"

#include "resources/ElementDialogIds.h"

namespace {

constexpr FieldRule kBadFrequency = Positive("Resonanzfrequenz muss größer als 0 sein");
constexpr FieldRule kBadDistance = Positive("Abstand zur Parallelresonanz muss größer als 0 sein");
constexpr FieldRule kBadResistance = Positive("Kennwiderstand muss größer als 0 sein");
constexpr FieldRule kBadQuality = Positive("Güte muss größer als 0 sein");

using Circuit = ResonantCircuitSymbol;
using CircuitField = Fields<Circuit>;

constexpr TResonantCircuitDialog::Layout Resonator(const char* templateName,
                                                   const resonator_ids::Set& ids,
                                                   const char* qCaption) {
  return {templateName,
          {CircuitField::Value<&Circuit::f0>(ids.f0, "Fehler Fres:", kBadFrequency),
           CircuitField::Value<&Circuit::zk>(ids.zk, "Fehler Zk:", kBadResistance),
           CircuitField::Value<&Circuit::q>(ids.q, qCaption, kBadQuality)}};
}

constexpr TResonantCircuitDialog::Layout kSrlc =
    Resonator("SRCDIALG", resonator_ids::kSeries, "Fehler Guete:");
constexpr TResonantCircuitDialog::Layout kPrlc =
    Resonator("PRCDIALG", resonator_ids::kParallel, "Fehler Guete");

constexpr Field<QuarzSymbol> kQuarz[] = {
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fs>(quarz_ids::kFs, "Fehler Fser:", kBadFrequency),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fd>(quarz_ids::kFd, "Fehler Fdel:", kBadDistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::zk>(quarz_ids::kZk, "Fehler Zk:", kBadResistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::q>(quarz_ids::kQ, "Fehler Güte:", kBadQuality),
};

}  // namespace

TResonantCircuitDialog::TResonantCircuitDialog(const Layout& layout,
                                               ResonantCircuitSymbol* symbol, pf::Window* parent)
    : TDialog(parent, layout.templateName), layout(layout), symbol(symbol) {}

void TResonantCircuitDialog::SetupWindow() {
  ShowFields(*this, layout.fields, *symbol, FieldText::WithoutLeadingBlanks, kReadBuffer);
}

bool TResonantCircuitDialog::CanClose() {
  FieldReader reader(*this, false);
  return reader.ReadFields(layout.fields, *symbol);
}

TSrlcDialog::TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent)
    : TResonantCircuitDialog(kSrlc, symbol, parent) {}
TPrlcDialog::TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent)
    : TResonantCircuitDialog(kPrlc, symbol, parent) {}

TQuarzDialog::TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent)
    : TDialog(parent, "QUARZDIALG"), symbol(symbol) {}

void TQuarzDialog::SetupWindow() {
  ShowFields(*this, kQuarz, *symbol, FieldText::WithoutLeadingBlanks, kReadBuffer);
}

bool TQuarzDialog::CanClose() {
  FieldReader reader(*this, false);
  return reader.ReadFields(kQuarz, *symbol);
}

bool SrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TSrlcDialog>(*this, parent);
}
bool PrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TPrlcDialog>(*this, parent);
}
bool QuarzSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TQuarzDialog>(*this, parent);
}
