#pragma once
// The field-effect transistor of the built-in simulator as a small-signal equivalent circuit
// (netlist keyword "FET"): gate on pin 1, drain on pin 2, source on pin 3.

#include <array>

#include "editor/symbols/TransistorSymbol.h"

class FetSymbol : public TransistorSymbol<18> {
  PF_DECLARE_RUNTIME(FetSymbol)

 public:
  static constexpr const char* kClassKey = "FETTRANS";

  // Version 1 files hold the base form only; from version 2 on the parameters follow it.
  static constexpr int32_t kVersion = 2;
  // The optional elements in the order the netlist line writes them.
  static const std::array<TransistorOptionKey, kOptionCount> kOptionKeys;

  FetSymbol();
  FetSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  float transconductance = 0.05f;        // siemens
  float gateSourceCapacitance = 1e-12f;  // farads

 private:
  // Transconductance and gate-source capacitance, in their stored order.
  std::array<float, 2> Required() const { return {transconductance, gateSourceCapacitance}; }
};
