#include "simulator/DataForOnePort.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr double kG0 = 0.02f;

struct Lookup {
  std::vector<const char*> rows;
  std::vector<float> frequencies;  // asked in turn; the last one is checked
  double re, im;
  std::vector<std::string> messages;
};

TEST(DataForOnePortTest, AdmittanceOfReflection) {
  const std::vector<const char*> rising = {"1GHz 0 0", "2GHz 1 90"};
  const std::vector<const char*> level = {"1GHz 0 0", "2GHz 1 0", "2GHz 1 90"};
  const Lookup cases[] = {
      {{"1GHz 0 0"}, {1e9f}, kG0, 0.0, {}},                 // matched
      {{"1GHz 1 180"}, {1e9f}, 2.0 * kG0 * 1e36, 0.0, {}},  // short
      {{"1GHz 1 0"}, {1e9f}, 0.0, 0.0, {}},                 // open
      {{"1GHz 1 -270"}, {1e9f}, 0.0, -kG0, {}},
      {rising, {1.5e9f}, 0.5 * kG0, -0.5 * kG0, {}},
      // Outside the rows the nearest one holds.
      {rising, {0.5e9f}, kG0, 0.0, {"Startfrequenz zu klein (Tabelle)"}},
      {rising, {3e9f}, 0.0, -kG0, {"Stopfrequenz zu groß (Tabelle)"}},
      // Equal frequencies around the point keep the values.
      {level, {1e9f, 2e9f}, kG0, 0.0, {"Frequenzwerte in Tabelle fehlerhaft"}},
  };
  for (const Lookup& c : cases) {
    SCOPED_TRACE(testing::Message() << c.rows.back() << " at " << c.frequencies.back());
    VS_Error::ResetQueue();
    DataForOnePort table("T", "T:  S");
    for (const char* row : c.rows) table.AddDataLine(row);
    for (const float f : c.frequencies) table.ComputeAt(f);
    const Cmplx y = table.GetAdmittance(0);
    const double tolerance = 1e-6 * (std::fabs(c.re) + std::fabs(c.im) + kG0);
    EXPECT_NEAR(y.re, c.re, tolerance);
    EXPECT_NEAR(y.im, c.im, tolerance);
    EXPECT_EQ(QueuedMessages(), c.messages);
  }
}

// A row is its frequency and its pairs, no more: further numbers would be dropped unseen.
TEST(DataForOnePortTest, RowsNeedAFrequencyAndTheirPairs) {
  const struct {
    bool twoPort;
    const char* row;
    const char* first;  // the first message of a refused row
  } cases[] = {
      {false, "1GHz 0.5 -10", nullptr},
      {false, "1GHz 0.5 -10 more", "Datenzeile hat 3 statt 2 Werte: 1GHz 0.5 -10 more"},
      {false, "1GHz 0.5 -10 0.3", "Datenzeile hat 3 statt 2 Werte: 1GHz 0.5 -10 0.3"},
      {false, "1GHz 0.5", "Datenzeile hat 1 statt 2 Werte: 1GHz 0.5"},
      {false, "1GHz", "Datenzeile hat 0 statt 2 Werte: 1GHz"},
      {false, "1GHz 0.5 1O", "Exp-Darstellung muß mit E beginnen"},
      {true, "1GHz 1 0 1 0 1 0 1 0", nullptr},
      {true, "1GHz 1 0 1 0 1 0 1", "Datenzeile hat 7 statt 8 Werte: 1GHz 1 0 1 0 1 0 1"},
      {true, "1GHz 1 0 1 0 1 0 1 0 7", "Datenzeile hat 9 statt 8 Werte: 1GHz 1 0 1 0 1 0 1 0 7"}};
  for (const auto& c : cases) {
    VS_Error::ResetQueue();
    DataForOnePort one("T", "T:  S");
    DataForTwoPort two("T", "T:  S");
    NetLine row(c.row);
    c.twoPort ? two.LinkReferences(row) : one.LinkReferences(row);
    EXPECT_EQ(row.GetErrorCode() == 0, c.first == nullptr) << c.row;
    if (c.first != nullptr) {
      EXPECT_EQ(QueuedMessages(),
                (std::vector<std::string>{c.first, "Syntaxfehler in Datentabelle"}))
          << c.row;
    }
  }
}

}  // namespace
