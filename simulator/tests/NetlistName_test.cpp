#include "simulator/NetlistName.h"

#include <gtest/gtest.h>

#include <string>

#include "simulator/tests/ReaderHarness.h"

namespace {

// Each title gives a network name that the reader takes on a port line; a character of several
// UTF-8 bytes gives one '_', a byte that continues no character one of its own.
TEST(NetlistName, TitlesGiveNamesThatTheReaderTakes) {
  const struct {
    std::string title;
    const char* network;
    const char* spiceTitle;
  } cases[] = {
      {"lc_lowpass.vqe", "lc_lowpass", "lc_lowpass.vqe"},
      {"Tiefpaß 2.vqe", "Tiefpa__2", "Tiefpa__2.vqe"},
      {"Übertrager-3+€.v.vqe", "N_bertrager_3__", "_bertrager_3__.v.vqe"},
      {"a\tb\r\n.END\nBLK.vqe", "a_b__", "a_b__.END_BLK.vqe"},
      {"\x80x\xC3", "N_x_", "_x_"},
      {"2 Kreise.vqe", "N2_Kreise", "2_Kreise.vqe"},
      {"RES.vqe", "NRES", "RES.vqe"},
      {"IQU.vqe", "NIQU", "IQU.vqe"},
      // A block's keyword is one only as a line of its own.
      {"Data.vqe", "Data", "Data.vqe"},
      {"END.vqe", "END", "END.vqe"},
      {"blk.vqe", "blk", "blk.vqe"},
      {".vqe", "N", ".vqe"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NetworkName(c.title), c.network) << c.title;
    EXPECT_EQ(NetlistName(c.title), c.spiceTitle) << c.title;
    ReaderHarness harness;
    EXPECT_TRUE(harness.Run({"BLK", NetworkName(c.title).ToCString() + ": 1POR 1", "END"}))
        << c.title;
  }
}

}  // namespace
