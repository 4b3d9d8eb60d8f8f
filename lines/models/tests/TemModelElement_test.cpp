#include "lines/models/TemModelElement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lines/models/CCoplanarLineLine.h"
#include "lines/models/SlotLineLine.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

ElementBench Board() {
  return ElementBench({"ALU: MS H=0.635mm ER=9.8 MET1 = AU 5um TAND=0.001",
                       "RT: MS H=0.787mm ER=2.22 MET1 = CU 17um TAND=0.0009",
                       "XX25: MS H=1mm ER=25 MET1 = CU 17um TAND=0"},
                      {"WS: 0.1mm"});
}

TEST(TemModelElement, LineSectionsAreSymmetric) {
  ElementBench board = Board();
  for (const char* text : {"SLTL 1 2 Approx W=0.1mm P=5mm ALU", "SLTL 1 0 2 0 Cohn W=WS P=7mm ALU",
                           "CPLL 1 2 W=1mm S=0.5mm P=10mm RT"}) {
    SCOPED_TRACE(text);
    auto e = board.Build(text);
    ASSERT_NE(e, nullptr);
    e->FillMatrix(5e9f);
    EXPECT_GT(At(*e, 1, 2).Abs(), 0.0);
    const Cmplx d = At(*e, 1, 1) - At(*e, 2, 2);
    EXPECT_TRUE(d.re == 0.0 && d.im == 0.0);
  }
}

TEST(TemModelElement, StubsByModelAndEndWord) {
  // Short stubs: capacitive when open, inductive when short-circuited.
  const struct {
    const char* line;
    bool open;
    bool lossless;
  } cases[] = {
      {"SLTS 1 Cohn W=0.1mm P=5mm OPEN ALU", true, true},  // Cohn computes no attenuation
      {"SLTS 1 Approx W=0.1mm P=5mm SHORT ALU", false, false},
      {"SLTS 1 Other W=0.1mm P=5mm OPNE ALU", false, false},  // the closed form, a short end
      {"CPLS 1 W=0.5mm S=0.5mm P=3.1mm OPEN RT", true, true},
      {"CPLS 1 W=0.5mm S=0.5mm P=3.1mm short RT", false, true},
  };
  ElementBench board = Board();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    auto e = board.Build(c.line);
    ASSERT_NE(e, nullptr);
    e->FillMatrix(5e9f);
    const Cmplx y = At(*e, 1, 1);
    EXPECT_EQ(y.im > 0.0, c.open);
    EXPECT_EQ(std::fabs(y.re) < 1e-12 * std::fabs(y.im), c.lossless);
  }
}

// Outside the closed form's ranges a slotline reports once and puts no NaN into the network:
// open (zeros) before it ever had line data, Z0 = 9999 with the last line data after.
TEST(TemModelElement, SlotlineOutOfRangeReportsOnce) {
  ElementBench board = Board();
  auto never = board.Build("SLTL 1 2 Approx W=0.1mm P=5mm XX25");
  auto stub = board.Build("SLTS 1 Approx W=0.1mm P=5mm SHORT RT");
  stub->FillMatrix(5e9f);
  const Cmplx inRange = At(*stub, 1, 1);
  for (float f : {1e5f, 1e5f}) {
    never->FillMatrix(f);
    EXPECT_EQ(At(*never, 1, 1).Abs() + At(*never, 1, 2).Abs(), 0.0);
    stub->FillMatrix(f);
    EXPECT_TRUE(std::isfinite(At(*stub, 1, 1).Abs()));
  }
  EXPECT_NE(At(*stub, 1, 1).im, inRange.im);
  EXPECT_EQ(static_cast<SlotLineStub&>(*stub).GetModel().Z0, SlotLineModell::kOutOfRange);
  EXPECT_EQ(QueuedMessages(), Lines(2, "Schlitzleitung außerhalb des Gültigkeitsbereichs"));
}

}  // namespace
