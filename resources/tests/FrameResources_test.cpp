#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "pf/menu.h"
#include "resources/CommandIds.h"
#include "resources/ElementDeclarations.h"
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

const pf::MenuItem* FindItem(const std::vector<pf::MenuItem>& items, int id) {
  for (const pf::MenuItem& item : items) {
    if (item.id == id) return &item;
    if (const pf::MenuItem* found = FindItem(item.popup, id)) return found;
  }
  return nullptr;
}

// Each element declaration makes its menu item, prompt, tool tip and button, and its picture
// stands in the bar's strip at its button; the types ascend, each and each class key once. A
// declaration without a command has no picture.
TEST(FrameResources, EveryElementDeclarationMakesItsCommandButtonAndPicture) {
  RegisterResources();
  const auto menu = pf::Menu::Load(129);
  const pf::ToolBarTemplate* bar = pf::ResourceTable<pf::ToolBarTemplate>::Instance().Find(130);
  const pf::PixelMapTemplate* strip = pf::ResourceTable<pf::PixelMapTemplate>::Instance().Find(130);
  ASSERT_TRUE(menu.has_value() && bar != nullptr && strip != nullptr);
  // Empty when a picture does not fit: the row that makes it fails below.
  const pf::Bitmap pictures = pf::LoadBitmap(130);
  int previous = -1;
  std::set<std::string> keys;
  size_t button = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    const std::string row = "type " + std::to_string(e.type) + " (" + e.classKey + ")";
    EXPECT_GT(e.type, previous) << row << ": the types ascend, each once";
    previous = e.type;
    EXPECT_TRUE(keys.insert(e.classKey).second) << row << ": declared twice";
    if (e.spiceKey != nullptr) EXPECT_TRUE(keys.insert(e.spiceKey).second) << row;
    const int id = kIdElementFirst + e.type;
    if (e.command == nullptr) {
      EXPECT_EQ(e.picture[0], nullptr) << row << ": a picture without a command";
      EXPECT_EQ(FindItem(menu->Items(), id), nullptr) << row;
      continue;
    }
    const pf::MenuItem* item = FindItem(menu->Items(), id);
    ASSERT_NE(item, nullptr) << row;
    EXPECT_EQ(item->text, e.command) << row;
    EXPECT_EQ(pf::CommandPrompt(id), std::string("Wählt das nächste Element: ") + e.command);
    EXPECT_EQ(pf::CommandToolTip(id), e.command) << row;
    ASSERT_LT(button, bar->commands.size()) << row;
    EXPECT_EQ(bar->commands[button], id) << row;
    for (int y = 0; y < kElementPictureHeight; ++y) {
      const std::string_view line = e.picture[y] != nullptr ? e.picture[y] : "";
      ASSERT_EQ(line.size(), size_t{kElementPictureWidth})
          << row << ": its picture wants " << kElementPictureHeight << " rows of "
          << kElementPictureWidth << " pixels, row " << y << " has " << line.size();
      for (int x = 0; x < kElementPictureWidth; ++x) {
        const auto colour =
            std::find_if(strip->palette.begin(), strip->palette.end(),
                         [&](const pf::PixelColour& p) { return p.key == line[x]; });
        ASSERT_NE(colour, strip->palette.end()) << row << ": no colour for '" << line[x] << "'";
        const int atX = static_cast<int>(button) * kElementPictureWidth + x;
        if (!pictures.IsEmpty()) {
          EXPECT_EQ(pictures.GetPixel(atX, y), colour->colour) << row << " at " << x << "," << y;
        }
      }
    }
    ++button;
  }
  EXPECT_EQ(button, bar->commands.size());
  EXPECT_FALSE(pictures.IsEmpty());
}

}  // namespace
