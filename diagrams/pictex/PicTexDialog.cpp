#include "diagrams/pictex/PicTexDialog.h"

#include <cstring>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "pf/ui_services.h"
#include "resources/ScreenIds.h"

namespace {

constexpr char kLetters[] = "TSFNL";

}  // namespace

PicTexDialog::PicTexDialog(pf::Window* parent) : pf::Dialog(pictex_ids::kTemplate, parent) {}

bool PicTexDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(pictex_ids::kWidth, MyStrng(width).GetBuffer());
  const char* letter = std::strchr(kLetters, fontLetter);
  if (fontLetter != '\0' && letter != nullptr) {
    CheckRadioButton(pictex_ids::kFirstSize, pictex_ids::kLastSize, pictex_ids::kFirstSize + static_cast<int>(letter - kLetters));
  }
  return true;
}

void PicTexDialog::OnOK() {
  const VS_ErrorMark mark;
  IntegerWert value(GetDlgItemText(pictex_ids::kWidth).c_str());
  const bool ok = value.CheckSyntax();
  const long mm = ok ? value.Value() : 0;
  // A width of 0 would scale the whole picture to one point; a wider one than the largest
  // would hold dimensions that TeX cannot set.
  const bool fits = ok && mm != 0 && mm <= largest;
  if (ok && mm == 0) value.Error("Breite 0 ist nicht zulässig", 4);
  if (ok && mm > largest) {
    value.Error(MyStrng("Breite über ") + MyStrng(largest) + " mm ist nicht zulässig", 4);
  }
  if (!fits) {
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    MessageBox(mark.First().ToCString(), "Fehler Integerwert:");
    mark.Drop();
    return;
  }
  width = static_cast<int>(mm);
  pf::Dialog::OnOK();
}

bool PicTexDialog::OnCommand(int id, pf::Notification code) {
  if (id >= pictex_ids::kFirstSize && id <= pictex_ids::kLastSize && code == pf::Notification::Clicked) {
    fontLetter = kLetters[id - pictex_ids::kFirstSize];
  }
  return pf::Dialog::OnCommand(id, code);
}
