#include "lines/ui/MicrostripDialogs.h"

#include <cmath>

#include "editor/dialogs/PlotRules.h"
#include "resources/LineDialogIds.h"

namespace {

constexpr auto kNormalised = FieldReader::Store::Normalised;
constexpr const char* kBadAngle = "Winkel muss zwischen 0 und 360 Grad liegen";

template <class S>
using F = Fields<S>;

constexpr Field<SstSymbol> kSst[] = {
    F<SstSymbol>::Value<&SstSymbol::w>(strip_ids::kSstW, "Fehler Wei:", PlotSize(), kNormalised),
    F<SstSymbol>::Value<&SstSymbol::p>(strip_ids::kSstP, "Fehler Lae:", PlotSize(), kNormalised),
};
constexpr Field<OstSymbol> kOst[] = {
    F<OstSymbol>::Value<&OstSymbol::w>(strip_ids::kOstW, "Fehler Wei:", PlotSize(), kNormalised),
    F<OstSymbol>::Value<&OstSymbol::p>(strip_ids::kOstP, "Fehler Lae:", PlotSize(), kNormalised),
};
constexpr Field<TrlSymbol> kTrl[] = {
    F<TrlSymbol>::Value<&TrlSymbol::w>(strip_ids::kTrlW, "Fehler Wei:", PlotSize()),
    F<TrlSymbol>::Value<&TrlSymbol::p>(strip_ids::kTrlP, "Fehler Lae:", PlotSize()),
};
constexpr Field<MicTaperSymbol> kTaper[] = {
    F<MicTaperSymbol>::Value<&MicTaperSymbol::w1>(taper_ids::kW1, "Fehler", Positive()),
    F<MicTaperSymbol>::Value<&MicTaperSymbol::w2>(taper_ids::kW2, "Fehler", Positive()),
    F<MicTaperSymbol>::Value<&MicTaperSymbol::p>(taper_ids::kP, "Fehler", Positive()),
};
// The sector must open and must not close on itself; the feed width follows the angle.
constexpr Field<RadStubSymbol> kRadStubFirst[] = {
    F<RadStubSymbol>::Value<&RadStubSymbol::angle>(
        radstub_ids::kAngle, "Fehler", {[](double x) { return x > 0.0 && x < 360.0; }, kBadAngle}),
    F<RadStubSymbol>::Value<&RadStubSymbol::wi>(radstub_ids::kFeed, "Fehler", PlotSize()),
};
constexpr Field<RadStubSymbol> kRadStub[] = {
    F<RadStubSymbol>::Value<&RadStubSymbol::rl>(radstub_ids::kRadius, "Fehler", PlotSize()),
};
constexpr Field<TeeSymbol> kTee[] = {
    F<TeeSymbol>::Value<&TeeSymbol::w1, &TeeSymbol::w2>(tee_ids::kIn, "Fehler Win", Positive()),
    F<TeeSymbol>::Value<&TeeSymbol::w3>(tee_ids::kBranch, "Fehler Wout:", Positive()),
};
constexpr Field<StepSymbol> kStep[] = {
    F<StepSymbol>::Value<&StepSymbol::w1>(step_ids::kW1, "Fehler Win:", Positive()),
    F<StepSymbol>::Value<&StepSymbol::w2>(step_ids::kW2, "Fehler Wout:", Positive()),
};
constexpr Field<CplSymbol> kCpl[] = {
    F<CplSymbol>::Value<&CplSymbol::w>(cpl_ids::kW, "Fehler Wei:", PlotSize()),
    F<CplSymbol>::Value<&CplSymbol::p>(cpl_ids::kP, "Fehler Lae:", PlotSize()),
    F<CplSymbol>::Value<&CplSymbol::s>(cpl_ids::kS, "Fehler Spa:", PlotSize()),
};
constexpr Field<MicCornerSymbol> kCorner[] = {
    F<MicCornerSymbol>::Value<&MicCornerSymbol::w1, &MicCornerSymbol::w2>(
        corner_ids::kW, "Fehler Win:", Positive()),
};

// What the TEM line and stub elements refuse: Z and length above 0, K at least 1, no negative
// attenuation.
constexpr Field<TemSymbol> kTem[] = {
    F<TemSymbol>::Value<&TemSymbol::z>(tem_ids::kZ, "Fehler Zwell:", Positive()),
    F<TemSymbol>::Value<&TemSymbol::p>(tem_ids::kP, "Fehler Lae:", Positive()),
    F<TemSymbol>::Value<&TemSymbol::k>(tem_ids::kK, "Fehler Epsr", AtLeastOne()),
    F<TemSymbol>::Value<&TemSymbol::a>(tem_ids::kA, "Fehler Alfa:", NotNegative()),
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
  variableBox = std::make_unique<TCheckBox>(this, tem_ids::kVariable);
}

void TTemDialog::SetupWindow() {
  TBasisDialog::SetupWindow();
  ShowFields(*this, kTem, *tem, FieldText::WithoutLeadingBlanks);
  CheckMatching(*this, {tem_ids::kLine, tem_ids::kOpen, tem_ids::kShort}, {'L', 'O', 'S'},
                tem->kind);
  CheckDlgButton(tem->onePole != 0 ? tem_ids::kOnePole : tem_ids::kTwoPole, 1);
}

bool TTemDialog::CanClose() {
  FieldReader reader(*this, false);
  if (!reader.ReadFields(kTem, *tem)) return false;
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
void TMicFieldDialog<S>::SetupWindow() {
  ShowFields(*this, fields, *symbol, FieldText::WithoutLeadingBlanks);
  SetupOthers();
  substrateName = symbol->substrate;
  FillSubstrateCombo();
}

template <class S>
bool TMicFieldDialog<S>::CanClose() {
  FieldReader reader(*this, false);
  if (!ReadFirst(reader) || !reader.ReadFields(fields, *symbol) || !CheckSubstrate()) {
    return false;
  }
  symbol->substrate = substrateName;
  ReadAfterSubstrate();
  return true;
}

TSstDialog::TSstDialog(SstSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "SSTDIALG", strip_ids::kSstSub, kSst) {}

TOstDialog::TOstDialog(OstSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "OSTDIALG", strip_ids::kOstSub, kOst) {}

TTrlDialog::TTrlDialog(TrlSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "TRLDIALG", strip_ids::kTrlSub, kTrl) {}

namespace {
constexpr int kTaperRadios[] = {taper_ids::kLinear, taper_ids::kExponential, taper_ids::kCosine};
constexpr char kTaperShapes[] = {'L', 'E', 'C'};
constexpr int kStepRadios[] = {step_ids::kSimple, step_ids::kFull, step_ids::kThird};
constexpr int32_t kStepModels[] = {0, 1, 2};
constexpr int kCornerRadios[] = {corner_ids::kNone, corner_ids::kChamfer, corner_ids::kOptimal};
constexpr char kCornerForms[] = {'N', 'C', 'O'};
}  // namespace

TMicTaperDialog::TMicTaperDialog(MicTaperSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "MICTAPERDIALG", taper_ids::kSub, kTaper) {}

void TMicTaperDialog::SetupOthers() {
  CheckMatching(*this, kTaperRadios, kTaperShapes, symbol->shape);
}

void TMicTaperDialog::ReadAfterSubstrate() {
  symbol->shape = CheckedValue(*this, kTaperRadios, kTaperShapes, symbol->shape);
}

TRadStubDialog::TRadStubDialog(RadStubSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "RADSTDIALG", radstub_ids::kSub, kRadStub) {}

void TRadStubDialog::SetupOthers() {
  ShowFields(*this, kRadStubFirst, *symbol, FieldText::WithoutLeadingBlanks);
}

bool TRadStubDialog::ReadFirst(FieldReader& reader) {
  if (!reader.ReadFields(kRadStubFirst, *symbol)) return false;
  // The centre offset at which a sector of this angle is as wide as its feed.
  const double degrees = symbol->angle.Value(false);
  const double offset = symbol->wi.Value() / (2.0 * std::tan(degrees * 0.00872665));
  symbol->offset = LaeWert(offset);
  return true;
}

TTeeDialog::TTeeDialog(TeeSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "TEEDIALG", tee_ids::kSub, kTee) {}

TStepDialog::TStepDialog(StepSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "STEDIALG", step_ids::kSub, kStep) {}

void TStepDialog::SetupOthers() { CheckMatching(*this, kStepRadios, kStepModels, symbol->model); }

void TStepDialog::ReadAfterSubstrate() {
  symbol->model = CheckedValue(*this, kStepRadios, kStepModels, symbol->model);
}

TCplDialog::TCplDialog(CplSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "CPLDIALG", cpl_ids::kSub, kCpl) {}

TMicCornerDialog::TMicCornerDialog(MicCornerSymbol* symbol, pf::Window* parent)
    : TMicFieldDialog(symbol, parent, "MICCORNERDIALG", corner_ids::kSub, kCorner) {}

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
