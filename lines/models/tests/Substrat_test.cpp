#include "lines/models/Substrat.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "simulator/SymbolTable.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

// The substrate the reader built from a DATA entry, or null.
const SubstrateData* Find(const ElementBench& bench, const char* name) {
  auto* substrate = dynamic_cast<Substrat*>(bench.Reader().FindDataObject(name));
  return substrate == nullptr ? nullptr : substrate->GetData();
}

// Labels stand for their values; a long name is found whole and cut in the record. The value
// classes compute in single precision, and the doubles hold those values.
TEST(Substrat, ReaderBuildsTheSubstrateOfAnMsEntry) {
  const ElementBench bench({"SUBSTRATE_NUMBER_ONE_X: MS H=HSUB ER=EPS MET1 = CU 17um TAND=0.0002"},
                           {"HSUB: 1mm", "EPS: 2.33"});
  const SubstrateData* s = Find(bench, "SUBSTRATE_NUMBER_ONE_X");
  ASSERT_NE(s, nullptr);
  EXPECT_STREQ(s->name, "SUBSTRATE_NUMBER_O");
  EXPECT_STREQ(s->metal, "CU");
  EXPECT_EQ(std::tuple(s->H, s->ER, s->T, s->TAND), std::tuple(0.001f, 2.33f, 1.7e-5f, 2e-4f));
  EXPECT_EQ(QueuedMessages(), Lines{});
}

// Every name the substrate dialog accepts is the name of a substrate, also one holding a key's
// letters: the keys are sought behind "NAME:". The borders of the values are boards.
TEST(Substrat, EveryDialogNameAndBorderValueMakesASubstrate) {
  for (const char* name : {"FR-4", "RO4003C", "Duroid_5880", "Al2O3.99", "HF1", "CHIP", "H",
                           "ERMET1TAND", "a+b.c-d_e", "END", "Trl"}) {
    const std::string line = std::string(name) + ": MS H=1mm ER=1 MET1 = CU 0um TAND=0";
    const ElementBench bench({line});
    const SubstrateData* s = Find(bench, name);
    ASSERT_NE(s, nullptr) << line;
    EXPECT_EQ(std::tuple(s->H, s->ER, s->T, s->TAND), std::tuple(0.001f, 1.0, 0.0, 0.0)) << line;
    EXPECT_EQ(QueuedMessages(), Lines{}) << line;
  }
}

// Lines the check refuses for a missing key, and values that fail to read: no substrate.
TEST(Substrat, FaultyEntriesMakeNoSubstrate) {
  const std::pair<const char*, const char*> cases[] = {
      {"S1: MS H=1mm ER=2.33 CU 17um TAND=0.0002", "2.33 CU 17um TAND=0.0002 MET1 fehlt "},
      {"S1: MS H=1mm ER=2.33 MET1 = CU 17um", "CU 17um TAND fehlt "},
      {"S1: MS H 1mm ER=2.33 MET1 = CU 17um TAND=0",
       "S1: MS H 1mm ER=2.33 MET1 = CU 17um TAND=0 = fehlt "},
      // A board the line formulas cannot take: no height, ER below 1, a negative loss tangent.
      {"S1: MS H=0mm ER=2.33 MET1 = CU 17um TAND=0", "S1: H muß > 0 sein"},
      {"S1: MS H=1mm ER=0.99 MET1 = CU 17um TAND=0", "S1: ER muß >= 1 sein"},
      {"FR-4: MS H=1mm ER=4.4 MET1 = CU 17um TAND=-0.05", "FR-4: TAND darf nicht negativ sein"},
      {"S1: MS H=HX ER=2.33 MET1 = CU 17um TAND=0", "HX Label nicht gefunden"},
      {"S1: MS H=1mm ER=2..3 MET1 = CU 17um TAND=0", ""},
      {"S1: MS H=1mm ER=2.33 MET1 = CU 17 TAND=0", ""},
  };
  for (const auto& [line, message] : cases) {
    const ElementBench bench({line});
    EXPECT_EQ(Find(bench, MyStrng(line).LeftOf(":").GetBuffer()), nullptr) << line;
    const Lines queued = QueuedMessages();
    ASSERT_FALSE(queued.empty()) << line;
    EXPECT_NE(queued.front().find(message), std::string::npos) << line;
  }
}

// The read pass on its own, as the reader runs it after a passed check.
TEST(Substrat, ReadPassKeepsWhatItDoesNotReach) {
  const SubstrateData fresh;
  const struct {
    const char* line;
    double H, ER, T, TAND;
    const char* metal;
    int code;
  } cases[] = {
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
  for (const auto& c : cases) {
    Substrat s("S", NetLine(c.line));
    s.ParseLine(labels);
    const SubstrateData* d = s.GetData();
    EXPECT_EQ(std::tuple(d->H, d->ER, d->T, d->TAND), std::tuple(c.H, c.ER, c.T, c.TAND)) << c.line;
    EXPECT_STREQ(d->metal, c.metal) << c.line;
    EXPECT_EQ(s.GetErrorCode(), c.code) << c.line;
  }
}

}  // namespace
