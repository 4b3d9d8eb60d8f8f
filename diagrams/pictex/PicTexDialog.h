#pragma once
// Dialog 230: the picture width in millimetres and the font size of a PiCTeX export.

#include "pf/dialog.h"

class PicTexDialog : public pf::Dialog {
 public:
  explicit PicTexDialog(pf::Window* parent);

  bool OnInitDialog() override;
  // Stays open on a width that is not a number, is 0 or is wider than the writer's largest.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

  int width = 0;  // millimetres
  char fontLetter = 'F';
};
