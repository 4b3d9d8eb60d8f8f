#pragma once
// The crystal and the series and parallel resonant circuits: two-pin resonators described by
// resonance frequency, characteristic resistance and quality factor, which expand into R, L and
// C lines for SPICE.

#include <tuple>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "elements/lumped/LumpedValueSymbol.h"

class QuarzSymbol : public LumpedValueSymbol<QuarzSymbol> {
  PF_DECLARE_RUNTIME(QuarzSymbol)

 public:
  static constexpr const char* kClassKey = "SCHWINGQUARZ";

  QuarzSymbol();
  QuarzSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  // Two internal nodes; none and no line when a value would divide by zero.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  // In the order of the archive; the text record writes Fd last.
  auto Values() { return std::tie(fs, fd, zk, q); }
  auto Values() const { return std::tie(fs, fd, zk, q); }

  FreqWert fs{1e6};
  FreqWert fd{750.0};  // from the series to the parallel resonance
  ResWert zk{1e6};
  FloatWert q{40000.0};
};

// The series and the parallel circuit differ in their keys, the loss resistor, the internal
// nodes and the label places; the synthesis sets them by the names "fRes", "zKen", "qGuete".
class ResonantCircuitSymbol : public LumpedValueSymbol<ResonantCircuitSymbol> {
  PF_DECLARE_RUNTIME(ResonantCircuitSymbol)

 public:
  struct Kind {
    const char* classKey;
    const char* keyword;
    bool parallel;
    double q;
    void (*glyph)(pf::Dc* dc, int x, int y, int len, int width, bool horizontal);
    int frequencyDy;  // label offsets, as DrawLabel takes them
    int impedanceDy;
    int impedanceDx;
  };

  void Draw(pf::Dc& dc) override;
  // The series circuit uses two internal nodes, the parallel one none.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  bool SetParameter(const MyStrng& name, float value) override;
  double GetParameter(const MyStrng& name) const override;

  auto Values() { return std::tie(f0, zk, q); }
  auto Values() const { return std::tie(f0, zk, q); }

  FreqWert f0{1e6};
  ResWert zk{50.0};
  FloatWert q;

 protected:
  explicit ResonantCircuitSymbol(const Kind& kind);
  ResonantCircuitSymbol(const Kind& kind, const Point& start, const Point& end);

 private:
  const Kind& kind;
};

class SrlcSymbol : public ResonantCircuitSymbol {
  PF_DECLARE_RUNTIME(SrlcSymbol)

 public:
  static constexpr const char* kClassKey = "SERRESCIRCUIT";

  SrlcSymbol();
  SrlcSymbol(const Point& start, const Point& end);
  bool EditDialog(pf::Window* parent) override;
};

class PrlcSymbol : public ResonantCircuitSymbol {
  PF_DECLARE_RUNTIME(PrlcSymbol)

 public:
  static constexpr const char* kClassKey = "PARRESCIRCUIT";

  PrlcSymbol();
  PrlcSymbol(const Point& start, const Point& end);
  bool EditDialog(pf::Window* parent) override;
};
