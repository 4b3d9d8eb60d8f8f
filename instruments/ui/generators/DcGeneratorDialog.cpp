#include "instruments/ui/generators/DcGeneratorDialog.h"

#include <span>

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "pf/view.h"
#include "resources/MeterIds.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

constexpr int kSweepControls[] = {dcgen_ids::kStepValue, dcgen_ids::kStartValue,
                                  dcgen_ids::kStopValue, dcgen_ids::kSlave};

using Supply = DcGeneratorSymbol;
using SupplyField = Fields<Supply>;

// Start, stop, step and fixed value in the order OK reads them, by kind.
constexpr Field<Supply> kVoltages[] = {
    SupplyField::Value<&Supply::startVoltage>(dcgen_ids::kStartValue,
                                              "Fehler Startspannung:"),
    SupplyField::Value<&Supply::stopVoltage>(dcgen_ids::kStopValue,
                                             "Fehler Stopspannung:"),
    SupplyField::Value<&Supply::voltageStep>(dcgen_ids::kStepValue, "Fehler Schritte:"),
    SupplyField::Value<&Supply::fixedVoltage>(dcgen_ids::kFixedValue,
                                              "Fehler Festspannung:"),
};
constexpr Field<Supply> kCurrents[] = {
    SupplyField::Value<&Supply::startCurrent>(dcgen_ids::kStartValue,
                                              "Fehler Startstrom:"),
    SupplyField::Value<&Supply::stopCurrent>(dcgen_ids::kStopValue, "Fehler Stopstrom:"),
    SupplyField::Value<&Supply::currentStep>(dcgen_ids::kStepValue,
                                             "Fehler Stromschrittweite:"),
    SupplyField::Value<&Supply::fixedCurrent>(dcgen_ids::kFixedValue,
                                              "Fehler Feststrom:"),
};
// Only while the supply has an internal resistance.
constexpr Field<Supply> kResistanceField[] = {
    SupplyField::Value<&Supply::internalResistance>(dcgen_ids::kResistance,
                                                    "Fehler Innenwiderstand:"),
};

std::span<const Field<Supply>> ValuesOf(const Supply& supply) {
  if (supply.kind == 'I') return kCurrents;
  return kVoltages;
}

}  // namespace

DcGeneratorDialog::DcGeneratorDialog(DcGeneratorSymbol* symbol, pf::Window* parent)
    : pf::Dialog(dcgen_ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool DcGeneratorDialog::OnInitDialog() {
  ShowValues();
  CheckRadioButton(dcgen_ids::kCurrentSource, dcgen_ids::kVoltageSource,
                   symbol->kind == 'U' ? dcgen_ids::kVoltageSource : dcgen_ids::kCurrentSource);
  EnableForSetting();
  ShowOrClearFields(*this, kResistanceField, *symbol, symbol->resistorFlag != 0,
                    FieldText::AsStored, kReadBuffer);
  FillSlaveList(symbol->slaveName);
  return true;
}

void DcGeneratorDialog::ShowValues() {
  ShowFields(*this, ValuesOf(*symbol), *symbol, FieldText::AsStored, kReadBuffer);
}

void DcGeneratorDialog::EnableForSetting() {
  const bool fixed = symbol->setting == 'F';
  CheckRadioButton(dcgen_ids::kFixed, dcgen_ids::kVariable,
                   fixed ? dcgen_ids::kFixed : dcgen_ids::kVariable);
  for (int id : kSweepControls) {
    if (pf::Window* control = GetDlgItem(id)) control->EnableWindow(!fixed);
  }
  if (pf::Window* control = GetDlgItem(dcgen_ids::kFixedValue)) control->EnableWindow(fixed);
}

void DcGeneratorDialog::FillSlaveList(const MyStrng& name) {
  TComboBox combo(this, dcgen_ids::kSlave);
  combo.ClearList();
  MyStrng last;
  const auto* doc =
      symbol->view != nullptr ? dynamic_cast<const CVostraneDoc*>(symbol->view->GetDocument())
                              : nullptr;
  if (doc != nullptr) {
    doc->Symbols().ForEach([&](NetSymbol* s) {
      if (symbol->setting == 'V' && s != symbol && s->GetClassKey() == Supply::kClassKey) {
        combo.AddString(s->GetElementName().ToCString());
        last = s->GetElementName();
      }
    });
  }
  slaveName = name == "NoSlave" ? last : name;
  if (!slaveName.IsEmpty()) combo.SetSelString(slaveName.ToCString());
}

void DcGeneratorDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(ValuesOf(*symbol), *symbol) ||
      (symbol->resistorFlag != 0 && !reader.ReadFields(kResistanceField, *symbol))) {
    return;
  }
  if (!(slaveName == symbol->slaveName)) symbol->slaveName = slaveName;
  symbol->Redraw();
  EndDialog(pf::kIdOk);
}

bool DcGeneratorDialog::OnCommand(int id, pf::Notification code) {
  switch (id) {
    case dcgen_ids::kFixed:
    case dcgen_ids::kVariable:
      symbol->setting = id == dcgen_ids::kFixed ? 'F' : 'V';
      EnableForSetting();
      return true;
    case dcgen_ids::kVoltageSource:
    case dcgen_ids::kCurrentSource:
      symbol->SetKind(id == dcgen_ids::kVoltageSource ? 'U' : 'I');
      ShowValues();
      return true;
    case dcgen_ids::kSlave:
      if (code == pf::Notification::SelChanged) {
        slaveName = MyStrng(TComboBox(this, dcgen_ids::kSlave).GetSelString().c_str());
      }
      return true;
    case dcgen_ids::kStart:
      StartGeneratorRun(*symbol, *this, 10);
      return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
