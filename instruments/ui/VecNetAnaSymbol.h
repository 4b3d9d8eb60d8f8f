#pragma once
// The network analyser on the schematic: marks the ports of the device under test. While its
// line defines the network of the netlist being written, it is the header of the network under
// test; otherwise, and always under SPICE, it terminates its ports in the analyser window's
// reference resistances. Its edit opens the analyser window, modeless.

#include "instruments/ui/MessGeraetSymbol.h"

class VecNetAnaSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(VecNetAnaSymbol)

 public:
  static constexpr const char* kClassKey = "VecNetAnaSymbol";
  static constexpr int kBitmap = 149;
  // Version 2 adds the window's marker behind its record.
  static constexpr int32_t kVersion = 2;

  VecNetAnaSymbol();
  VecNetAnaSymbol(const Point& start, const Point& end);

  // After the base: 1, the window's kind name, its archive and its marker, or 0 without a
  // window. Throws pf::ArchiveError on a window kind other than the analyser's or a version
  // above its own.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // Shows the window, creating it the first time; false when it cannot be created.
  bool EditDialog(pf::Window* parent) override;
  int GetExtraLineCount() const override;
  MyStrng GetExtraLine(int index) const override;
  void ClearExtraLines() override { port2Line.Clear(); }
  void WriteNetLine() override;
  // The line that WriteNetLine built while defining the network.
  MyStrng GetNetHeader() const override { return runsNetlist ? netLine : MyStrng(); }
  // The terminations "R<name>_1 node 0 R" (and "_2"): no SPICE analysis is the analyser's.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;

  // The window's reference resistances; 50 ohm without a window.
  double GetPort1Resistance() const;
  double GetPort2Resistance() const;
  // The radio buttons of the panel: a one-port or a two-port instrument.
  void SetPortCount(int ports);

  MyStrng port2Line;
};
