#include "lines/ui/SlotDialogs.h"

#include "editor/dialogs/BasisDialogs.h"
#include "editor/dialogs/PlotRules.h"
#include "resources/SlotDialogIds.h"

namespace {

constexpr auto kNormalised = FieldReader::Store::Normalised;

// Every length must be above 0 and is kept in its canonical text; one that the photoplot draws
// must also be under 1 m.
template <class S, auto Member, auto... Copies>
constexpr Field<S> Length(int id, const char* caption, FieldRule rule = PlotSize()) {
  return Fields<S>::template Value<Member, Copies...>(id, caption, rule, kNormalised);
}

constexpr Field<SlotLineSymbol> kSlotLine[] = {
    Length<SlotLineSymbol, &SlotLineSymbol::w>(slotline_ids::kW, "Fehler Weite:"),
    Length<SlotLineSymbol, &SlotLineSymbol::p>(slotline_ids::kP, "Fehler Länge:"),
};
// The length goes in through SetLength, which the radius follows.
constexpr Field<SltBendSymbol> kSltBend[] = {
    Length<SltBendSymbol, &SltBendSymbol::w>(sltbend_ids::kW, "Fehler Weite:"),
    Length<SltBendSymbol, &SltBendSymbol::p>(sltbend_ids::kP, "Fehler Länge:"),
};
constexpr Field<SltBendSymbol> kSltBendKink[] = {
    Length<SltBendSymbol, &SltBendSymbol::kink>(sltbend_ids::kKink, "Fehler Knicklänge:"),
};
constexpr Field<CCoplanarLineSymbol> kCoplanarLine[] = {
    Length<CCoplanarLineSymbol, &CCoplanarLineSymbol::w>(coplanar_ids::kW, "Fehler Strip-Weite:"),
    Length<CCoplanarLineSymbol, &CCoplanarLineSymbol::s, &CCoplanarLineSymbol::s2>(
        coplanar_ids::kS, "Fehler Gap-Weite:"),
    Length<CCoplanarLineSymbol, &CCoplanarLineSymbol::p>(coplanar_ids::kP, "Fehler Länge:"),
};
constexpr Field<CCoplanarCrossSymbol> kCoplanarCross[] = {
    Length<CCoplanarCrossSymbol, &CCoplanarCrossSymbol::w1, &CCoplanarCrossSymbol::w2>(
        coplanarcross_ids::kW, "Fehler Strip-Weite:"),
    Length<CCoplanarCrossSymbol, &CCoplanarCrossSymbol::s1, &CCoplanarCrossSymbol::s2>(
        coplanarcross_ids::kS, "Fehler Spalt:"),
};
constexpr Field<CCoveredSlotLineSymbol> kCoveredSlotLine[] = {
    Length<CCoveredSlotLineSymbol, &CCoveredSlotLineSymbol::w>(coveredslot_ids::kW,
                                                               "Fehler Weite:", Positive()),
    Length<CCoveredSlotLineSymbol, &CCoveredSlotLineSymbol::p>(coveredslot_ids::kP,
                                                               "Fehler Länge:", Positive()),
};
constexpr Field<MslToSlotSymbol> kMslToSlot[] = {
    Length<MslToSlotSymbol, &MslToSlotSymbol::m>(msltoslot_ids::kM, "Fehler MSL-Weite:",
                                                 Positive()),
    Length<MslToSlotSymbol, &MslToSlotSymbol::s>(msltoslot_ids::kS, "Fehler Slot-Weite:",
                                                 Positive()),
};

bool Clicked(pf::Notification code) { return code == pf::Notification::Clicked; }

}  // namespace

template <class S>
bool SlotFieldDialog<S>::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, fields, *symbol);
  SetupOthers();
  return true;
}

template <class S>
void SlotFieldDialog<S>::OnOK() {
  FieldReader reader(*this, true);
  if (reader.ReadFields(fields, *symbol) && ReadOthers(reader)) pf::Dialog::OnOK();
}

template <class S>
void SlotFieldDialog<S>::Move(int from, int to) {
  CheckDlgButton(to, 1);
  CheckDlgButton(from, 0);
}

template <class S>
void SlotFieldDialog<S>::ShowSubstrates(int comboId, const MyStrng& current, bool lastForNone) {
  TComboBox combo(this, comboId);
  ShowSymbolSubstrate(combo, view, current, lastForNone);
}

template <class S>
bool SlotFieldDialog<S>::TakeSubstrate(FieldReader& reader, int comboId, MyStrng& target,
                                       const char* missing) {
  const std::string chosen = TComboBox(this, comboId).GetSelString();
  if (chosen.empty()) return reader.Refuse(missing, "Fehler", true, comboId);
  target = chosen.c_str();
  return true;
}

