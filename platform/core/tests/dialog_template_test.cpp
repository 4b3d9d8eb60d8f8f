#include "pf/dialog_template.h"

#include <gtest/gtest.h>

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;
using pf::DialogTemplates;

TEST(DialogUnits, ConvertByTheFixedBaseUnitsRoundingHalfUp) {
  const struct {
    int du, x, y;
  } cases[] = {{0, 0, 0}, {1, 2, 2}, {4, 6, 7}, {186, 279, 302}, {95, 143, 154}, {-1, -2, -2}};
  for (const auto& c : cases) {
    EXPECT_EQ(pf::DialogUnitsToPixelsX(c.du), c.x) << c.du;
    EXPECT_EQ(pf::DialogUnitsToPixelsY(c.du), c.y) << c.du;
  }
  // Each edge converts on its own, so neighbours stay flush.
  EXPECT_EQ(pf::DialogUnitsToPixels(1, 1, 1, 1), (pf::Rect{2, 2, 3, 3}));
}

constexpr ControlTemplate kControls[] = {{ControlKind::PushButton, 1, "OK", 0, 0, 50, 14}};
constexpr DialogTemplate kNumbered{9001, nullptr, "Nummer", 100, 50, kControls};
constexpr DialogTemplate kNamed{0, "TESTDLG", "Name", 100, 50, kControls};
constexpr DialogTemplate kClash{9001, "OTHER", "Doppelt", 10, 10, {}};

TEST(DialogTemplates, LookUpByNumberOrNameWithoutCase) {
  DialogTemplates& all = DialogTemplates::Instance();
  EXPECT_TRUE(all.Register(kNumbered));
  EXPECT_TRUE(all.Register(kNamed));
  EXPECT_TRUE(all.Register(kNamed));   // the same table again
  EXPECT_FALSE(all.Register(kClash));  // a taken number
  EXPECT_EQ(all.Find(9001), &kNumbered);
  EXPECT_EQ(all.Find("testdlg"), &kNamed);
  EXPECT_EQ(all.Find("OTHER"), nullptr);
  EXPECT_EQ(all.Find(0), nullptr);
  EXPECT_EQ(pf::DialogSizeInPixels(kNumbered), (pf::Size{150, 81}));
}

}  // namespace
