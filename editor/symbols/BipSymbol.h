#pragma once
// The bipolar transistor of the built-in simulator: by hybrid parameters (kind 'H', written
// as a current-controlled current source with a feedback resistor) or by its full small-signal
// equivalent circuit (kind 'S', netlist keyword "BIP"). Base on pin 1, collector on pin 2,
// emitter on pin 3.

#include <array>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/TransistorSymbol.h"

class BipSymbol : public TransistorSymbol<19> {
  PF_DECLARE_RUNTIME(BipSymbol)

 public:
  static constexpr const char* kClassKey = "BIPOLTRANS";

  // Version 1 files end after the hybrid values; from version 2 on the kind-'S' parameters
  // follow them.
  static constexpr int32_t kVersion = 2;
  // The optional elements in the order the netlist line writes them.
  static const std::array<TransistorOptionKey, kOptionCount> kOptionKeys;

  BipSymbol();
  BipSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  // The hybrid kind's feedback resistor, when there is one, instead of continuation lines.
  int GetExtraLineCount() const override;
  MyStrng GetExtraLine(int index) const override;
  void ClearExtraLines() override;
  void WriteNetLine() override;
  int GetNetLineLength() const override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  char kind = 'H';  // 'H' hybrid parameters, 'S' equivalent circuit
  ResWert h11{3000.0};
  FloatWert h12{0.0002};
  FloatWert h21{250.0};
  LeiWert h22{3e-5};
  float alpha = 0.998f;
  float emitterResistance = 2.5f;  // ohms

 private:
  // Alpha and RE, in their stored order.
  std::array<float, 2> Required() const { return {alpha, emitterResistance}; }
  void WriteHybridLine();
  void WriteCircuitLine();

  // The hybrid kind's only extra line; empty when there is none.
  MyStrng feedbackLine;
};
