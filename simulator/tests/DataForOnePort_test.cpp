#include "simulator/DataForOnePort.h"

#include <gtest/gtest.h>

#include <vector>

#include "basics/VS_Error.h"
#include "simulator/DataSet.h"

namespace {

constexpr float kG0 = 0.02f;

struct OnePortTable : DataForOnePort {
  explicit OnePortTable(const std::vector<const char*>& rows) : DataForOnePort("T", "T:  S") {
    for (const char* row : rows) AddDataLine(row);
  }
  Cmplx At(float frequency) {
    ComputeAt(frequency);
    return GetAdmittance(0);
  }
};

struct Reflection {
  const char* row;
  double re;
  double im;
};

class OnePortRowTest : public testing::TestWithParam<Reflection> {};

TEST_P(OnePortRowTest, AdmittanceOfReflection) {
  const Cmplx y = OnePortTable({GetParam().row}).At(1e9f);  // a single row at its frequency
  EXPECT_FLOAT_EQ(y.re, GetParam().re);
  EXPECT_FLOAT_EQ(y.im, GetParam().im);
  EXPECT_EQ(VS_Error::MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, OnePortRowTest,
                         testing::Values(Reflection{"1GHz 0 0", kG0, 0.0},  // matched
                                         Reflection{"1GHz 1 180", 2.0 * kG0 * 1e36, 0.0},  // short
                                         Reflection{"1GHz 1 0", 0.0, 0.0},                 // open
                                         Reflection{"1GHz 1 -270", 0.0, -kG0}));

TEST(DataForOnePortTest, InterpolatesBetweenRowsAndHoldsOutside) {
  OnePortTable table({"1GHz 0 0", "2GHz 1 90"});
  EXPECT_DOUBLE_EQ(table.At(1.5e9f).re, 0.5 * kG0);
  EXPECT_DOUBLE_EQ(table.At(1.5e9f).im, -0.5 * kG0);
  const Cmplx atLastRow = table.At(2e9f);
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(table.At(0.5e9f).re, kG0);
  EXPECT_EQ(table.At(3e9f).im, atLastRow.im);  // exactly the last row's value
  EXPECT_EQ(VS_Error::Message(0), "Startfrequenz zu klein (Tabelle)");
  EXPECT_EQ(VS_Error::Message(1), "Stopfrequenz zu groß (Tabelle)");
}

TEST(DataForOnePortTest, EqualFrequenciesAroundThePointKeepTheValues) {
  OnePortTable table({"1GHz 0 0", "2GHz 1 0", "2GHz 1 90"});
  table.At(1e9f);
  EXPECT_EQ(table.At(2e9f).re, kG0);
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Frequenzwerte in Tabelle fehlerhaft");
}

struct RowCheck {
  bool twoPort;
  const char* row;
  bool accepted;
};

class RowCheckTest : public testing::TestWithParam<RowCheck> {};

TEST_P(RowCheckTest, ChecksLeadingTokens) {
  DataForOnePort one("T", "T:  S");
  DataForTwoPort two("T", "T:  S");
  NetLine row(GetParam().row);
  GetParam().twoPort ? two.LinkReferences(row) : one.LinkReferences(row);
  EXPECT_EQ(row.GetErrorCode() == 0, GetParam().accepted);
  if (!GetParam().accepted) {
    EXPECT_EQ(VS_Error::Message(1), "Syntaxfehler in Datentabelle");
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, RowCheckTest,
                         testing::Values(RowCheck{false, "1GHz 0.5 -10 more", true},
                                         RowCheck{false, "1GHz 0.5", false},
                                         RowCheck{false, "1GHz 0.5 1O", false},
                                         RowCheck{true, "1GHz 1 0 1 0 1 0 1 0", true},
                                         RowCheck{true, "1GHz 1 0 1 0 1 0 1", false}));

TEST(DataSetTest, GetLineWithinTheCount) {
  DataSet set;
  set.lines[0] = std::make_unique<MyStrng>("1GHz 0.5 10");
  set.lineCount = 1;
  EXPECT_EQ(set.GetLine(0), "1GHz 0.5 10");
  EXPECT_EQ(set.GetLine(1), "Kein Datensatz mit diesem Index");
}

}  // namespace
