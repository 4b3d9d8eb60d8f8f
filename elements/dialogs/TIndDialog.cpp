#include "elements/dialogs/TIndDialog.h"

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
// The template holds no such box, so the variable flag is never shown.
constexpr int kVariableBox = 1209;

constexpr Field<IndSymbol> kValue[] = {
    Fields<IndSymbol>::Value<&IndSymbol::l>(1210, "Fehler Ind:"),
};
// Read only for an inductor that is not ideal.
constexpr Field<IndSymbol> kLosses[] = {
    Fields<IndSymbol>::Value<&IndSymbol::qm>(1213, "Fehler Qmax:"),
    Fields<IndSymbol>::Value<&IndSymbol::fp>(1212, "Fehler Fp:"),
    Fields<IndSymbol>::Value<&IndSymbol::fm>(1214, "Fehler Fm:"),
};

}  // namespace

TIndDialog::TIndDialog(IndSymbol* symbol, pf::Window* parent)
    : TBasisDialog(parent, "INDDIALG"),
      ind(symbol),
      ideal(this, 1211) {
  this->symbol = symbol;
  variableBox = std::make_unique<TCheckBox>(this, kVariableBox);
}

void TIndDialog::SetupWindow() {
  TBasisDialog::SetupWindow();
  if (ind->settingC == 1) {
    ideal.Check();
    for (const Field<IndSymbol>& loss : kLosses) TEdit(this, loss.id, kTextLimit).SetText("");
  } else {
    ShowFields(*this, kLosses, *ind, FieldText::WithoutLeadingBlanks, kTextLimit);
  }
  ShowFields(*this, kValue, *ind, FieldText::AsStored, kTextLimit);
}

bool TIndDialog::CanClose() {
  FieldReader reader(*this, false);
  if (!reader.ReadFields(kValue, *ind)) return false;
  ind->settingC = ideal.GetCheck() == 1 ? 1 : 0;
  return ind->settingC == 1 || reader.ReadFields(kLosses, *ind);
}

bool IndSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TIndDialog>(*this, parent);
}
