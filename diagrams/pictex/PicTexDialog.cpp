#include "diagrams/pictex/PicTexDialog.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "basics/IntegerWert.h"
#include "basics/VS_Error.h"
#include "pf/ui_services.h"

namespace {

constexpr char kLetters[] = "TSFNL";

}  // namespace

PicTexDialog::PicTexDialog(pf::Window* parent) : pf::Dialog(kTemplateId, parent) {}

bool PicTexDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(kWidthId, MyStrng(width).GetBuffer());
  const char* letter = std::strchr(kLetters, fontLetter);
  if (fontLetter != '\0' && letter != nullptr) {
    CheckRadioButton(kFirstSizeId, kLastSizeId, kFirstSizeId + static_cast<int>(letter - kLetters));
  }
  return true;
}

void PicTexDialog::OnOK() {
  IntegerWert value(GetDlgItemText(kWidthId).c_str());
  const bool ok = value.CheckSyntax();
  const long mm = ok ? value.Value() : 0;
  // A width of 0 would scale the whole picture to one point.
  if (ok && mm == 0) value.Error("Breite 0 ist nicht zulässig", 4);
  if (!ok || mm == 0) {
    pf::TheUiServices().Beep(pf::BeepKind::Default);
    MessageBox(VS_Error::GetFirstMessage().GetBuffer(), "Fehler Integerwert:");
    VS_Error::ClearQueue();
    return;
  }
  width = static_cast<int>(std::min<long>(mm, INT_MAX));
  pf::Dialog::OnOK();
}

bool PicTexDialog::OnCommand(int id, pf::Notification code) {
  if (id >= kFirstSizeId && id <= kLastSizeId && code == pf::Notification::Clicked) {
    fontLetter = kLetters[id - kFirstSizeId];
  }
  return pf::Dialog::OnCommand(id, code);
}
