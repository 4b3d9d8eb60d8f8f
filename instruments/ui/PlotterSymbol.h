#pragma once
// The x-y plotter for SPICE results: the Y input between pins 1 and 2, the X input between pins
// 3 and 4, each a resistor in the SPICE netlist that measures a voltage (1 Mohm) or, as a
// 0.01 ohm shunt, a current. After a SPICE run it keeps the X and Y of every result point for
// its window; built-in runs do not reach it.

#include <cstdint>

#include "basics/MyStrng.h"
#include "basics/Vektor.h"
#include "basics/WertMitDim.h"
#include "diagrams/RecPlanDiag.h"
#include "editor/symbols/MultiPolSymbol.h"

class PlotterSymbol : public MultiPolSymbol {
  PF_DECLARE_RUNTIME(PlotterSymbol)

 public:
  static constexpr const char* kClassKey = "PlotterSymbol";
  static constexpr int32_t kHighestRange = 12;
  static constexpr int32_t kLowestRange = -15;
  // Version 2 adds the result's title and date.
  static constexpr int32_t kVersion = 2;

  // The range and the unit of one input.
  struct Input {
    ResWert resistance{1e6};
    char quantity = 'U';  // 'U' voltage, 'I' current
    RVektor values;
    int32_t range = 0;  // display range 10^range

    void SetVoltage();
    void SetCurrent();
    // By 3 within kLowestRange..kHighestRange; false at the limit.
    bool RangeUp();
    bool RangeDown();
    // Prefix and unit of 10^range as a voltage or current ("mV", "uA").
    MyStrng RangeText() const;
    // From measured values to the displayed range: 10^-range.
    double Factor() const;
  };

  PlotterSymbol();
  PlotterSymbol(const Point& start, const Point& end);

  // After the multipole part: both resistances, X and Y values, the kept diagram, both
  // quantities, both ranges, the flags, the curve layout and the result's title and date.
  // Throws pf::ArchiveError on a quantity, range or curve layout the plotter cannot show, or a
  // version above its own.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // "Ryname n1 n2 Ry" and "Rxname n3 n4 Rx".
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  void ReadSpiceResults(SpiceManager& source) override;
  // The built-in runs do not reach the plotter: the base's bare node list would be no element.
  void WriteNetLine() override { netLine.Clear(); }
  // The set-up dialog while it is pending (true on OK), then the plot window.
  bool EditDialog(pf::Window* parent) override;

  void SetXVoltage() { x.SetVoltage(); }
  void SetYVoltage() { y.SetVoltage(); }
  void SetXCurrent() { x.SetCurrent(); }
  void SetYCurrent() { y.SetCurrent(); }
  bool XRangeUp() { return x.RangeUp(); }
  bool YRangeUp() { return y.RangeUp(); }
  bool XRangeDown() { return x.RangeDown(); }
  bool YRangeDown() { return y.RangeDown(); }
  // The bottom line: the SPICE result's title and date, as the other screens name a run; the
  // circuit's title before any result.
  MyStrng GetResultCaption() const;
  MyStrng GetXRangeText() const { return x.RangeText(); }
  MyStrng GetYRangeText() const { return y.RangeText(); }
  double GetXFactor() const { return x.Factor(); }
  double GetYFactor() const { return y.Factor(); }

  Input x;
  Input y;
  int32_t freshScreen = 1;
  int32_t setUpPending = 1;
  PlotPlaneDiag keptDiagram;
  MyStrng resultTitle;
  MyStrng resultDate;
  int32_t pointsPerCurve = 0;
  int32_t curveCount = 0;
};
