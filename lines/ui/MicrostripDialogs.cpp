#include "lines/ui/MicrostripDialogs.h"

#include <cmath>

#include "resources/LineDialogIds.h"

namespace {

constexpr auto kTyped = FieldReader::Store::Typed;
constexpr auto kNormalised = FieldReader::Store::Normalised;
constexpr const char* kBadAngle = "Winkel muss zwischen 0 und 360 Grad liegen";

constexpr LengthField<SstSymbol> kSst[] = {
    {strip_ids::kSstW, &SstSymbol::w, "Fehler Wei:"},
    {strip_ids::kSstP, &SstSymbol::p, "Fehler Lae:"},
};
constexpr LengthField<OstSymbol> kOst[] = {
    {strip_ids::kOstW, &OstSymbol::w, "Fehler Wei:"},
    {strip_ids::kOstP, &OstSymbol::p, "Fehler Lae:"},
};
constexpr LengthField<TrlSymbol> kTrl[] = {
    {strip_ids::kTrlW, &TrlSymbol::w, "Fehler Wei:"},
    {strip_ids::kTrlP, &TrlSymbol::p, "Fehler Lae:"},
};
constexpr LengthField<MicTaperSymbol> kTaper[] = {
    {taper_ids::kW1, &MicTaperSymbol::w1, "Fehler"},
    {taper_ids::kW2, &MicTaperSymbol::w2, "Fehler"},
    {taper_ids::kP, &MicTaperSymbol::p, "Fehler"},
};
constexpr LengthField<RadStubSymbol> kRadStub[] = {
    {radstub_ids::kRadius, &RadStubSymbol::rl, "Fehler"},
};
constexpr LengthField<TeeSymbol> kTee[] = {
    {tee_ids::kIn, &TeeSymbol::w1, "Fehler Win", &TeeSymbol::w2},
    {tee_ids::kBranch, &TeeSymbol::w3, "Fehler Wout:"},
};
constexpr LengthField<StepSymbol> kStep[] = {
    {step_ids::kW1, &StepSymbol::w1, "Fehler Win:"},
    {step_ids::kW2, &StepSymbol::w2, "Fehler Wout:"},
};
constexpr LengthField<CplSymbol> kCpl[] = {
    {cpl_ids::kW, &CplSymbol::w, "Fehler Wei:"},
    {cpl_ids::kP, &CplSymbol::p, "Fehler Lae:"},
    {cpl_ids::kS, &CplSymbol::s, "Fehler Spa:"},
};
constexpr LengthField<MicCornerSymbol> kCorner[] = {
    {corner_ids::kW, &MicCornerSymbol::w1, "Fehler Win:", &MicCornerSymbol::w2},
};

// Checks the radio of the value's position in ids; none for a value not listed.
template <class T, size_t N>
void CheckMatching(pf::Dialog& d, const int (&ids)[N], const T (&values)[N], T value) {
  for (size_t i = 0; i < N; ++i) {
    if (values[i] == value) d.CheckDlgButton(ids[i], 1);
  }
}

// The value of the first checked radio; the old one when none is.
template <class T, size_t N>
T CheckedValue(pf::Dialog& d, const int (&ids)[N], const T (&values)[N], T old) {
  for (size_t i = 0; i < N; ++i) {
    if (d.IsDlgButtonChecked(ids[i]) == 1) return values[i];
  }
  return old;
}

}  // namespace

TTemDialog::TTemDialog(TemSymbol* symbol, pf::Window* parent)
    : TBasisDialog(parent, "TEMDIALG"), tem(symbol) {
  this->symbol = symbol;
  variableBox = std::make_unique<TCheckBox>(this, 999);
}

void TTemDialog::SetupWindow() {
  TBasisDialog::SetupWindow();
  SetDlgItemText(tem_ids::kZ, WithoutLeadingBlanks(tem->z));
  SetDlgItemText(tem_ids::kP, WithoutLeadingBlanks(tem->p));
  SetDlgItemText(tem_ids::kK, WithoutLeadingBlanks(tem->k));
  SetDlgItemText(tem_ids::kA, WithoutLeadingBlanks(tem->a));
  CheckMatching(*this, {tem_ids::kLine, tem_ids::kOpen, tem_ids::kShort}, {'L', 'O', 'S'},
                tem->kind);
  CheckDlgButton(tem->onePole != 0 ? tem_ids::kOnePole : tem_ids::kTwoPole, 1);
}

bool TTemDialog::CanClose() {
  FieldReader reader(*this, false);
  auto text = [this](int id) { return CutToReadBuffer(GetDlgItemText(id)); };
  if (!(reader.Read(text(tem_ids::kZ), tem->z, "Fehler Zwell:") &&
        reader.Read(text(tem_ids::kP), tem->p, "Fehler Lae:") &&
        reader.Read(text(tem_ids::kK), tem->k, "Fehler Epsr") &&
        reader.Read(text(tem_ids::kA), tem->a, "Fehler Alfa:"))) {
    return false;
  }
  if (Checked(tem_ids::kLine)) {
    tem->kind = 'L';
  } else {
    tem->kind = Checked(tem_ids::kShort) ? 'S' : 'O';
  }
  const bool onePole = Checked(tem_ids::kOnePole);
  // A line with one pin is an open stub.
  if (onePole && tem->kind == 'L') tem->kind = 'O';
  tem->onePole = onePole ? 1 : 0;
  tem->pinCount = onePole ? 1 : 2;
  return true;
}

bool TTemDialog::Checked(int id) { return IsDlgButtonChecked(id) == 1; }

