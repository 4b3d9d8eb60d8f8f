#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "pf/menu.h"
#include "resources/Resources.h"

namespace {

void CollectCommands(const std::vector<pf::MenuItem>& items, std::set<int>& ids) {
  for (const pf::MenuItem& item : items) {
    if (item.id != 0) ids.insert(item.id);
    CollectCommands(item.popup, ids);
  }
}

// Every accelerator and every toolbar button has a menu item with a prompt, and the toolbar's
// picture strip holds one picture per button.
TEST(FrameResources, KeysAndButtonsNameMenuCommandsAndHavePictures) {
  RegisterResources();
  const FrameResources frame = GetFrameResources();
  std::set<int> inMenus;
  for (const pf::MenuTemplate& m : frame.menus) {
    CollectCommands(pf::Menu::Load(m.id)->Items(), inMenus);
  }
  for (const pf::AcceleratorTemplate& table : frame.accelerators) {
    for (const pf::Accelerator& a : table.entries) {
      EXPECT_TRUE(inMenus.count(a.command)) << a.command;
    }
  }
  for (const pf::ToolBarTemplate& bar : frame.toolBars) {
    const auto buttons = std::count_if(bar.commands.begin(), bar.commands.end(),
                                       [](int id) { return id != 0; });
    EXPECT_EQ(pf::LoadBitmap(bar.bitmapId).Width(), buttons * bar.buttonWidth) << bar.id;
    for (const int id : bar.commands) {
      EXPECT_TRUE(id == 0 || (inMenus.count(id) && !pf::CommandToolTip(id).empty())) << id;
    }
  }
  for (const int id : inMenus) EXPECT_FALSE(pf::CommandPrompt(id).empty()) << id;
}

}  // namespace
