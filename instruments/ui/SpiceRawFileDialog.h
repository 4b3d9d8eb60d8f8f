#pragma once
// The text of the last SPICE raw file (template 254), set into its edit as the lines joined by
// CR LF (the command also leaves that text on the clipboard).

#include <string>
#include <utility>

#include "pf/dialog.h"

class SpiceRawFileDialog : public pf::Dialog {
 public:
  static constexpr int kTemplateId = 254;
  static constexpr int kTextId = 1209;

  SpiceRawFileDialog(pf::Window* parent, std::string text)
      : pf::Dialog(kTemplateId, parent), text(std::move(text)) {}

  bool OnInitDialog() override;

 private:
  std::string text;
};
