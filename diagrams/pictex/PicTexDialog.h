#pragma once
// Dialog 230: the picture width in millimetres and the font size of a PiCTeX export.

#include "pf/dialog.h"

class PicTexDialog : public pf::Dialog {
 public:
  static constexpr int kTemplateId = 230;
  static constexpr int kWidthId = 1159;
  // The radio buttons of the letters "TSFNL", in this order.
  static constexpr int kFirstSizeId = 1167;
  static constexpr int kLastSizeId = 1171;

  explicit PicTexDialog(pf::Window* parent);

  bool OnInitDialog() override;
  // Stays open on a width that is not a number or is 0.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

  int width = 0;  // millimetres
  char fontLetter = 'F';
};
