#include "elements/dialogs/ResonatorDialogs.h"

namespace {

constexpr int kTextLimit = 80;
constexpr FieldRule kBadFrequency = Positive("Resonanzfrequenz muss größer als 0 sein");
constexpr FieldRule kBadDistance = Positive("Abstand zur Parallelresonanz muss größer als 0 sein");
constexpr FieldRule kBadResistance = Positive("Kennwiderstand muss größer als 0 sein");
constexpr FieldRule kBadQuality = Positive("Güte muss größer als 0 sein");

using Circuit = ResonantCircuitSymbol;
using CircuitField = Fields<Circuit>;

constexpr TResonantCircuitDialog::Layout Resonator(const char* templateName, int f0,
                                                   const char* qCaption) {
  return {templateName,
          {CircuitField::Value<&Circuit::f0>(f0, "Fehler Fres:", kBadFrequency),
           CircuitField::Value<&Circuit::zk>(f0 + 1, "Fehler Zk:", kBadResistance),
           CircuitField::Value<&Circuit::q>(f0 + 2, qCaption, kBadQuality)}};
}

constexpr TResonantCircuitDialog::Layout kSrlc = Resonator("SRCDIALG", 1290, "Fehler Guete:");
constexpr TResonantCircuitDialog::Layout kPrlc = Resonator("PRCDIALG", 1295, "Fehler Guete");

constexpr Field<QuarzSymbol> kQuarz[] = {
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fs>(1300, "Fehler Fser:", kBadFrequency),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fd>(1301, "Fehler Fdel:", kBadDistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::zk>(1302, "Fehler Zk:", kBadResistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::q>(1303, "Fehler Güte:", kBadQuality),
};

}  // namespace

TResonantCircuitDialog::TResonantCircuitDialog(const Layout& layout,
                                               ResonantCircuitSymbol* symbol, pf::Window* parent)
    : TDialog(parent, layout.templateName), layout(layout), symbol(symbol) {}

void TResonantCircuitDialog::SetupWindow() {
  ShowFields(*this, layout.fields, *symbol, FieldText::WithoutLeadingBlanks, kTextLimit);
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
  ShowFields(*this, kQuarz, *symbol, FieldText::WithoutLeadingBlanks, kTextLimit);
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
