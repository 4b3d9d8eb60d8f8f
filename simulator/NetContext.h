#pragma once
// The two process-wide pointers that tie the simulator to the instruments: the reader in use
// (the netlist being built or run; elements find data objects and substrates through it) and
// the current analyser (whose source resistances a run uses). The instrument that starts a
// run sets both; tests reset them between cases.

#include "basics/Cmplx.h"

class ScomFile;

// What the simulator needs of the instrument that runs it: its source resistances.
class NetAnalyser {
 public:
  virtual ~NetAnalyser() = default;
  virtual Cmplx GetRG1() const = 0;
  virtual Cmplx GetRG2() const = 0;
};

class NetContext {
 public:
  static ScomFile* ReaderInUse();
  static void SetReaderInUse(ScomFile* reader);
  static NetAnalyser* CurrentAnalyser();
  static void SetCurrentAnalyser(NetAnalyser* analyser);
  // Both null, as at start-up.
  static void Reset();
};
