#include "synthesis/FilterDialogs.h"

#include <span>

#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/SynthesisSettings.h"
#include "editor/dialogs/FieldReader.h"
#include "editor/document/CVostraneDoc.h"
#include "synthesis/FilterPrototype.h"

namespace {

constexpr int kTextLimit = 80;
constexpr int kOrderLimit = 2;
constexpr int kFrequencyEdit = 1085;
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
    FigureField::Number<ResWert, &Figures::FilterImpedance>(101, kCaption),
};
constexpr Field<Figures> kOrder[] = {
    FigureField::Number<IntegerWert, &Figures::FilterOrder>(
        103, kCaption,
        {[](double n) { return n >= kMinFilterOrder && n <= kMaxFilterOrder; },
         "Ordnung muß zwischen 1 und 10 liegen"}),
};
constexpr Field<Figures> kRipple[] = {
    FigureField::Number<FloatWert, &Figures::RippleDb, StoreRipple>(102, kCaption),
};
constexpr Field<Figures> kCutoff[] = {
    FigureField::Number<FreqWert, &Figures::CutoffFrequency>(100, kCaption),
};
constexpr Field<Figures> kBand[] = {
    FigureField::Number<FreqWert, &Figures::CentreFrequency>(100, kCaption),
    FigureField::Number<FreqWert, &Figures::Bandwidth>(107, kCaption),
};
constexpr Field<Figures> kLineReference[] = {
    FigureField::EditNumber<FreqWert, &Figures::LineReferenceFrequency>(kFrequencyEdit),
};

}  // namespace

FilterFigureDlg::FilterFigureDlg(CVostraneView* view, pf::Window* parent, const char* templateName)
    : TDialog(parent, templateName),
      view(view),
      frequency(this, 100, kTextLimit),
      ripple(this, 102, kTextLimit),
      kind(this, 106),
      butterworth(this, 104, &kind),
      chebyshev(this, 105, &kind) {}

SynthesisSettings& FilterFigureDlg::Settings() { return view->Synthesis(); }

void FilterFigureDlg::FillFigures() {
  const CVostraneDoc* doc = view->GetDocument();
  frequency.SetText(
      WithoutLeadingBlanks(FreqWert(doc != nullptr ? doc->GetDefaultFrequency() : 0.0)));
  SynthesisSettings& s = Settings();
  ShowFields(*this, kImpedance, s, FieldText::WithoutLeadingBlanks, kTextLimit);
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
  ShowFields(*this, std::span(kBand).subspan(1), s, FieldText::WithoutLeadingBlanks, kTextLimit);
  FillFigures();
}

bool TBandPasDlg::CanClose() {
  FieldReader reader(*this, false);
  return reader.ReadFields(kBand, Settings()) && ReadFigures(reader);
}

LineLowPassDlg::LineLowPassDlg(CVostraneView* view, pf::Window* parent)
    : pf::Dialog(kTemplateId, parent), view(view) {}

bool LineLowPassDlg::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  ShowFields(*this, kLineReference, view->Synthesis());
  return true;
}

void LineLowPassDlg::OnOK() {
  FieldReader reader(*this, true);
  if (reader.ReadFields(kLineReference, view->Synthesis())) pf::Dialog::OnOK();
}
