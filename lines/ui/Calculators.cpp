#include "lines/ui/Calculators.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "basics/FloatWert.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/SubSymbol.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/SlotSymbols.h"
#include "pf/controls.h"
#include "pf/ui_services.h"
#include "resources/CalculatorIds.h"

namespace {

constexpr double kLightSpeed = 299792458.0;
// Stepped values that differ by less than this share of their size count as equal.
constexpr double kRounding = 1e-9;

// What the sandwich calculator reads: the box width and the slot's width over the height.
struct SandwichFigures {
  LaeWert a;
  FloatWert ratio;
};
// The box width goes into the model before the ratio is read.
constexpr Field<SandwichFigures> kBoxWidth[] = {
    Fields<SandwichFigures>::Value<&SandwichFigures::a>(sandwich_ids::kA, "Fehler Weite:",
                                                        Positive()),
};
constexpr Field<SandwichFigures> kSlotRatio[] = {
    Fields<SandwichFigures>::Value<&SandwichFigures::ratio>(sandwich_ids::kWd, "Fehler Weite:",
                                                            Positive()),
};

}  // namespace

// -- CalculatorDialog ------------------------------------------------------------------------

CalculatorDialog::CalculatorDialog(int templateId, CVostraneView* view, int comboId)
    : pf::Dialog(templateId, view), view(view), comboId(comboId) {
  substrate.SetName("Unbekannt");
  substrateName = "Unbekannt";
}

bool CalculatorDialog::Below(double a, double b) { return a < b - kRounding * std::fabs(b); }

double CalculatorDialog::Decade(double x) { return std::pow(10.0, std::round(std::log10(x))); }

double CalculatorDialog::Exact(double x, double step) {
  if (!(x > 0.0)) return x;
  const int digits = std::numeric_limits<float>::digits10;
  const int k = std::min(static_cast<int>(std::lround(std::log10(step))),
                         static_cast<int>(std::floor(std::log10(x))) - (digits - 1));
  // x is n * 10^k with n whole; dividing by the exact power 10^-k rounds only once.
  const double power = std::pow(10.0, std::abs(k));
  return k >= 0 ? std::round(x / power) * power : std::round(x * power) / power;
}

bool CalculatorDialog::Move(double& value, double step, bool up) {
  const double exact = Exact(value, step);
  if (!up && !Below(step, exact)) return false;
  value = Exact(up ? exact + step : exact - step, step);
  return true;
}

void CalculatorDialog::Beep() { pf::TheUiServices().Beep(pf::BeepKind::Default); }

double CalculatorDialog::DefaultFrequency(const CVostraneView* view) {
  const CVostraneDoc* doc = view != nullptr ? view->GetDocument() : nullptr;
  return doc != nullptr ? doc->GetDefaultFrequency() : 4e9;
}

void CalculatorDialog::ListSubstrates() {
  auto* combo = GetControl<pf::ComboBox>(comboId);
  if (combo == nullptr) return;
  for (SubSymbol* s : substrates) combo->AddString(s->GetElementName().ToCString());
  if (substrates.empty()) return;
  combo->SetCurSel(0);
  Choose(0);
}

void CalculatorDialog::Choose(int index) {
  substrates[static_cast<size_t>(index)]->GetSubstrateParams(substrate);
  substrateName = substrates[static_cast<size_t>(index)]->GetElementName();
}

bool CalculatorDialog::OnCommand(int id, pf::Notification code) {
  if (id == comboId && code == pf::Notification::SelChanged) {
    const auto* combo = GetControl<pf::ComboBox>(comboId);
    const int index = combo != nullptr ? combo->GetCurSel() : -1;
    if (index >= 0 && index < static_cast<int>(substrates.size())) {
      Choose(index);
      SubstrateChanged();
    }
    return true;
  }
  return pf::Dialog::OnCommand(id, code);
}

void CalculatorDialog::OnDeltaPos(int id, int delta) { Step(id, delta < 1); }

// -- SteppedCalculator -----------------------------------------------------------------------

SteppedCalculator::SteppedCalculator(int templateId, CVostraneView* view, int comboId, double f,
                                     double frequencyStep, double increment)
    : CalculatorDialog(templateId, view, comboId),
      f(f),
      frequencyStep(frequencyStep),
      increment(increment) {}

