#include "simulator/DataOnePort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "simulator/PortMatrix.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"
#include "simulator/tests/TestElements.h"

namespace {

constexpr float kG0 = 0.02f;

// The reader with the real data elements and tables; other keywords keep their stand-ins.
struct DataReader : ReaderHarness {
  DataReader() {
    elements = ElementRegistry();
    dataKinds = DataObjectRegistry();
    elements.Register("ONE", DataOnePort::Create);
    elements.Register("TWO", DataTwoPort::Create);
    dataKinds.RegisterTable("S", DataForOnePort::Create, DataForTwoPort::Create);
    RegisterTestElements(elements);
    RegisterTestDataObjects(dataKinds);
  }
  Cmplx At(const char* keyword, float frequency, int row, int col) {
    reader.ComputeAt(frequency);
    return reader.GetUsrNet(0)->FindElement(keyword)->GetPortMatrix()->GetAt(row, col);
  }
};

TEST(DataOnePortTest, ReadsAndInterpolatesThroughTheReader) {
  DataReader harness;
  ASSERT_TRUE(harness.Run(ReaderHarness::LoadNetlist("data_ports.net")));
  const float through[2][2] = {{kG0, 0.0f}, {-2.0f * kG0, kG0}};
  for (int i = 1; i <= 2; ++i) {
    for (int j = 1; j <= 2; ++j) {
      EXPECT_FLOAT_EQ(harness.At("TWO", 1.5e9f, i, j).re, through[i - 1][j - 1]);
    }
  }
  EXPECT_TRUE(ReaderHarness::QueuedMessages().empty());
  // Before the first rows: only the one-port table says so.
  EXPECT_FLOAT_EQ(harness.At("TWO", 0.5e9f, 2, 1).re, -2.0f * kG0);
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            std::vector<std::string>{"Startfrequenz zu klein (Tabelle)"});
}

TEST(DataOnePortTest, TakesTheReferenceOfItsFileAndReportsEqualFrequencies) {
  DataReader harness;
  ASSERT_TRUE(harness.Run({"DATA", "R75:  S 2", "# GHz S MA R 75", "1GHz 0 0", "1GHz 1 0", "END",
                           "BLK", "TOP: 1POR 1", "ONE 1 R75", "END"}));
  EXPECT_FLOAT_EQ(harness.At("ONE", 0.5e9f, 1, 1).re, 1.0f / 75.0f);
  harness.At("ONE", 1e9f, 1, 1);
  EXPECT_EQ(ReaderHarness::QueuedMessages(),
            (std::vector<std::string>{"Startfrequenz zu klein (Tabelle)",
                                      "Frequenzwerte in Tabelle fehlerhaft"}));
}

// The reference of a table is the data file's: a stated one that is no number above 0 in the
// form of the value fields refuses the table, wherever the option line states it.
TEST(DataOnePortTest, RefusesAReferenceThatIsNoNumberAboveZero) {
  const struct {
    const char* optionLine;
    float conductance;  // 0 when refused
    const char* value;  // the value named by the refusal
  } cases[] = {
      {"# GHz S MA R 75", 1.0f / 75.0f, ""},
      {"# mhz s db r 1.5E+01", 1.0f / 15.0f, ""},
      {"# GHz S MA R 1.0E-03", 1000.0f, ""},
      {"# R 75", 1.0f / 75.0f, ""},
      {"# GHz S MA", kG0, ""},
      {"# GHz S MA R 0", 0.0f, "0"},
      {"# GHz S MA R -50", 0.0f, "-50"},
      {"# GHz S MA R nan", 0.0f, "nan"},
      {"# GHz S MA R abc", 0.0f, "abc"},
      {"# GHz S MA R 1e-3", 0.0f, "1e-3"},
      {"# GHz S MA R 50ohm", 0.0f, "50ohm"},
      {"# GHz S MA R", 0.0f, ""},
      {"# THz Y R 0", 0.0f, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.optionLine);
    for (const bool twoPort : {false, true}) {
      VS_Error::ResetQueue();
      DataReader harness;
      const char* row = twoPort ? "1GHz 0 0 0 0 0 0 0 0" : "1GHz 0 0";
      const char* element = twoPort ? "TWO 1 2 T" : "ONE 1 T";
      const bool taken = harness.Run({"DATA", "T:  S 2", c.optionLine, row, "END", "BLK",
                                      twoPort ? "TOP: 2POR 1 2" : "TOP: 1POR 1", element, "END"});
      ASSERT_EQ(taken, c.conductance > 0.0f) << twoPort;
      if (taken) {
        EXPECT_FLOAT_EQ(harness.At(twoPort ? "TWO" : "ONE", 1e9f, 1, 1).re, c.conductance)
            << twoPort;
        continue;
      }
      const std::vector<std::string> messages = ReaderHarness::QueuedMessages();
      ASSERT_FALSE(messages.empty());
      EXPECT_EQ(messages[0], std::string("Bezugswiderstand der Tabelle T fehlerhaft: ") + c.value);
    }
  }
}

TEST(DataOnePortTest, RefusesMissingAndForeignTables) {
  DataReader harness;
  EXPECT_FALSE(harness.Run(ReaderHarness::LoadNetlist("data_refusals.net")));
  // clang-format off
  const std::vector<std::string> expected = {
      // BACK falls in frequency, NOUNIT has a row without unit
      "Frequenzwerte in Tabelle fehlerhaft", "FRQ: KeineDimension", "Syntaxfehler in Datentabelle",
      "Daten für Eintor nicht vorhanden", "ONE 1 NONESyntaxfehler",
      "Datenpointer für Zweitor nicht vorhanden", "TWO 1 2 NONESyntaxfehler",
      "Datenpointer für Eintor nicht vorhanden", "ONE 1 VALSyntaxfehler",
      "Datenpointer für Eintor nicht vorhanden", "ONE 1 BACKSyntaxfehler",
      "Datenpointer für Eintor nicht vorhanden", "ONE 1 NOUNITSyntaxfehler",
      "THRU ist keine Eintor-Tabelle", "ONE 1 THRUSyntaxfehler",
      "LOAD ist keine Zweitor-Tabelle", "TWO 1 2 LOADSyntaxfehler",
      "SUB ist keine Eintor-Tabelle", "ONE 1 SUBSyntaxfehler",
      "Definiertes Netzwerk enthält keine Elemente"};
  // clang-format on
  EXPECT_EQ(ReaderHarness::QueuedMessages(), expected);
}

}  // namespace
