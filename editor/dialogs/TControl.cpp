#include "editor/dialogs/TControl.h"

std::string CutToReadBuffer(std::string text) {
  constexpr size_t kBuffer = kReadBuffer;
  if (text.size() >= kBuffer) text.resize(kBuffer - 1);
  return text;
}

pf::Window* TControl::GetControl() {
  control = parent != nullptr ? parent->GetDlgItem(id) : nullptr;
  return control;
}

void TEdit::SetText(const std::string& text) {
  if (GetControl() == nullptr) return;
  // Filling the edit is the first use, so from then on the user types within the limit.
  if (auto* edit = dynamic_cast<pf::Edit*>(control); edit != nullptr) edit->LimitText(textLimit);
  control->SetWindowText(text);
}

std::string TEdit::GetText() {
  return GetControl() != nullptr ? CutToReadBuffer(control->GetWindowText()) : std::string();
}

void TCheckBox::Check() {
  if (auto* b = dynamic_cast<pf::Button*>(GetControl()); b != nullptr) b->SetCheck(1);
}

void TCheckBox::Uncheck() {
  if (auto* b = dynamic_cast<pf::Button*>(GetControl()); b != nullptr) b->SetCheck(0);
}

int TCheckBox::GetCheck() {
  auto* b = dynamic_cast<pf::Button*>(GetControl());
  return b != nullptr ? b->GetCheck() : 0;
}

pf::ComboBox* TComboBox::Combo() { return dynamic_cast<pf::ComboBox*>(GetControl()); }

void TComboBox::ClearList() {
  if (pf::ComboBox* c = Combo(); c != nullptr) c->ResetContent();
}

int TComboBox::AddString(const std::string& text) {
  pf::ComboBox* c = Combo();
  return c != nullptr ? c->AddString(text) : -1;
}

void TComboBox::SetSelString(const std::string& text) {
  if (pf::ComboBox* c = Combo(); c != nullptr) c->SelectEqual(text);
}

std::string TComboBox::GetSelString() {
  pf::ComboBox* c = Combo();
  return c != nullptr ? CutToReadBuffer(c->GetText(c->GetCurSel())) : std::string();
}
