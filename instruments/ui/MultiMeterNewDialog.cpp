#include "instruments/ui/MultiMeterNewDialog.h"

#include <string>

#include "instruments/ui/MultiMeterSymbol.h"

namespace {

constexpr struct {
  char display;
  int id;
} kDisplays[] = {{'A', MultiMeterNewDialog::kAmplitude},
                 {'P', MultiMeterNewDialog::kPhase},
                 {'K', MultiMeterNewDialog::kComplex},
                 {'M', MultiMeterNewDialog::kMean}};

std::string TableText(const LineFile& log) {
  std::string text;
  log.ForEach([&text](const MyStrng& line) { text += line.ToCString() + "\r\n"; });
  return text;
}

}  // namespace

MultiMeterNewDialog::MultiMeterNewDialog(MultiMeterSymbol& symbol, pf::Window* parent)
    : pf::Dialog(kTemplate, parent), symbol(symbol) {}

bool MultiMeterNewDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetWindowText((MyStrng("Multimeter:  ") + symbol.elementName).ToCString());
  const MeterReadings& readings = symbol.GetSpiceReadings();
  if (readings.complex) {
    for (const auto& d : kDisplays) {
      if (d.display == symbol.display) CheckRadioButton(kAmplitude, kMean, d.id);
    }
  } else {
    CheckRadioButton(kAmplitude, kMean, kAmplitude);
    for (const int id : {kPhase, kComplex}) {
      if (pf::Window* w = GetDlgItem(id)) w->EnableWindow(false);
    }
    if (pf::Window* w = GetDlgItem(kMean)) w->EnableWindow(readings.abscissa == 'T');
  }
  // Set as text, not pasted through the user's clipboard.
  SetDlgItemText(kTable, TableText(symbol.GetLog()));
  return true;
}

void MultiMeterNewDialog::Show(char display) {
  symbol.display = display;
  symbol.BuildSpiceTable();
  SetDlgItemText(kTable, TableText(symbol.GetLog()));
}

bool MultiMeterNewDialog::OnCommand(int id, pf::Notification code) {
  if (code != pf::Notification::Clicked) return pf::Dialog::OnCommand(id, code);
  const bool complex = symbol.GetSpiceReadings().complex;
  switch (id) {
    case kAmplitude: Show('A'); return true;
    case kPhase: Show(complex ? 'P' : symbol.display); return true;
    case kComplex: Show(complex ? 'K' : symbol.display); return true;
    case kMean:
      Show('M');
      symbol.display = 'A';
      return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
