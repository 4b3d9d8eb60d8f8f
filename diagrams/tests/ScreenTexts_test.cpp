// The screens' text rules find what they are for, in the font the texts were drawn with.

#include "diagrams/tests/support/ScreenTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pf/cairo_recording_dc.h"
#include "pf/dialog_template.h"

namespace {

std::vector<std::string> FaultsOf(const std::vector<std::pair<pf::Point, std::string>>& texts,
                                  pf::BkMode mode) {
  pf::CairoRecordingDc dc;
  dc.SelectObject(pf::DialogFont());
  dc.SetBkMode(mode);
  for (const auto& [at, text] : texts) dc.TextOut(at.x, at.y, text);
  return TextFaults(DrawnTexts(dc.Calls()), {0, 0, 200, 100});
}

TEST(ScreenTexts, FindPlaceholdersTextsCutByTheEdgeAndTextsOverOthers) {
  const auto transparent = pf::BkMode::Transparent;
  const std::vector<std::string> none;
  // "Scale" is 28 pixels wide and 12 high in the dialog font.
  EXPECT_EQ(FaultsOf({{{10, 10}, "Scale"}, {{38, 10}, "Scale"}, {{10, 22}, "Scale"}}, transparent),
            none);
  EXPECT_EQ(FaultsOf({{{10, 10}, "Scale"}, {{37, 21}, "Scale"}}, transparent),
            std::vector<std::string>{"\"Scale\" (10,10)-(38,22) over \"Scale\" (37,21)-(65,33)"});
  EXPECT_EQ(FaultsOf({{{173, 88}, "Scale"}, {{172, 10}, "Scale"}, {{10, 89}, "Scale"}},
                     transparent),
            (std::vector<std::string>{"outside \"Scale\" (173,88)-(201,100)",
                                      "outside \"Scale\" (10,89)-(38,101)"}));
  EXPECT_EQ(FaultsOf({{{10, 10}, "BotLin0"}, {{10, 40}, "Kurve NoName"}}, transparent),
            (std::vector<std::string>{"placeholder \"BotLin0\" (10,10)-(47,22)",
                                      "placeholder \"Kurve NoName\" (10,40)-(85,52)"}));
  // Drawn twice in one place is one text; blanks draw nothing but on an opaque background,
  // where they paint over their neighbour, and never count as cut by the edge.
  EXPECT_EQ(FaultsOf({{{10, 10}, "Scale"}, {{10, 10}, "Scale"}, {{150, 50}, "20GHz          "}},
                     transparent),
            none);
  EXPECT_EQ(FaultsOf({{{10, 10}, "Scale   "}, {{45, 10}, "Scale"}}, transparent), none);
  EXPECT_EQ(
      FaultsOf({{{10, 10}, "Scale   "}, {{45, 10}, "Scale"}}, pf::BkMode::Opaque),
      std::vector<std::string>{"\"Scale   \" (10,10)-(38,22) over \"Scale\" (45,10)-(73,22)"});
}

}  // namespace
