#pragma once
// The About box (template 100); the application also shows it, modeless, as the splash window
// at start-up.

#include "pf/dialog.h"

class CAboutDlg : public pf::Dialog {
 public:
  static constexpr int kTemplateId = 100;
  explicit CAboutDlg(pf::Window* parent = nullptr) : pf::Dialog(kTemplateId, parent) {}
};
