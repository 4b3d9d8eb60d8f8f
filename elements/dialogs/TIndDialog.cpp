#include "elements/dialogs/TIndDialog.h"

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
// The template holds no such box, so the variable flag is never shown.
constexpr int kVariableBox = 1209;

}  // namespace

TIndDialog::TIndDialog(IndSymbol* symbol, pf::Window* parent)
    : TBasisDialog(parent, "INDDIALG"),
      ind(symbol),
      value(this, 1210, kTextLimit),
      fp(this, 1212, kTextLimit),
      qm(this, 1213, kTextLimit),
      fm(this, 1214, kTextLimit),
      ideal(this, 1211) {
  this->symbol = symbol;
  variableBox = std::make_unique<TCheckBox>(this, kVariableBox);
}

void TIndDialog::SetupWindow() {
  TBasisDialog::SetupWindow();
  if (ind->settingC == 1) {
    ideal.Check();
    fp.SetText("");
    qm.SetText("");
    fm.SetText("");
  } else {
    fp.SetText(WithoutLeadingBlanks(ind->fp));
    qm.SetText(WithoutLeadingBlanks(ind->qm));
    fm.SetText(WithoutLeadingBlanks(ind->fm));
  }
  value.SetText(ind->l.ToCString());
}

bool TIndDialog::CanClose() {
  FieldReader reader(*this, false);
  if (!reader.Read(value.GetText(), ind->l, "Fehler Ind:")) return false;
  ind->settingC = ideal.GetCheck() == 1 ? 1 : 0;
  if (ind->settingC == 1) return true;
  return reader.Read(qm.GetText(), ind->qm, "Fehler Qmax:") &&
         reader.Read(fp.GetText(), ind->fp, "Fehler Fp:") &&
         reader.Read(fm.GetText(), ind->fm, "Fehler Fm:");
}

bool IndSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TIndDialog>(*this, parent);
}
