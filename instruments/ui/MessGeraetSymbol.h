#pragma once
// The instrument symbols: MessGeraetSymbol is the base of every instrument on the schematic,
// MessMasterSymbol the base of the instruments that drive a run of the built-in simulator with
// a network of their own. A run has one master (the active instrument); every other
// instrument reads the element of the master's network that bears its own name.

#include <cstdint>
#include <memory>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "instruments/ui/MeasInstView.h"
#include "instruments/models/CmplxSignal.h"
#include "simulator/ScomFile.h"
#include "simulator/SweepFreq.h"

class NetElement;
class UsrDefNet;

// The title of the view's document without its extension, or "Netzwerk" without one.
MyStrng CircuitTitle(const pf::View* view);

class MessGeraetSymbol : public ZweiPolSymbol, public InstrumentRole {
  PF_DECLARE_RUNTIME(MessGeraetSymbol)

 public:
  MessGeraetSymbol();
  MessGeraetSymbol(const Point& start, const Point& end);
  ~MessGeraetSymbol() override;

  // Base fields, the signal (none of a run still being collected), the slave name, the active
  // flag and the fresh-screen flag.
  void Serialize(pf::Archive& ar) override;
  bool IsInstrument() const override { return true; }

  int GetActiveFlag() const override { return active; }
  void SetActiveFlag(int flag) override { active = flag; }
  void BeginMeasurement(InstrumentRole& /*master*/) override { dataChanged = 1; }
  pf::Window* GetInstrumentWindow() const override { return window.get(); }
  void HideInstrumentWindow() override { HideWindow(); }
  void DestroyInstrumentWindow() override { DestroyWindow(); }
  MyStrng GetNextInstrumentName() const override { return slaveName; }
  // The active instrument's header is the definition line of the network under test.
  void AppendNetworkHeader(LineFile& lines) const override;
  void SetRunning(bool running) override { runsNetlist = running; }
  bool IsRunning() const override { return runsNetlist; }

  // The element of the attached network with exactly this name; null without one. A master
  // whose run solves another kind of network searches that one.
  virtual NetElement* FindElement(const MyStrng& name) const;
  virtual MyStrng GetNetHeader() const { return MyStrng(); }
  MeasInstView* GetWindow() const { return window.get(); }
  void HideWindow();
  // Destroys the window; the view does this when it closes.
  void DestroyWindow();
  MyStrng GetSlaveName() const { return slaveName; }
  // Title and date of the result taken over: a SPICE result's, or the circuit's and the time
  // of a built-in run.
  void SetResultTitles(const MyStrng& title, const MyStrng& date);
  // Whether the result shown is a SPICE result rather than a built-in run's.
  virtual bool ShowsSpiceResult() const { return false; }
  // A screen's bottom line: the simulator of the run shown ("Spice" or "Ravilone"), then the
  // result's title and date; a result loaded from a file without them names the circuit.
  MyStrng GetResultCaption() const;
  const CmplxSignal& GetSignalCopy() const { return signal; }
  // Whether a built-in run is feeding the instrument: begun and not yet ended. Nothing of it is
  // a result before its end, so the screens show none of it meanwhile.
  bool IsCollecting() const { return collecting; }

  int32_t dataChanged = 0;
  // Whether the instrument's screen starts afresh at each run.
  int32_t freshScreen = 1;
  UsrDefNet* attachedNet = nullptr;
  CmplxSignal signal;
  MyStrng slaveName = "NoSlave";
  MyStrng resultTitle;
  MyStrng resultDate;

