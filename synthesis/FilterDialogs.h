#pragma once
// The dialogs of the filter synthesis. The low-pass and band-pass dialogs ask for the figures
// of the filter and store each into the view's synthesis settings as soon as it passes, so a
// refused OK keeps the figures before the bad one. The frequency edit always opens with the
// document's default frequency. The line dialog asks for the frequency at which the lines of
// the line transformation are a quarter wave long.

#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"

class CVostraneView;
class FieldReader;
struct SynthesisSettings;

// What both figure dialogs share below their frequency edits.
class FilterFigureDlg : public TDialog {
 protected:
  FilterFigureDlg(CVostraneView* view, pf::Window* parent, const char* templateName);

  SynthesisSettings& Settings();
  // The frequency edit with the document's default frequency, the impedance, ripple, order and
  // type.
  void FillFigures();
  // Impedance, order, type and ripple, in this order; a ripple of 0 makes the filter
  // Butterworth and leaves the stored ripple as it is.
  bool ReadFigures(FieldReader& reader);

  CVostraneView* view;
  TEdit frequency, ripple;
  TGroupBox kind;
  TRadioButton butterworth, chebyshev;
};

class TLowPasDlg : public FilterFigureDlg {
 public:
  TLowPasDlg(CVostraneView* view, pf::Window* parent);

  void SetupWindow() override;
  bool CanClose() override;
};

class TBandPasDlg : public FilterFigureDlg {
 public:
  TBandPasDlg(CVostraneView* view, pf::Window* parent);

  // A Butterworth filter also sets the stored ripple to 0.
  void SetupWindow() override;
  bool CanClose() override;
};

class LineLowPassDlg : public pf::Dialog {
 public:
  LineLowPassDlg(CVostraneView* view, pf::Window* parent);

  bool OnInitDialog() override;
  // A bad frequency is refused in its own message box and the dialog stays open.
  void OnOK() override;

 private:
  CVostraneView* view;
};