void SteppedCalculator::StepIncrement(bool up, double smallest, double largest) {
  if (up && Below(increment, largest)) {
    increment = Decade(increment * 10.0);
  } else if (!up && Below(smallest, increment)) {
    increment = Decade(increment / 10.0);
  }
}

// -- DimMikrostripLine -----------------------------------------------------------------------

DimMikrostripLine::DimMikrostripLine(CVostraneView* view)
    : SteppedCalculator(dimmsl_ids::kTemplate, view, dimmsl_ids::kSub, 1.0, 0.1, 0.1) {}

void DimMikrostripLine::LoadFromSymbol(TrlSymbol& symbol) { L = symbol.p.Value() * 1000.0; }

bool DimMikrostripLine::OnInitDialog() {
  using namespace dimmsl_ids;
  Show(kInc, LaeWert(increment / 1000.0));
  ListSubstrates();
  // W/h = 1 to begin with.
  W = substrate.H * 1000.0;
  Show(kW, LaeWert(W / 1000.0));
  Show(kL, LaeWert(L / 1000.0));
  f = DefaultFrequency(view) / 1e9;
  Show(kF, FreqWert(f * 1e9));
  UpdateResults();
  return true;
}

bool DimMikrostripLine::Recalculate() {
  if (!MathPool::CalcMicrostrip(results, substrate, f, W)) return false;
  extension = results.dl * 0.001;
  return true;
}

void DimMikrostripLine::UpdateResults() {
  using namespace dimmsl_ids;
  if (!Recalculate()) {
    Beep();
    return;
  }
  Show(kZc, ResWert(results.Z0));
  Show(kEps, FloatWert(results.eps));
  Show(kDelL, LaeWert(extension));
  UpdateLengthRatio();
}

void DimMikrostripLine::UpdateLengthRatio() {
  const double lambda = kLightSpeed / (f * 1e6) / std::sqrt(results.eps);
  Show(dimmsl_ids::kLRatio, FloatWert(L / lambda));
}

void DimMikrostripLine::Step(int spinId, bool up) {
  using namespace dimmsl_ids;
  switch (spinId) {
    case kWSpin:
      if (!Move(W, increment, up)) {
        return;
      }
      Show(kW, LaeWert(W / 1000.0));
      UpdateResults();
      break;
    case kLSpin:
      if (!Move(L, increment, up)) {
        return;
      }
      Show(kL, LaeWert(L / 1000.0));
      UpdateLengthRatio();
      break;
    case kFSpin:
      if (!Move(f, frequencyStep, up)) {
        return;
      }
      Show(kF, FreqWert(f * 1e9));
      UpdateResults();
      break;
    case kIncSpin:
      StepIncrement(up, 0.001, 1.0);
      Show(kInc, LaeWert(increment / 1000.0));
      break;
    default:
      break;
  }
}

// -- SlotLineDim -----------------------------------------------------------------------------

SlotLineDim::SlotLineDim(CVostraneView* view)
    : SteppedCalculator(dimslt_ids::kTemplate, view, dimslt_ids::kSub, DefaultFrequency(view),
                        1e8, 1e-5) {}

void SlotLineDim::LoadFromSymbol(SlotLineSymbol& symbol) {
  model.SetSlotWidth(symbol.w.Value());
  model.length = symbol.p.Value();
}

bool SlotLineDim::OnInitDialog() {
  using namespace dimslt_ids;
  Show(kInc, LaeWert(increment));
  ListSubstrates();
  model.SetSubstrate(substrate);
  model.Update(f);
  const bool cohn = model.GetModelLetter() == 'C';
  CheckRadioButton(kCohn, kApprox, cohn ? kCohn : kApprox);
  Show(kW, LaeWert(model.GetSlotWidth()));
  Show(kL, LaeWert(model.length));
  Show(kF, FreqWert(f));
  ShowResults(StubReactance());
  return true;
}

double SlotLineDim::StubReactance() {
  const double b = model.ShortEndAdmittance().im;
  return b != 0.0 ? -1.0 / b : NAN;
}

void SlotLineDim::ShowResults(double stubReactance) {
  using namespace dimslt_ids;
  Show(kZ0, ResWert(model.Z0));
  // A section without a finite reactance (no wavelength yet, a quarter wave) shows none.
  Show(kStub, std::isfinite(stubReactance) ? ResWert(stubReactance) : ResWert());
  Show(kEps, FloatWert(model.eps_eff));
  Show(kExtension, LaeWert(model.GetEndExtension()));
  UpdateLengthRatio();
}

