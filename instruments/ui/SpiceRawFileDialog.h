#pragma once
// The text of the last SPICE raw file (template 254), set into its edit as the lines joined by
// CR LF (the command also leaves that text on the clipboard).

#include <string>
#include <utility>

#include "pf/dialog.h"
#include "resources/SpiceAnalysisIds.h"

class SpiceRawFileDialog : public pf::Dialog {
 public:
  SpiceRawFileDialog(pf::Window* parent, std::string text)
      : pf::Dialog(rawfile_ids::kTemplate, parent), text(std::move(text)) {}

  bool OnInitDialog() override;

 private:
  std::string text;
};
