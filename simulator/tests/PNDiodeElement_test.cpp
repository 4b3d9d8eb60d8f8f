#include "simulator/PNDiodeElement.h"

#include <gtest/gtest.h>

#include <string>

#include "simulator/tests/support/ElementBench.h"

namespace {

struct DiodeCase {
  const char* text;
  const char* firstError;  // "" when the line is accepted
  float is;                // IS as its single-precision value
  double ne;
  double rs;
};

TEST(PNDiodeElement, ReadsIsNeRsInOrder) {
  ElementBench bench({}, {"Isat: 1pA"});
  const DiodeCase cases[] = {
      {"HLD 2 IS = 10fA NE = 1.5 RS = 2ohm", "", 10 * 1e-15f, 1.5, 2.0},
      {"HLD 1 2 IS = Isat NE = 1 RS = 0ohm", "", 1e-12f, 1.0, 0.0},
      {"HLD 2 IS = 10fA RS = 0ohm", "10fA RS = 0ohm NE fehlt ", 0, 0, 0},
      {"HLD 2 IS = 10f NE = 1 RS = 0ohm", "STR: Unbekannte Dimension", 0, 0, 0},
      {"HLD 2 IS = 0fA NE = 1 RS = 0ohm", "Diode: IS und NE müssen > 0 sein", 0, 0, 0},
  };
  for (const DiodeCase& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ResetQueue();
    const std::unique_ptr<NetElement> element = bench.Build(c.text);
    EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), std::string(c.firstError));
    EXPECT_EQ(element != nullptr, *c.firstError == '\0');
    if (!element) continue;
    const auto& diode = dynamic_cast<const PNDiodeElement&>(*element);
    EXPECT_EQ(diode.GetIS(), static_cast<double>(c.is));
    EXPECT_EQ(diode.GetNE(), c.ne);
    EXPECT_EQ(diode.GetRS(), c.rs);
  }
}

}  // namespace
