#include "elements/dialogs/BipolarDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"
#include "editor/symbols/SymbolSnapshot.h"

using namespace bipolar_ids;

namespace {

constexpr Field<BipSymbol> kHybrid[] = {
    Fields<BipSymbol>::Value<&BipSymbol::h11>(kH11, "Fehler H11:"),
    Fields<BipSymbol>::Value<&BipSymbol::h12>(kH12, "Fehler H12:"),
    Fields<BipSymbol>::Value<&BipSymbol::h21>(kH21, "Fehler H21:"),
    Fields<BipSymbol>::Value<&BipSymbol::h22>(kH22, "Fehler H22:"),
};

}  // namespace

bool HParmDialog::OnInitDialog() {
  pf::PropertyPage::OnInitDialog();
  SetDlgItemText(kName, symbol->typeName.ToCString());
  ShowFields(*this, kHybrid, *symbol);
  return true;
}

bool HParmDialog::OnKillActive() {
  symbol->typeName = CutToReadBuffer(GetDlgItemText(kName)).c_str();
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kHybrid, *symbol)) return false;
  symbol->kind = 'H';
  return pf::PropertyPage::OnKillActive();
}

bool YParmDialog::OnKillActive() {
  symbol->kind = 'H';
  return pf::PropertyPage::OnKillActive();
}

BipolarDialog::BipolarDialog(BipSymbol* symbol, pf::Window* parent, int)
    : pf::PropertySheet("Bipolartransistor", parent, symbol->kind == 'H' ? 0 : 1),
      hPage(symbol),
      yPage(symbol) {
  AddPage(hPage);
  AddPage(yPage);
  KeepSymbolOnRefusal(*this, *symbol);
}

bool EditBipSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* bip = dynamic_cast<BipSymbol*>(&symbol);
  if (bip == nullptr) return false;
  BipolarDialog sheet(bip, parent, 0);
  return sheet.DoModal() == pf::kIdOk;
}
