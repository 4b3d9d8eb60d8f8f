#include "instruments/ui/DcSweepDialog.h"

#include <string>

#include "editor/dialogs/FieldReader.h"
#include "editor/symbols/SymbolSnapshot.h"
#include "editor/dialogs/TControl.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

using Supply = DcGeneratorSymbol;
constexpr Field<Supply> kSweep[] = {
    Fields<Supply>::Value<&Supply::startVoltage>(dcsweep_ids::kStart, "Fehler Startspannung:"),
    Fields<Supply>::Value<&Supply::stopVoltage>(dcsweep_ids::kStop, "Fehler Stopspannung:"),
    Fields<Supply>::Value<&Supply::voltageStep>(dcsweep_ids::kStep, "Fehler Schritte:"),
};

}  // namespace

DcSweepDialog::DcSweepDialog(CVostraneDoc& doc, pf::Window* parent)
    : pf::Dialog(dcsweep_ids::kTemplate, parent), doc(doc) {
  // The supply chosen when OK is pressed.
  KeepOnRefusal([this] { return KeptState(chosen); });
}

bool DcSweepDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  TComboBox masters(this, dcsweep_ids::kMaster);
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
  ShowFields(*this, kSweep, *chosen, FieldText::AsStored, kReadBuffer);
}

bool DcSweepDialog::OnCommand(int id, pf::Notification code) {
  if (id == dcsweep_ids::kMaster && code == pf::Notification::SelChanged) {
    const std::string name = TComboBox(this, dcsweep_ids::kMaster).GetSelString();
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
  if (!reader.ReadFields(kSweep, *chosen)) return;
  chosen->Redraw();
  chosen->SetActiveFlag(1);
  doc.MoveSymbolToEnd(chosen->elementName);
  pf::Dialog::OnOK();
}
