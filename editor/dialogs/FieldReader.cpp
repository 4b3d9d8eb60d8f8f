#include "editor/dialogs/FieldReader.h"

#include "pf/ui_services.h"

bool FieldReader::Refuse(const std::string& message, const char* caption, bool withBeep,
                         int field) {
  if (withBeep) pf::TheUiServices().Beep(pf::BeepKind::Default);
  owner.MessageBox(message, caption);
  return TakeBack(field);
}

bool FieldReader::TakeBack(int field) {
  pf::Window* control = field != 0 ? owner.GetDlgItem(field) : nullptr;
  if (control != nullptr && pf::Dialog::IsTabStop(*control)) pf::Dialog::FocusControl(*control);
  return false;
}

std::string WithoutLeadingBlanks(const MyStrng& text) {
  const std::string s = text.ToCString();
  const size_t first = s.find_first_not_of(" \t");
  return first == std::string::npos ? std::string() : s.substr(first);
}

std::vector<int>& FieldsWithoutControl() {
  static std::vector<int> ids;
  return ids;
}

void NoteIfWithoutControl(const pf::Dialog& dialog, int id) {
  if (dialog.GetDlgItem(id) == nullptr) FieldsWithoutControl().push_back(id);
}
