#pragma once
// The signal generator: a one-pin voltage source (open-circuit voltage behind an internal
// resistance, to ground) that drives a frequency sweep of the built-in simulator. It is always
// a master: it owns the sweep, the run's netlist reader and the network the other instruments
// read, and steps the run from frequency to frequency on the view's timer. Under SPICE it is
// an AC source behind its resistance, and writes the ".AC" card.

#include "basics/WertMitDim.h"
#include "instruments/ui/MessGeraetSymbol.h"

class SignalGenSymbol : public MessMasterSymbol {
  PF_DECLARE_RUNTIME(SignalGenSymbol)

 public:
  static constexpr const char* kClassKey = "SignalGenSymbol";

  SignalGenSymbol();
  SignalGenSymbol(const Point& start, const Point& end);

  // The two-pole part, Ri and U as texts, start, stop, count and mode. Throws
  // pf::ArchiveError on a count outside 1..3000, a frequency that is not finite or a mode
  // other than 'L' and 'E'.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // The source behind its resistance, through one internal node.
  int WriteSpiceLines(LineFile& lines, int lastNode) override;
  void WriteSpiceControl(LineFile& lines) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  void SetView(pf::View* owner) override { view = owner; }

  MyStrng GetNetHeader() const override;
  // The sweep prepared and its first frequency computed; 0 while no network is ready.
  int StartRun() override;
  bool SweepsSinglePoints() const override { return true; }
  // The next frequency of its own run (master is itself); ends the run after the last.
  void MeasureStep(InstrumentRole& master) override;

  // ".AC LIN 51 1K 20K" for the sweep as it stands.
  MyStrng AcCard() const;

  SpanWert voltage{"10mV"};
  ResWert resistance{"50ohm"};
};
