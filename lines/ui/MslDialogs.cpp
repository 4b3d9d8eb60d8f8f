#include "lines/ui/MslDialogs.h"

#include <algorithm>

#include "editor/dialogs/BasisDialogs.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/PlotRules.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SubSymbol.h"
#include "pf/view.h"
#include "resources/LineDialogIds.h"
#include "simulator/ElementRegistry.h"
#include "editor/symbols/SymbolSnapshot.h"

namespace {

// Why a substrate name is refused. The netlist's reader takes a DATA name that begins with a
// letter and is no element keyword (a DATA line "TRL: ..." is an element line there), and a
// line's substrate as its last word of letters, digits and ". - + _"; "NO_SUB" is what a line
// without a substrate names; two entries of one name break the DATA block.
constexpr const char* kNoName = "Substratname fehlt";
constexpr const char* kBadName =
    "Ungültiger Substratname: erlaubt sind Buchstaben, Ziffern, '.', '-', '+' und '_'";
constexpr const char* kNotLetterFirst = "Substratname muss mit einem Buchstaben beginnen";
constexpr const char* kReservedName = "NO_SUB steht für \"kein Substrat\"";
constexpr const char* kKeywordName = "Substratname ist ein Schlüsselwort der Netzliste: ";
constexpr const char* kTakenName = "Substratname schon vergeben: ";
constexpr const char* kNameCaption = "Fehler Name:";

// Both widths are refused under the through width's caption; only the through width, which
// places the branch, reaches the photoplot.
constexpr Field<MslTeeSymbol> kTee[] = {
    Fields<MslTeeSymbol>::Value<&MslTeeSymbol::w1, &MslTeeSymbol::w2>(
        msltee_ids::kThrough, "Fehler Weite-Durchgang:", PlotSize()),
    Fields<MslTeeSymbol>::Value<&MslTeeSymbol::w3>(msltee_ids::kBranch,
                                                   "Fehler Weite-Durchgang:", Positive()),
};
constexpr Field<MslCornerSymbol> kCorner[] = {
    Fields<MslCornerSymbol>::Value<&MslCornerSymbol::w1, &MslCornerSymbol::w2>(
        mslcorner_ids::kW, "Fehler MSL-Weite:", PlotSize()),
};

// The coax has no field captions of its own: its values are refused as the value edits do.
// It refuses what the coax elements refuse: diameters and length above 0, the inner diameter
// below the outer (refused under the inner one's caption), eps_r at least 1, no negative loss.
constexpr const char* kLengthCaption = "Fehler LaeEdit:";
constexpr const char* kNumberCaption = "Fehler FloatEdit:";
constexpr const char* kInnerNotBelowOuter =
    "Innendurchmesser muss kleiner als der Außendurchmesser sein";
using KoaxField = Fields<KoaxSymbol>;
constexpr Field<KoaxSymbol> kKoaxDiameters[] = {
    KoaxField::Value<&KoaxSymbol::outerD>(koax_ids::kOuter, kLengthCaption, Positive()),
    KoaxField::Value<&KoaxSymbol::innerD>(koax_ids::kInner, kLengthCaption, Positive()),
};
constexpr Field<KoaxSymbol> kKoax[] = {
    KoaxField::Value<&KoaxSymbol::lineLength>(koax_ids::kLength, kLengthCaption, Positive()),
    KoaxField::Value<&KoaxSymbol::er>(koax_ids::kEr, kNumberCaption, AtLeastOne()),
    KoaxField::Value<&KoaxSymbol::tanD>(koax_ids::kTanD, kNumberCaption, NotNegative()),
};
constexpr Field<KoaxSymbol> kFoil[] = {
    KoaxField::Value<&KoaxSymbol::foilThickness>(koax_ids::kThickness, kLengthCaption),
    KoaxField::Value<&KoaxSymbol::foilConductivity>(koax_ids::kConductivity, kNumberCaption),
};

// Height and thickness are kept as numbers in metres; a board has neither below 0. What the
// netlist's substrate refuses is refused here: no height, a loss tangent below 0 (a board with
// gain), a permittivity below 1.
using SubField = Fields<SubSymbol>;
constexpr Field<SubSymbol> kSubstrate[] = {
    SubField::Number<LaeWert, &SubSymbol::height>(substrate_ids::kHeight, "Fehler Höhe:",
                                                  Positive("Höhe muss größer als 0 sein")),
    SubField::Number<LaeWert, &SubSymbol::metalThickness>(substrate_ids::kMetal,
                                                          "Fehler Metallisierungsdicke:"),
    SubField::Number<FloatWert, &SubSymbol::lossTangent>(
        substrate_ids::kTanD, "Fehler  Verlustfaktor:",
        NotNegative("Verlustfaktor darf nicht negativ sein")),
    SubField::Number<FloatWert, &SubSymbol::permittivity>(
        substrate_ids::kEr, "Fehler Epislon_r:", AtLeastOne("Epsilon_r muss mindestens 1 sein")),
    SubField::Value<&SubSymbol::extentX>(substrate_ids::kX, "Fehler x-Ausdehnung:", PlotSize()),
    SubField::Value<&SubSymbol::extentY>(substrate_ids::kY, "Fehler y-Ausdehnung:", PlotSize()),
};

std::string Text(pf::Dialog& d, int id) { return CutToReadBuffer(d.GetDlgItemText(id)); }

bool Checked(pf::Dialog& d, int id) { return d.IsDlgButtonChecked(id) == 1; }

// The circuit's substrates; the symbol's own shown, none while it has none yet.
void FillSubstrates(pf::Dialog& d, int comboId, pf::Window* view, const MyStrng& current) {
  TComboBox combo(&d, comboId);
  ShowSymbolSubstrate(combo, view, current, false);
}

bool TakeSubstrate(pf::Dialog& d, int comboId, MyStrng& target) {
  TComboBox combo(&d, comboId);
  MyStrng chosen;
  if (!CheckSubstrate(combo, d, chosen)) return false;
  target = chosen;
  return true;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool ValidSubstrateName(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' ||
           c == '_';
  });
}