void SlotLineDim::UpdateResults() {
  if (!model.Update(f)) {
    Beep();
    return;
  }
  ShowResults(StubReactance());
}

void SlotLineDim::UpdateLengthRatio() {
  const double ratio = model.lambda > 0.0 ? model.length / model.lambda : 0.0;
  Show(dimslt_ids::kLRatio, FloatWert(ratio));
}

void SlotLineDim::SubstrateChanged() {
  model.SetSubstrate(substrate);
  UpdateResults();
}

bool SlotLineDim::OnCommand(int id, pf::Notification code) {
  using namespace dimslt_ids;
  if ((id == kCohn || id == kApprox) && code == pf::Notification::Clicked) {
    model.SetModelLetter(id == kCohn ? 'C' : 'A');
    UpdateResults();
    return true;
  }
  return CalculatorDialog::OnCommand(id, code);
}

void SlotLineDim::Step(int spinId, bool up) {
  using namespace dimslt_ids;
  switch (spinId) {
    case kWSpin: {
      double w = model.GetSlotWidth();
      // The slot never gets as wide as the substrate is high.
      if (!Move(w, increment, up) || (up && !Below(w, Exact(model.h, increment)))) {
        return;
      }
      model.SetSlotWidth(w);
      Show(kW, LaeWert(w));
      UpdateResults();
      break;
    }
    case kLSpin:
      if (!Move(model.length, increment, up)) {
        return;
      }
      Show(kL, LaeWert(model.length));
      UpdateResults();
      break;
    case kFSpin:
      if (!Move(f, frequencyStep, up)) {
        return;
      }
      Show(kF, FreqWert(f));
      UpdateResults();
      break;
    case kIncSpin:
      StepIncrement(up, 1e-6, 0.1);
      Show(kInc, LaeWert(increment));
      break;
    default:
      break;
  }
}

// -- CCoplanarLineDim ------------------------------------------------------------------------

CCoplanarLineDim::CCoplanarLineDim(CVostraneView* view)
    : SteppedCalculator(dimcpl_ids::kTemplate, view, dimcpl_ids::kSub, DefaultFrequency(view),
                        1e8, 1e-5) {}

void CCoplanarLineDim::LoadFromSymbol(CCoplanarLineSymbol& symbol) {
  model.SetStripWidth(symbol.w.Value());
  model.SetGap(symbol.GetGapValue());
  model.length = symbol.p.Value();
}

bool CCoplanarLineDim::OnInitDialog() {
  using namespace dimcpl_ids;
  ListSubstrates();
  Show(kInc, LaeWert(increment));
  model.SetSubstrate(substrate);
  model.Update(f);
  Show(kW, LaeWert(model.GetStripWidth()));
  Show(kS, LaeWert(model.GetGap()));
  Show(kL, LaeWert(model.length));
  Show(kF, FreqWert(f));
  Show(kZ0, ResWert(model.Z0));
  Show(kEps, FloatWert(model.eps_eff));
  Show(kLRatio, FloatWert(model.lambda > 0.0 ? model.length / model.lambda : 0.0));
  return true;
}

void CCoplanarLineDim::UpdateResults() {
  using namespace dimcpl_ids;
  if (!model.Update(f)) {
    Beep();
    return;
  }
  Show(kZ0, ResWert(model.Z0));
  Show(kEps, FloatWert(model.eps_eff));
  Show(kLRatio, FloatWert(model.length / model.lambda));
}

void CCoplanarLineDim::SubstrateChanged() {
  model.SetSubstrate(substrate);
  UpdateResults();
}

void CCoplanarLineDim::Step(int spinId, bool up) {
  using namespace dimcpl_ids;
  if (spinId == kFSpin) {
    if (!Move(f, frequencyStep, up)) {
      return;
    }
    Show(kF, FreqWert(f));
    UpdateResults();
    return;
  }
  if (spinId == kIncSpin) {
    StepIncrement(up, 1e-6, 0.1);
    Show(kInc, LaeWert(increment));
    return;
  }
  // Strip width, gap or length, each with its edit.
  double w = model.GetStripWidth();
  double gap = model.GetGap();
  double* value = spinId == kWSpin   ? &w
                  : spinId == kSSpin ? &gap
                  : spinId == kLSpin ? &model.length
                                     : nullptr;
  if (value == nullptr) return;
  if (!Move(*value, increment, up)) {
    return;
  }
  model.SetStripWidth(w);
  model.SetGap(gap);
  Show(spinId == kWSpin ? kW : spinId == kSSpin ? kS : kL, LaeWert(*value));
  UpdateResults();
}

