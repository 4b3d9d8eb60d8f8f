#pragma once
// The input port: where a network analysis feeds the circuit, with its source resistances and
// frequency range.

#include <cstdint>

#include "editor/symbols/EinPolSymbol.h"

class InpSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(InpSymbol)

 public:
  static constexpr const char* kClassKey = "INPUT";

  // Version 2 files hold the base form only; from 3 on the port's own fields follow it.
  static constexpr int32_t kVersion = 3;

  InpSymbol();
  InpSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  void SetPortName(const MyStrng& text) override;
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  bool SetParameter(const MyStrng& name, float value) override;
  char SetCharParameter(const MyStrng& name, char value) override;

  // Everything the port holds beyond the base, as one value so a record is taken whole or not.
  struct Settings {
    MyStrng portName = "Unkown";
    int32_t mode = 1;  // 1 one-port, 2 two-port
    int32_t portField1 = 0;
    int32_t portField2 = 0;
    int32_t outputNode = 0;  // the output marker's node, set on each netlist pass
    char parameterKind = 'S';
    char displayLetter = 'L';
    float rGen1 = 50.0f;  // ohms
    float rGen2 = 50.0f;
    float staFreq = 1e9f;  // Hz
    float stoFreq = 2e10f;
    int32_t pointCount = 51;
    MyStrng displayFormat = "LogMag";
  };
  Settings settings;

 private:
  void Init();
};

// The port glyph (30 x 12, in the label font, turned by the orientation) at the centre and
// the lead from it to pin 1: the input port and the output marker differ only in the glyph.
using PortGlyph = void (*)(pf::Dc* dc, int x, int y, int w, int h, char dir);
void DrawPortGlyph(const NetSymbol& s, pf::Dc& dc, PortGlyph glyph);
