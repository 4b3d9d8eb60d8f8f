#pragma once
// The symbols without an element of their own: the ground, the wire that joins the grid points
// it covers into one node, and the junction dot. The node numbering treats ground and wires
// specially; none of them writes a netlist or SPICE line or has a dialog.

#include "basics/RgbColor.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"

class GndSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(GndSymbol)

 public:
  static constexpr const char* kClassKey = "GROUND";

  GndSymbol();
  GndSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
};

class Verbindung : public ZweiPolSymbol {
  PF_DECLARE_RUNTIME(Verbindung)

 public:
  static constexpr const char* kClassKey = "VERBINDUNG";

  Verbindung();
  Verbindung(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  // The grid points the wire covers.
  int GetPinCount() const override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
};

class PktSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(PktSymbol)

 public:
  static constexpr const char* kClassKey = "PktSymbol";

  PktSymbol();
  explicit PktSymbol(const Point& at);

  void Draw(pf::Dc& dc) override;
  void WriteLatex(LineFile& lines) override;
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  bool EditDialog(pf::Window* parent) override;
  // Empties the line: the dot joins nothing that the wires and pins do not.
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  RgbColor colour{255, 0, 0};
};
