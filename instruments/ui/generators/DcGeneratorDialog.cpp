#include "instruments/ui/generators/DcGeneratorDialog.h"

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

// The captions of start, stop, step and fixed value, by kind.
constexpr const char* kVoltageCaptions[] = {"Fehler Startspannung:", "Fehler Stopspannung:",
                                            "Fehler Schritte:", "Fehler Festspannung:"};
constexpr const char* kCurrentCaptions[] = {"Fehler Startstrom:", "Fehler Stopstrom:",
                                            "Fehler Stromschrittweite:", "Fehler Feststrom:"};

// Start, stop, step and fixed value in the order OK reads them, each stored once it passes.
template <class W>
bool ReadValues(FieldReader& reader, pf::Dialog& dialog, W& start, W& stop, W& step, W& fixed,
                const char* const* captions) {
  const auto text = [&dialog](int id) { return TEdit(&dialog, id, kTextLimit).GetText(); };
  return reader.Read(text(DcGeneratorDialog::kStartValue), start, captions[0]) &&
         reader.Read(text(DcGeneratorDialog::kStopValue), stop, captions[1]) &&
         reader.Read(text(DcGeneratorDialog::kStepValue), step, captions[2]) &&
         reader.Read(text(DcGeneratorDialog::kFixedValue), fixed, captions[3]);
}

}  // namespace

DcGeneratorDialog::DcGeneratorDialog(DcGeneratorSymbol* symbol, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), symbol(symbol) {}

bool DcGeneratorDialog::OnInitDialog() {
  ShowValues();
  CheckRadioButton(kCurrentSource, kVoltageSource,
                   symbol->kind == 'U' ? kVoltageSource : kCurrentSource);
  EnableForSetting();
  TEdit resistance(this, kResistance, kTextLimit);
  resistance.SetText(symbol->resistorFlag != 0 ? symbol->internalResistance.ToCString() : "");
  FillSlaveList(symbol->slaveName);
  return true;
}

void DcGeneratorDialog::ShowValues() {
  const bool voltage = symbol->kind != 'I';
  const auto show = [this](int id, const MyStrng& text) {
    TEdit(this, id, kTextLimit).SetText(text.ToCString());
  };
  show(kStepValue, voltage ? MyStrng(symbol->voltageStep) : MyStrng(symbol->currentStep));
  show(kStartValue, voltage ? MyStrng(symbol->startVoltage) : MyStrng(symbol->startCurrent));
  show(kStopValue, voltage ? MyStrng(symbol->stopVoltage) : MyStrng(symbol->stopCurrent));
  show(kFixedValue, voltage ? MyStrng(symbol->fixedVoltage) : MyStrng(symbol->fixedCurrent));
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
  const bool read =
      symbol->kind == 'I'
          ? ReadValues(reader, *this, symbol->startCurrent, symbol->stopCurrent,
                       symbol->currentStep, symbol->fixedCurrent, kCurrentCaptions)
          : ReadValues(reader, *this, symbol->startVoltage, symbol->stopVoltage,
                       symbol->voltageStep, symbol->fixedVoltage, kVoltageCaptions);
  if (!read) return;
  if (symbol->resistorFlag != 0 &&
      !reader.Read(TEdit(this, kResistance, kTextLimit).GetText(), symbol->internalResistance,
                   "Fehler Innenwiderstand:")) {
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
