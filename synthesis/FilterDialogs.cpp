#include "synthesis/FilterDialogs.h"

#include "basics/ui/ValueEdit.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "synthesis/FilterPrototype.h"

namespace {

constexpr int kTextLimit = 80;
constexpr int kOrderLimit = 2;
constexpr int kFrequencyEdit = 1085;
constexpr const char* kCaption = "Fehler";

}  // namespace

FilterFigureDlg::FilterFigureDlg(CVostraneView* view, pf::Window* parent, const char* templateName)
    : TDialog(parent, templateName),
      view(view),
      frequency(this, 100, kTextLimit),
      impedance(this, 101, kTextLimit),
      ripple(this, 102, kTextLimit),
      order(this, 103, kOrderLimit),
      kind(this, 106),
      butterworth(this, 104, &kind),
      chebyshev(this, 105, &kind) {}

SynthesisSettings& FilterFigureDlg::Settings() { return view->Synthesis(); }

void FilterFigureDlg::FillFigures() {
  const CVostraneDoc* doc = view->GetDocument();
  frequency.SetText(
      WithoutLeadingBlanks(FreqWert(doc != nullptr ? doc->GetDefaultFrequency() : 0.0)));
  const SynthesisSettings& s = Settings();
  impedance.SetText(WithoutLeadingBlanks(ResWert(s.FilterImpedance)));
  ripple.SetText(FloatWert(s.FilterType == 'B' ? 0.0 : s.RippleDb).ToCString());
  order.SetText(IntegerWert(s.FilterOrder).ToCString());
  (s.FilterType == 'B' ? butterworth : chebyshev).Check();
}

bool FilterFigureDlg::ReadFigures(FieldReader& reader) {
  SynthesisSettings& s = Settings();
  double number = 0.0;
  if (!reader.ReadNumber<ResWert>(impedance.GetText(), number, kCaption)) return false;
  s.FilterImpedance = number;
  if (!reader.ReadNumber<IntegerWert>(order.GetText(), number, kCaption)) return false;
  if (number < kMinFilterOrder || number > kMaxFilterOrder) {
    return reader.Refuse("Ordnung muß zwischen 1 und 10 liegen", kCaption, false);
  }
  s.FilterOrder = static_cast<int>(number);
  s.FilterType = butterworth.GetCheck() == 1 ? 'B' : 'T';
  if (s.FilterType == 'B') return true;
  if (!reader.ReadNumber<FloatWert>(ripple.GetText(), number, kCaption)) return false;
  if (number == 0.0) {
    s.FilterType = 'B';
  } else {
    s.RippleDb = number;
  }
  return true;
}

TLowPasDlg::TLowPasDlg(CVostraneView* view, pf::Window* parent)
    : FilterFigureDlg(view, parent, "LOWPASDIAG") {}

void TLowPasDlg::SetupWindow() { FillFigures(); }

bool TLowPasDlg::CanClose() {
  FieldReader reader(*this, false);
  double cutoff = 0.0;
  if (!reader.ReadNumber<FreqWert>(frequency.GetText(), cutoff, kCaption)) return false;
  Settings().CutoffFrequency = cutoff;
  return ReadFigures(reader);
}

TBandPasDlg::TBandPasDlg(CVostraneView* view, pf::Window* parent)
    : FilterFigureDlg(view, parent, "BANDPASDIAG"), bandwidth(this, 107, kTextLimit) {}

void TBandPasDlg::SetupWindow() {
  SynthesisSettings& s = Settings();
  if (s.FilterType == 'B') s.RippleDb = 0.0;
  bandwidth.SetText(WithoutLeadingBlanks(FreqWert(static_cast<double>(s.Bandwidth))));
  FillFigures();
}

bool TBandPasDlg::CanClose() {
  FieldReader reader(*this, false);
  SynthesisSettings& s = Settings();
  double number = 0.0;
  if (!reader.ReadNumber<FreqWert>(frequency.GetText(), number, kCaption)) return false;
  s.CentreFrequency = static_cast<float>(number);
  if (!reader.ReadNumber<FreqWert>(bandwidth.GetText(), number, kCaption)) return false;
  s.Bandwidth = static_cast<float>(number);
  return ReadFigures(reader);
}

LineLowPassDlg::LineLowPassDlg(CVostraneView* view, pf::Window* parent)
    : pf::Dialog(kTemplateId, parent), view(view) {}

bool LineLowPassDlg::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ValueEdit(GetDlgItem(kFrequencyEdit))
      .SetValue(FreqWert(view->Synthesis().LineReferenceFrequency));
  return true;
}

void LineLowPassDlg::OnOK() {
  FreqWert reference;
  if (!ValueEdit(GetDlgItem(kFrequencyEdit)).GetValue(reference)) return;
  view->Synthesis().LineReferenceFrequency = reference.Value();
  pf::Dialog::OnOK();
}
