#include "elements/dialogs/TIndDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "resources/ElementDialogIds.h"

namespace {

constexpr Field<IndSymbol> kValue[] = {
    Fields<IndSymbol>::Value<&IndSymbol::l>(ind_ids::kValue, "Fehler Ind:"),
};
// Read only for an inductor that is not ideal.
constexpr Field<IndSymbol> kLosses[] = {
    Fields<IndSymbol>::Value<&IndSymbol::qm>(ind_ids::kQm, "Fehler Qmax:"),
    Fields<IndSymbol>::Value<&IndSymbol::fp>(ind_ids::kFp, "Fehler Fp:"),
    Fields<IndSymbol>::Value<&IndSymbol::fm>(ind_ids::kFm, "Fehler Fm:"),
};

}  // namespace

TIndDialog::TIndDialog(IndSymbol* symbol, pf::Window* parent)
    : TBasisDialog(parent, "INDDIALG"),
      ind(symbol),
      ideal(this, ind_ids::kIdeal) {
  this->symbol = symbol;
  variableBox = std::make_unique<TCheckBox>(this, ind_ids::kVariable);
}

void TIndDialog::SetupWindow() {
  TBasisDialog::SetupWindow();
  if (ind->settingC == 1) ideal.Check();
  ShowOrClearFields(*this, kLosses, *ind, ind->settingC != 1, FieldText::WithoutLeadingBlanks,
                    kReadBuffer);
  ShowFields(*this, kValue, *ind, FieldText::AsStored, kReadBuffer);
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
