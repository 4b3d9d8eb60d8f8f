#include "instruments/ui/generators/DcGeneratorDialog.h"

#include <span>

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TControl.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/GeneratorRun.h"
#include "pf/view.h"

namespace {

constexpr int kTextLimit = 80;
constexpr int kSweepControls[] = {DcGeneratorDialog::kStepValue, DcGeneratorDialog::kStartValue,
                                  DcGeneratorDialog::kStopValue, DcGeneratorDialog::kSlave};

using Supply = DcGeneratorSymbol;
using SupplyField = Fields<Supply>;

// Start, stop, step and fixed value in the order OK reads them, by kind.
constexpr Field<Supply> kVoltages[] = {
    SupplyField::Value<&Supply::startVoltage>(DcGeneratorDialog::kStartValue,
                                              "Fehler Startspannung:"),
    SupplyField::Value<&Supply::stopVoltage>(DcGeneratorDialog::kStopValue,
                                             "Fehler Stopspannung:"),
    SupplyField::Value<&Supply::voltageStep>(DcGeneratorDialog::kStepValue, "Fehler Schritte:"),
    SupplyField::Value<&Supply::fixedVoltage>(DcGeneratorDialog::kFixedValue,
                                              "Fehler Festspannung:"),
};
constexpr Field<Supply> kCurrents[] = {
    SupplyField::Value<&Supply::startCurrent>(DcGeneratorDialog::kStartValue,
                                              "Fehler Startstrom:"),
    SupplyField::Value<&Supply::stopCurrent>(DcGeneratorDialog::kStopValue, "Fehler Stopstrom:"),
    SupplyField::Value<&Supply::currentStep>(DcGeneratorDialog::kStepValue,
                                             "Fehler Stromschrittweite:"),
    SupplyField::Value<&Supply::fixedCurrent>(DcGeneratorDialog::kFixedValue,
                                              "Fehler Feststrom:"),
};
// Only while the supply has an internal resistance.
constexpr Field<Supply> kResistanceField[] = {
    SupplyField::Value<&Supply::internalResistance>(DcGeneratorDialog::kResistance,
                                                    "Fehler Innenwiderstand:"),
};

std::span<const Field<Supply>> ValuesOf(const Supply& supply) {
  if (supply.kind == 'I') return kCurrents;
  return kVoltages;
}

}  // namespace

DcGeneratorDialog::DcGeneratorDialog(DcGeneratorSymbol* symbol, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), symbol(symbol) {}

bool DcGeneratorDialog::OnInitDialog() {
  ShowValues();
  CheckRadioButton(kCurrentSource, kVoltageSource,
                   symbol->kind == 'U' ? kVoltageSource : kCurrentSource);
  EnableForSetting();
  if (symbol->resistorFlag != 0) {
    ShowFields(*this, kResistanceField, *symbol, FieldText::AsStored, kTextLimit);
  } else {
    TEdit(this, kResistance, kTextLimit).SetText("");
  }
  FillSlaveList(symbol->slaveName);
  return true;
}

void DcGeneratorDialog::ShowValues() {
  ShowFields(*this, ValuesOf(*symbol), *symbol, FieldText::AsStored, kTextLimit);
}

void DcGeneratorDialog::EnableForSetting() {
  const bool fixed = symbol->setting == 'F';
  CheckRadioButton(kFixed, kVariable, fixed ? kFixed : kVariable);
  for (int id : kSweepControls) {
    if (pf::Window* control = GetDlgItem(id)) control->EnableWindow(!fixed);
  }
  if (pf::Window* control = GetDlgItem(kFixedValue)) control->EnableWindow(fixed);
}

void DcGeneratorDialog::FillSlaveList(const MyStrng& name) {
  TComboBox combo(this, kSlave);
  combo.ClearList();
  MyStrng last;
  const auto* doc =
      symbol->view != nullptr ? dynamic_cast<const CVostraneDoc*>(symbol->view->GetDocument())
                              : nullptr;
  if (doc != nullptr) {
    doc->Symbols().ForEach([&](NetSymbol* s) {
      if (symbol->setting == 'V' && s != symbol && s->GetClassKey() == "DcGeneratorSymbol") {
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
    case kFixed:
    case kVariable:
      symbol->setting = id == kFixed ? 'F' : 'V';
      EnableForSetting();
      return true;
    case kVoltageSource:
    case kCurrentSource:
      symbol->SetKind(id == kVoltageSource ? 'U' : 'I');
      ShowValues();
      return true;
    case kSlave:
      if (code == pf::Notification::SelChanged) {
        slaveName = MyStrng(TComboBox(this, kSlave).GetSelString().c_str());
      }
      return true;
    case kStart:
      StartGeneratorRun(*symbol, *this, 10);
      return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
