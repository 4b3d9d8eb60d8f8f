#pragma once
// The bipolar transistor, the junction FET and the operational amplifier whose behaviour comes
// from the circuit's SPICE model library: each writes a SPICE line naming its model (a .MODEL
// card of type NPN/PNP or NJF/PJF, a .SUBCKT block whose name begins with "OP") and copies the
// model's text from the library into the SPICE netlist. The built-in simulator has no model for
// them. They keep the multi-pole record; the class key tells them apart.

#include "editor/symbols/MultiPolSymbol.h"

// The transistors: pins 1 base or gate, 2 and 3 the outer electrodes; 'L' draws the picture
// mirrored, which puts pin 3 where the other orientations have pin 2.
class BipSpiceSymbol : public MultiPolSymbol {
 public:
  static constexpr const char* kClassKey = "BipSpiceSymbol";

  BipSpiceSymbol();
  BipSpiceSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  void DrawBitmap(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int flag) override;
  void WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) override;
  bool UsesSpiceModel() const override { return true; }
  // The model chooser while no model is chosen, else the read-only model text.
  bool EditDialog(pf::Window* parent) override;
  // Reports "NAME: nur mit Spice simulierbar"; the built-in netlist gets no line.
  void WriteNetLine() override;

  // The picture turned pixel by pixel: 'R' as it is, 'L' mirrored left to right, 'O' and 'U' a
  // quarter turn; any other letter leaves the result blank.
  static pf::Bitmap Turned(const pf::Bitmap& picture, char orientation);

 protected:
  BipSpiceSymbol(const Point& start, const Point& end, const char* key, int bitmapId);
  // Pieces of the bar; the FET's channel is longer.
  virtual int BarLength() const { return 6; }
};

class FetSpiceSymbol : public BipSpiceSymbol {
 public:
  static constexpr const char* kClassKey = "FetSpiceSymbol";

  FetSpiceSymbol();
  FetSpiceSymbol(const Point& start, const Point& end);

  bool EditDialog(pf::Window* parent) override;

 protected:
  int BarLength() const override { return 8; }
};

// Pins 1 inverting and 5 non-inverting input, 2 output, 3 and 4 the supplies; the sub-circuit
// takes them as 5, 1, 4, 3, 2 whatever the orientation.
class OpaSpiceSymbol : public MultiPolSymbol {
 public:
  static constexpr const char* kClassKey = "OpaSpiceSymbol";

  OpaSpiceSymbol();
  OpaSpiceSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  int WriteSpiceLines(LineFile& lines, int flag) override;
  void WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) override;
  bool UsesSpiceModel() const override { return true; }
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
};

namespace spice_symbols {

// The model name in the label fonts: centred on a horizontal symbol with its bottom at centre
// + dy, on a vertical one at left units left of the centre.
void DrawModelName(pf::Dc& dc, const NetSymbol& symbol, int dy, int left);
// Queues "NAME: nur mit Spice simulierbar".
void ReportSpiceOnly(const NetSymbol& symbol);

}  // namespace spice_symbols