// Whether another DATA entry of the circuit (a substrate, a data table) bears the name.
bool NameTaken(pf::Window* view, const SubSymbol* self, const std::string& name) {
  auto* v = dynamic_cast<pf::View*>(view);
  auto* doc = v != nullptr ? dynamic_cast<CVostraneDoc*>(v->GetDocument()) : nullptr;
  if (doc == nullptr) return false;
  bool taken = false;
  doc->Symbols().ForEach([&](NetSymbol* s) {
    if (s != self && s->IsDataItem() && s->GetElementName().ToCString() == name) taken = true;
  });
  return taken;
}

// The refusal of a name the netlist cannot carry, empty for a name it can.
std::string NameRefusal(const std::string& name, pf::Window* view, const SubSymbol* self) {
  if (name.empty()) return kNoName;
  if (!ValidSubstrateName(name)) return kBadName;
  if (!IsAsciiLetter(name.front())) return kNotLetterFirst;
  if (name == "NO_SUB") return kReservedName;
  if (ElementRegistry::IsKeyword(MyStrng(name.c_str()))) return kKeywordName + name;
  if (NameTaken(view, self, name)) return kTakenName + name;
  return {};
}

}  // namespace

MslTeeDialog::MslTeeDialog(MslTeeSymbol* symbol, pf::Window* view)
    : pf::Dialog(msltee_ids::kTemplate, view), symbol(symbol), view(view) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool MslTeeDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kTee, *symbol);
  if (symbol->variant == 'A') CheckDlgButton(msltee_ids::kRight, 1);
  if (symbol->variant == 'C') CheckDlgButton(msltee_ids::kLeft, 1);
  FillSubstrates(*this, msltee_ids::kSub, view, symbol->substrate);
  return true;
}

void MslTeeDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kTee, *symbol)) return;
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
    : pf::Dialog(mslcorner_ids::kTemplate, view), symbol(symbol), view(view) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool MslCornerDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kCorner, *symbol);
  if (symbol->variant == 'B') CheckDlgButton(mslcorner_ids::kRight, 1);
  if (symbol->variant == 'C') CheckDlgButton(mslcorner_ids::kLeft, 1);
  if (symbol->form == 'N') CheckDlgButton(mslcorner_ids::kSquare, 1);
  if (symbol->form == 'O') CheckDlgButton(mslcorner_ids::kMitred, 1);
  FillSubstrates(*this, mslcorner_ids::kSub, view, symbol->substrate);
  return true;
}

void MslCornerDialog::OnOK() {
  FieldReader reader(*this, true);
  if (!reader.ReadFields(kCorner, *symbol)) return;
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
    : pf::Dialog(koax_ids::kTemplate, parent), symbol(symbol) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool KoaxDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kKoaxDiameters, *symbol);
  ShowFields(*this, kKoax, *symbol);
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
  for (const Field<KoaxSymbol>& field : kFoil) {
    if (pf::Window* edit = GetDlgItem(field.id); edit != nullptr) edit->EnableWindow(on);
  }
  if (!on) return;
  ShowFields(*this, kFoil, *symbol);
}

bool KoaxDialog::OnCommand(int id, pf::Notification code) {
  if (id == koax_ids::kFoil && code == pf::Notification::Clicked) {
    ShowFoil(Checked(*this, koax_ids::kFoil));
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void KoaxDialog::OnOK() {
  FieldReader reader(*this, true);
  const LaeWert inner = symbol->innerD;
  if (!reader.ReadFields(kKoaxDiameters, *symbol)) return;
  if (!(symbol->innerD.Value() < symbol->outerD.Value())) {
    symbol->innerD = inner;  // refused, so not stored
    reader.Refuse(kInnerNotBelowOuter, kLengthCaption, true, koax_ids::kInner);
    return;
  }
  if (!reader.ReadFields(kKoax, *symbol)) return;
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
  if (symbol->foil != 0 && !reader.ReadFields(kFoil, *symbol)) return;
  pf::Dialog::OnOK();
}

SubstrartDialog::SubstrartDialog(SubSymbol* symbol, pf::Window* parent)
    : pf::Dialog(substrate_ids::kTemplate, parent), symbol(symbol), view(parent) {
  KeepSymbolOnRefusal(*this, *symbol);
}

bool SubstrartDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  SetDlgItemText(substrate_ids::kName, symbol->substrateName.ToCString());
  ShowFields(*this, kSubstrate, *symbol);
  if (symbol->metalName == "Gold") CheckDlgButton(substrate_ids::kGold, 1);
  if (symbol->metalName == "Kupfer") CheckDlgButton(substrate_ids::kCopper, 1);
  return true;
}

void SubstrartDialog::OnOK() {
  FieldReader reader(*this, true);
  const std::string name = Text(*this, substrate_ids::kName);
  if (const std::string refusal = NameRefusal(name, view, symbol); !refusal.empty()) {
    reader.Refuse(refusal, kNameCaption, true, substrate_ids::kName);
    return;
  }
  symbol->substrateName = name.c_str();
  if (!reader.ReadFields(kSubstrate, *symbol)) return;
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
