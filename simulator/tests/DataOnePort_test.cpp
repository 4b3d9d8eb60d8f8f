#include "simulator/DataOnePort.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "simulator/PortMatrix.h"
#include "simulator/UsrDefNet.h"
#include "simulator/tests/ReaderHarness.h"

namespace {

constexpr float kG0 = 0.02f;

// The reader with the real data elements and tables; other keywords keep their stand-ins.
struct DataReader : ReaderHarness {
  DataReader() {
    elements.Register("ONE", DataOnePort::Create);
    elements.Register("TWO", DataTwoPort::Create);
    dataKinds.RegisterTable("S", DataForOnePort::Create, DataForTwoPort::Create);
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