// -- SandwichSlotLineDlg ---------------------------------------------------------------------

SandwichSlotLineDlg::SandwichSlotLineDlg(CVostraneView* view)
    : CalculatorDialog(sandwich_ids::kTemplate, view, sandwich_ids::kSub) {}

bool SandwichSlotLineDlg::OnInitDialog() {
  using namespace sandwich_ids;
  Show(kA, LaeWert(model.GetBoxWidth()));
  ListSubstrates();
  model.SetSubstrate(substrate);
  // The edit holds the ratio that Compute reads: the model's slot width over the height.
  if (model.h > 0.0) Show(kWd, FloatWert(model.GetSlotWidth() / model.h));
  return true;
}

bool SandwichSlotLineDlg::OnCommand(int id, pf::Notification code) {
  if (id == sandwich_ids::kCompute && code == pf::Notification::Clicked) {
    OnCompute();
    return true;
  }
  return CalculatorDialog::OnCommand(id, code);
}

void SandwichSlotLineDlg::OnCompute() {
  using namespace sandwich_ids;
  FieldReader reader(*this, true);
  SandwichFigures figures;
  // Both figures pass before the model takes either.
  if (!reader.ReadFields(kBoxWidth, figures) || !reader.ReadFields(kSlotRatio, figures)) return;
  model.SetBoxWidth(figures.a.Value());
  model.SetSlotWidth(figures.ratio.Value(false) * model.h);
  if (!model.SolveRatio()) {
    Beep();
    return;
  }
  const double p = model.GetRatio();
  Show(kInvP, FloatWert(1.0 / p));
  Show(kEps, FloatWert(model.GetRatioSquared()));
  Show(kDLambda, FloatWert(model.h / model.GetFreeSpaceWavelength()));
  Show(kF, FreqWert(kLightSpeed / model.GetFreeSpaceWavelength()));
}

// -- MslToSltDesign --------------------------------------------------------------------------

MslToSltDesign::MslToSltDesign(CVostraneView* view)
    : SteppedCalculator(msltsltdesign_ids::kTemplate, view, msltsltdesign_ids::kSub,
                        DefaultFrequency(view), 1e8, 1e-5) {}

bool MslToSltDesign::OnInitDialog() {
  using namespace msltsltdesign_ids;
  Show(kInc, LaeWert(increment));
  Show(kM, LaeWert(element.GetM()));
  Show(kS, LaeWert(element.GetS()));
  Show(kF, FreqWert(f));
  ListSubstrates();
  element.SetDesignSubstrate(substrate);
  Recompute();
  return true;
}

void MslToSltDesign::SubstrateChanged() {
  element.SetDesignSubstrate(substrate);
  Recompute();
}

void MslToSltDesign::Recompute() {
  using namespace msltsltdesign_ids;
  // The element reports a point without figures once, for the simulator's error window; here
  // the beep says it.
  const VS_ErrorMark mark;
  element.FillMatrix(static_cast<float>(f));
  if (!element.HasResult()) {
    mark.Drop();
    Beep();
    return;
  }
  const double n = element.GetTurnsRatio();
  Show(kZm, ResWert(element.GetZm()));
  Show(kZs, ResWert(element.GetZs()));
  Show(kN, FloatWert(n));
  Show(kNZs, ResWert(n * n * element.GetZs()));
}

void MslToSltDesign::Step(int spinId, bool up) {
  using namespace msltsltdesign_ids;
  double m = element.GetM();
  double s = element.GetS();
  switch (spinId) {
    case kMSpin:
      if (!Move(m, increment, up)) {
        return;
      }
      element.SetM(m);
      Show(kM, LaeWert(m));
      break;
    case kSSpin:
      if (!Move(s, increment, up)) {
        return;
      }
      element.SetS(s);
      Show(kS, LaeWert(s));
      break;
    case kFSpin:
      if (!Move(f, frequencyStep, up)) {
        return;
      }
      Show(kF, FreqWert(f));
      break;
    case kIncSpin:
      // Between 10 um and 1 mm, as the limits say.
      StepIncrement(up, 1e-5, 0.001);
      Show(kInc, LaeWert(increment));
      return;
    default:
      return;
  }
  Recompute();
}
