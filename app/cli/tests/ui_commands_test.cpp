// The command table of ui-script: each row fills the columns that the places it plays in need,
// so that an action is one row. A failure names the row and the column.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/cli/UiCommands.h"

namespace {

using ui_script::Command;
using ui_script::Place;

TEST(UiCommands, EachRowFillsItsColumns) {
  for (const Command& c : ui_script::Commands()) {
    SCOPED_TRACE(std::string("row ") + (c.name != nullptr ? c.name : "without a name"));
    EXPECT_TRUE(c.name != nullptr && *c.name != '\0') << "name";
    ASSERT_NE(c.usage, nullptr) << "usage (\"\" for no words)";
    EXPECT_TRUE(c.play != nullptr || c.make != nullptr) << "plays nowhere: play or make";
    EXPECT_TRUE(!c.dialogsOnly || c.make != nullptr) << "dialogsOnly without make";
    if (c.closes) {
      EXPECT_NE(c.make, nullptr) << "closes without make";
      EXPECT_STREQ(c.usage, "") << "closes a block, but takes words";
    }
  }
}

TEST(UiCommands, EachNameOnceInAPlaceAndEachBlockEnds) {
  const struct {
    Place place;
    const char* name;
  } kPlaces[] = {{Place::kScript, "the top level"},
                 {Place::kDialog, "dialog blocks"},
                 {Place::kWindow, "window blocks"}};
  for (const auto& [place, name] : kPlaces) {
    SCOPED_TRACE(name);
    std::set<std::string> names;
    bool ends = false;
    for (const Command& c : ui_script::Commands()) {
      if (c.name == nullptr || !c.PlaysIn(place)) continue;
      EXPECT_TRUE(names.insert(c.name).second) << "row " << c.name << " twice";
      ends = ends || c.closes;
    }
    EXPECT_EQ(ends, place != Place::kScript) << "closes";
  }
}

}  // namespace
