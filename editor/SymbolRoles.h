#pragma once
// What the document asks of instrument and DC generator symbols. Those classes live in
// libraries above the editor, so they implement these interfaces beside NetSymbol and the
// document finds them by dynamic_cast.

#include "basics/MyStrng.h"

class InstrumentRole {
 public:
  virtual ~InstrumentRole() = default;
  // The master of a run has its active flag set.
  virtual int GetActiveFlag() const = 0;
  virtual void SetActiveFlag(int active) = 0;
  // The next instrument of a SPICE chain; "NoSlave" when there is none.
  virtual MyStrng GetNextInstrumentName() const = 0;
};

class DcGeneratorRole {
 public:
  virtual ~DcGeneratorRole() = default;
  // 'U' voltage source, 'I' current source.
  virtual char GetSourceMode() const = 0;
  // 'V' swept output, 'F' fixed.
  virtual char GetOutputMode() const = 0;
};
