#pragma once
// The resistor, capacitor and inductor: two-pin symbols with their value and, when not ideal,
// the loss parameters that the built-in simulator models.

#include <tuple>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "elements/lumped/LumpedValueSymbol.h"

class ResSymbol : public LumpedValueSymbol<ResSymbol> {
  PF_DECLARE_RUNTIME(ResSymbol)

 public:
  static constexpr const char* kClassKey = "WIDERSTAND";

  using LumpedValueSymbol::LumpedValueSymbol;

  // The values, then the SMD length and flag once more.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  // The values and the ideal flag.
  void CopyParameters(const NetSymbol& other) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;

  auto Values() { return std::tie(r, ls, cp); }
  auto Values() const { return std::tie(r, ls, cp); }

  ResWert r{50.0};
  IndWert ls{2e-9};
  CapWert cp{1e-12};
};

// The capacitor and the inductor share their layout: the value, then the self-resonance (series
// for the capacitor, parallel for the inductor) and the quality curve's peak.
class CapSymbol : public LumpedValueSymbol<CapSymbol> {
  PF_DECLARE_RUNTIME(CapSymbol)

 public:
  static constexpr const char* kClassKey = "KAPAZITAET";

  using LumpedValueSymbol::LumpedValueSymbol;

  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;

  auto Values() { return std::tie(c, fs, qm, fm); }
  auto Values() const { return std::tie(c, fs, qm, fm); }

  CapWert c{1e-12};
  FreqWert fs{1e12};
  FloatWert qm{10000.0};
  FreqWert fm{1e12};
};

class IndSymbol : public LumpedValueSymbol<IndSymbol> {
  PF_DECLARE_RUNTIME(IndSymbol)

 public:
  static constexpr const char* kClassKey = "INDUKTIVITAET";

  using LumpedValueSymbol::LumpedValueSymbol;

  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;

  auto Values() { return std::tie(l, fp, qm, fm); }
  auto Values() const { return std::tie(l, fp, qm, fm); }

  IndWert l{2e-9};
  FreqWert fp{1e12};
  FloatWert qm{10000.0};
  FreqWert fm{1e12};
};
