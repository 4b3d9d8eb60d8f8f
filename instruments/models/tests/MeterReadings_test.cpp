#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "instruments/models/MeterReadings.h"
#include "formats/SpiceRawFile.h"

namespace {

// A raw file of the plot with V(1) and V(2) over the scale; each row is "scale v1 v2" (complex
// values as "re,im").
std::vector<MyStrng> Raw(const char* plot, const char* flags,
                         const std::vector<std::vector<std::string>>& rows) {
  std::vector<MyStrng> lines = {
      "Title: m.cir", "Date: heute", MyStrng("Plotname: ") + plot, MyStrng("Flags: ") + flags,
      "No. Variables: 3", MyStrng("No. Points: ") + MyStrng(static_cast<int>(rows.size())),
      "Command: x", "Variables:", "0\tscale\tx", "1\tV(1)\tvoltage", "2\tV(2)\tvoltage",
      "Values:"};
  for (size_t p = 0; p < rows.size(); ++p) {
    lines.push_back(MyStrng(static_cast<int>(p)) + "\t" + rows[p][0].c_str());
    lines.push_back(rows[p][1].c_str());
    lines.push_back(rows[p][2].c_str());
  }
  return lines;
}

std::string Table(const MeterReadings& readings, char mode, char display) {
  LineFile log;
  readings.BuildTable(mode, display, log);
  std::string text;
  log.ForEach([&text](const MyStrng& line) { text += line.ToCString() + "|"; });
  return text;
}

// All four tables, from results of each kind; pins are on nodes 1 and 2 unless said.
TEST(MeterReadingsTest, TablesOfEachResultKind) {
  const std::vector<std::vector<std::string>> dc = {{"0", "1", "0.25"}, {"1", "2", "0.5"},
                                                    {"0", "3", "0.75"}, {"1", "4", "1"}};
  const std::vector<std::vector<std::string>> tran = {{"0", "1", "0"}, {"1e-3", "3", "0"}};
  const std::vector<std::vector<std::string>> ac = {{"1000,0", "1.0e+00,-2.5e-01", "0,0"}};
  // SPICE's steps crowd at an edge: 4 V for 0.15 ms of 4 ms is 150 mV over the time, while the
  // points' own mean is 2 V.
  const std::vector<std::vector<std::string>> uneven = {
      {"0", "4", "0"}, {"1e-4", "4", "0"}, {"2e-4", "0", "0"}, {"4e-3", "0", "0"}};
  const struct {
    const char* name;
    std::vector<MyStrng> raw;
    int node1, node2;
    char mode, display;
    const char* table;
  } kCases[] = {
      {"operating point", Raw("Operating Point", "real", {{"0", "1.5", "0.5"}}), 1, 2, 'U', 'A',
       "0\t\t1V|"},
      {"nested DC sweep", Raw("DC transfer characteristic", "real", dc), 1, 2, 'U', 'A',
       "0V\t\t750mV|1V\t\t1.5V|0V\t\t2.25V|1V\t\t3V|"},
      {"ammeter on ground", Raw("DC transfer characteristic", "real", dc), 0, 1, 'I', 'A',
       "0V\t\t-10A|1V\t\t-20A|0V\t\t-30A|1V\t\t-40A|"},
      {"transient", Raw("Transient Analysis", "real", tran), 1, 0, 'U', 'A',
       "0Sec\t\t1V|1mSec\t\t3V|"},
      {"transient mean", Raw("Transient Analysis", "real", tran), 1, 0, 'U', 'M',
       "Mittelwert: 2V|"},
      {"mean over uneven steps", Raw("Transient Analysis", "real", uneven), 1, 0, 'U', 'M',
       "Mittelwert: 150mV|"},
      {"ammeter's mean over uneven steps", Raw("Transient Analysis", "real", uneven), 1, 0, 'I',
       'M', "Mittelwert: 1.5A|"},
      {"mean of one instant", Raw("Transient Analysis", "real", {{"0", "3", "0"}}), 1, 0, 'U',
       'M', "Mittelwert: 3V|"},
      {"node absent", Raw("Transient Analysis", "real", tran), 5, 0, 'U', 'A', ""},
      {"mean of nothing", Raw("Transient Analysis", "real", tran), 5, 0, 'U', 'M',
       "Mittelwert: 0V|"},
      {"small signal amplitude", Raw("AC Analysis", "complex", ac), 1, 2, 'U', 'A',
       "1kHz\t\t1.031V|"},
      {"small signal complex", Raw("AC Analysis", "complex", ac), 1, 2, 'U', 'K',
       "1kHz\t\t1V\t j-250mV|"},
      {"small signal phase", Raw("AC Analysis", "complex", ac), 1, 2, 'U', 'P',
       "1kHz\t\t-14.04|"},
      {"small signal current", Raw("AC Analysis", "complex", ac), 1, 0, 'I', 'K',
       "1kHz\t\t10A\t j-2.5A|"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SpiceRawFile raw;
    raw.SetNetlistName("m.cir");
    ASSERT_TRUE(raw.ReadRawLines(c.raw, "rawspice.raw"));
    MeterReadings readings;
    readings.Read(raw, c.node1, c.node2, c.mode, 0.1);
    EXPECT_EQ(Table(readings, c.mode, c.display), c.table);
  }
}

}  // namespace
