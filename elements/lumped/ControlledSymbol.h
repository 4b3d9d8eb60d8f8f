#pragma once
// The controlled sources and the built-in operational amplifier: three-pin symbols with a gain,
// input and output resistance and an optional cut-off frequency and delay. The sources also
// write a small SPICE equivalent circuit; the amplifier has none.

#include <cstdint>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/DreiPolSymbol.h"

class ControlledSymbol : public DreiPolSymbol {
  PF_DECLARE_RUNTIME(ControlledSymbol)

 public:
  void Serialize(pf::Archive& ar) override;
  void CopyParameters(const NetSymbol& other) override;
  // A line the simulator reads without dividing by zero, or none and a report.
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  // The gain in the value class of the symbol's kind.
  virtual MyStrng& Gain() = 0;
  const MyStrng& Gain() const { return const_cast<ControlledSymbol*>(this)->Gain(); }

  ResWert r1{50.0};
  ResWert r2{50.0};
  FreqWert fg{1e11};
  TimWert td{1e-12};
  int32_t cutOffFlag = 0;
  int32_t delayFlag = 0;

 protected:
  ControlledSymbol(const char* classKey, const char* keyword, const char* gainKeyword);
  ControlledSymbol(const char* classKey, const char* keyword, const char* gainKeyword,
                   const Point& start, const Point& end);

  // R1, R2 and, when it is written, fg positive; queues a report for each that is not.
  bool ValuesUsable() const;
  // The sources' drawing: the glyph with leads to the pins.
  using Glyph = void (*)(pf::Dc* dc, int x, int y, int w, int h, int d, bool show, bool arrows);
  void DrawSource(pf::Dc& dc, Glyph glyph);

 private:
  // The gain in its own value class, which decides whether a loaded text is a number.
  virtual void SerializeGain(pf::Archive& ar) = 0;

  const char* keyword;
  const char* gainKeyword;
};

class VvgSymbol : public ControlledSymbol {
  PF_DECLARE_RUNTIME(VvgSymbol)

 public:
  static constexpr const char* kClassKey = "VOLCONVOL";

  VvgSymbol();
  VvgSymbol(const Point& start, const Point& end);

  MyStrng& Gain() override { return m; }
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  // One internal node: the E source drives R2 from it.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;

  FloatWert m{10.0};

 private:
  void SerializeGain(pf::Archive& ar) override;
};

class VcgSymbol : public ControlledSymbol {
  PF_DECLARE_RUNTIME(VcgSymbol)

 public:
  static constexpr const char* kClassKey = "VOLCONCUR";

  VcgSymbol();
  VcgSymbol(const Point& start, const Point& end);

  MyStrng& Gain() override { return g; }
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;

  LeiWert g{0.01};

 private:
  void SerializeGain(pf::Archive& ar) override;
};

class CcgSymbol : public ControlledSymbol {
  PF_DECLARE_RUNTIME(CcgSymbol)

 public:
  static constexpr const char* kClassKey = "CURCONCUR";

  CcgSymbol();
  CcgSymbol(const Point& start, const Point& end);

  MyStrng& Gain() override { return b; }
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  // One internal node: a zero-volt source behind R1 senses the input current.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;

  FloatWert b{100.0};

 private:
  void SerializeGain(pf::Archive& ar) override;
};

class OpAmpSymbol : public ControlledSymbol {
  PF_DECLARE_RUNTIME(OpAmpSymbol)

 public:
  static constexpr const char* kClassKey = "OPAMPLIFIER";

  OpAmpSymbol();
  OpAmpSymbol(const Point& start, const Point& end);

  MyStrng& Gain() override { return m; }
  // Inputs at pin 1 (inverting) and pin 3 two grid steps below, the output at pin 2 between
  // them; the amplifier always points right, at least four grid steps long, whichever way it
  // was dragged.
  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteLatex(LineFile& lines) override;
  // Writes nothing: SPICE knows no such element.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool LacksSpiceForm() const override { return true; }

  FloatWert m{80.0};  // open-loop gain in dB

 private:
  void SerializeGain(pf::Archive& ar) override;
};
