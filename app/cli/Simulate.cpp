#include "app/cli/Simulate.h"

#include <cstdio>
#include <iostream>

#include "basics/VS_Error.h"
#include "lines/models/Register.h"
#include "simulator/NetContext.h"
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

// The reading sequence of an instrument that starts a run; the top-level network, or null
// when the run cannot start.
UsrDefNet* ReadNetlist(ScomFile& reader) {
  if (!reader.CheckSyntax() || !reader.ReadBlocks() || reader.GetErrorCode() != 0) return nullptr;
  reader.BuildDataObjects();
  if (!reader.BuildNets() || reader.GetErrorCode() != 0) return nullptr;
  const std::vector<TabElement> definitions = reader.GetDefinitions().GetEntries();
  if (definitions.empty()) return nullptr;
  UsrDefNet* top = reader.FindUsrNet(definitions.back().GetName());
  if (top == nullptr) reader.Error("Netzwerk nicht linear: keine Frequenzanalyse", 4);
  return top;
}

int ReportQueue() {
  const int count = VS_Error::MessageCount();
  for (int i = 0; i < count; ++i) std::fprintf(stderr, "%s\n", VS_Error::Message(i).GetBuffer());
  return count > 0 ? 1 : 0;
}

}  // namespace

int Simulate(const char* path, char kind) {
  RegisterSimulatorElements();
  RegisterLineModels();
  VS_Error::ResetQueue();

  SweepFreq sweep;
  sweep.SetStart(kDefaultStart);
  sweep.SetStop(kDefaultStop);
  sweep.SetCount(kDefaultCount);
  sweep.Prepare();
  ScomFile reader;
  reader.SetSweep(&sweep);
  if (!reader.ReadFile(path)) {
    std::fprintf(stderr, "Netzliste kann nicht gelesen werden: %s\n", path);
    return 1;
  }
  NetContext::SetReaderInUse(&reader);
  VS_Error::ClearQueue();
  UsrDefNet* top = ReadNetlist(reader);
  if (top == nullptr) return ReportQueue();

  DefinitionAnalyser analyser(*top);
  NetContext::SetCurrentAnalyser(&analyser);
  reader.AllocateUsrNetResults();
  sweep.Rewind();
  do {
    reader.ComputeAt(static_cast<float>(sweep.GetFrequency(sweep.index)));
  } while (sweep.NextPoint() != 0);

  top->WriteResultTable(nullptr, kind != '\0' ? kind : reader.HasOut() ? reader.GetOutKind() : 'S');
  top->GetResultTable().WriteLines(std::cout);
  std::cout.flush();
  NetContext::SetCurrentAnalyser(nullptr);
  return ReportQueue();
}
