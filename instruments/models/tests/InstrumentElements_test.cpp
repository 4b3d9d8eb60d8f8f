#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "simulator/UsrDefNet.h"
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

// The network hands the analyser its node voltage at every point, which it reads as the
// power of that peak voltage in milliwatts: 2 V behind 50 ohm into 50 ohm beside the
// analyser's 50 ohm give 2/3 V, 40/9 mW.
TEST(InstrumentElements, SpectrumAnalyserReadsEveryPoint) {
  ScomFile reader;
  ASSERT_TRUE(ReadUpToNets(reader, {"BLK", "TOP: 1POR 1", "UQU 1 U = 2V R = 50ohm Gen",
                                    "RES 1 R = 50ohm", "SPEC 1 RI= 50ohm SpecAna", "END"}) &&
              reader.BuildNets());
  UsrDefNet& net = *reader.GetUsrNet(0);
  net.FillMatrix(1e9f);
  const Cmplx reading = net.FindElement("SpecAna")->GetValue();
  EXPECT_DOUBLE_EQ(reading.re, 40.0 / 9.0);
  EXPECT_EQ(reading.im, 0.0);
}

}  // namespace
