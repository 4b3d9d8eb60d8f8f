#pragma once
// The dimensioning calculators: microstrip (162), slotline (183), coplanar line (232),
// sandwich slotline (214) and microstrip-to-slotline transition (186). The user steps the
// dimensions and the frequency with spin buttons (the upper arrow, delta below 1, increases;
// a decrease that would not leave a positive value is skipped) and reads the model's results
// in read-only edits; a step at which the model has no result beeps and leaves the results as
// they were. Each computes with the substrate chosen in its combo box, the first one at first.

#include <vector>

#include "basics/MyStrng.h"
#include "lines/models/CCoplanarLineModell.h"
#include "lines/models/CCoveredSlotLineModell.h"
#include "lines/models/MathPool.h"
#include "lines/models/MslToSlotElement.h"
#include "lines/models/SlotLineModell.h"
#include "lines/models/SubstrateData.h"
#include "pf/dialog.h"

class CCoplanarLineSymbol;
class CVostraneView;
class SlotLineSymbol;
class SubSymbol;
class TrlSymbol;

// What the calculators share: the view, the circuit's substrates and the chosen one.
class CalculatorDialog : public pf::Dialog {
 public:
  void AddSubstrate(SubSymbol* symbol) { substrates.push_back(symbol); }
  // The chosen substrate's full name; the record cuts it to its field.
  const MyStrng& GetSubstrateName() const { return substrateName; }
  const SubstrateData& GetSubstrate() const { return substrate; }

  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;

  // Whether a is smaller than b by more than rounding: values stepped in decimal increments
  // carry the binary representation's error, and a guard must not let it through.
  static bool Below(double a, double b);
  // The power of ten nearest to x (> 0): increments move in exact decades.
  static double Decade(double x);
  // The decimal that x (> 0) stands for, as near as a double gets to it: x rounded to the
  // decade of step (a power of ten) or, where x has finer digits, to the six significant ones
  // a single-precision value keeps. Symbols and substrates store floats, whose error a step
  // would otherwise carry on (0.5 mm is 0.50000002 mm).
  static double Exact(double x, double step);
  // value += step, or value -= step only while step is below it, both in exact decimals; true
  // when it changed.
  static bool Move(double& value, double step, bool up);

 protected:
  CalculatorDialog(int templateId, CVostraneView* view, int comboId);
  // Lists the substrates' names in the combo box and chooses the first.
  void ListSubstrates();
  // After the combo box chose another substrate.
  virtual void SubstrateChanged() = 0;
  // The spin button's step; up for the upper arrow.
  virtual void Step(int spinId, bool up) = 0;
  void Show(int id, const MyStrng& text) { SetDlgItemText(id, text.ToCString()); }
  static void Beep();
  // The view's document's analysis frequency (Hz).
  static double DefaultFrequency(const CVostraneView* view);

  CVostraneView* view;
  std::vector<SubSymbol*> substrates;
  SubstrateData substrate;
  MyStrng substrateName;

 private:
  void Choose(int index);

  int comboId;
};

// A calculator that steps the frequency and the dimensions, these by an increment that moves
// in decades.
class SteppedCalculator : public CalculatorDialog {
 public:
  double GetFrequency() const { return f; }
  double GetIncrement() const { return increment; }

 protected:
  SteppedCalculator(int templateId, CVostraneView* view, int comboId, double f,
                    double frequencyStep, double increment);
  // A decade up or down, staying between smallest and largest.
  void StepIncrement(bool up, double smallest, double largest);

  double f;
  const double frequencyStep;
  double increment;
};

// Lengths in millimetres and frequencies in GHz, as the microstrip analysis takes them.
class DimMikrostripLine : public SteppedCalculator {
 public:
  explicit DimMikrostripLine(CVostraneView* view);
  // The symbol's length becomes L.
  void LoadFromSymbol(TrlSymbol& symbol);
  bool OnInitDialog() override;

  double GetWidth() const { return W; }
  double GetLength() const { return L; }
  // The open-end extension in metres.
  double GetExtension() const { return extension; }

 private:
  void SubstrateChanged() override { UpdateResults(); }
  void Step(int spinId, bool up) override;
  // The microstrip at W and f; false without a result.
  bool Recalculate();
  void UpdateResults();
  // L/lambda from f and eps_eff.
  void UpdateLengthRatio();

  MicrostripResult results;
  double W = 1.0;
  double L = 10.0;
  double extension = 0.0;
};

// SI units throughout.
class SlotLineDim : public SteppedCalculator {
 public:
  explicit SlotLineDim(CVostraneView* view);
  // The model's width and length become the symbol's.
  void LoadFromSymbol(SlotLineSymbol& symbol);
  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

  const SlotLineModell& GetModel() const { return model; }

 private:
  void SubstrateChanged() override;
  void Step(int spinId, bool up) override;
  void UpdateResults();
  void UpdateLengthRatio();
  void ShowResults(double stubReactance);
  // -1/Im(Y) of the short-circuited section; NaN where Im(Y) is 0.
  double StubReactance();

  SlotLineModell model;
};

class CCoplanarLineDim : public SteppedCalculator {
 public:
  explicit CCoplanarLineDim(CVostraneView* view);
  // Strip width, gap and length of the symbol become the model's.
  void LoadFromSymbol(CCoplanarLineSymbol& symbol);
  bool OnInitDialog() override;

  const CCoplanarLineModell& GetModel() const { return model; }

 private:
  void SubstrateChanged() override;
  void Step(int spinId, bool up) override;
  void UpdateResults();

  CCoplanarLineModell model;
};

// Nothing is placed or stored: the dialog only computes.
class SandwichSlotLineDlg : public CalculatorDialog {
 public:
  explicit SandwichSlotLineDlg(CVostraneView* view);
  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;

  const CCoveredSlotLineModell& GetModel() const { return model; }

 private:
  // The combo box's substrate becomes the model's.
  void SubstrateChanged() override { model.SetSubstrate(substrate); }
  void Step(int, bool) override {}
  // Reads a and w/d (refusing a bad or non-positive one under "Fehler Weite:") and solves
  // the wavelength ratio at a.
  void OnCompute();

  CCoveredSlotLineModell model;
};

class MslToSltDesign : public SteppedCalculator {
 public:
  explicit MslToSltDesign(CVostraneView* view);
  bool OnInitDialog() override;

  const MslToSlotElement& GetElement() const { return element; }

 private:
  void SubstrateChanged() override;
  void Step(int spinId, bool up) override;
  void Recompute();

  MslToSlotElement element;
};
