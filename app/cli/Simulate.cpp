#include "app/cli/Simulate.h"

#include <cstdio>
#include <iostream>

#include "app/cli/ErrorQueue.h"
#include "basics/VS_Error.h"
#include "instruments/models/Register.h"
#include "lines/models/Register.h"
#include "simulator/NetContext.h"
#include "simulator/NonLinearUsrNet.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/Register.h"
#include "simulator/ScomFile.h"
#include "simulator/SweepFreq.h"
#include "simulator/UsrDefNet.h"

namespace {

// Without a FREQ block the sweep is the network analyser's default.
constexpr double kDefaultStart = 1e9;
constexpr double kDefaultStop = 20e9;
constexpr int kDefaultCount = 101;

// Stands in for the network analyser: its source resistances are the top-level network's
// RG1 and RG2 where the definition gives them.
class DefinitionAnalyser : public NetAnalyser {
 public:
  explicit DefinitionAnalyser(const UsrDefNet& net)
      : rg1(net.HasRG1() ? net.GetRG1() : UsrDefNet::kDefaultReference, 0.0),
        rg2(net.HasRG2() ? net.GetRG2() : UsrDefNet::kDefaultReference, 0.0) {}
  Cmplx GetRG1() const override { return rg1; }
  Cmplx GetRG2() const override { return rg2; }

 private:
  Cmplx rg1;
  Cmplx rg2;
};

// The reading sequence of an instrument that starts a run; false when the run cannot start.
// top: the top-level (last) network when it is linear, else null.
bool ReadNetlist(ScomFile& reader, UsrDefNet*& top) {
  top = nullptr;
  if (!reader.CheckSyntax() || !reader.ReadBlocks() || reader.GetErrorCode() != 0) return false;
  reader.BuildDataObjects();
  if (!reader.BuildNets() || reader.GetErrorCode() != 0) return false;
  const TabElement* last = reader.GetDefinitions().Last();
  if (last == nullptr) return false;
  top = reader.FindUsrNet(last->GetName());
  return true;
}

void PrintFrequencyTable(ScomFile& reader, UsrDefNet& top, char kind) {
  DefinitionAnalyser analyser(top);
  NetContext::SetCurrentAnalyser(&analyser);
  reader.AllocateUsrNetResults();
  SweepFreq& sweep = *reader.GetSweep();
  sweep.Rewind();
  do {
    reader.ComputeAt(static_cast<float>(sweep.GetFrequency(sweep.index)));
  } while (sweep.NextPoint() != 0);

  top.WriteResultTable(nullptr, kind != '\0' ? kind : reader.HasOut() ? reader.GetOutKind() : 'S');
  top.GetResultTable().WriteLines(std::cout);
  NetContext::SetCurrentAnalyser(nullptr);
}

// Runs the DC sweep of every network with a supply and prints one row per step: the supply's
// value, then U and I of each diode. False when no network had a supply; a failed step ends
// its network's rows (the queue holds the reason).
bool PrintOperatingPoints(const ScomFile& reader) {
  bool swept = false;
  for (int i = 0; i < reader.GetNonLinearNetCount(); ++i) {
    NonLinearUsrNet& net = *reader.GetNonLinearNet(i);
    if (net.StartDcSweep() != 1) continue;
    swept = true;
    std::printf("* %s: Arbeitspunkte\n* Quelle/V", net.name.GetBuffer());
    for (size_t d = 1; d <= net.GetDiodes().size(); ++d) std::printf("\tU%zu/V\tI%zu/A", d, d);
    std::printf("\n");
    for (bool more = true; more;) {
      more = net.NextDcStep();
      if (net.GetErrorCode() != 0) break;
      std::printf("%.6e", net.GetStepValue());
      for (const PNDiodeElement* diode : net.GetDiodes()) {
        std::printf("\t%.6e\t%.6e", diode->GetU(), diode->GetI());
      }
      std::printf("\n");
    }
  }
  return swept;
}

}  // namespace

int Simulate(const char* path, char kind) {
  RegisterSimulatorElements();
  RegisterLineModels();
  RegisterInstrumentModels();
  VS_Error::ResetQueue();

  SweepFreq sweep;
  sweep.SetStart(kDefaultStart);
  sweep.SetStop(kDefaultStop);
  sweep.SetCount(kDefaultCount);
  sweep.Prepare();
  ScomFile reader;
  reader.SetSweep(&sweep);
  if (!reader.ReadFile(path)) {
    // A refused file has said why; one that did not open has not.
    if (VS_Error::MessageCount() == 0) {
      std::fprintf(stderr, "Netzliste kann nicht gelesen werden: %s\n", path);
    }
    ReportQueue();
    return 1;
  }
  NetContext::SetReaderInUse(&reader);
  VS_Error::ClearQueue();
  UsrDefNet* top = nullptr;
  // A network that reported while it was read or set up is not the circuit written: no rows.
  if (ReadNetlist(reader, top) && VS_Error::MessageCount() == 0) {
    if (top != nullptr) {
      PrintFrequencyTable(reader, *top, kind);
    } else if (!PrintOperatingPoints(reader) && VS_Error::MessageCount() == 0) {
      reader.Error("Netzwerk nicht linear: keine Frequenzanalyse", 4);
    }
  }
  return ReportQueue();
}
