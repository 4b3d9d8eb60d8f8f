#include "editor/desktop/SpiceDirDialog.h"

#include <cctype>

#include "pf/file_dialog.h"
#include "resources/EditorIds.h"

namespace {

bool IsNameChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) != 0 || c == '.' || c == '-' || c == '+' || c == '_';
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

bool SpiceProgramDirectory(const std::string& path, std::string& directory) {
  // Both tests look at the program's file name only: a folder may hold a '.'.
  const size_t slash = path.find_last_of("/\\");
  const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::string name = path.substr(nameStart);
  const size_t dot = name.find('.');
  if (dot == std::string::npos || Upper(name).compare(dot + 1, 3, "EXE") != 0) return false;
  const std::string upper = Upper(name.substr(0, dot));
  bool named = false;
  for (size_t i = 0; i < upper.size() && !named;) {
    if (!IsNameChar(upper[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < upper.size() && IsNameChar(upper[end])) ++end;
    named = upper.compare(i, end - i, "VOSSPICE") == 0 && end - i == 8;
    i = end;
  }
  if (!named) return false;
  directory = path.substr(0, nameStart);
  return true;
}

SpiceDirDialog::SpiceDirDialog(pf::Window* parent, const MyStrng& home)
    : pf::Dialog(spicedir_ids::kTemplate, parent), home(home) {}

bool SpiceDirDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  if (!home.IsEmpty()) SetDlgItemText(spicedir_ids::kPath, (home + "VosSpice.exe").ToCString());
  return true;
}

void SpiceDirDialog::OnOK() {
  std::string found;
  // A path that names no SPICE program leaves the dialog open, without a message.
  if (!SpiceProgramDirectory(GetDlgItemText(spicedir_ids::kPath), found)) return;
  directory = MyStrng(found);
  pf::Dialog::OnOK();
}

bool SpiceDirDialog::OnCommand(int id, pf::Notification code) {
  if (id == spicedir_ids::kBrowse && code == pf::Notification::Clicked) {
    pf::FileDialog browse(true, {}, {}, pf::kOfnHideReadOnly, "Spice Simulator (*.exe)|*.EXE|");
    if (browse.DoModal() == pf::kIdOk) SetDlgItemText(spicedir_ids::kPath, browse.GetPathName());
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}
