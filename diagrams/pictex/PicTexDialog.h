#pragma once
// Dialog 230: the picture width in millimetres and the font size of a PiCTeX export.

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dialog.h"

class PicTexDialog : public pf::Dialog {
 public:
  explicit PicTexDialog(pf::Window* parent);

  bool OnInitDialog() override;
  // Stays open on a width that is not a number, is 0 or is wider than the largest.
  void OnOK() override;
  bool OnCommand(int id, pf::Notification code) override;

  int width = 0;  // millimetres
  // The widest picture of the diagram (Diagramm::LargestPicTexWidth), millimetres.
  int largest = PicTexFile::kLargestWidth;
  char fontLetter = 'F';
};
