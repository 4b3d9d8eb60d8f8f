#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "instruments/models/SpecAnaElement.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

struct LineCase {
  const char* text;
  const char* name;        // null: the element is refused
  double resistance;       // also Y11 = 1 / resistance at any frequency
  const char* firstError;  // the first queued message, "" for none
};

TEST(InstrumentElements, ReadLines) {
  ElementBench bench({}, {"Rin: 1kohm"});
  const LineCase cases[] = {
      {"DCQU 1 UA= 0.1V UB= 10V N= 20 R= 1kohm Netzteil", "Netzteil", 1000.0, ""},
      {"DCQU 1 UA= 0V UB= 5V N= 2x R= 1kohm Netzteil", nullptr, 0, "Ist keine Zahl"},
      {"DCQU 1 UA= 0V UB= 5V N= 100001 R= 1kohm Netzteil", nullptr, 0,
       "Anzahl der Schritte muß <= 100000 sein"},
      {"DATG 3 UA= 250mV RG= 75ohm DataGen", "DataGen", 75.0, ""},
      {"DATG 3 UA= 2V DataGen", nullptr, 0, "2V DataGen RG fehlt "},
      {"SPEC 2 RI= Rin SpecAna", "SpecAna", 1000.0, ""},
      {"SPEC 2 RI= 50 SpecAna", nullptr, 0, "RES: KeineDimension"},
      {"SPEC 2 RI= Rx SpecAna", nullptr, 0, "Rx Label nicht gefunden"},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.text);
    VS_Error::ResetQueue();
    const std::unique_ptr<NetElement> element = bench.Build(c.text);
    EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(), std::string(c.firstError));
    if (c.name == nullptr) {
      EXPECT_EQ(element, nullptr);
      continue;
    }
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->GetName().ToCString(), std::string(c.name));
    element->FillMatrix(1e9f);
    EXPECT_DOUBLE_EQ(At(*element, 1, 1).re, 1.0 / c.resistance);
  }
}

TEST(InstrumentElements, SpectrumReadingIsPeakPowerInMilliwatts) {
  const std::unique_ptr<NetElement> element = ElementBench().Build("SPEC 2 RI= 50ohm SpecAna");
  auto& analyser = dynamic_cast<SpecAnaElement&>(*element);
  for (const Cmplx& u : {Cmplx(1.0, 0.0), Cmplx(0.6, -0.8)}) {
    EXPECT_DOUBLE_EQ(analyser.SetReading(u).re, 10.0);
    EXPECT_EQ(analyser.GetValue().im, 0.0);
  }
}

}  // namespace
