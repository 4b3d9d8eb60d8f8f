#pragma once
// What the document asks of instrument and DC generator symbols. Those classes live in
// libraries above the editor, so they implement these interfaces beside NetSymbol and the
// document finds them by dynamic_cast.

#include <cstdint>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

namespace pf {
class Window;
}

// An instrument takes part in the built-in runs that the view's timer advances: the master
// (the instrument whose active flag is set) computes the next point, the others measure it.
// The bodies here are those of an instrument that records nothing.
class InstrumentRole {
 public:
  virtual ~InstrumentRole() = default;
  // The master of a run has its active flag set.
  virtual int GetActiveFlag() const = 0;
  virtual void SetActiveFlag(int active) = 0;
  // The master moves to its next point and computes it; every other instrument reads it.
  virtual void MeasureStep(InstrumentRole& /*master*/) {}
  // Forgets what the last run recorded.
  virtual void BeginMeasurement(InstrumentRole& /*master*/) {}
  virtual void EndMeasurement() {}
  // The instrument's own window, null while it has none.
  virtual pf::Window* GetInstrumentWindow() const { return nullptr; }
  // The view hides the windows when it loses activation and destroys them when it closes.
  virtual void HideInstrumentWindow() {}
  virtual void DestroyInstrumentWindow() {}
  // Cleared on every instrument when a run ends, so each start builds its network again.
  virtual void SetRunState(uint8_t /*state*/) {}
  // A master whose run sweeps single points (frequencies, supply values) rather than feeding
  // spectral lines: only the instruments that read single points take part in it, the others
  // keep what they collected.
  virtual bool SweepsSinglePoints() const { return false; }
  virtual bool ReadsSinglePoints() const { return false; }
  // The next instrument of a SPICE chain; "NoSlave" when there is none.
  virtual MyStrng GetNextInstrumentName() const = 0;
  // The master's lines behind the circuit's ports in the netlist (its sweep and outputs).
  virtual void AppendNetworkHeader(LineFile& /*lines*/) const {}
  // Set by the netlist writers on every instrument before the lines are written: whether it
  // runs the analysis being written (its header defines the network; under SPICE its source
  // drives). One that does not is idle: a generator other than a DC supply, which holds its
  // value, is a source of 0 V behind its resistance; the analyser terminates its ports.
  virtual void SetRunning(bool /*running*/) {}
  virtual bool IsRunning() const { return false; }
  // Set by the SPICE writer beside SetRunning: whether the analysis written is a transient. There
  // a source whose SPICE form is a waveform in time drives whether it runs or not, as a circuit
  // with several such sources (a mixer) needs; only the running one writes the card.
  virtual void SetTransient(bool /*transient*/) {}
};

// A symbol whose measured data the netlist's DATA block carries under its element name.
class DataTableRole {
 public:
  virtual ~DataTableRole() = default;
  // The table's lines as the simulator reads them, prepared by the symbol's netlist writer.
  virtual const LineFile& GetTableLines() const = 0;
};

class DcGeneratorRole {
 public:
  virtual ~DcGeneratorRole() = default;
  // 'U' voltage source, 'I' current source.
  virtual char GetSourceMode() const = 0;
  // 'V' swept output, 'F' fixed.
  virtual char GetOutputMode() const = 0;
};
