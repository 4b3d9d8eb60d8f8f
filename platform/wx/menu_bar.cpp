#include "menu_bar.h"

#include <wx/app.h>
#include <wx/menu.h>

#include <string>
#include <utility>
#include <vector>

#include "convert.h"
#include "pf/command_ids.h"
#include "pf/document.h"
#include "pf/frame.h"
#include "wx_backend.h"

namespace pf {
namespace {

// A popup of the bar and where its model popup is: the indices from the top of the menu. The
// window menu has no model popup.
class PopupMenu : public wxMenu {
 public:
  explicit PopupMenu(std::vector<int> path, bool windowMenu = false)
      : path_(std::move(path)), windowMenu_(windowMenu) {}
  const std::vector<int>& Path() const { return path_; }
  bool IsWindowMenu() const { return windowMenu_; }
  // What the items looked like when they were made: visible ids, and whether each is checked.
  std::vector<std::pair<int, bool>> shape;

 private:
  std::vector<int> path_;
  bool windowMenu_;
};

// The toolkit reads the accelerator after the tab, in its own (English) key names.
wxString Label(const std::string& text) {
  wxString label = ToWx(text);
  const int tab = label.Find('\t');
  if (tab == wxNOT_FOUND) return label;
  wxString keys = label.Mid(tab + 1);
  keys.Replace("Strg+", "Ctrl+");
  keys.Replace("Umschalt+", "Shift+");
  if (keys == "Entf") keys = "Del";
  return label.Left(tab + 1) + keys;
}

// The toolkit's item ids stay below 0x8000; the platform's commands lie above, so dropping the
// top bit keeps them apart.
int WxId(int command) { return command & 0x7FFF; }

std::vector<std::pair<int, bool>> ShapeOf(const std::vector<MenuItem>& items) {
  std::vector<std::pair<int, bool>> shape;
  for (const MenuItem& item : items) {
    if (item.visible) shape.emplace_back(item.IsPopup() ? -1 : item.id, item.check != 0);
  }
  return shape;
}

void Fill(PopupMenu& menu, const std::vector<MenuItem>& items) {
  while (menu.GetMenuItemCount() > 0) menu.Destroy(menu.FindItemByPosition(0));
  menu.shape = ShapeOf(items);
  for (int i = 0; i < static_cast<int>(items.size()); ++i) {
    const MenuItem& item = items[i];
    if (!item.visible) continue;
    if (item.IsSeparator()) {
      menu.AppendSeparator();
    } else if (item.IsPopup()) {
      std::vector<int> path = menu.Path();
      path.push_back(i);
      auto* sub = new PopupMenu(std::move(path));
      Fill(*sub, item.popup);
      menu.AppendSubMenu(sub, Label(item.text));
    } else {
      wxMenuItem* w = menu.Append(WxId(item.id), Label(item.text), "",
                                  item.check != 0 ? wxITEM_CHECK : wxITEM_NORMAL);
      w->Enable(item.enabled);
      if (item.check != 0) w->Check(true);
    }
  }
}

// The state that the route gave the items, shown; made again when items came or went.
void Show(PopupMenu& menu, const std::vector<MenuItem>& items) {
  if (ShapeOf(items) != menu.shape) {
    Fill(menu, items);
    return;
  }
  for (const MenuItem& item : items) {
    if (!item.visible || item.IsPopup() || item.IsSeparator()) continue;
    wxMenuItem* w = menu.FindChildItem(WxId(item.id));
    if (w == nullptr) continue;
    if (w->GetItemLabel() != Label(item.text)) w->SetItemLabel(Label(item.text));
    if (w->IsEnabled() != item.enabled) w->Enable(item.enabled);
    if (w->IsCheckable() && w->IsChecked() != (item.check != 0)) w->Check(item.check != 0);
  }
}

MenuItem* PopupAt(FrameWnd& frame, const std::vector<int>& path) {
  Menu* menu = frame.GetMenu();
  if (menu == nullptr || path.empty()) return nullptr;
  std::vector<MenuItem>* level = &menu->Items();
  MenuItem* item = nullptr;
  for (const int i : path) {
    if (i < 0 || i >= static_cast<int>(level->size())) return nullptr;
    item = &(*level)[i];
    level = &item->popup;
  }
  return item;
}

MenuItem* FindCommand(std::vector<MenuItem>& items, int wxId) {
  for (MenuItem& item : items) {
    if (!item.IsPopup() && !item.IsSeparator() && WxId(item.id) == wxId) return &item;
    if (MenuItem* found = FindCommand(item.popup, wxId)) return found;
  }
  return nullptr;
}

std::vector<MdiChildWnd*> MdiChildren(const Window& frame) {
  std::vector<MdiChildWnd*> children;
  for (Window* w : frame.Children()) {
    if (auto* child = dynamic_cast<MdiChildWnd*>(w)) children.push_back(child);
  }
  return children;
}

void FillWindowMenu(PopupMenu& menu, MdiFrameWnd& frame) {
  while (menu.GetMenuItemCount() > 0) menu.Destroy(menu.FindItemByPosition(0));
  CmdUI ui{kIdWindowNew, true, 0, std::nullopt};
  frame.UpdateCommand(ui);
  menu.Append(WxId(kIdWindowNew), "&Neues Fenster")->Enable(ui.enabled);
  const std::vector<MdiChildWnd*> children = MdiChildren(frame);
  if (!children.empty()) menu.AppendSeparator();
  for (int i = 0; i < static_cast<int>(children.size()) && i < 0xFF; ++i) {
    const wxString label = wxString::Format("&%d ", i + 1) + ToWx(children[i]->GetWindowText());
    menu.AppendCheckItem(WxId(kIdFirstMdiChild + i), label)
        ->Check(children[i] == frame.MdiGetActive());
  }
}

FrameWnd* FrameOf(const wxFrame& top) {
  const WxBackend* backend = WxBackend::Current();
  return dynamic_cast<FrameWnd*>(backend != nullptr ? backend->ModelOf(&top) : nullptr);
}

// The menu and the submenus in it as the command route says: the toolkit sizes a submenu
// before telling that it opens, so items that changed only then would be cut to the old width.
void Update(FrameWnd& frame, PopupMenu& menu) {
  MenuItem* popup = PopupAt(frame, menu.Path());
  if (popup == nullptr) return;
  frame.InitMenuPopup(*popup);
  Show(menu, popup->popup);
  for (const wxMenuItem* item : menu.GetMenuItems()) {
    if (auto* sub = dynamic_cast<PopupMenu*>(item->GetSubMenu())) Update(frame, *sub);
  }
}

void OnMenuOpen(wxFrame& top, wxMenuEvent& event) {
  event.Skip();
  auto* menu = dynamic_cast<PopupMenu*>(event.GetMenu());
  FrameWnd* frame = FrameOf(top);
  if (menu == nullptr || frame == nullptr) return;
  if (menu->IsWindowMenu()) {
    if (auto* mdi = dynamic_cast<MdiFrameWnd*>(frame)) FillWindowMenu(*menu, *mdi);
  } else {
    Update(*frame, *menu);
  }
}

void OnMenuCommand(wxFrame& top, wxCommandEvent& event) {
  FrameWnd* frame = FrameOf(top);
  if (frame == nullptr) return;
  const int id = event.GetId();
  auto* mdi = dynamic_cast<MdiFrameWnd*>(frame);
  if (mdi != nullptr && id == WxId(kIdWindowNew)) {
    mdi->UserCommand(kIdWindowNew);
  } else if (mdi != nullptr && id >= WxId(kIdFirstMdiChild) && id < WxId(kIdFirstMdiChild) + 0xFF) {
    const std::vector<MdiChildWnd*> children = MdiChildren(*mdi);
    const auto index = static_cast<size_t>(id - WxId(kIdFirstMdiChild));
    if (index < children.size()) mdi->MdiActivate(children[index]);
  } else if (Menu* menu = frame->GetMenu()) {
    if (MenuItem* item = FindCommand(menu->Items(), id)) frame->ChooseMenuItem(*item);
  }
  WxBackend::Current()->AfterInput();
}

}  // namespace

void MirrorMenuBar(wxFrame& top, FrameWnd& frame) {
  Menu* menu = frame.GetMenu();
  auto* mdi = dynamic_cast<MdiFrameWnd*>(&frame);
  const bool windowMenu = mdi != nullptr && mdi->MdiGetActive() != nullptr;
  const int shown = menu != nullptr ? menu->ResourceId() : 0;
  const int key = windowMenu ? -shown - 1 : shown;
  WxPeer* peer = WxBackend::PeerOf(frame);
  if (peer == nullptr || peer->menuId == key) return;
  peer->menuId = key;
  wxMenuBar* bar = menu != nullptr ? new wxMenuBar : nullptr;
  for (int i = 0; menu != nullptr && i < static_cast<int>(menu->Items().size()); ++i) {
    const MenuItem& item = menu->Items()[i];
    if (!item.IsPopup()) continue;
    auto* popup = new PopupMenu({i});
    Fill(*popup, item.popup);
    bar->Append(popup, Label(item.text));
  }
  // Before the last menu (help), as the platform places it.
  if (bar != nullptr && windowMenu) {
    auto* popup = new PopupMenu({}, true);
    FillWindowMenu(*popup, *mdi);
    bar->Insert(bar->GetMenuCount() > 0 ? bar->GetMenuCount() - 1 : 0, popup, "&Fenster");
  }
  // The old bar may be handling the choice that switched the menus.
  wxMenuBar* old = top.GetMenuBar();
  top.SetMenuBar(bar);
  if (old != nullptr) wxTheApp->ScheduleForDestruction(old);
}

void BindMenuBar(wxFrame& top) {
  top.Bind(wxEVT_MENU_OPEN, [&top](wxMenuEvent& event) { OnMenuOpen(top, event); });
  top.Bind(wxEVT_MENU, [&top](wxCommandEvent& event) { OnMenuCommand(top, event); });
  // The status bar tells what the highlighted item does.
  top.Bind(wxEVT_MENU_HIGHLIGHT, [&top](wxMenuEvent& event) {
    FrameWnd* frame = FrameOf(top);
    Menu* menu = frame != nullptr ? frame->GetMenu() : nullptr;
    const MenuItem* item =
        menu != nullptr ? FindCommand(menu->Items(), event.GetMenuId()) : nullptr;
    if (frame != nullptr) frame->ShowPrompt(item != nullptr ? item->id : 0);
  });
  top.Bind(wxEVT_MENU_CLOSE, [&top](wxMenuEvent& event) {
    event.Skip();
    if (FrameWnd* frame = FrameOf(top)) frame->ShowPrompt(0);
  });
}

}  // namespace pf
