#include "elements/dialogs/ResonatorDialogs.h"

#include <array>

#include "resources/ElementDialogIds.h"

namespace {

constexpr FieldRule kBadFrequency = Positive("Resonanzfrequenz muss größer als 0 sein");
constexpr FieldRule kBadDistance = Positive("Abstand zur Parallelresonanz muss größer als 0 sein");
constexpr FieldRule kBadResistance = Positive("Kennwiderstand muss größer als 0 sein");
constexpr FieldRule kBadQuality = Positive("Güte muss größer als 0 sein");

using Circuit = ResonantCircuitSymbol;
using CircuitField = Fields<Circuit>;

// A resonant circuit's rows: f0, Zk and Q.
constexpr std::array<Field<Circuit>, 3> Resonator(const resonator_ids::Set& ids,
                                                  const char* qCaption) {
  return {CircuitField::Value<&Circuit::f0>(ids.f0, "Fehler Fres:", kBadFrequency),
          CircuitField::Value<&Circuit::zk>(ids.zk, "Fehler Zk:", kBadResistance),
          CircuitField::Value<&Circuit::q>(ids.q, qCaption, kBadQuality)};
}

constexpr std::array<Field<Circuit>, 3> kSrlc =
    Resonator(resonator_ids::kSeries, "Fehler Guete:");
constexpr std::array<Field<Circuit>, 3> kPrlc =
    Resonator(resonator_ids::kParallel, "Fehler Guete");

constexpr Field<QuarzSymbol> kQuarz[] = {
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fs>(quarz_ids::kFs, "Fehler Fser:", kBadFrequency),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::fd>(quarz_ids::kFd, "Fehler Fdel:", kBadDistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::zk>(quarz_ids::kZk, "Fehler Zk:", kBadResistance),
    Fields<QuarzSymbol>::Value<&QuarzSymbol::q>(quarz_ids::kQ, "Fehler Güte:", kBadQuality),
};

}  // namespace

TSrlcDialog::TSrlcDialog(SrlcSymbol* symbol, pf::Window* parent)
    : FieldTableDialog("SRCDIALG", kSrlc, symbol, parent) {}
TPrlcDialog::TPrlcDialog(PrlcSymbol* symbol, pf::Window* parent)
    : FieldTableDialog("PRCDIALG", kPrlc, symbol, parent) {}
TQuarzDialog::TQuarzDialog(QuarzSymbol* symbol, pf::Window* parent)
    : FieldTableDialog("QUARZDIALG", kQuarz, symbol, parent) {}

bool SrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TSrlcDialog>(*this, parent);
}
bool PrlcSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TPrlcDialog>(*this, parent);
}
bool QuarzSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TQuarzDialog>(*this, parent);
}
