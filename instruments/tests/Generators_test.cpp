#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "instruments/MultiMeterSymbol.h"
#include "pf/archive.h"
#include "pf/headless.h"

namespace {

template <class S>
std::string Store(S& s) {
  std::stringstream stream;
  pf::Archive out(static_cast<std::ostream&>(stream));
  s.Serialize(out);
  return stream.str();
}

template <class S>
void Load(const std::string& bytes, S& s) {
  std::stringstream stream(bytes);
  pf::Archive in(static_cast<std::istream&>(stream));
  s.Serialize(in);
}

// Every cut of a record fails its load.
template <class S>
void ExpectCutsFail(const std::string& bytes) {
  for (size_t cut = 0; cut < bytes.size(); cut += 7) {
    S target;
    EXPECT_THROW(Load(bytes.substr(0, cut), target), pf::ArchiveError) << cut;
  }
}

std::string Text(const MyStrng& s) { return s.ToCString(); }

std::vector<std::string> Lines(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

int Checked(pf::DialogDriver& d, int id) {
  return d.GetDialog().IsDlgButtonChecked(id);
}

TEST(MultiMeterSymbol, ArchiveKeepsModeDisplayAndResistance) {
  MultiMeterSymbol meter;
  meter.SetAmmeter();
  meter.display = 'M';
  const std::string bytes = Store(meter);
  MultiMeterSymbol back;
  Load(bytes, back);
  EXPECT_EQ(back.mode, 'I');
  EXPECT_EQ(back.display, 'M');
  EXPECT_EQ(Text(back.ri), "100mohm");
  EXPECT_EQ(Text(back.elementName), "Mu");
  ExpectCutsFail<MultiMeterSymbol>(bytes);
  // The two letters close the record: an unknown one fails the load.
  for (size_t from_end : {1u, 2u}) {
    std::string bad = bytes;
    bad[bad.size() - from_end] = 'X';
    MultiMeterSymbol target;
    EXPECT_THROW(Load(bad, target), pf::ArchiveError) << from_end;
  }
}

// Ground is left out of the built-in line and written as node 0 for SPICE, where the meter is
// its internal resistance.
TEST(MultiMeterSymbol, NetlistAndSpiceLines) {
  struct Case {
    int n1, n2;
    bool ammeter;
    const char* net;
    const char* spice;
  };
  const Case cases[] = {
      {3, 0, false, "MUME 3 R = 1Mohm U Mu", "RMu  3 0 1MEG"},
      {3, 5, false, "MUME 3 5 R = 1Mohm U Mu", "RMu  3 5 1MEG"},
      {0, 4, true, "MUME 4 R = 100mohm I Mu", "RMu  0 4 100m"},
  };
  for (const Case& c : cases) {
    MultiMeterSymbol meter;
    if (c.ammeter) meter.SetAmmeter();
    meter.nodes[0] = c.n1;
    meter.nodes[1] = c.n2;
    meter.WriteNetLine();
    EXPECT_EQ(Text(meter.netLine), c.net);
    LineFile spice;
    meter.dataChanged = 1;
    EXPECT_EQ(meter.WriteSpiceLines(spice, 7), 0);
    EXPECT_EQ(Lines(spice), std::vector<std::string>{c.spice});
    EXPECT_EQ(meter.dataChanged, 0);
  }
}

// Without a network the reading blinks and nothing is logged, so the run's end leaves an
// earlier "MultiMeter.dat" as it was.
TEST(MultiMeterSymbol, MissingElementBlinksAndKeepsOldFile) {
  { std::ofstream("MultiMeter.dat") << "alt\n"; }
  MultiMeterSymbol meter;
  MessMasterSymbol master;
  meter.BeginMeasurement(master);
  meter.MeasureStep(master);
  EXPECT_EQ(Text(meter.GetReading()), "Error");
  meter.MeasureStep(master);
  EXPECT_EQ(Text(meter.GetReading()), "");
  meter.EndMeasurement();
  std::ifstream in("MultiMeter.dat");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "alt");
  std::remove("MultiMeter.dat");
}

TEST(MultiMeterDialog, ButtonsSwitchTheMeterAtOnce) {
  pf::Headless headless;
  MultiMeterSymbol meter;
  headless.ExpectDialog(144, [](pf::DialogDriver& d) {
    EXPECT_EQ(Checked(d, 1016), 1);
    d.Click(1017);
    d.Cancel();
  });
  EXPECT_FALSE(meter.EditDialog(nullptr));
  EXPECT_EQ(meter.mode, 'I');
  EXPECT_EQ(Text(meter.ri), "100mohm");
  headless.ExpectDialog(144, [](pf::DialogDriver& d) {
    EXPECT_EQ(Checked(d, 1017), 1);
    d.Click(1016);
    d.Ok();
  });
  EXPECT_TRUE(meter.EditDialog(nullptr));
  EXPECT_EQ(meter.mode, 'U');
  EXPECT_EQ(Text(meter.ri), "1Mohm");
}

}  // namespace
