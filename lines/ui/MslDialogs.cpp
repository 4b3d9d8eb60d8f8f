#include "lines/ui/MslDialogs.h"

#include <algorithm>
#include <cctype>

#include "editor/dialogs/BasisDialogs.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/symbols/SubSymbol.h"
#include "resources/LineDialogIds.h"

namespace {

constexpr const char* kBadName = "Ungültiger Substratname";
constexpr auto kTyped = FieldReader::Store::Typed;
constexpr const char* kNotPositive = FieldReader::kNotPositive;

std::string Text(pf::Dialog& d, int id) { return CutToReadBuffer(d.GetDlgItemText(id)); }

bool Checked(pf::Dialog& d, int id) { return d.IsDlgButtonChecked(id) == 1; }

// The circuit's substrates; the symbol's own shown, none while it has none yet.
void FillSubstrates(pf::Dialog& d, int comboId, pf::Window* view, const MyStrng& current) {
  TComboBox combo(&d, comboId);
  if (current == "NO_SUB") {
    ListSubstrates(combo, view);
    return;
  }
  MyStrng shown = current;
  FillSubstrateCombo(combo, view, shown);
}

bool TakeSubstrate(pf::Dialog& d, int comboId, MyStrng& target) {
  TComboBox combo(&d, comboId);
  MyStrng chosen;
  if (!CheckSubstrate(combo, d, chosen)) return false;
  target = chosen;
  return true;
}

bool ValidSubstrateName(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](unsigned char c) {
    return std::isalnum(c) != 0 || c == '.' || c == '-' || c == '+' || c == '_';
  });
}

}  // namespace

MslTeeDialog::MslTeeDialog(MslTeeSymbol* symbol, pf::Window* view)
    : pf::Dialog(msltee_ids::kTemplate, view), symbol(symbol), view(view) {}

bool MslTeeDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(msltee_ids::kThrough, symbol->w1.ToCString());
  SetDlgItemText(msltee_ids::kBranch, symbol->w3.ToCString());
  if (symbol->variant == 'A') CheckDlgButton(msltee_ids::kRight, 1);
  if (symbol->variant == 'C') CheckDlgButton(msltee_ids::kLeft, 1);
  FillSubstrates(*this, msltee_ids::kSub, view, symbol->substrate);
  return true;
}

void MslTeeDialog::OnOK() {
  FieldReader reader(*this, true);
  // Both widths are refused under the through width's caption.
  constexpr const char* kCaption = "Fehler Weite-Durchgang:";
  if (!reader.Read(Text(*this, msltee_ids::kThrough), symbol->w1, kCaption, kTyped, kNotPositive)) {
    return;
  }
  symbol->w2 = symbol->w1;
  if (!reader.Read(Text(*this, msltee_ids::kBranch), symbol->w3, kCaption, kTyped, kNotPositive)) {
    return;
  }
  if (Checked(*this, msltee_ids::kRight)) {
    symbol->variant = 'A';
  } else if (Checked(*this, msltee_ids::kLeft)) {
    symbol->variant = 'C';
  }
  if (!TakeSubstrate(*this, msltee_ids::kSub, symbol->substrate)) return;
  symbol->UpdateGeometry();
  symbol->InvalidateArea(view);
  pf::Dialog::OnOK();
}

MslCornerDialog::MslCornerDialog(MslCornerSymbol* symbol, pf::Window* view)
    : pf::Dialog(mslcorner_ids::kTemplate, view), symbol(symbol), view(view) {}

bool MslCornerDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(mslcorner_ids::kW, symbol->w1.ToCString());
  if (symbol->variant == 'B') CheckDlgButton(mslcorner_ids::kRight, 1);
  if (symbol->variant == 'C') CheckDlgButton(mslcorner_ids::kLeft, 1);
  if (symbol->form == 'N') CheckDlgButton(mslcorner_ids::kSquare, 1);
  if (symbol->form == 'O') CheckDlgButton(mslcorner_ids::kMitred, 1);
  FillSubstrates(*this, mslcorner_ids::kSub, view, symbol->substrate);
  return true;
}

void MslCornerDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.Read(Text(*this, mslcorner_ids::kW), symbol->w1, "Fehler MSL-Weite:",
                   kTyped, kNotPositive)) {
    return;
  }
  symbol->w2 = symbol->w1;
  if (Checked(*this, mslcorner_ids::kLeft)) {
    symbol->variant = 'C';
  } else if (Checked(*this, mslcorner_ids::kRight)) {
    symbol->variant = 'B';
  }
  if (Checked(*this, mslcorner_ids::kSquare)) {
    symbol->form = 'N';
  } else if (Checked(*this, mslcorner_ids::kMitred)) {
    symbol->form = 'O';
  }
  if (!TakeSubstrate(*this, mslcorner_ids::kSub, symbol->substrate)) return;
  symbol->UpdateGeometry();
  symbol->InvalidateArea(view);
  pf::Dialog::OnOK();
}

KoaxDialog::KoaxDialog(KoaxSymbol* symbol, pf::Window* parent)
    : pf::Dialog(koax_ids::kTemplate, parent), symbol(symbol) {}

bool KoaxDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(koax_ids::kOuter, symbol->outerD.ToCString());
  SetDlgItemText(koax_ids::kInner, symbol->innerD.ToCString());
  SetDlgItemText(koax_ids::kLength, symbol->lineLength.ToCString());
  SetDlgItemText(koax_ids::kEr, symbol->er.ToCString());
  SetDlgItemText(koax_ids::kTanD, symbol->tanD.ToCString());
  if (symbol->kind == 'T') CheckDlgButton(koax_ids::kLine, 1);
  if (symbol->kind == 'S') CheckDlgButton(koax_ids::kShort, 1);
  if (symbol->kind == 'O') CheckDlgButton(koax_ids::kOpen, 1);
  if (symbol->metal == "Gold") CheckDlgButton(koax_ids::kGold, 1);
  if (symbol->metal == "Silber") CheckDlgButton(koax_ids::kSilver, 1);
  if (symbol->metal == "Kupfer") CheckDlgButton(koax_ids::kCopper, 1);
  CheckDlgButton(koax_ids::kFoil, symbol->foil != 0 ? 1 : 0);
  ShowFoil(symbol->foil != 0);
  return true;
}

void KoaxDialog::ShowFoil(bool on) {
  for (const int id : {koax_ids::kThickness, koax_ids::kConductivity}) {
    if (pf::Window* edit = GetDlgItem(id); edit != nullptr) edit->EnableWindow(on);
  }
  if (!on) return;
  SetDlgItemText(koax_ids::kThickness, symbol->foilThickness.ToCString());
  SetDlgItemText(koax_ids::kConductivity, symbol->foilConductivity.ToCString());
}

