#pragma once
// The data two-port: a one-port, two-port or two-terminal element whose scattering parameters
// come from a file. Its netlist line calls the table that the DATA block carries under the
// element's name; the rows are converted whenever the line is written.

#include <cstdint>
#include <string>

#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "elements/data/NewDataSet.h"

class TwoPortSymbol : public ZweiPolSymbol, public NewDataSet, public DataTableRole {
  PF_DECLARE_RUNTIME(TwoPortSymbol)

 public:
  static constexpr const char* kClassKey = "TWOPORT";
  static constexpr const char* kFileFilter =
      "Streuparameter (*.s2p)|*.s2p|Streuparameter (*.s1p)|*.s1p|Daten Files (*.dat)|*.dat|"
      "Text Files (*.txt)|*.txt|";

  TwoPortSymbol();
  TwoPortSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // The file dialog while no file is loaded, then the data dialog.
  bool EditDialog(pf::Window* parent) override;
  // "ONE" with one pin or as a two-terminal element, else "TWO"; every pin's node, ground
  // included, then the name. Converts the rows into the table under the option line when it
  // states all; a refused option line or a row that fails is reported.
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  bool IsDataItem() const override { return true; }
  bool LacksSpiceForm() const override { return true; }
  const LineFile& GetTableLines() const override { return table; }
  // A pad of its length's side flashed at its middle; without an aperture (no coplanar line
  // beside it) nothing, since the flash would take another symbol's aperture.
  void WriteGerber(GerberPlotFile& file) const override;
  bool TakesPadFromLine() const override { return true; }
  void SetPadSide(double side) override { smdLength = LaeWert(side); }

  // Reads the file and its option line. False, reported, when the file cannot be read, holds
  // no data row, has a line the reader would cut, an option line that is refused (a format or
  // parameters not supported, a reference resistance that is no number above 0, an unknown or
  // doubled word) or a row that does not convert or holds another count of values; the symbol
  // then keeps what it had.
  bool LoadFile(const std::string& path, const std::string& title);

  char portKind = 'T';  // 'T' one- or two-port by the pin count, 'P' two-terminal element

 private:
  void Init();

  LineFile table;
};
