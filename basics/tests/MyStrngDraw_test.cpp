#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "basics/MyStrng.h"
#include "pf/recording_dc.h"

namespace {

// The recording context measures every character as 8 x 12.
TEST(MyStrngDraw, Metrics) {
  pf::RecordingDc dc;
  const MyStrng text("R12");
  EXPECT_EQ(text.GetTextWidth(&dc, 2), 16);
  EXPECT_EQ(text.GetTextWidth(&dc, 10), 24);
  EXPECT_EQ(text.GetTextWidth(&dc, -1), 0);
  EXPECT_EQ(text.GetTextHeight(&dc), 12);
}

TEST(MyStrngDraw, Placement) {
  const struct {
    const char* what;
    void (*draw)(pf::Dc*);
    std::vector<std::string> want;
  } cases[] = {
      {"centred",
       [](pf::Dc* dc) { MyStrng("R1").DrawText(dc, 100, 50, 'C'); },
       {"TextOut 92 38 R1"}},
      {"centred, odd half width",
       [](pf::Dc* dc) { MyStrng("C10").DrawText(dc, 100, 50, 'C'); },
       {"TextOut 88 38 C10"}},
      {"top-left",
       [](pf::Dc* dc) { MyStrng("R1").DrawText(dc, 100, 50, 'L'); },
       {"TextOut 100 50 R1"}},
      {"vertical",
       [](pf::Dc* dc) { MyStrng("R1").DrawVertical(dc, 100, 50); },
       {"TextOut 88 58 R1"}},
      {"clipped", [](pf::Dc* dc) { MyStrng("C10").DrawClipped(dc, 5, 6, 1); }, {"TextOut 5 6 C"}},
      {"clipped to nothing", [](pf::Dc* dc) { MyStrng("C10").DrawClipped(dc, 5, 6, -4); }, {}},
      {"not clipped",
       [](pf::Dc* dc) { MyStrng("C10").DrawClipped(dc, 5, 6, 3); },
       {"TextOut 5 6 C10"}},
  };
  for (const auto& c : cases) {
    pf::RecordingDc dc;
    c.draw(&dc);
    EXPECT_EQ(dc.Log(), c.want) << c.what;
  }
}

TEST(MyStrngDraw, TransparentWhileDrawingThenRestored) {
  pf::RecordingDc dc;
  dc.SetBkMode(pf::BkMode::Opaque);
  MyStrng("R1").DrawText(&dc, 0, 0, 'C');
  MyStrng("R1").DrawClipped(&dc, 0, 0, 1);
  ASSERT_EQ(dc.Calls().size(), 2u);
  EXPECT_EQ(dc.Calls()[0].bkMode, pf::BkMode::Transparent);
  EXPECT_EQ(dc.Calls()[1].bkMode, pf::BkMode::Transparent);
  EXPECT_EQ(dc.GetBkMode(), pf::BkMode::Opaque);
}

TEST(MyStrngDraw, LongTextIsDrawnWhole) {
  pf::RecordingDc dc;
  const std::string text(200, 'x');
  MyStrng(text.c_str()).DrawText(&dc, 0, 0, 'L');
  ASSERT_EQ(dc.Calls().size(), 1u);
  EXPECT_EQ(dc.Calls()[0].text, text);
}

}  // namespace