template <class S>
std::string TMicFieldDialog<S>::Text(int id) {
  return CutToReadBuffer(GetDlgItemText(id));
}

template <class S>
void TMicFieldDialog<S>::SetupWindow() {
  for (const LengthField<S>& f : fields) {
    SetDlgItemText(f.id, WithoutLeadingBlanks(symbol->*f.member));
  }
  SetupOthers();
  substrateName = symbol->substrate;
  FillSubstrateCombo();
}

template <class S>
bool TMicFieldDialog<S>::CanClose() {
  FieldReader reader(*this, false);
  if (!ReadFirst(reader)) return false;
  for (const LengthField<S>& f : fields) {
    if (!reader.Read(Text(f.id), symbol->*f.member, f.caption, store, FieldReader::kNotPositive)) {
      return false;
    }
    if (f.alsoInto != nullptr) symbol->*f.alsoInto = symbol->*f.member;
  }
  if (!CheckSubstrate()) return false;
  symbol->substrate = substrateName;
  ReadAfterSubstrate();
  return true;
}

TSstDialog::TSstDialog(SstSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "SSTDIALG", strip_ids::kSstSub, kSst, kNormalised) {}

TOstDialog::TOstDialog(OstSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "OSTDIALG", strip_ids::kOstSub, kOst, kNormalised) {}

TTrlDialog::TTrlDialog(TrlSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "TRLDIALG", strip_ids::kTrlSub, kTrl, kTyped) {}

namespace {
constexpr int kTaperRadios[] = {taper_ids::kLinear, taper_ids::kExponential, taper_ids::kCosine};
constexpr char kTaperShapes[] = {'L', 'E', 'C'};
constexpr int kStepRadios[] = {step_ids::kSimple, step_ids::kFull, step_ids::kThird};
constexpr int32_t kStepModels[] = {0, 1, 2};
constexpr int kCornerRadios[] = {corner_ids::kNone, corner_ids::kChamfer, corner_ids::kOptimal};
constexpr char kCornerForms[] = {'N', 'C', 'O'};
}  // namespace

TMicTaperDialog::TMicTaperDialog(MicTaperSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "MICTAPERDIALG", taper_ids::kSub, kTaper, kTyped) {}

void TMicTaperDialog::SetupOthers() {
  CheckMatching(*this, kTaperRadios, kTaperShapes, symbol->shape);
}

void TMicTaperDialog::ReadAfterSubstrate() {
  symbol->shape = CheckedValue(*this, kTaperRadios, kTaperShapes, symbol->shape);
}

TRadStubDialog::TRadStubDialog(RadStubSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "RADSTDIALG", radstub_ids::kSub, kRadStub, kTyped) {}

void TRadStubDialog::SetupOthers() {
  SetDlgItemText(radstub_ids::kAngle, WithoutLeadingBlanks(symbol->angle));
  SetDlgItemText(radstub_ids::kFeed, WithoutLeadingBlanks(symbol->wi));
}

bool TRadStubDialog::ReadFirst(FieldReader& reader) {
  const std::string angleText = Text(radstub_ids::kAngle);
  double degrees = 0.0;
  if (!reader.ReadNumber<FloatWert>(angleText, degrees, "Fehler")) return false;
  // The sector must open and must not close on itself.
  if (!(degrees > 0.0 && degrees < 360.0)) return reader.Refuse(kBadAngle, "Fehler", false);
  symbol->angle = FloatWert(MyStrng(angleText.c_str()));
  if (!reader.Read(Text(radstub_ids::kFeed), symbol->wi, "Fehler", kTyped,
                   FieldReader::kNotPositive)) {
    return false;
  }
  // The centre offset at which a sector of this angle is as wide as its feed.
  const double offset = symbol->wi.Value() / (2.0 * std::tan(degrees * 0.00872665));
  symbol->offset = LaeWert(offset);
  return true;
}

TTeeDialog::TTeeDialog(TeeSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "TEEDIALG", tee_ids::kSub, kTee, kTyped) {}

TStepDialog::TStepDialog(StepSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "STEDIALG", step_ids::kSub, kStep, kTyped) {}

void TStepDialog::SetupOthers() { CheckMatching(*this, kStepRadios, kStepModels, symbol->model); }

void TStepDialog::ReadAfterSubstrate() {
  symbol->model = CheckedValue(*this, kStepRadios, kStepModels, symbol->model);
}

TCplDialog::TCplDialog(CplSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "CPLDIALG", cpl_ids::kSub, kCpl, kTyped) {}

TMicCornerDialog::TMicCornerDialog(MicCornerSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "MICCORNERDIALG", corner_ids::kSub, kCorner, kTyped) {}

void TMicCornerDialog::SetupOthers() {
  CheckMatching(*this, kCornerRadios, kCornerForms, symbol->form);
}

void TMicCornerDialog::ReadAfterSubstrate() {
  symbol->form = CheckedValue(*this, kCornerRadios, kCornerForms, symbol->form);
}

bool TemSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TTemDialog>(*this, parent);
}
bool SstSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TSstDialog>(*this, parent);
}
bool OstSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TOstDialog>(*this, parent);
}
bool TrlSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TTrlDialog>(*this, parent);
}
bool MicTaperSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TMicTaperDialog>(*this, parent);
}
bool RadStubSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TRadStubDialog>(*this, parent);
}
bool TeeSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TTeeDialog>(*this, parent);
}
bool StepSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TStepDialog>(*this, parent);
}
bool CplSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TCplDialog>(*this, parent);
}
bool MicCornerSymbol::EditDialog(pf::Window* parent) {
  return RunElementDialog<TMicCornerDialog>(*this, parent);
}
