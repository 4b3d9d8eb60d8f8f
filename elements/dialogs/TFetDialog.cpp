#include "elements/dialogs/TFetDialog.h"

#include <utility>

#include "editor/dialogs/FieldReader.h"

namespace {

constexpr int kTextLimit = 80;
constexpr const char* kCaption = "Fehler";

constexpr Field<FetSymbol> kRequired[] = {
    Fields<FetSymbol>::Number<LeiWert, &FetSymbol::transconductance>(
        1416, kCaption, NotZero("Steilheit ist Null")),
    Fields<FetSymbol>::Number<CapWert, &FetSymbol::gateSourceCapacitance>(1405, kCaption),
};

using Option = TransistorOption;

// An element's value in the unit class W.
template <class W>
constexpr Field<Option> Element(int edit) {
  return Fields<Option>::Number<W, &Option::value>(edit, kCaption);
}

// Rds is shown and read as a resistance and kept as its conductance GDS.
void StoreConductance(Option& o, double ohms) { o.value = static_cast<float>(1.0 / ohms); }

constexpr Field<Option> Conductance(int edit) {
  Field<Option> row = Fields<Option>::Number<ResWert, &Option::value, StoreConductance>(
      edit, kCaption, NotZero("Rds ist Null"));
  row.value = [](Option& o) { return MyStrng(ResWert(o.value != 0.0f ? 1.0 / o.value : 0.0)); };
  return row;
}

struct Row {
  int box;
  size_t option;  // in FetSymbol::kOptionKeys
  Field<Option> field;
};

// In the order they are checked. Rgs is the resistance RI in series with Cgs.
constexpr std::array<Row, TFetDialog::kRowCount> kRows = {{
    {1417, 0, Element<FreqWert>(1418)},   // fg
    {1419, 1, Element<TimWert>(1420)},    // Td
    {1431, 4, Element<CapWert>(1432)},    // Cdg
    {1423, 6, Element<CapWert>(1424)},    // Cds
    {1421, 7, Conductance(1422)},       // Rds
    {1406, 8, Element<ResWert>(1407)},    // Rgs
    {1402, 9, Element<ResWert>(1403)},    // Rg
    {1425, 10, Element<ResWert>(1426)},   // Rd
    {1410, 11, Element<ResWert>(1411)},   // Rs
    {1408, 12, Element<CapWert>(1409)},   // Cge
    {1414, 13, Element<CapWert>(1415)},   // Cde
    {1401, 14, Element<IndWert>(1400)},   // Lg
    {1427, 15, Element<IndWert>(1428)},   // Ld
    {1412, 16, Element<IndWert>(1413)},   // Ls
    {1433, 17, Element<CapWert>(1434)},   // Cgde
    {1429, 3, Element<ResWert>(1430)},    // Rdg
}};

template <size_t... I>
std::array<TCheckBox, sizeof...(I)> MakeBoxes(pf::Dialog* d, std::index_sequence<I...>) {
  return {TCheckBox(d, kRows[I].box)...};
}
template <size_t... I>
std::array<TEdit, sizeof...(I)> MakeEdits(pf::Dialog* d, std::index_sequence<I...>) {
  return {TEdit(d, kRows[I].field.id, kTextLimit)...};
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
    Option& o = symbol->options[kRows[i].option];
    if (o.enabled != 1) {
      edits[i].SetText("");
      continue;
    }
    boxes[i].Check();
    ShowFields(*this, std::span(&kRows[i].field, 1), o, FieldText::AsStored, kTextLimit);
  }
  name.SetText(symbol->typeName.ToCString());
}

bool TFetDialog::CanClose() {
  FieldReader reader(*this, false);
  symbol->typeName = name.GetText().c_str();
  if (!reader.ReadFields(kRequired, *symbol)) return false;
  for (size_t i = 0; i < kRowCount; ++i) {
    Option& o = symbol->options[kRows[i].option];
    o.enabled = boxes[i].GetCheck() == 1 ? 1 : 0;
    if (o.enabled == 1 && !reader.ReadFields(std::span(&kRows[i].field, 1), o)) return false;
  }
  return true;
}

bool EditFetSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* fet = dynamic_cast<FetSymbol*>(&symbol);
  return fet != nullptr && RunElementDialog<TFetDialog>(*fet, parent);
}
