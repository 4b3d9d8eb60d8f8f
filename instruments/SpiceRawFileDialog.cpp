#include "instruments/SpiceRawFileDialog.h"

#include <optional>
#include <string>

#include "pf/clipboard.h"

bool SpiceRawFileDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  // As a paste into the empty edit: nothing when the clipboard holds no text.
  if (const std::optional<std::string> text = pf::TheClipboard().GetText()) {
    SetDlgItemText(kTextId, *text);
  }
  return true;
}
