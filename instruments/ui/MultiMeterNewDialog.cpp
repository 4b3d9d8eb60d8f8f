#include "instruments/ui/MultiMeterNewDialog.h"

#include <string>

#include "instruments/ui/MultiMeterSymbol.h"
#include "resources/SpiceAnalysisIds.h"

namespace {

constexpr struct {
  char display;
  int id;
} kDisplays[] = {{'A', readings_ids::kAmplitude},
                 {'P', readings_ids::kPhase},
                 {'K', readings_ids::kComplex},
                 {'M', readings_ids::kMean}};

std::string TableText(const LineFile& log) {
  std::string text;
  log.ForEach([&text](const MyStrng& line) { text += line.ToCString() + "\r\n"; });
  return text;
}

}  // namespace

MultiMeterNewDialog::MultiMeterNewDialog(MultiMeterSymbol& symbol, pf::Window* parent)
    : pf::Dialog(readings_ids::kTemplate, parent), symbol(symbol) {}

bool MultiMeterNewDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetWindowText((MyStrng("Multimeter:  ") + symbol.elementName).ToCString());
  const MeterReadings& readings = symbol.GetSpiceReadings();
  if (readings.complex) {
    for (const auto& d : kDisplays) {
      if (d.display == symbol.display)
        CheckRadioButton(readings_ids::kAmplitude, readings_ids::kMean, d.id);
    }
  } else {
    CheckRadioButton(readings_ids::kAmplitude, readings_ids::kMean, readings_ids::kAmplitude);
    for (const int id : {readings_ids::kPhase, readings_ids::kComplex}) {
      if (pf::Window* w = GetDlgItem(id)) w->EnableWindow(false);
    }
    if (pf::Window* w = GetDlgItem(readings_ids::kMean)) w->EnableWindow(readings.abscissa == 'T');
  }
  // Set as text, not pasted through the user's clipboard.
  SetDlgItemText(readings_ids::kTable, TableText(symbol.GetLog()));
  return true;
}

void MultiMeterNewDialog::Show(char display) {
  symbol.display = display;
  symbol.BuildSpiceTable();
  SetDlgItemText(readings_ids::kTable, TableText(symbol.GetLog()));
}

bool MultiMeterNewDialog::OnCommand(int id, pf::Notification code) {
  if (code != pf::Notification::Clicked) return pf::Dialog::OnCommand(id, code);
  const bool complex = symbol.GetSpiceReadings().complex;
  switch (id) {
    case readings_ids::kAmplitude: Show('A'); return true;
    case readings_ids::kPhase: Show(complex ? 'P' : symbol.display); return true;
    case readings_ids::kComplex: Show(complex ? 'K' : symbol.display); return true;
    case readings_ids::kMean:
      Show('M');
      symbol.display = 'A';
      return true;
    default: return pf::Dialog::OnCommand(id, code);
  }
}
