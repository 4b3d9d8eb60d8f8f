#include "editor/dialogs/GerberPlotDialog.h"

#include <span>

#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/GerberDocument.h"

namespace {

// A point as its two edits show it, in metres.
struct Pair {
  LaeWert x;
  LaeWert y;
};
using Rows = std::span<const Field<Pair>>;

constexpr Field<Pair> kSize[] = {
    Fields<Pair>::Value<&Pair::x>(GerberPlotDialog::kSizeXId, "Fehler X:", Positive()),
    Fields<Pair>::Value<&Pair::y>(GerberPlotDialog::kSizeYId, "Fehler Y:", Positive()),
};
constexpr Field<Pair> kStart[] = {
    Fields<Pair>::Value<&Pair::x>(GerberPlotDialog::kStartXId, "Fehler X:"),
    Fields<Pair>::Value<&Pair::y>(GerberPlotDialog::kStartYId, "Fehler Y:"),
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

GerberPlotDialog::GerberPlotDialog(pf::Window* parent) : pf::Dialog(kTemplateId, parent) {}

bool GerberPlotDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  if (document == nullptr) return true;
  ShowPair(*this, kSize, document->substrateSize);
  ShowPair(*this, kStart, document->startPoint);
  CheckDlgButton(kAreaId, document->substrateArea != 0 ? 1 : 0);
  return true;
}

void GerberPlotDialog::OnOK() {
  if (document == nullptr) return;
  FieldReader reader(*this, true);
  if (!ReadPair(reader, kSize, document->substrateSize) ||
      !ReadPair(reader, kStart, document->startPoint)) {
    return;
  }
  document->substrateArea = IsDlgButtonChecked(kAreaId) != 0 ? 1 : 0;
  pf::Dialog::OnOK();
}
