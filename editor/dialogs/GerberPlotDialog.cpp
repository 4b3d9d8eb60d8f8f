#include "editor/dialogs/GerberPlotDialog.h"

#include <span>

#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/GerberDocument.h"
#include "resources/EditorIds.h"

namespace {

// A point as its two edits show it, in metres.
struct Pair {
  LaeWert x;
  LaeWert y;
};
using Rows = std::span<const Field<Pair>>;

constexpr Field<Pair> kSize[] = {
    Fields<Pair>::Value<&Pair::x>(gerber_ids::kSizeX, "Fehler X:", Positive()),
    Fields<Pair>::Value<&Pair::y>(gerber_ids::kSizeY, "Fehler Y:", Positive()),
};
constexpr Field<Pair> kStart[] = {
    Fields<Pair>::Value<&Pair::x>(gerber_ids::kStartX, "Fehler X:"),
    Fields<Pair>::Value<&Pair::y>(gerber_ids::kStartY, "Fehler Y:"),
};

void ShowPair(pf::Dialog& dialog, Rows rows, const LPoint& point) {
  Pair pair{LaeWert(point.x / 1.0e6), LaeWert(point.y / 1.0e6)};
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
  if (!ReadPair(reader, kSize, document->substrateSize) ||
      !ReadPair(reader, kStart, document->startPoint)) {
    return;
  }
  document->substrateArea = IsDlgButtonChecked(gerber_ids::kArea) != 0 ? 1 : 0;
  pf::Dialog::OnOK();
}
