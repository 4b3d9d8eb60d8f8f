#include "lines/models/MslToSlotElement.h"
#include "lines/models/SubstrateData.h"

#include <gtest/gtest.h>

#include <string>

#include "simulator/tests/support/ElementBench.h"

namespace {

constexpr const char* kAlumina = "AL: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0.001";

// Every model is alike from both microstrip ports; SIM is purely reactive. K enters no model,
// and an unknown model word is KNR.
TEST(MslToSlotElement, ModelsAreReciprocalAndSymmetric) {
  ElementBench bench({kAlumina});
  for (const std::string word : {"KNR", "DAS", "SIM", "XYZ"}) {
    auto element = bench.Build(("MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 " + word + " AL").c_str());
    auto otherK = bench.Build(("MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.5 " + word + " AL").c_str());
    ASSERT_TRUE(element && otherK) << word;
    EXPECT_EQ(dynamic_cast<MslToSlotElement&>(*element).GetModel(), word == "XYZ" ? 'K' : word[0]);
    element->FillMatrix(3e9f);
    otherK->FillMatrix(3e9f);
    EXPECT_TRUE(SameMatrix(*element, *otherK)) << word;
    EXPECT_TRUE(SameWithin(At(*element, 1, 1), At(*element, 2, 2), 0.0)) << word;
    EXPECT_TRUE(SameWithin(At(*element, 1, 3), -At(*element, 2, 3), 0.0)) << word;
    EXPECT_EQ(At(*element, 1, 1).re == 0.0, word == "SIM") << word;
  }
}

// Where the slotline has no figures (a board outside the closed form's ranges) or the turns
// ratio no value (far below the slotline's range its permittivity drops below 1), the point is
// reported once and its matrix is zero.
TEST(MslToSlotElement, PointsWithoutResultAreReportedOnce) {
  const struct {
    const char* line;
    float f;
    const char* message;
  } cases[] = {
      {"MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 KNR XX25", 1e9f, MslToSlotElement::kSlotOutOfRange},
      {"MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 KNR AL", 1e5f, MslToSlotElement::kNoTurnsRatio},
  };
  ElementBench bench({kAlumina, "XX25: MS H=1mm ER=25 MET1 = CU 17um TAND=0"});
  for (const auto& c : cases) {
    auto element = bench.Accept(c.line);
    ASSERT_TRUE(element);
    VS_Error::ClearQueue();
    element->FillMatrix(c.f);
    element->FillMatrix(c.f);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(At(*element, k / 3 + 1, k % 3 + 1).Abs(), 0.0);
    EXPECT_EQ(QueuedMessages(), Lines{c.message}) << c.f;
  }
}

// With its slot port left open the transition stands open between its microstrip ports (the
// turns-ratio models) or passes the strip through (SIM at 0 Hz), at every point with figures.
TEST(MslToSlotElement, SlotPortLeftOpen) {
  ElementBench bench({kAlumina});
  for (const char* model : {"KNR", "DAS", "SIM"}) {
    const std::string line = std::string("MSTSL 1 2 3 M=0.6mm S=0.2mm K=0.99 ") + model + " AL";
    for (float f : {0.0f, 1e9f, 6e9f}) {
      SCOPED_TRACE(line + " @" + std::to_string(f));
      const auto s = bench.NetworkS({"N: 2POR 1 2", line.c_str()}, f);
      if (model[0] == 'S' && f == 0.0f) {
        EXPECT_LT(std::abs(s[2] - 1.0L), 1e-6L);
      } else if (model[0] != 'S') {
        EXPECT_LT(std::abs(s[0] - 1.0L), 1e-6L);
      }
      EXPECT_LE(std::norm(s[0]) + std::norm(s[2]), 1.0L + 1e-9L);
    }
  }
}

// The design calculator's element: its substrate record and widths set directly. A point where
// the slotline has no figures of its own has no result, even while earlier figures stand in for
// the simulator.
TEST(MslToSlotElement, DesignElementTellsWhetherAPointHasItsOwnFigures) {
  SubstrateData alumina;
  alumina.H = 0.635e-3;
  alumina.ER = 9.8;
  alumina.T = 0.0;
  MslToSlotElement element;
  EXPECT_EQ(element.GetM(), 0.635e-3);
  EXPECT_EQ(element.GetS(), 0.206e-3);
  element.FillMatrix(4e9f);
  EXPECT_FALSE(element.HasResult());  // no substrate yet
  element.SetDesignSubstrate(alumina);
  element.FillMatrix(4e9f);
  EXPECT_TRUE(element.HasResult());
  const double zs = element.GetZs();
  element.SetS(6e-6);
  VS_Error::ClearQueue();
  element.FillMatrix(4e9f);
  EXPECT_FALSE(element.HasResult());
  EXPECT_EQ(QueuedMessages(), Lines{MslToSlotElement::kSlotOutOfRange});
  element.SetS(0.3e-3);
  element.FillMatrix(4e9f);
  EXPECT_TRUE(element.HasResult());
  EXPECT_GT(element.GetZs(), zs);  // a wider slot has a higher impedance
  VS_Error::ClearQueue();
}

}  // namespace
