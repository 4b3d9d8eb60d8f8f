#pragma once
// "Service/Gerber-Plotdatei...": the circuit's layout as RS-274X photoplot files, after the
// board and start point are confirmed; the bottom layer's text also goes to the clipboard. A
// layout beyond the files' format is reported and nothing is copied or written.

class CVostraneView;
namespace pf {
struct CmdUI;
}  // namespace pf

void ExportGerber(CVostraneView& view);
// Only with a substrate, which gives the board's extents.
void UpdateExportGerber(CVostraneView& view, pf::CmdUI& ui);
