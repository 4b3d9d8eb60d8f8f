#include "lines/models/Substrat.h"

#include <gtest/gtest.h>

#include <string>

#include "simulator/SymbolTable.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

// The substrate the reader built from a DATA entry, or null.
const SubstrateData* Find(const ElementBench& bench, const char* name) {
  auto* substrate = dynamic_cast<Substrat*>(bench.Reader().FindDataObject(name));
  return substrate == nullptr ? nullptr : substrate->GetData();
}

TEST(Substrat, ReaderBuildsTheSubstrateOfAnMsEntry) {
  const ElementBench bench({"S1: MS H=0.625mm ER=2.33 MET1 = CU 17um TAND=0.0002"});
  const SubstrateData* s = Find(bench, "S1");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s->name, "S1");
  EXPECT_FLOAT_EQ(static_cast<float>(s->H), 6.25e-4f);
  EXPECT_FLOAT_EQ(static_cast<float>(s->ER), 2.33f);
  EXPECT_STREQ(s->metal, "CU");
  EXPECT_FLOAT_EQ(static_cast<float>(s->T), 1.7e-5f);
  EXPECT_FLOAT_EQ(static_cast<float>(s->TAND), 2e-4f);
  // The value classes compute in single precision; the doubles hold those values.
  for (double v : {s->H, s->ER, s->T, s->TAND}) EXPECT_EQ(v, static_cast<float>(v));
  EXPECT_EQ(QueuedMessages(), Lines{});
}

TEST(Substrat, LabelsStandForTheirValues) {
  const ElementBench bench({"ALU: MS H=HSUB ER=EPS MET1 = AU 5um TAND=0.001"},
                           {"HSUB: 1mm", "EPS: 9.8"});
  const SubstrateData* s = Find(bench, "ALU");
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->H, 0.001f);
  EXPECT_EQ(s->ER, 9.8f);
  EXPECT_STREQ(s->metal, "AU");
}

TEST(Substrat, LongNamesAreFoundWholeAndCutInTheRecord) {
  const ElementBench bench({"SUBSTRATE_NUMBER_ONE_X: MS H=1mm ER=3 MET1 = CU 35um TAND=0"});
  const SubstrateData* s = Find(bench, "SUBSTRATE_NUMBER_ONE_X");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s->name, "SUBSTRATE_NUMBER_O");
}

TEST(Substrat, CheckRefusesLinesWithoutTheirKeys) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"S1: MS H=1mm ER=2.33 CU 17um TAND=0.0002", "2.33 CU 17um TAND=0.0002 MET1 fehlt "},
      {"S1: MS H=1mm ER=2.33 MET1 = CU 17um", "CU 17um TAND fehlt "},
      {"S1: MS H 1mm ER=2.33 MET1 = CU 17um TAND=0", "S1: MS H 1mm ER=2.33 MET1 = CU 17um TAND=0 = fehlt "},
      // The H of the name is found first, and no '=' follows it.
      {"CHIP: MS H=1mm ER=2.33 MET1 = CU 17um TAND=0",
       "CHIP: MS H=1mm ER=2.33 MET1 = CU 17um TAND=0 = fehlt "},
  };
  for (const Case& c : cases) {
    const ElementBench bench({c.line});
    EXPECT_EQ(Find(bench, MyStrng(c.line).LeftOf(":").GetBuffer()), nullptr) << c.line;
    EXPECT_EQ(QueuedMessages(), Lines{c.message});
  }
}

TEST(Substrat, ValuesThatFailToReadMakeNoSubstrate) {
  struct Case {
    const char* line;
    const char* message;  // "" when not fixed
  };
  const Case cases[] = {
      {"S1: MS H=HX ER=2.33 MET1 = CU 17um TAND=0", "HX Label nicht gefunden"},
      {"S1: MS H=1mm ER=2..3 MET1 = CU 17um TAND=0", ""},
      {"S1: MS H=1mm ER=2.33 MET1 = CU 17 TAND=0", ""},
  };
  for (const Case& c : cases) {
    const ElementBench bench({c.line});
    EXPECT_EQ(Find(bench, "S1"), nullptr) << c.line;
    const Lines queued = QueuedMessages();
    ASSERT_FALSE(queued.empty()) << c.line;
    EXPECT_NE(queued.front().find(c.message), std::string::npos) << c.line;
  }
}

// The read pass on its own, as the reader runs it after a passed check.
TEST(Substrat, ReadPassKeepsWhatItDoesNotReach) {
  struct Case {
    const char* line;
    double H, ER, T, TAND;
    const char* metal;
    int code;
  };
  const SubstrateData fresh;
  const Case cases[] = {
      {"S: MS H=2mm ER=4.5 MET1 = ag 1um TAND=0.02", 0.002f, 4.5f, 1e-6f, 0.02f, "ag", 0},
      {"S: MS H=2mm ER=4.5", 0.002f, 4.5f, fresh.T, fresh.TAND, "AU", 0},
      {"S: MS", 0.625, 2.3, 0.017, 1e-4, "AU", 0},  // as constructed
      {"S: MS H=2mm ER=4.5 MET1 =", 0.002f, 4.5f, fresh.T, fresh.TAND, "", 4},
      // A bad value is not stored; the fields around it are.
      {"S: MS H=2mm ER=x4 MET1 = CU 1um TAND=0.02", 0.002f, fresh.ER, 1e-6f, 0.02f, "CU", 4},
      {"S: MS H=-2mm ER=4.5 MET1 = CU 1um TAND=0.02", fresh.H, 4.5f, 1e-6f, 0.02f, "CU", 4},
      {"S: MS H=2mm ER=4.5 MET1 = COPPER_OR_SOMETHING_LONGER 1um TAND=0", 0.002f, 4.5f, 1e-6f,
       0.0, "COPPER_OR_SOMETHING", 0},
  };
  const SymbolTable labels;
  for (const Case& c : cases) {
    Substrat s("S", NetLine(c.line));
    s.ParseLine(labels);
    const SubstrateData* d = s.GetData();
    EXPECT_EQ(d->H, c.H) << c.line;
    EXPECT_EQ(d->ER, c.ER) << c.line;
    EXPECT_EQ(d->T, c.T) << c.line;
    EXPECT_EQ(d->TAND, c.TAND) << c.line;
    EXPECT_STREQ(d->metal, c.metal) << c.line;
    EXPECT_EQ(s.GetErrorCode(), c.code) << c.line;
  }
}

}  // namespace
