#include "pf/menu.h"

#include "pf/resource.h"

namespace pf {
namespace {

// Tables are ours, but a popup that contains itself must not recurse for ever.
constexpr int kMaxDepth = 8;

std::vector<MenuItem> Build(std::span<const MenuItemTemplate> items, int depth) {
  std::vector<MenuItem> built;
  if (depth > kMaxDepth) return built;
  for (const MenuItemTemplate& t : items) {
    MenuItem item;
    item.id = t.id;
    item.text = t.text != nullptr ? t.text : "";
    item.popup = Build(t.popup, depth + 1);
    built.push_back(std::move(item));
  }
  return built;
}

}  // namespace

std::optional<Menu> Menu::Load(int resourceId) {
  const MenuTemplate* t = ResourceTable<MenuTemplate>::Instance().Find(resourceId);
  if (t == nullptr) return std::nullopt;
  Menu menu;
  menu.resourceId_ = resourceId;
  menu.items_ = Build(t->items, 0);
  return menu;
}

MenuItem* Menu::FollowPath(std::string_view path,
                           const std::function<void(MenuItem&)>& open) {
  // Labels may hold a '/' themselves ("Spannungs/Strommessgerät"), so a step is whatever label
  // the rest of the path begins with.
  std::string rest = MenuLabel(path);
  std::vector<MenuItem>* level = &items_;
  while (true) {
    MenuItem* next = nullptr;
    for (MenuItem& item : *level) {
      if (item.IsSeparator()) continue;
      const std::string label = MenuLabel(item.text);
      if (rest == label) return &item;
      if (next == nullptr && item.IsPopup() && rest.size() > label.size() &&
          rest.compare(0, label.size(), label) == 0 && rest[label.size()] == '/') {
        next = &item;
      }
    }
    if (next == nullptr) return nullptr;
    rest.erase(0, MenuLabel(next->text).size() + 1);
    open(*next);
    level = &next->popup;
  }
}

}  // namespace pf
