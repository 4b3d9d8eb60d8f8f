#include "elements/dialogs/DataSymbolDlg.h"

#include "editor/dialogs/TDialog.h"
#include "pf/controls.h"
#include "pf/file_dialog.h"
#include "resources/DataPortIds.h"

namespace ids = data_symbol_ids;

namespace {

constexpr int kFormatAndUnit[] = {ids::kLinear, ids::kDb, ids::kGHz, ids::kMHz, ids::kKHz, ids::kHz};

struct UnitRadio {
  int id;
  const char* unit;
};
constexpr UnitRadio kUnits[] = {
    {ids::kGHz, "GHz"}, {ids::kMHz, "MHz"}, {ids::kKHz, "kHz"}, {ids::kHz, "Hz"}};

// Every line up to the first data line, then the data lines only.
LineFile ShownLines(const LineFile& lines) {
  LineFile shown;
  bool dataSeen = false;
  lines.ForEach([&](const MyStrng& line) {
    const char c = line.GetAt(0);
    const bool comment = c == '*' || c == '!' || c == '#';
    if (dataSeen && comment) return;
    dataSeen = dataSeen || !comment;
    shown.AddLine(line);
  });
  return shown;
}

}  // namespace

std::string LinesAsEditText(const LineFile& lines, int limit) {
  std::string text;
  // The NUL of the text counts against the limit as well.
  int64_t size = 1;
  lines.ForEach([&](const MyStrng& line) {
    const int64_t needed = line.GetLength() + 2;
    if (size + needed >= limit) return;
    size += needed;
    text += line.ToCString();
    text += "\r\n";
  });
  return text;
}

DataSymbolDlg::DataSymbolDlg(TwoPortSymbol* symbol, pf::Window* parent)
    : pf::Dialog(ids::kTemplate, parent), symbol(symbol) {}

bool DataSymbolDlg::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  bool optionLineRead = false;
  if (symbol->dataLines.GetCount() > 0) {
    SetDlgItemText(ids::kFile, symbol->dataLines.fileName.ToCString());
    int limit = pf::Edit::kDefaultLimit;
    if (auto* edit = GetControl<pf::Edit>(ids::kData); edit != nullptr) {
      limit = edit->GetLimitText();
    }
    SetDlgItemText(ids::kData, LinesAsEditText(ShownLines(symbol->dataLines), limit));
    optionLineRead = symbol->FindOptionLine();
  }
  CheckRadios();
  if (!optionLineRead) return true;
  for (int id : kFormatAndUnit) {
    if (pf::Window* radio = GetDlgItem(id); radio != nullptr) radio->EnableWindow(false);
  }
  return true;
}

void DataSymbolDlg::CheckRadios() {
  int port = symbol->pinCount == 1 ? ids::kOnePort : ids::kTwoPort;
  if (symbol->portKind == 'P') port = ids::kTwoTerminal;
  CheckDlgButton(port, 1);
  CheckDlgButton(symbol->format == 'D' ? ids::kDb : ids::kLinear, 1);
  int unit = ids::kGHz;
  for (const UnitRadio& u : kUnits) {
    if (symbol->frequencyUnit == u.unit) unit = u.id;
  }
  CheckDlgButton(unit, 1);
}

bool DataSymbolDlg::OnCommand(int id, pf::Notification code) {
  if (code != pf::Notification::Clicked) return pf::Dialog::OnCommand(id, code);
  switch (id) {
    case ids::kOnePort:
      symbol->pinCount = 1;
      symbol->portKind = 'T';
      return true;
    case ids::kTwoTerminal:
      symbol->pinCount = 2;
      symbol->portKind = 'P';
      return true;
    case ids::kTwoPort:
      symbol->pinCount = 2;
      symbol->portKind = 'T';
      return true;
    case ids::kLinear:
      symbol->format = 'L';
      return true;
    case ids::kDb:
      symbol->format = 'D';
      return true;
    default:
      break;
  }
  for (const UnitRadio& u : kUnits) {
    if (u.id != id) continue;
    symbol->frequencyUnit = u.unit;
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

bool TwoPortSymbol::EditDialog(pf::Window* parent) {
  if (dataLines.GetCount() > 0) return RunElementDialog<DataSymbolDlg>(*this, parent);
  pf::FileDialog dialog(true, {}, {}, pf::kOfnHideReadOnly, kFileFilter);
  if (dialog.DoModal() != pf::kIdOk) return false;
  return LoadFile(dialog.GetPathName(), dialog.GetFileTitle());
}