 protected:
  // The document title without its extension as a netlist name, or "Netzwerk" without an
  // owner view.
  MyStrng NetworkTitle() const;
  // The collection of a run on the master's grid: as many zeros as the master has lines, its
  // frequency step, the cursor at 0. The titles of an earlier result go; the run's circuit and
  // start name what the run leaves at its end.
  void StartCollecting(const InstrumentRole& master);
  // The value of the master's element of this name (0 while the master does not record, only
  // its real part when asked) at the cursor, which moves on; nothing without that element.
  void CollectValue(InstrumentRole& master, bool realPartOnly);
  // Ends the run being collected; false without one. A run that reached every line is a
  // result. Of one that ended before (its busy window closed) the lines reached are the result
  // where keepReached; otherwise nothing is, and the collection is a new instrument's again.
  // Whether a result is left, under the titles of the run.
  bool EndCollecting(bool keepReached);
  // "MUME node  R= ri U name": the meter element that holds the node's complex voltage.
  void WriteVoltmeterLine(const ResWert& ri);
  // Under SPICE such an instrument is the load it is on the built-in road: "R<name> N1 N2 RI".
  void WriteLoadSpiceLine(LineFile& lines, const ResWert& ri);
  // Loads a letter that must be one of the allowed; throws pf::ArchiveError "what 'x'" else.
  static void ReadLetter(pf::Archive& ar, char& letter, const char* allowed, const char* what);

  std::unique_ptr<MeasInstView> window;
  int32_t active = 0;
  // What the netlist being written makes of the instrument; not stored.
  bool runsNetlist = false;

 private:
  bool collecting = false;
  // The titles of the run being collected.
  MyStrng runTitle;
  MyStrng runDate;
};

// The title and date of the result a screen shows, which its bottom line names, at the end of
// the screen symbol's record from its version 2 on; an older record leaves them empty, and the
// circuit's title stands in. Throws pf::ArchiveError on a version above `newest`; the next save
// writes `newest`.
template <class S>
void SerializeResultTitles(pf::Archive& ar, S& symbol, int32_t newest) {
  if (ar.IsLoading() && symbol.version > newest) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount,
                           symbol.classKey.ToCString() + ": Version");
  }
  if (ar.IsStoring() || symbol.version >= 2) {
    symbol.resultTitle.Serialize(ar);
    symbol.resultDate.Serialize(ar);
  }
  symbol.version = newest;
}

class MessMasterSymbol : public MessGeraetSymbol {
  PF_DECLARE_RUNTIME(MessMasterSymbol)

 public:
  MessMasterSymbol();
  MessMasterSymbol(const Point& start, const Point& end);
  ~MessMasterSymbol() override;

  void Serialize(pf::Archive& ar) override;
  void SetRunState(uint8_t state) override { networkReady = state; }
  void SetTransient(bool transient) override { inTransient = transient; }

  // Builds the network of the circuit's netlist in the master's own reader: 1 ready, 0 failed
  // (the messages stay in the error queue). A network built before is reused.
  int RunAnalysis(const LineFile& lines);
  // The number of steps of the run; 0 when it cannot start.
  virtual int StartRun() { return 0; }

 protected:
  // Attaches the network a frequency run drives: the reader's top-level network, when it is a
  // linear one that holds the master's own source. Null (the run cannot start) otherwise, as for
  // a circuit with a diode, whose network only the DC run solves.
  UsrDefNet* AttachDrivenNet();
  // Whether the SPICE source drives in the netlist being written: while the generator runs the
  // analysis, and in every transient when its source is a waveform in time.
  bool DrivesSpice() const { return runsNetlist || (inTransient && HasTimeWaveform()); }
  // A source whose SPICE form is a waveform in time rather than a small-signal magnitude.
  virtual bool HasTimeWaveform() const { return false; }
  // The source text of a SPICE line: the one given while the generator drives, 0 V while it is
  // idle.
  MyStrng SpiceSource(const MyStrng& driving) const;
  // "V<name> INNER LOW SOURCE" and "R<name> PIN INNER R": the source behind its internal
  // resistance on a node of its own above lastNode, LOW the second pin's node or ground. The
  // number of nodes added (1).
  int WriteSourceBehind(LineFile& lines, int lastNode, const MyStrng& source,
                        const WertMitDim& resistance) const;

 public:

  SweepFreq sweep;
  CmplxSignal masterSignal;
  ScomFile reader;
  SweepFreq* sweepPointer = &sweep;
  MyStrng simulatorName = "RaviLone";
  uint8_t networkReady = 0;
  uint8_t firstRun = 1;
  uint8_t record = 1;
  TimWert tranStop{0.0};
  TimWert tranStep{0.0};
  TimWert tranMaxStep{0.0};
  TimWert tranStart{0.0};

 private:
  // What the SPICE netlist being written analyses; not stored.
  bool inTransient = false;
};
