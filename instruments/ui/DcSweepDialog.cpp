#include "instruments/ui/DcSweepDialog.h"

#include <string>

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"

namespace {

constexpr int kTextLimit = 80;

}  // namespace

DcSweepDialog::DcSweepDialog(CVostraneDoc& doc, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), doc(doc) {}

bool DcSweepDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  TComboBox masters(this, kMaster);
  doc.Symbols().ForEach([&](NetSymbol* s) {
    auto* supply = dynamic_cast<DcGeneratorSymbol*>(s);
    if (supply == nullptr || supply->setting != 'V') return;
    masters.AddString(supply->elementName.ToCString());
    chosen = supply;
  });
  if (chosen != nullptr) masters.SetSelString(chosen->elementName.ToCString());
  ShowValues();
  return true;
}

void DcSweepDialog::ShowValues() {
  if (chosen == nullptr) return;
  TEdit(this, kStep, kTextLimit).SetText(chosen->voltageStep.ToCString());
  TEdit(this, kStart, kTextLimit).SetText(chosen->startVoltage.ToCString());
  TEdit(this, kStop, kTextLimit).SetText(chosen->stopVoltage.ToCString());
}

bool DcSweepDialog::OnCommand(int id, pf::Notification code) {
  if (id == kMaster && code == pf::Notification::SelChanged) {
    const std::string name = TComboBox(this, kMaster).GetSelString();
    if (auto* supply = dynamic_cast<DcGeneratorSymbol*>(doc.FindSymbolByName(MyStrng(name)))) {
      chosen = supply;
      ShowValues();
    }
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void DcSweepDialog::OnOK() {
  if (chosen == nullptr) {
    EndDialog(pf::kIdCancel);
    return;
  }
  FieldReader reader(*this, true);
  const auto text = [this](int id) { return TEdit(this, id, kTextLimit).GetText(); };
  if (!reader.Read(text(kStart), chosen->startVoltage, "Fehler Startspannung:") ||
      !reader.Read(text(kStop), chosen->stopVoltage, "Fehler Stopspannung:") ||
      !reader.Read(text(kStep), chosen->voltageStep, "Fehler Schritte:")) {
    return;
  }
  chosen->Redraw();
  chosen->SetActiveFlag(1);
  doc.MoveSymbolToEnd(chosen->elementName);
  pf::Dialog::OnOK();
}
