#pragma once
// The masters that drive a built-in run one spectral line per step: the audio source and the data
// generator. Each turns its excitation into a spectrum (the master signal) and, at every timer
// tick, puts the next line on the network as the voltage of its own source (every other source
// gets 0 V) and computes the network at the line's frequency. To the netlist reader either is a
// plain voltage source ("UQU") with an internal resistance, named after the symbol. Also here:
// the picture drawing shared by the instruments drawn as bitmaps.

#include <cmath>

#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "elements/lumped/LumpedSupport.h"
#include "instruments/ui/MessGeraetSymbol.h"

namespace pf {
class Dialog;
}

class SpectrumSource : public MessMasterSymbol {
 public:
  SpectrumSource(const Point& start, const Point& end);

  // The two-pole frame, the name beside it, the bitmap turned to the orientation.
  void Draw(pf::Dc& dc) override;
  // "UQU node  U= amplitude R= resistance name".
  void WriteNetLine() override;
  // While active: "TITLE: 1POR node ".
  MyStrng GetNetHeader() const override;
  // A recording has no SPICE form: the source is 0 V behind its resistance, as when idle.
  int WriteSpiceLines(LineFile& lines, int lastNode) override {
    return WriteSourceBehind(lines, lastNode, "DC 0", resistance);
  }
  // Its own run (master is itself) steps one line on; the step after the last line ends it.
  void MeasureStep(InstrumentRole& master) override;

  // The Start button of the set-up dialog: the view's timer at the period, then the run of
  // about this many steps (the busy window's count) as every generator starts it.
  void StartFromDialog(pf::Dialog& dialog, unsigned periodMs, int steps);

  ResWert resistance{"50ohm"};
  SpanWert amplitude{"1V"};

 protected:
  // The master signal holds the spectrum: line 0 goes on the network and, when not 0, is
  // computed. The number of lines, 0 without a network it can drive.
  int FeedFirstLine();
};

// The bitmap instruments' body of Draw: frame, name, picture as drawn when the symbol lies,
// turned a quarter counter-clockwise when it stands, up or down alike.
void DrawBitmapInstrument(MessGeraetSymbol& symbol, pf::Dc& dc);

// A computed number in SPICE notation with 9 significant digits and the prefix that the value
// class W would choose; 0 (also for what is not finite) is "0".
template <class W>
MyStrng PreciseSpice(double value) {
  if (value == 0.0 || !std::isfinite(value)) return "0";
  return lumped::SpiceNumber<W>(value);
}
inline MyStrng SpiceTime(double seconds) { return PreciseSpice<TimWert>(seconds); }
// A computed time as a value that keeps those digits ("6.8nSec"), for the ".TRAN" cards.
TimWert PreciseTime(double seconds);
