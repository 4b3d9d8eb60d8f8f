#include "editor/dialogs/GerberPlotDialog.h"

#include <cstdint>
#include <span>

#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/PlotRules.h"
#include "editor/document/GerberDocument.h"
#include "formats/GerberPlotFile.h"
#include "resources/EditorIds.h"

namespace {

// A point as its two edits show it, in metres.
struct Pair {
  LaeWert x;
  LaeWert y;
};
using Rows = std::span<const Field<Pair>>;

constexpr Field<Pair> kSize[] = {
    Fields<Pair>::Value<&Pair::x>(gerber_ids::kSizeX, "Fehler X:", PlotSize()),
    Fields<Pair>::Value<&Pair::y>(gerber_ids::kSizeY, "Fehler Y:", PlotSize()),
};
constexpr Field<Pair> kStart[] = {
    Fields<Pair>::Value<&Pair::x>(gerber_ids::kStartX, "Fehler X:", kUnderPlotLimit),
    Fields<Pair>::Value<&Pair::y>(gerber_ids::kStartY, "Fehler Y:", kUnderPlotLimit),
};

// As the length class prints it, unless its four digits lose micrometres (999.999 mm would
// show as 1 m, which OK refuses): then in millimetres to the micrometre.
LaeWert Shown(int32_t micrometres) {
  LaeWert value(micrometres / 1.0e6);
  if (Micrometres(value) == micrometres || micrometres < 0) return value;
  return LaeWert(GerberPlotFile::SizeText(micrometres) + "mm");
}

void ShowPair(pf::Dialog& dialog, Rows rows, const LPoint& point) {
  Pair pair{Shown(point.x), Shown(point.y)};
  ShowFields(dialog, rows, pair);
}

// Both fields stored as micrometres once both pass.
bool ReadPair(FieldReader& reader, Rows rows, LPoint& target) {
  Pair pair;
  if (!reader.ReadFields(rows, pair)) return false;
  target = LPoint(Micrometres(pair.x), Micrometres(pair.y));
  return true;
}

}  // namespace

GerberPlotDialog::GerberPlotDialog(pf::Window* parent)
    : pf::Dialog(gerber_ids::kTemplate, parent) {}

bool GerberPlotDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  if (document == nullptr) return true;
  ShowPair(*this, kSize, document->substrateSize);
  ShowPair(*this, kStart, document->startPoint);
  CheckDlgButton(gerber_ids::kArea, document->substrateArea != 0 ? 1 : 0);
  return true;
}

void GerberPlotDialog::OnOK() {
  if (document == nullptr) return;
  FieldReader reader(*this, true);
  LPoint size = document->substrateSize;
  LPoint start = document->startPoint;
  if (!ReadPair(reader, kSize, size) || !ReadPair(reader, kStart, start)) return;
  document->substrateSize = size;
  document->startPoint = start;
  document->substrateArea = IsDlgButtonChecked(gerber_ids::kArea) != 0 ? 1 : 0;
  pf::Dialog::OnOK();
}
