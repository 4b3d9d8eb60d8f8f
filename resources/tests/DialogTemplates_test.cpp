#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/Resources.h"

namespace {

using pf::ControlKind;
using pf::DialogTemplates;

class DialogTemplatesTest : public testing::Test {
 protected:
  void SetUp() override { RegisterResources(); }
};

TEST_F(DialogTemplatesTest, EveryTableRegistersWithoutClashes) {
  size_t count = 0;
  for (const auto table : DialogTables()) {
    for (const pf::DialogTemplate& t : table) {
      EXPECT_TRUE(DialogTemplates::Instance().Register(t)) << t.id;
      EXPECT_TRUE(t.id != 0 || t.name != nullptr);
      ASSERT_NE(t.caption, nullptr) << t.id;
      ++count;
    }
  }
  RegisterResources();  // again: harmless
  EXPECT_EQ(DialogTemplates::Instance().All().size(), count);
}

// Ids name the controls (statics and pictures without a role use -1), and every control lies inside its
// dialog, so the same rectangles work on every backend.
TEST_F(DialogTemplatesTest, ControlsHaveUniqueIdsAndLieInsideTheirDialog) {
  for (const pf::DialogTemplate* t : DialogTemplates::Instance().All()) {
    std::set<int> ids;
    for (const pf::ControlTemplate& c : t->controls) {
      const std::string where = std::to_string(t->id) + "/" + std::to_string(c.id);
      if (c.id != -1) {
        EXPECT_TRUE(ids.insert(c.id).second) << where;
      }
      EXPECT_TRUE(c.id != -1 || c.kind == ControlKind::Static || c.kind == ControlKind::Bitmap ||
                  c.kind == ControlKind::GroupBox)
          << where;
      EXPECT_NE(c.text, nullptr) << where;
      EXPECT_GT(c.cx, 0) << where;
      EXPECT_GT(c.cy, 0) << where;
      EXPECT_GE(c.x, 0) << where;
      EXPECT_GE(c.y, 0) << where;
      EXPECT_LE(c.x + c.cx, t->cx) << where;
      EXPECT_LE(c.y + c.cy, t->cy) << where;
    }
  }
}

}  // namespace