bool KoaxDialog::OnCommand(int id, pf::Notification code) {
  if (id == koax_ids::kFoil && code == pf::Notification::Clicked) {
    ShowFoil(Checked(*this, koax_ids::kFoil));
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void KoaxDialog::OnOK() {
  // The coax has no field captions of its own: its values are refused as the value edits do.
  constexpr const char* kLengthCaption = "Fehler LaeEdit:";
  constexpr const char* kNumberCaption = "Fehler FloatEdit:";
  FieldReader reader(*this, true);
  if (!(reader.Read(Text(*this, koax_ids::kOuter), symbol->outerD, kLengthCaption) &&
        reader.Read(Text(*this, koax_ids::kInner), symbol->innerD, kLengthCaption) &&
        reader.Read(Text(*this, koax_ids::kLength), symbol->lineLength, kLengthCaption) &&
        reader.Read(Text(*this, koax_ids::kEr), symbol->er, kNumberCaption) &&
        reader.Read(Text(*this, koax_ids::kTanD), symbol->tanD, kNumberCaption))) {
    return;
  }
  if (Checked(*this, koax_ids::kLine)) {
    symbol->SetLine();
  } else if (Checked(*this, koax_ids::kShort)) {
    symbol->SetShortStub();
  } else if (Checked(*this, koax_ids::kOpen)) {
    symbol->SetOpenStub();
  }
  if (Checked(*this, koax_ids::kGold)) {
    symbol->metal = "Gold";
  } else if (Checked(*this, koax_ids::kSilver)) {
    symbol->metal = "Silber";
  } else if (Checked(*this, koax_ids::kCopper)) {
    symbol->metal = "Kupfer";
  }
  symbol->foil = Checked(*this, koax_ids::kFoil) ? 1 : 0;
  if (symbol->foil != 0 &&
      !(reader.Read(Text(*this, koax_ids::kThickness), symbol->foilThickness, kLengthCaption) &&
        reader.Read(Text(*this, koax_ids::kConductivity), symbol->foilConductivity,
                    kNumberCaption))) {
    return;
  }
  pf::Dialog::OnOK();
}

SubstrartDialog::SubstrartDialog(SubSymbol* symbol, pf::Window* parent)
    : pf::Dialog(substrate_ids::kTemplate, parent), symbol(symbol) {}

bool SubstrartDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(substrate_ids::kName, symbol->substrateName.ToCString());
  SetDlgItemText(substrate_ids::kHeight, LaeWert(symbol->height).ToCString());
  SetDlgItemText(substrate_ids::kMetal, LaeWert(symbol->metalThickness).ToCString());
  SetDlgItemText(substrate_ids::kEr, FloatWert(symbol->permittivity).ToCString());
  SetDlgItemText(substrate_ids::kTanD, FloatWert(symbol->lossTangent).ToCString());
  SetDlgItemText(substrate_ids::kX, symbol->extentX.ToCString());
  SetDlgItemText(substrate_ids::kY, symbol->extentY.ToCString());
  if (symbol->metalName == "Gold") CheckDlgButton(substrate_ids::kGold, 1);
  if (symbol->metalName == "Kupfer") CheckDlgButton(substrate_ids::kCopper, 1);
  return true;
}

void SubstrartDialog::OnOK() {
  FieldReader reader(*this, true);
  const std::string name = Text(*this, substrate_ids::kName);
  if (!ValidSubstrateName(name)) {
    reader.Refuse(kBadName, "Fehler Name:", true);
    return;
  }
  symbol->substrateName = name.c_str();
  // Height and thickness are kept as numbers in metres; a board has neither below 0.
  double height = 0.0, metal = 0.0, tanD = 0.0, er = 0.0;
  if (!reader.ReadNumber<LaeWert>(Text(*this, substrate_ids::kHeight), height, "Fehler Höhe:")) {
    return;
  }
  if (!(height > 0.0)) {
    reader.Refuse("Höhe muss größer als 0 sein", "Fehler Höhe:", true);
    return;
  }
  symbol->height = static_cast<float>(height);
  if (!reader.ReadNumber<LaeWert>(Text(*this, substrate_ids::kMetal), metal,
                                  "Fehler Metallisierungsdicke:")) {
    return;
  }
  symbol->metalThickness = static_cast<float>(metal);
  if (!reader.ReadNumber<FloatWert>(Text(*this, substrate_ids::kTanD), tanD,
                                    "Fehler  Verlustfaktor:")) {
    return;
  }
  symbol->lossTangent = static_cast<float>(tanD);
  if (!reader.ReadNumber<FloatWert>(Text(*this, substrate_ids::kEr), er, "Fehler Epislon_r:")) {
    return;
  }
  symbol->permittivity = static_cast<float>(er);
  if (!reader.Read(Text(*this, substrate_ids::kX), symbol->extentX, "Fehler x-Ausdehnung:",
                   kTyped, kNotPositive) ||
      !reader.Read(Text(*this, substrate_ids::kY), symbol->extentY, "Fehler y-Ausdehnung:",
                   kTyped, kNotPositive)) {
    return;
  }
  if (Checked(*this, substrate_ids::kGold)) {
    symbol->metalName = "Gold";
  } else if (Checked(*this, substrate_ids::kCopper)) {
    symbol->metalName = "Kupfer";
  }
  pf::Dialog::OnOK();
}

bool EditSubSymbol(NetSymbol& symbol, pf::Window* parent) {
  auto* substrate = dynamic_cast<SubSymbol*>(&symbol);
  if (substrate == nullptr) return false;
  SubstrartDialog dialog(substrate, parent);
  return dialog.DoModal() == pf::kIdOk;
}

bool MslTeeSymbol::EditDialog(pf::Window* parent) {
  MslTeeDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}

bool MslCornerSymbol::EditDialog(pf::Window* parent) {
  MslCornerDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}

bool KoaxSymbol::EditDialog(pf::Window* parent) {
  KoaxDialog dialog(this, parent);
  return dialog.DoModal() == pf::kIdOk;
}
