#pragma once
// The board and the start of the photoplot export (template 163): the substrate's extents, the
// layout point of input port 1 and whether the substrate area is plotted, as lengths with
// units; the board's sides must be above 0, and sides and start point under 1 m, which the
// files' format carries. A bad field keeps the dialog open; the pair of fields before it stays
// stored.

#include "basics/Point.h"
#include "pf/dialog.h"

class GerberDocument;

class GerberPlotDialog : public pf::Dialog {
 public:
  explicit GerberPlotDialog(pf::Window* parent);

  bool OnInitDialog() override;
  void OnOK() override;

  GerberDocument* document = nullptr;
};
