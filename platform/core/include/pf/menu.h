#pragma once
// A frame's menu, made from a menu table: the items keep the state that the command route
// gave them when their popup last opened.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pf {

struct MenuItem {
  int id = 0;
  std::string text;  // as in the table, '&' marks and accelerator included
  std::vector<MenuItem> popup;
  bool enabled = true;
  int check = 0;
  bool visible = true;

  bool IsPopup() const { return !popup.empty(); }
  bool IsSeparator() const { return id == 0 && popup.empty(); }
};

class Menu {
 public:
  // nullopt when the table lacks the menu.
  static std::optional<Menu> Load(int resourceId);

  int ResourceId() const { return resourceId_; }
  std::vector<MenuItem>& Items() { return items_; }
  const std::vector<MenuItem>& Items() const { return items_; }
  // Follows a path of labels such as "&Datei/&Öffnen..." (the '&' marks may be left out; the
  // accelerator part never counts) as the user opens the popups: each popup on the way is
  // handed to open before its items are looked at. The item, or nullptr.
  MenuItem* FollowPath(std::string_view path, const std::function<void(MenuItem&)>& open);

 private:
  int resourceId_ = 0;
  std::vector<MenuItem> items_;
};

}  // namespace pf
