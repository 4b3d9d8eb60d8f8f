#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/MyStrng.h"
#include "pf/recording_dc.h"

namespace {

// The recording context measures every character as 8 x 12.
TEST(MyStrngDraw, PlacementMetricsAndBackground) {
  pf::RecordingDc dc;
  dc.SetBkMode(pf::BkMode::Opaque);
  const MyStrng odd("C10");
  EXPECT_EQ(odd.GetTextWidth(&dc, 2), 16);
  EXPECT_EQ(odd.GetTextWidth(&dc, 10), 24);
  EXPECT_EQ(odd.GetTextWidth(&dc, -1), 0);
  odd.DrawText(&dc, 100, 50, 'C');  // odd half width
  MyStrng("R1").DrawText(&dc, 100, 50, 'L');
  MyStrng("R1").DrawVertical(&dc, 100, 50);
  odd.DrawClipped(&dc, 5, 6, 1);
  odd.DrawClipped(&dc, 5, 6, -4);
  odd.DrawClipped(&dc, 5, 6, 3);
  const std::string along(200, 'x');
  MyStrng(along.c_str()).DrawText(&dc, 0, 0, 'L');
  EXPECT_EQ(dc.Log(), (std::vector<std::string>{"TextOut 88 38 C10", "TextOut 100 50 R1",
                                                "TextOut 88 58 R1", "TextOut 5 6 C",
                                                "TextOut 5 6 C10", "TextOut 0 0 " + along}));
  for (const pf::DcCall& call : dc.Calls()) EXPECT_EQ(call.bkMode, pf::BkMode::Transparent);
  EXPECT_EQ(dc.GetBkMode(), pf::BkMode::Opaque);
}

}  // namespace
