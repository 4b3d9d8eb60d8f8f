// The SPICE control part of a run: the active instrument writes its part, then each instrument
// named as the next of the chain, until "NoSlave", an empty name, a name no symbol bears, or an
// instrument already written. And which generators drive in each kind of analysis.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "pf/headless.h"

namespace {

// An instrument whose part of the card is its name.
class Part : public MessGeraetSymbol {
 public:
  Part(const char* next, int active) {
    slaveName = next;
    SetActiveFlag(active);
  }
  void WriteSpiceControl(LineFile& lines) override { lines.AddLine(elementName); }
};

std::vector<std::string> All(CVostraneDoc& doc) {
  std::vector<std::string> all;
  doc.GetNetlistLines().ForEach([&all](const MyStrng& l) { all.push_back(l.ToCString()); });
  return all;
}

std::vector<std::string> Commands(CVostraneDoc& doc) {
  const std::vector<std::string> all = All(doc);
  std::vector<std::string> out;
  for (size_t i = 0; i + 2 < all.size(); ++i) {
    if (all[i] != "* Commandos") continue;
    for (size_t j = i + 2; j < all.size() && all[j] != "*"; ++j) out.push_back(all[j]);
  }
  return out;
}

TEST(SpiceChain, StopsAtTheEndOfTheChainOrAtAMissingOrRepeatedSlave) {
  pf::Headless headless;
  const struct {
    const char* what;
    std::vector<std::vector<const char*>> parts;  // name, next, active ("1")
    std::vector<std::string> card;
  } cases[] = {
      {"alone", {{"GEN", "NoSlave", "1"}}, {"GEN"}},
      {"two", {{"GEN", "OSZ", "1"}, {"OSZ", "NoSlave", "0"}}, {"GEN", "OSZ"}},
      {"missing slave", {{"GEN", "OSZ", "1"}, {"OSZ", "WEG", "0"}}, {"GEN", "OSZ"}},
      {"empty name", {{"GEN", "", "1"}, {"OSZ", "NoSlave", "0"}}, {"GEN"}},
      {"back to the master", {{"GEN", "OSZ", "1"}, {"OSZ", "GEN", "0"}}, {"GEN", "OSZ"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CVostraneDoc doc;
    for (const auto& p : c.parts) {
      auto* part = new Part(p[1], p[2][0] - '0');
      doc.AddSymbol(part);
      part->elementName = p[0];  // the document names what it adds
    }
    ASSERT_TRUE(SpiceWriter(doc).Compose());
    EXPECT_EQ(Commands(doc), c.card);
  }
}

// The source of the line of the element NAME: what follows its two nodes.
std::string SourceOf(CVostraneDoc& doc, const std::string& name) {
  for (const std::string& line : All(doc)) {
    if (line.rfind(name + " ", 0) != 0) continue;
    size_t at = name.size();
    for (int word = 0; word < 2; ++word) at = line.find(' ', line.find_first_not_of(' ', at));
    return line.substr(line.find_first_not_of(' ', at));
  }
  return "(none)";
}

// A mixer's two pulse generators and a data generator beside a signal generator and a swept
// supply: in the transient of either time-domain source every waveform drives and the running
// one alone writes the card; in the small-signal analysis, the DC sweep and the operating point
// they are 0 V.
TEST(SpiceChain, EveryWaveformInTimeDrivesATransientAndNothingElse) {
  pf::Headless headless;
  enum Run { kLo, kData, kSmallSignal, kDcSweep, kOperatingPoint };
  const struct {
    Run run;
    const char* what;
    const char* lo;
    const char* rf;
    const char* data;
    const char* signal;
    std::vector<std::string> card;
  } cases[] = {
      {kLo, "LO's transient", "SIN(0 1 100K)", "SIN(0 50m 110K)", "PWL ( 0 0.0  100U 0.0  110U 1 ",
       "DC 0", {".TRAN 500N 50U 0 500N"}},
      {kData, "data generator's transient", "SIN(0 1 100K)", "SIN(0 50m 110K)",
       "PWL ( 0 0.0  100U 0.0  110U 1 ", "DC 0", {".TRAN 5U 1.7m 0 5U"}},
      {kSmallSignal, "small signal", "DC 0", "DC 0", "DC 0", "AC 10m",
       {".AC LIN 51 1K 20K"}},
      {kDcSweep, "DC sweep", "DC 0", "DC 0", "DC 0", "DC 0", {".Dc VDc1 0 0.5 0.1"}},
      {kOperatingPoint, "operating point", "DC 0", "DC 0", "DC 0", "DC 0", {".OP"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CVostraneDoc doc;
    auto pulse = [&doc](const char* name, int y, const char* amplitude, const char* f) {
      auto* g = new ImpulsGeneratorSymbol(Point(100, y), Point(50, y));
      g->amplitude = amplitude;
      g->frequency = f;
      g->SetupTransient();
      doc.AddSymbol(g);
      g->elementName = name;
      g->SetActiveFlag(0);
      return g;
    };
    ImpulsGeneratorSymbol* lo = pulse("ImpG1", 100, "1V", "100kHz");
    pulse("ImpG2", 200, "50mV", "110kHz");
    auto* data = new DataGeneratorSymbol(Point(100, 300), Point(50, 300));
    data->sequence = BitFolge("0100000000000000");
    data->sequence.bitRate = "10kBit/s";
    data->SetupTransient();
    doc.AddSymbol(data);
    data->elementName = "DatG";
    data->SetActiveFlag(0);
    auto* signal = new SignalGenSymbol(Point(100, 400), Point(50, 400));
    doc.AddSymbol(signal);
    signal->elementName = "SigGen";
    signal->SetActiveFlag(0);
    auto* supply = new DcGeneratorSymbol(Point(100, 500), Point(100, 600));
    doc.AddSymbol(supply);
    supply->SetKind('U');
    supply->setting = 'V';
    supply->startVoltage = "0V";
    supply->stopVoltage = "0.5V";
    supply->voltageStep = "0.1V";
    supply->elementName = "VDc1";
    supply->SetActiveFlag(0);
    MessMasterSymbol* running[] = {lo, data, signal, supply, nullptr};
    if (running[c.run] != nullptr) running[c.run]->SetActiveFlag(1);
    if (c.run == kOperatingPoint) doc.RequestOperatingPoint();
    ASSERT_TRUE(SpiceWriter(doc).Compose());
    EXPECT_EQ(SourceOf(doc, "VImpG1"), c.lo);
    EXPECT_EQ(SourceOf(doc, "VImpG2"), c.rf);
    EXPECT_EQ(SourceOf(doc, "VDatG").substr(0, std::string(c.data).size()), c.data);
    EXPECT_EQ(SourceOf(doc, "VSigGen"), c.signal);
    EXPECT_EQ(Commands(doc), c.card);
  }
}

}  // namespace
