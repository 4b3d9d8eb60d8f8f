#pragma once
// The field-effect transistor of the built-in simulator as a small-signal equivalent circuit
// (netlist keyword "FET"): gate on pin 1, drain on pin 2, source on pin 3.

#include <array>

#include "editor/symbols/ContinuationLines.h"
#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/TransistorOptions.h"

class FetSymbol : public DreiPolSymbol {
  PF_DECLARE_RUNTIME(FetSymbol)

 public:
  static constexpr const char* kClassKey = "FETTRANS";

  // Version 1 files hold the base form only; from version 2 on the parameters follow it.
  static constexpr int32_t kVersion = 2;
  static constexpr size_t kOptionCount = 18;
  // The optional elements in the order the netlist line writes them.
  static const std::array<TransistorOptionKey, kOptionCount> kOptionKeys;

  FetSymbol();
  FetSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  int GetExtraLineCount() const override;
  MyStrng GetExtraLine(int index) const override;
  void ClearExtraLines() override;
  void WriteNetLine() override;
  int GetNetLineLength() const override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  MyStrng typeName = "MesFet";
  float transconductance = 0.05f;        // siemens
  float gateSourceCapacitance = 1e-12f;  // farads
  std::array<TransistorOption, kOptionCount> options{};

 private:
  // Transconductance and gate-source capacitance, in their stored order.
  std::array<float, 2> Required() const { return {transconductance, gateSourceCapacitance}; }

  ContinuationLines continuation;
};
