#pragma once
// The text of the last SPICE raw file (template 254). It shows what is on the clipboard, where
// its caller has put the file's lines.

#include "pf/dialog.h"

class SpiceRawFileDialog : public pf::Dialog {
 public:
  static constexpr int kTemplateId = 254;
  static constexpr int kTextId = 1209;

  explicit SpiceRawFileDialog(pf::Window* parent) : pf::Dialog(kTemplateId, parent) {}

  bool OnInitDialog() override;
};
