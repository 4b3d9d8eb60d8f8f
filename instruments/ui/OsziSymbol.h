#pragma once
// The oscilloscope on one node. In a built-in run it collects the node's complex voltage at
// every spectral line of the master and turns the collection into a time signal at the run's
// end; after a SPICE transient run it shows the node's voltage over the result's times. The
// speaker shares its collection.

#include <cstdint>

#include "basics/Vektor.h"
#include "basics/WertMitDim.h"
#include "diagrams/RectTimeDiag.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/models/RealSignal.h"

class OsziSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(OsziSymbol)

 public:
  static constexpr const char* kClassKey = "OsziSymbol";
  // Version 2 adds the result's title and date.
  static constexpr int32_t kVersion = 2;

  OsziSymbol();
  OsziSymbol(const Point& start, const Point& end);

  // After the base: Ri, the kept diagram, the time signal, display and source letters, then
  // the time signal again (source 'R') or the SPICE values and times (source 'S'), then the
  // result's title and date. Throws pf::ArchiveError on a letter it does not know or a version
  // above its own.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // A transient result: the node's voltage over the result's times. Any other result does
  // not reach the screen, which keeps what it showed.
  void ReadSpiceResults(SpiceManager& source) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  int WriteSpiceLines(LineFile& lines, int) override {
    WriteLoadSpiceLine(lines, ri);
    return 0;
  }

  void MeasureStep(InstrumentRole& master) override;
  // A built-in run feeds the oscilloscope: the screen shows its time signal from now on, and
  // nothing until the run ends.
  void BeginMeasurement(InstrumentRole& master) override;
  bool ShowsSpiceResult() const override { return source == 'S'; }
  // The collection's time signal, when a run reached every line; after a run that stopped
  // before, the oscilloscope holds no signal, as before any run.
  void EndMeasurement() override;

  // The bit rate of the view's active data generator, else 1e9 bit/s.
  double DataRate() const;

  ResWert ri{1e6};
  LinTimeDiag keptDiagram;
  RealSignal timeSignal;
  char display = 'Z';  // 'Z' time diagram, 'A' eye diagram
  char source = 'R';   // 'R' built-in run, 'S' SPICE transient result
  RVektor spiceValues;
  RVektor spiceTimes;
};
