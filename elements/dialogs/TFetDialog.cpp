#include "elements/dialogs/TFetDialog.h"

#include <utility>

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
constexpr const char* kCaption = "Fehler";

using Reader = bool (*)(FieldReader&, const std::string&, double&);

template <class W>
bool ReadAs(FieldReader& reader, const std::string& text, double& number) {
  return reader.ReadNumber<W>(text, number, kCaption);
}

struct Row {
  int box;
  int edit;
  size_t option;            // in FetSymbol::kOptionKeys
  MyStrng (*show)(double);  // the canonical text of the dialog's unit
  Reader read;
  bool reciprocal;  // the symbol keeps the conductance of the resistance shown
};

// In the order they are checked. Rds is kept as GDS; Rgs is the resistance RI in series with
// Cgs.
const std::array<Row, TFetDialog::kRowCount> kRows = {{
    {1417, 1418, 0, ValueText<FreqWert>, ReadAs<FreqWert>, false},   // fg
    {1419, 1420, 1, ValueText<TimWert>, ReadAs<TimWert>, false},     // Td
    {1431, 1432, 4, ValueText<CapWert>, ReadAs<CapWert>, false},     // Cdg
    {1423, 1424, 6, ValueText<CapWert>, ReadAs<CapWert>, false},     // Cds
    {1421, 1422, 7, ValueText<ResWert>, ReadAs<ResWert>, true},      // Rds
    {1406, 1407, 8, ValueText<ResWert>, ReadAs<ResWert>, false},     // Rgs
    {1402, 1403, 9, ValueText<ResWert>, ReadAs<ResWert>, false},     // Rg
    {1425, 1426, 10, ValueText<ResWert>, ReadAs<ResWert>, false},    // Rd
    {1410, 1411, 11, ValueText<ResWert>, ReadAs<ResWert>, false},    // Rs
    {1408, 1409, 12, ValueText<CapWert>, ReadAs<CapWert>, false},    // Cge
    {1414, 1415, 13, ValueText<CapWert>, ReadAs<CapWert>, false},    // Cde
    {1401, 1400, 14, ValueText<IndWert>, ReadAs<IndWert>, false},    // Lg
    {1427, 1428, 15, ValueText<IndWert>, ReadAs<IndWert>, false},    // Ld
    {1412, 1413, 16, ValueText<IndWert>, ReadAs<IndWert>, false},    // Ls
    {1433, 1434, 17, ValueText<CapWert>, ReadAs<CapWert>, false},    // Cgde
    {1429, 1430, 3, ValueText<ResWert>, ReadAs<ResWert>, false},     // Rdg
}};

constexpr Field<FetSymbol> kRequired[] = {
    Fields<FetSymbol>::Number<LeiWert, &FetSymbol::transconductance>(
        1416, kCaption, NotZero("Steilheit ist Null")),
    Fields<FetSymbol>::Number<CapWert, &FetSymbol::gateSourceCapacitance>(1405, kCaption),
};

template <size_t... I>
std::array<TCheckBox, sizeof...(I)> MakeBoxes(pf::Dialog* d, std::index_sequence<I...>) {
  return {TCheckBox(d, kRows[I].box)...};
}
template <size_t... I>
std::array<TEdit, sizeof...(I)> MakeEdits(pf::Dialog* d, std::index_sequence<I...>) {
  return {TEdit(d, kRows[I].edit, kTextLimit)...};
}

}  // namespace

TFetDialog::TFetDialog(FetSymbol* symbol, pf::Window* parent)
    : TDialog(parent, "FETDIALG"),
      symbol(symbol),
      name(this, 1435, kTextLimit),
      boxes(MakeBoxes(this, std::make_index_sequence<kRowCount>())),
      edits(MakeEdits(this, std::make_index_sequence<kRowCount>())) {}

void TFetDialog::SetupWindow() {
  ShowFields(*this, kRequired, *symbol, FieldText::AsStored, kTextLimit);
  for (size_t i = 0; i < kRowCount; ++i) {
    const TransistorOption& o = symbol->options[kRows[i].option];
    if (o.enabled != 1) {
      edits[i].SetText("");
      continue;
    }
    boxes[i].Check();
    double v = o.value;
    if (kRows[i].reciprocal && v != 0.0) v = 1.0 / v;
    edits[i].SetText(kRows[i].show(v).ToCString());
  }
  name.SetText(symbol->typeName.ToCString());
}

bool TFetDialog::CanClose() {
  FieldReader reader(*this, false);
  symbol->typeName = name.GetText().c_str();
  if (!reader.ReadFields(kRequired, *symbol)) return false;
  double number = 0.0;
  for (size_t i = 0; i < kRowCount; ++i) {
    TransistorOption& o = symbol->options[kRows[i].option];
    o.enabled = boxes[i].GetCheck() == 1 ? 1 : 0;
    if (o.enabled == 0) continue;
    if (!kRows[i].read(reader, edits[i].GetText(), number)) return false;
    if (kRows[i].reciprocal) {
      if (number == 0.0) return reader.Refuse("Rds ist Null", kCaption, false);
      number = 1.0 / number;
    }
    o.value = static_cast<float>(number);
  }
  return true;
}

bool EditFetSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* fet = dynamic_cast<FetSymbol*>(&symbol);
  return fet != nullptr && RunElementDialog<TFetDialog>(*fet, parent);
}
