#pragma once
// The About box (template 100); the application also shows it, modeless, as the splash window
// at start-up.

#include "pf/dialog.h"
#include "resources/EditorIds.h"

class CAboutDlg : public pf::Dialog {
 public:
  explicit CAboutDlg(pf::Window* parent = nullptr) : pf::Dialog(about_ids::kTemplate, parent) {}
};
