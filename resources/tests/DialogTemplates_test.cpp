#include <gtest/gtest.h>

#include <map>
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

// Ids name the controls (statics and pictures without a role use -1), and every control lies inside
// its dialog, so the same rectangles work on every backend.
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

std::string Label(const pf::DialogTemplate& t) {
  return t.name != nullptr ? t.name : std::to_string(t.id);
}

// Buttons 1 and 2 read "OK" and "Abbrechen", and no button is labelled in English, except in the
// templates listed with the texts they are given: the framework dialogs with "&OK" and "&Cancel",
// a few plain ones with "Cancel", and those made before their texts were settled.
TEST_F(DialogTemplatesTest, ButtonsAreGermanUnlessGivenInEnglish) {
  struct Buttons {
    const char* ok;
    const char* cancel;  // nullptr: no cancel button
  };
  const Buttons framework{"&OK", "&Cancel"};
  const Buttons plain{"OK", "Cancel"};
  const std::map<std::string, Buttons> english = {
      {"OPAMPDIALG", framework}, {"VVGDIALG", framework},      {"VCGDIALG", framework},
      {"CCGDIALG", framework},   {"SRCDIALG", framework},      {"PRCDIALG", framework},
      {"QUARZDIALG", framework}, {"INDDIALG", framework},      {"FETDIALG", framework},
      {"TEMDIALG", framework},   {"SSTDIALG", framework},      {"OSTDIALG", framework},
      {"TRLDIALG", framework},   {"MICTAPERDIALG", framework}, {"RADSTDIALG", framework},
      {"TEEDIALG", framework},   {"STEDIALG", framework},      {"CPLDIALG", framework},
      {"MICCORNERDIALG", framework}, {"GENDIAG", framework},
      {"FORMDIAG", {"&OK", nullptr}}, {"MEASDIAG", {"&OK", nullptr}},
      {"LOWPASDIAG", plain},     {"BANDPASDIAG", plain},       {"185", plain},
      {"268", plain},
      // Texts not settled: as first made.
      {"FREQDIAG", framework},   {"209", framework},           {"210", {"&OK", nullptr}},
      {"180", plain},            {"205", plain},               {"190", plain},
      {"261", plain},            {"216", plain},
  };
  const std::set<std::string> englishWords = {"&OK", "&Cancel", "Cancel"};
  std::set<std::string> seen;
  for (const pf::DialogTemplate* t : DialogTemplates::Instance().All()) {
    const std::string label = Label(*t);
    const auto given = english.find(label);
    const Buttons expected = given != english.end() ? given->second : Buttons{"OK", "Abbrechen"};
    if (given != english.end()) seen.insert(label);
    for (const pf::ControlTemplate& c : t->controls) {
      if (c.kind != ControlKind::PushButton) continue;
      const std::string where = label + "/" + std::to_string(c.id);
      if (c.id == 1) EXPECT_STREQ(c.text, expected.ok) << where;
      if (c.id == 2) {
        EXPECT_NE(expected.cancel, nullptr) << where;
        if (expected.cancel != nullptr) EXPECT_STREQ(c.text, expected.cancel) << where;
      }
      if (given == english.end()) EXPECT_FALSE(englishWords.contains(c.text)) << where;
    }
  }
  for (const auto& [label, buttons] : english) EXPECT_TRUE(seen.contains(label)) << label;
}

}  // namespace
