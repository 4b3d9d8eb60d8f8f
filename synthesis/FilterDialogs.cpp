#include "synthesis/FilterDialogs.h"

#include <span>

#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/SynthesisSettings.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "resources/SynthesisIds.h"
#include "synthesis/FilterPrototype.h"

namespace ids = filter_ids;

namespace {

constexpr int kOrderLimit = 2;
constexpr const char* kCaption = "Fehler";

using Figures = SynthesisSettings;
using FigureField = Fields<Figures>;

// A ripple of 0 makes the filter Butterworth and leaves the stored ripple as it is.
void StoreRipple(Figures& s, double ripple) {
  if (ripple == 0.0) {
    s.FilterType = 'B';
  } else {
    s.RippleDb = ripple;
  }
}

constexpr Field<Figures> kImpedance[] = {
    FigureField::Number<ResWert, &Figures::FilterImpedance>(ids::kImpedance, kCaption),
};
constexpr Field<Figures> kOrder[] = {
    FigureField::Number<IntegerWert, &Figures::FilterOrder>(
        ids::kOrder, kCaption,
        {[](double n) { return n >= kMinFilterOrder && n <= kMaxFilterOrder; },
         "Ordnung muß zwischen 1 und 10 liegen"}),
};
constexpr Field<Figures> kRipple[] = {
    FigureField::Number<FloatWert, &Figures::RippleDb, StoreRipple>(ids::kRipple, kCaption),
};
constexpr Field<Figures> kCutoff[] = {
    FigureField::Number<FreqWert, &Figures::CutoffFrequency>(ids::kFrequency, kCaption),
};
constexpr Field<Figures> kBand[] = {
    FigureField::Number<FreqWert, &Figures::CentreFrequency>(ids::kFrequency, kCaption),
    FigureField::Number<FreqWert, &Figures::Bandwidth>(ids::kBandwidth, kCaption),
};
constexpr Field<Figures> kLineReference[] = {
    FigureField::EditNumber<FreqWert, &Figures::LineReferenceFrequency>(
        line_lowpass_ids::kFrequency),
};

}  // namespace

FilterFigureDlg::FilterFigureDlg(CVostraneView* view, pf::Window* parent, const char* templateName)
    : TDialog(parent, templateName),
      view(view),
      frequency(this, ids::kFrequency, kReadBuffer),
      ripple(this, ids::kRipple, kReadBuffer),
      kind(this, ids::kKind),
      butterworth(this, ids::kButterworth, &kind),
      chebyshev(this, ids::kChebyshev, &kind) {
  KeepCopyOnRefusal(Settings());
}

SynthesisSettings& FilterFigureDlg::Settings() { return view->Synthesis(); }

void FilterFigureDlg::FillFigures() {
  const CVostraneDoc* doc = view->GetDocument();
  frequency.SetText(
      WithoutLeadingBlanks(FreqWert(doc != nullptr ? doc->GetDefaultFrequency() : 0.0)));
  SynthesisSettings& s = Settings();
  ShowFields(*this, kImpedance, s, FieldText::WithoutLeadingBlanks, kReadBuffer);
  ripple.SetText(FloatWert(s.FilterType == 'B' ? 0.0 : s.RippleDb).ToCString());
  ShowFields(*this, kOrder, s, FieldText::AsStored, kOrderLimit);
  (s.FilterType == 'B' ? butterworth : chebyshev).Check();
}

bool FilterFigureDlg::ReadFigures(FieldReader& reader) {
  SynthesisSettings& s = Settings();
  if (!reader.ReadFields(kImpedance, s) || !reader.ReadFields(kOrder, s)) return false;
  s.FilterType = butterworth.GetCheck() == 1 ? 'B' : 'T';
  return s.FilterType == 'B' || reader.ReadFields(kRipple, s);
}

TLowPasDlg::TLowPasDlg(CVostraneView* view, pf::Window* parent)
    : FilterFigureDlg(view, parent, "LOWPASDIAG") {}

void TLowPasDlg::SetupWindow() { FillFigures(); }

bool TLowPasDlg::CanClose() {
  FieldReader reader(*this, false);
  return reader.ReadFields(kCutoff, Settings()) && ReadFigures(reader);
}

TBandPasDlg::TBandPasDlg(CVostraneView* view, pf::Window* parent)
    : FilterFigureDlg(view, parent, "BANDPASDIAG") {}

void TBandPasDlg::SetupWindow() {
  SynthesisSettings& s = Settings();
  if (s.FilterType == 'B') s.RippleDb = 0.0;
  // The centre's edit shows the document's frequency, as FillFigures fills it.
  ShowFields(*this, std::span(kBand).subspan(1), s, FieldText::WithoutLeadingBlanks, kReadBuffer);
  FillFigures();
}

bool TBandPasDlg::CanClose() {
  FieldReader reader(*this, false);
  return reader.ReadFields(kBand, Settings()) && ReadFigures(reader);
}

LineLowPassDlg::LineLowPassDlg(CVostraneView* view, pf::Window* parent)
    : pf::Dialog(line_lowpass_ids::kTemplate, parent), view(view) {
  KeepCopyOnRefusal(view->Synthesis());
}

bool LineLowPassDlg::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kLineReference, view->Synthesis());
  return true;
}

void LineLowPassDlg::OnOK() {
  FieldReader reader(*this, true);
  if (reader.ReadFields(kLineReference, view->Synthesis())) pf::Dialog::OnOK();
}
