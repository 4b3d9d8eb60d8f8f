#include <gtest/gtest.h>

#include <span>
#include <string>

#include "resources/Resources.h"

namespace {

void ExpectPrompts(std::span<const pf::MenuItemTemplate> items, const std::string& where) {
  for (const pf::MenuItemTemplate& item : items) {
    const std::string here = where + "/" + (item.text != nullptr ? item.text : "-");
    if (!item.popup.empty()) {
      ExpectPrompts(item.popup, here);
    } else if (item.id != 0) {
      EXPECT_FALSE(pf::CommandPrompt(item.id).empty()) << here;
    }
  }
}

// The status bar has a prompt for every menu command; every button of a bar has a tool tip.
TEST(FrameResourcesTest, EveryCommandHasItsStrings) {
  RegisterResources();
  const FrameResources frame = GetFrameResources();
  for (const pf::MenuTemplate& menu : frame.menus) {
    ExpectPrompts(menu.items, std::to_string(menu.id));
  }
  for (const pf::ToolBarTemplate& bar : frame.toolBars) {
    for (const int id : bar.commands) {
      if (id != 0) EXPECT_FALSE(pf::CommandToolTip(id).empty()) << bar.id << "/" << id;
    }
  }
}

}  // namespace
