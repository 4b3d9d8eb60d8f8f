#include "elements/dialogs/TFetDialog.h"

#include <array>

#include "editor/dialogs/FieldReader.h"
#include "resources/ElementDialogIds.h"

using namespace fet_ids;

namespace {

constexpr const char* kCaption = "Fehler";

constexpr Field<FetSymbol> kRequired[] = {
    Fields<FetSymbol>::Number<LeiWert, &FetSymbol::transconductance>(
        kGain, kCaption, NotZero("Steilheit ist Null")),
    Fields<FetSymbol>::Number<CapWert, &FetSymbol::gateSourceCapacitance>(kCgs, kCaption),
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
    {kFgBox, 0, Element<FreqWert>(kFg)},
    {kTdBox, 1, Element<TimWert>(kTd)},
    {kCdgBox, 4, Element<CapWert>(kCdg)},
    {kCdsBox, 6, Element<CapWert>(kCds)},
    {kRdsBox, 7, Conductance(kRds)},
    {kRgsBox, 8, Element<ResWert>(kRgs)},
    {kRgBox, 9, Element<ResWert>(kRg)},
    {kRdBox, 10, Element<ResWert>(kRd)},
    {kRsBox, 11, Element<ResWert>(kRs)},
    {kCgeBox, 12, Element<CapWert>(kCge)},
    {kCdeBox, 13, Element<CapWert>(kCde)},
    {kLgBox, 14, Element<IndWert>(kLg)},
    {kLdBox, 15, Element<IndWert>(kLd)},
    {kLsBox, 16, Element<IndWert>(kLs)},
    {kCgdeBox, 17, Element<CapWert>(kCgde)},
    {kRdgBox, 3, Element<ResWert>(kRdg)},
}};

}  // namespace

TFetDialog::TFetDialog(FetSymbol* symbol, pf::Window* parent)
    : TDialog(parent, "FETDIALG"),
      symbol(symbol),
      name(this, kName, kReadBuffer) {}

void TFetDialog::SetupWindow() {
  ShowFields(*this, kRequired, *symbol, FieldText::AsStored, kReadBuffer);
  for (const Row& row : kRows) {
    Option& o = symbol->options[row.option];
    if (o.enabled == 1) TCheckBox(this, row.box).Check();
    ShowOrClearFields(*this, std::span(&row.field, 1), o, o.enabled == 1, FieldText::AsStored,
                      kReadBuffer);
  }
  name.SetText(symbol->typeName.ToCString());
}

bool TFetDialog::CanClose() {
  FieldReader reader(*this, false);
  symbol->typeName = name.GetText().c_str();
  if (!reader.ReadFields(kRequired, *symbol)) return false;
  for (const Row& row : kRows) {
    Option& o = symbol->options[row.option];
    o.enabled = TCheckBox(this, row.box).GetCheck() == 1 ? 1 : 0;
    if (o.enabled == 1 && !reader.ReadFields(std::span(&row.field, 1), o)) return false;
  }
  return true;
}

bool EditFetSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* fet = dynamic_cast<FetSymbol*>(&symbol);
  return fet != nullptr && RunElementDialog<TFetDialog>(*fet, parent);
}
