#include "elements/dialogs/UebertragerDialog.h"

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TDialog.h"
#include "pf/dc.h"
#include "resources/ElementDialogIds.h"

using namespace uebertrager_ids;

namespace {

constexpr FieldRule kBadTurns = Positive("Windungszahl muss mindestens 1 sein");

constexpr Field<CplIndSymbol> kInductance[] = {
    Fields<CplIndSymbol>::Value<&CplIndSymbol::ls>(
        kLs, "Fehler Ls:", Positive("Induktivität muss größer als 0 sein")),
};
constexpr Field<CplIndSymbol> kTurns[] = {
    Fields<CplIndSymbol>::Value<&CplIndSymbol::n1>(kN1, "Fehler N1:", kBadTurns),
    Fields<CplIndSymbol>::Value<&CplIndSymbol::n2>(kN2, "Fehler N2:", kBadTurns),
};

}  // namespace

UebertragerDialog::UebertragerDialog(CplIndSymbol* symbol, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), symbol(symbol) {}

bool UebertragerDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  symbol->ComputeInductances();
  ShowFields(*this, kInductance, *symbol);
  SetDlgItemText(kLp, IndWert(symbol->lp).ToCString());
  SetDlgItemText(kCoupling, symbol->k.ToCString());
  ShowFields(*this, kTurns, *symbol);
  if (symbol->kind == 'C') CheckDlgButton(kUnsymmetric, 1);
  if (symbol->kind == 'S') CheckDlgButton(kSymmetric, 1);
  return true;
}

void UebertragerDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kInductance, *symbol)) return;
  // The coupling's range is refused under its own caption, without a beep.
  FloatWert k;
  if (!reader.Read(kCoupling, k, "Fehler Kopplung:")) return;
  const double coupling = k.Value(false);
  if (coupling >= 1.0) {
    reader.Refuse("Kopplung muss kleiner als 1 sein", "Fehler", false, kCoupling);
    return;
  }
  // The self-inductances divide by k.
  if (!(coupling > 0.0)) {
    reader.Refuse("Kopplung muss größer als 0 sein", "Fehler", false, kCoupling);
    return;
  }
  symbol->k = k;
  if (!reader.ReadFields(kTurns, *symbol)) return;
  // Either kind may be chosen later without the values being read again, and the
  // unsymmetric one writes the derived inductances.
  if (!symbol->ComputeInductances() || !symbol->InductancesWritable()) {
    reader.Refuse("Induktivität L1 oder L2 außerhalb des Wertebereichs", "Fehler", true);
    return;
  }
  pf::Dialog::OnOK();
}

bool UebertragerDialog::OnCommand(int id, pf::Notification code) {
  if ((id == kSymmetric || id == kUnsymmetric) && code == pf::Notification::Clicked) {
    if (id == kSymmetric) {
      symbol->SetSymmetricKind();
    } else {
      symbol->SetUnsymmetricKind();
    }
    symbol->UpdateGeometry();
    if (pf::Window* picture = GetDlgItem(kPicture); picture != nullptr) picture->Invalidate();
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void UebertragerDialog::OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) {
  if (id != kPicture || !symbol->bitmap) return;
  const pf::Bitmap& b = *symbol->bitmap;
  dc.BitBlt(rect.left + (rect.Width() - b.Width()) / 2, rect.top + (rect.Height() - b.Height()) / 2,
            b.Width(), b.Height(), b, 0, 0);
}

bool CplIndSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<UebertragerDialog>(*this, parent);
}
