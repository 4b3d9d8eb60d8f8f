#include "editor/dialogs/GerberPlotDialog.h"

#include "basics/WertMitDim.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/GerberDocument.h"

namespace {

std::string LengthText(int32_t micrometres) {
  return LaeWert(micrometres / 1.0e6).ToCString();
}

}  // namespace

GerberPlotDialog::GerberPlotDialog(pf::Window* parent) : pf::Dialog(kTemplateId, parent) {}

bool GerberPlotDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  if (document == nullptr) return true;
  SetDlgItemText(kSizeXId, LengthText(document->substrateSize.x));
  SetDlgItemText(kSizeYId, LengthText(document->substrateSize.y));
  SetDlgItemText(kStartXId, LengthText(document->startPoint.x));
  SetDlgItemText(kStartYId, LengthText(document->startPoint.y));
  CheckDlgButton(kAreaId, document->substrateArea != 0 ? 1 : 0);
  return true;
}

bool GerberPlotDialog::ReadPair(int xId, int yId, LPoint& target, const char* notPositive) {
  FieldReader reader(*this, true);
  LaeWert x;
  LaeWert y;
  constexpr auto kTyped = FieldReader::Store::Typed;
  if (!reader.Read(GetDlgItemText(xId), x, "Fehler X:", kTyped, notPositive)) return false;
  if (!reader.Read(GetDlgItemText(yId), y, "Fehler Y:", kTyped, notPositive)) return false;
  target = LPoint(Micrometres(x), Micrometres(y));
  return true;
}

void GerberPlotDialog::OnOK() {
  if (document == nullptr) return;
  if (!ReadPair(kSizeXId, kSizeYId, document->substrateSize, FieldReader::kNotPositive)) return;
  if (!ReadPair(kStartXId, kStartYId, document->startPoint)) return;
  document->substrateArea = IsDlgButtonChecked(kAreaId) != 0 ? 1 : 0;
  pf::Dialog::OnOK();
}