SlotLineDialog::SlotLineDialog(SlotLineSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(slotline_ids::kTemplate, symbol, view, kSlotLine) {}

void SlotLineDialog::SetupOthers() {
  using namespace slotline_ids;
  if (symbol->end == 'L') CheckDlgButton(kLine, 1);
  if (symbol->end == 'O') CheckDlgButton(kOpen, 1);
  if (symbol->end == 'S') CheckDlgButton(kShort, 1);
  if (symbol->model == 'A') CheckDlgButton(kApprox, 1);
  if (symbol->model == 'C') CheckDlgButton(kCohn, 1);
  const int pins = symbol->pinCount;
  if (pins >= 1 && pins <= 3) CheckDlgButton(kOnePole + pins - 1, 1);
  ShowSubstrates(kSub, symbol->substrate, false);
}

bool SlotLineDialog::OnCommand(int id, pf::Notification code) {
  using namespace slotline_ids;
  if (!Clicked(code)) return SlotFieldDialog::OnCommand(id, code);
  if (id == kLine || (id == kOnePole && Checked(kLine))) Move(kOnePole, kTwoPoles);
  if (id == kThreePoles && (Checked(kOpen) || Checked(kShort))) Move(kThreePoles, kOnePole);
  return SlotFieldDialog::OnCommand(id, code);
}

bool SlotLineDialog::ReadOthers(FieldReader& reader) {
  using namespace slotline_ids;
  if (!TakeSubstrate(reader, kSub, symbol->substrate)) return false;
  if (Checked(kCohn)) {
    symbol->model = 'C';
  } else if (Checked(kApprox)) {
    symbol->model = 'A';
  }
  if (Checked(kLine)) {
    symbol->end = 'L';
    symbol->pinCount = Checked(kThreePoles) ? 3 : 2;
  } else if (Checked(kShort) || Checked(kOpen)) {
    symbol->end = Checked(kShort) ? 'S' : 'O';
    symbol->pinCount = Checked(kOnePole) ? 1 : 2;
  }
  symbol->ReloadBitmap();
  return true;
}

SltBendDialog::SltBendDialog(SltBendSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(sltbend_ids::kTemplate, symbol, view, kSltBend) {}

void SltBendDialog::Enable(int id, bool on) {
  if (pf::Window* control = GetDlgItem(id); control != nullptr) control->EnableWindow(on);
}

void SltBendDialog::SetupOthers() {
  using namespace sltbend_ids;
  ShowFields(*this, kSltBendKink, *symbol);
  symbol->SetLength(symbol->p);
  if (symbol->geometry == 'C') CheckDlgButton(kArc, 1);
  if (symbol->geometry == 'K') CheckDlgButton(kKinked, 1);
  openedVariant = symbol->variant;
  openedPins = symbol->pinCount;
  if (openedVariant == 'C') CheckDlgButton(kLeft, 1);
  if (openedVariant == 'B') CheckDlgButton(kRight, 1);
  if (symbol->end == 'L') CheckDlgButton(kLine, 1);
  if (symbol->end == 'S') CheckDlgButton(kShort, 1);
  Enable(kArc, symbol->end != 'L');
  Enable(kKinked, symbol->end != 'L');
  ShowSubstrates(kSub, symbol->substrate, false);
}

bool SltBendDialog::OnCommand(int id, pf::Notification code) {
  using namespace sltbend_ids;
  if (Clicked(code) && (id == kLine || id == kShort)) {
    Enable(kArc, id == kShort);
    Enable(kKinked, id == kShort);
    if (id == kLine) Enable(kKink, false);
  }
  if (Clicked(code) && (id == kArc || id == kKinked)) Enable(kKink, id == kKinked);
  return SlotFieldDialog::OnCommand(id, code);
}

bool SltBendDialog::ReadOthers(FieldReader& reader) {
  using namespace sltbend_ids;
  symbol->SetLength(symbol->p);
  if (!reader.ReadFields(kSltBendKink, *symbol)) return false;
  if (Checked(kArc)) {
    symbol->geometry = 'C';
  } else if (Checked(kKinked)) {
    symbol->geometry = 'K';
  }
  if (Checked(kLeft)) {
    symbol->variant = 'C';
  } else if (Checked(kRight)) {
    symbol->variant = 'B';
  }
  if (Checked(kLine)) {
    symbol->end = 'L';
    symbol->pinCount = 2;
  } else if (Checked(kShort)) {
    symbol->end = 'S';
    symbol->pinCount = 1;
  }
  if (!TakeSubstrate(reader, kSub, symbol->substrate)) return false;
  // A turned bend moves its second pin; a stub made a line lays it anew.
  if (symbol->pinCount == 2 && (symbol->variant != openedVariant || openedPins != 2)) {
    symbol->UpdateGeometry();
  } else {
    symbol->ReloadBitmap();
  }
  symbol->InvalidateArea(view);
  return true;
}

CCoplanarLineDialog::CCoplanarLineDialog(CCoplanarLineSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(coplanar_ids::kTemplate, symbol, view, kCoplanarLine) {}

void CCoplanarLineDialog::SetupOthers() {
  using namespace coplanar_ids;
  ShowSubstrates(kSub, symbol->substrate, true);
  if (symbol->kind == 'L') CheckDlgButton(kLine, 1);
  if (symbol->kind == 'S') CheckDlgButton(kShort, 1);
  if (symbol->kind == 'O') CheckDlgButton(kOpen, 1);
}

bool CCoplanarLineDialog::ReadOthers(FieldReader& reader) {
  using namespace coplanar_ids;
  if (!TakeSubstrate(reader, kSub, symbol->substrate)) return false;
  if (Checked(kLine)) {
    symbol->kind = 'L';
    symbol->pinCount = 2;
  } else if (Checked(kShort) || Checked(kOpen)) {
    symbol->kind = Checked(kShort) ? 'S' : 'O';
    symbol->pinCount = 1;
  }
  symbol->ReloadBitmap();
  return true;
}

CCoplanarCrossDialog::CCoplanarCrossDialog(CCoplanarCrossSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(coplanarcross_ids::kTemplate, symbol, view, kCoplanarCross) {}

void CCoplanarCrossDialog::SetupOthers() {
  ShowSubstrates(coplanarcross_ids::kSub, symbol->substrate, true);
}

bool CCoplanarCrossDialog::ReadOthers(FieldReader& reader) {
  return TakeSubstrate(reader, coplanarcross_ids::kSub, symbol->substrate);
}

CCoveredSlotLineDialog::CCoveredSlotLineDialog(CCoveredSlotLineSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(coveredslot_ids::kTemplate, symbol, view, kCoveredSlotLine) {}

void CCoveredSlotLineDialog::SetupOthers() {
  using namespace coveredslot_ids;
  if (symbol->kind == 'L') CheckDlgButton(kLine, 1);
  if (symbol->kind == 'S') CheckDlgButton(kShort, 1);
  const int pins = symbol->pinCount;
  if (pins >= 1 && pins <= 3) CheckDlgButton(kOnePole + pins - 1, 1);
  ShowSubstrates(kLower, symbol->substrate, true);
  ShowSubstrates(kUpper, symbol->upper, true);
}

bool CCoveredSlotLineDialog::OnCommand(int id, pf::Notification code) {
  using namespace coveredslot_ids;
  if (!Clicked(code)) return SlotFieldDialog::OnCommand(id, code);
  if ((id == kOnePole && Checked(kLine)) || (id == kLine && Checked(kOnePole))) {
    Move(kOnePole, kTwoPoles);
  }
  if ((id == kThreePoles && Checked(kShort)) || (id == kShort && Checked(kThreePoles))) {
    Move(kThreePoles, kOnePole);
  }
  return SlotFieldDialog::OnCommand(id, code);
}

bool CCoveredSlotLineDialog::ReadOthers(FieldReader& reader) {
  using namespace coveredslot_ids;
  if (Checked(kLine)) {
    symbol->kind = 'L';
    symbol->pinCount = Checked(kThreePoles) ? 3 : 2;
  } else if (Checked(kShort)) {
    symbol->kind = 'S';
    symbol->pinCount = Checked(kOnePole) ? 1 : 2;
  }
  symbol->ReloadBitmap();
  return TakeSubstrate(reader, kLower, symbol->substrate,
                       "Zuerst ein unteres Substrat definieren") &&
         TakeSubstrate(reader, kUpper, symbol->upper, "Zuerst ein oberes Substrat definieren");
}

MslToSlotDialog::MslToSlotDialog(MslToSlotSymbol* symbol, pf::Window* view)
    : SlotFieldDialog(msltoslot_ids::kTemplate, symbol, view, kMslToSlot) {}

void MslToSlotDialog::SetupOthers() {
  using namespace msltoslot_ids;
  if (symbol->model == 'K') CheckDlgButton(kKnorr, 1);
  if (symbol->model == 'D') CheckDlgButton(kDas, 1);
  ShowSubstrates(kSub, symbol->substrate, false);
}

bool MslToSlotDialog::ReadOthers(FieldReader& reader) {
  using namespace msltoslot_ids;
  if (Checked(kKnorr)) {
    symbol->model = 'K';
  } else if (Checked(kDas)) {
    symbol->model = 'D';
  }
  return TakeSubstrate(reader, kSub, symbol->substrate);
}

bool SlotLineSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<SlotLineDialog>(*this, parent);
}
bool SltBendSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<SltBendDialog>(*this, parent);
}
bool CCoplanarLineSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<CCoplanarLineDialog>(*this, parent);
}
bool CCoplanarCrossSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<CCoplanarCrossDialog>(*this, parent);
}
bool CCoveredSlotLineSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<CCoveredSlotLineDialog>(*this, parent);
}
bool MslToSlotSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<MslToSlotDialog>(*this, parent);
}
