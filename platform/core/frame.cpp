#include "pf/frame.h"

#include <algorithm>
#include <climits>

#include "pf/app.h"
#include "pf/command_ids.h"
#include "pf/document.h"
#include "pf/resource.h"
#include "pf/view.h"

namespace pf {
namespace {

FrameWnd* FrameOf(const Window& window) { return dynamic_cast<FrameWnd*>(window.GetParent()); }

// The picture of the index-th button of a strip of pictures side by side.
Bitmap Cut(const Bitmap& strip, int index, int width) {
  Bitmap picture(width, strip.Height());
  if (picture.IsEmpty()) return picture;
  for (int y = 0; y < strip.Height(); ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, strip.GetPixel(index * width + x, y));
  }
  return picture;
}

}  // namespace

void ToolBar::SetButtons(std::vector<ToolButton> buttons) {
  buttons_ = std::move(buttons);
  ControlStateChanged();
}

void ToolBar::SetButtonStyle(int index, ToolStyle style, bool wrap) {
  if (index < 0 || index >= static_cast<int>(buttons_.size())) return;
  buttons_[index].style = style;
  buttons_[index].wrap = wrap;
  ControlStateChanged();
}

Rect ToolBar::Place(int index, int width) const {
  // A row also breaks where the next button would pass the bar's right border; a bar without
  // a width yet breaks after its wrap buttons only.
  const int right = width > 0 ? width - kBorder : INT_MAX;
  int x = kBorder;
  int y = kBorder;
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    const int w = buttons_[i].style == ToolStyle::Separator ? kSeparatorWidth : kButtonSize;
    if (x > kBorder && x + w > right) {
      x = kBorder;
      y += kButtonSize;
    }
    if (i == index) return {x, y, x + w, y + kButtonSize};
    x += w;
    if (buttons_[i].wrap) {
      x = kBorder;
      y += kButtonSize;
    }
  }
  return {};
}

Rect ToolBar::ButtonRect(int index) const { return Place(index, GetRect().Width()); }

int ToolBar::ButtonAt(Point p) const {
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) {
    if (buttons_[i].style != ToolStyle::Separator && ButtonRect(i).Contains(p)) return i;
  }
  return -1;
}

int ToolBar::BarHeight(int width) const {
  const int last = static_cast<int>(buttons_.size()) - 1;
  return (last < 0 ? kBorder + kButtonSize : Place(last, width).bottom) + kBorder;
}

void ToolBar::UpdateButtons() {
  FrameWnd* frame = FrameOf(*this);
  if (frame == nullptr) return;
  bool changed = false;
  for (ToolButton& b : buttons_) {
    if (b.style == ToolStyle::Separator) continue;
    CmdUI ui{b.id, true, b.check, std::nullopt};
    frame->UpdateCommand(ui);
    changed = changed || ui.enabled != b.enabled || ui.check != b.check;
    b.enabled = ui.enabled;
    b.check = ui.check;
  }
  if (changed) ControlStateChanged();
}

bool ToolBar::PressButton(int index) {
  if (index < 0 || index >= static_cast<int>(buttons_.size()) || !IsWindowVisible() ||
      !IsWindowEnabled()) {
    return false;
  }
  ToolButton& b = buttons_[index];
  if (b.style == ToolStyle::Separator || !b.enabled) return false;
  if (b.style == ToolStyle::Check) {
    b.check = b.check == 0 ? 1 : 0;
  } else if (b.style == ToolStyle::CheckGroup) {
    const auto inGroup = [](const ToolButton& t) { return t.style == ToolStyle::CheckGroup; };
    auto first = buttons_.begin() + index;
    while (first != buttons_.begin() && inGroup(*(first - 1))) --first;
    for (auto it = first; it != buttons_.end() && inGroup(*it); ++it) it->check = 0;
    b.check = 1;
  }
  const int id = b.id;
  ControlStateChanged();
  FrameWnd* frame = FrameOf(*this);
  return frame != nullptr && frame->UserCommand(id);
}

void ToolBar::OnMouseMove(unsigned, Point p) {
  const int index = ButtonAt(p);
  if (FrameWnd* frame = FrameOf(*this)) frame->ShowPrompt(index < 0 ? 0 : buttons_[index].id);
}

void ToolBar::OnLButtonUp(unsigned, Point p) { PressButton(ButtonAt(p)); }

void FrameWnd::SetActiveView(View* view, bool notify) {
  View* old = activeView_;
  if (old == view) return;
  activeView_ = view;
  if (!notify) return;
  if (old != nullptr) old->OnActivateView(false, view, old);
  if (view != nullptr) view->OnActivateView(true, view, old);
}

Document* FrameWnd::GetActiveDocument() const {
  return activeView_ != nullptr ? activeView_->GetDocument() : nullptr;
}

ToolBar& FrameWnd::AddToolBar(int id, std::vector<ToolButton> buttons, const Rect& rect) {
  ToolBar& bar = AdoptChild(std::make_unique<ToolBar>());
  bar.CreateChild(*this, id, rect);
  bars_.push_back(&bar);
  bar.SetButtons(std::move(buttons));
  return bar;
}

ToolBar* FrameWnd::LoadToolBar(int id, int resourceId) {
  const ToolBarTemplate* t = ResourceTable<ToolBarTemplate>::Instance().Find(resourceId);
  if (t == nullptr) return nullptr;
  const Bitmap strip = LoadBitmap(t->bitmapId);
  std::vector<ToolButton> buttons;
  int picture = 0;
  for (const int command : t->commands) {
    ToolButton b;
    b.id = command;
    if (command == 0) {
      b.style = ToolStyle::Separator;
    } else {
      b.picture = Cut(strip, picture++, t->buttonWidth);
      b.toolTip = CommandToolTip(command);
    }
    buttons.push_back(std::move(b));
  }
  ToolBar& bar = AddToolBar(id, std::move(buttons), {0, 0, GetClientRect().Width(), 0});
  RecalcLayout();
  return &bar;
}

std::vector<ToolBar*> FrameWnd::ToolBars() const {
  std::vector<ToolBar*> bars;
  for (Window* w : bars_) {
    if (auto* bar = dynamic_cast<ToolBar*>(w)) bars.push_back(bar);
  }
  return bars;
}

StatusBar& FrameWnd::AddStatusBar() {
  StatusBar& bar = AdoptChild(std::make_unique<StatusBar>());
  bar.CreateChild(*this, kIdViewStatusBar, {}, "Bereit");
  bars_.push_back(&bar);
  RecalcLayout();
  return bar;
}

StatusBar* FrameWnd::GetStatusBar() const {
  for (Window* w : bars_) {
    if (auto* bar = dynamic_cast<StatusBar*>(w)) return bar;
  }
  return nullptr;
}

void FrameWnd::ShowControlBar(Window& bar, bool show) {
  bar.ShowWindow(show);
  RecalcLayout();
}

void FrameWnd::ForgetBar(Window& bar) {
  if (auto* frame = dynamic_cast<FrameWnd*>(bar.GetParent())) std::erase(frame->bars_, &bar);
}

void ToolBar::OnDestroy() { FrameWnd::ForgetBar(*this); }

void StatusBar::OnDestroy() { FrameWnd::ForgetBar(*this); }

Rect FrameWnd::ClientArea() const {
  Rect area = GetClientRect();
  for (Window* w : bars_) {
    if (!w->IsVisible()) continue;
    if (auto* bar = dynamic_cast<ToolBar*>(w)) {
      // At the width the layout gives the bar.
      area.top += bar->BarHeight(area.Width());
    } else if (dynamic_cast<StatusBar*>(w) != nullptr) {
      area.bottom -= StatusBar::kHeight;
    }
  }
  area.bottom = std::max(area.bottom, area.top);
  return area;
}

void FrameWnd::RecalcLayout() {
  const Rect client = GetClientRect();
  const Rect area = ClientArea();
  int top = 0;
  for (Window* w : Children()) {
    if (auto* bar = dynamic_cast<ToolBar*>(w)) {
      if (!bar->IsVisible()) continue;
      const int height = bar->BarHeight(client.Width());
      bar->MoveWindow({0, top, client.right, top + height});
      top += height;
    } else if (dynamic_cast<StatusBar*>(w) != nullptr) {
      w->MoveWindow({0, client.bottom - StatusBar::kHeight, client.right, client.bottom});
    } else {
      w->MoveWindow(area);
    }
  }
}

void FrameWnd::OnSize(int, int) { RecalcLayout(); }

void FrameWnd::ShowPrompt(int id) {
  StatusBar* bar = GetStatusBar();
  if (bar == nullptr) return;
  const std::string prompt = id != 0 ? CommandPrompt(id) : std::string();
  bar->SetWindowText(prompt.empty() ? "Bereit" : prompt);
}

bool FrameWnd::LoadMenu(int resourceId) {
  if (ResourceTable<MenuTemplate>::Instance().Find(resourceId) == nullptr) return false;
  menuId_ = resourceId;
  ControlStateChanged();
  return true;
}

Menu* FrameWnd::GetMenu() {
  const int id = ShownMenuId();
  auto it = std::find_if(menus_.begin(), menus_.end(),
                         [id](const Menu& m) { return m.ResourceId() == id; });
  if (it != menus_.end()) return &*it;
  std::optional<Menu> loaded = Menu::Load(id);
  if (!loaded) return nullptr;
  menus_.push_back(std::move(*loaded));
  return &menus_.back();
}

void FrameWnd::InitMenuPopup(MenuItem& popup) {
  for (MenuItem& item : popup.popup) {
    if (item.IsSeparator() || item.IsPopup()) continue;
    CmdUI ui{item.id, true, item.check, std::nullopt};
    UpdateCommand(ui);
    item.enabled = ui.enabled;
    item.check = ui.check;
    item.visible = ui.visible;
    if (ui.text) item.text = *ui.text;
  }
}

MenuItem* FrameWnd::OpenMenuPath(std::string_view path) {
  Menu* menu = GetMenu();
  if (menu == nullptr) return nullptr;
  MenuItem* item = menu->FollowPath(path, [this](MenuItem& popup) { InitMenuPopup(popup); });
  return item != nullptr && item->visible ? item : nullptr;
}

bool FrameWnd::ChooseMenuItem(const MenuItem& item) {
  if (item.IsPopup() || item.IsSeparator() || !item.enabled || !item.visible) return false;
  return UserCommand(item.id);
}

bool FrameWnd::TranslateAccelerator(int key, unsigned modifiers) {
  const auto& tables = ResourceTable<AcceleratorTemplate>::Instance();
  for (const int id : {ShownMenuId(), menuId_}) {
    const AcceleratorTemplate* t = tables.Find(id);
    if (t == nullptr) continue;
    for (const Accelerator& a : t->entries) {
      if (a.key == key && a.modifiers == modifiers) {
        UserCommand(a.command);
        return true;
      }
    }
  }
  return false;
}

std::vector<CommandTarget*> FrameWnd::CommandRoute() {
  std::vector<CommandTarget*> route;
  GetCommandRoute(route);
  if (App::Current() != nullptr) route.push_back(App::Current());
  return route;
}

void FrameWnd::GetCommandRoute(std::vector<CommandTarget*>& route) {
  if (activeView_ != nullptr) {
    route.push_back(activeView_);
    if (Document* doc = activeView_->GetDocument()) route.push_back(doc);
  }
  route.push_back(this);
}

void FrameWnd::UpdateCommand(CmdUI& ui) { CommandTarget::UpdateAlong(CommandRoute(), ui); }

bool FrameWnd::UserCommand(int id) {
  if (!IsWindowEnabled()) return false;
  CmdUI ui{id, true, 0, std::nullopt};
  UpdateCommand(ui);
  return ui.enabled && CommandTarget::RunAlong(CommandRoute(), id);
}

void FrameWnd::OnIdleUpdateCmdUI() {
  for (ToolBar* bar : ToolBars()) {
    if (bar->IsWindowVisible()) bar->UpdateButtons();
  }
}

void FrameWnd::MapControlBarCommand(int id) {
  MapCommand(id, [this, id] {
    if (Window* bar = GetDlgItem(id)) ShowControlBar(*bar, !bar->IsVisible());
  });
  MapUpdate(id, [this](CmdUI& ui) {
    const Window* bar = GetDlgItem(ui.id);
    ui.Enable(bar != nullptr);
    ui.SetCheck(bar != nullptr && bar->IsVisible() ? 1 : 0);
  });
}

bool FrameWnd::OnCommand(int id, Notification code) {
  return code == Notification::Clicked && UserCommand(id);
}

MdiFrameWnd::MdiFrameWnd() {
  MapControlBarCommand(kIdViewToolBar);
  MapControlBarCommand(kIdViewStatusBar);
  MapCommand(kIdWindowNew, [this] {
    Document* doc = GetActiveDocument();
    if (doc != nullptr && doc->GetDocTemplate() != nullptr) {
      doc->GetDocTemplate()->OpenNewWindow(*doc);
    }
  });
  MapUpdate(kIdWindowNew, [this](CmdUI& ui) {
    const Document* doc = GetActiveDocument();
    ui.Enable(doc != nullptr && doc->GetDocTemplate() != nullptr);
  });
}

void MdiFrameWnd::SetBaseTitle(std::string title) {
  baseTitle_ = std::move(title);
  UpdateFrameTitle();
}

void MdiFrameWnd::MdiActivate(MdiChildWnd* child) {
  if (child == activeChild_) return;
  View* oldView = activeChild_ != nullptr ? activeChild_->GetActiveView() : nullptr;
  View* newView = child != nullptr ? child->GetActiveView() : nullptr;
  activeChild_ = child;
  if (oldView != nullptr) oldView->OnActivateView(false, newView, oldView);
  if (newView != nullptr) newView->OnActivateView(true, newView, oldView);
  UpdateFrameTitle();
  if (ShownMenuId() != shownMenu_) {
    shownMenu_ = ShownMenuId();
    ControlStateChanged();
  }
}

int MdiFrameWnd::ShownMenuId() const {
  const Document* doc = GetActiveDocument();
  const DocTemplate* t = doc != nullptr ? doc->GetDocTemplate() : nullptr;
  if (t != nullptr && ResourceTable<MenuTemplate>::Instance().Find(t->GetResourceId()) != nullptr) {
    return t->GetResourceId();
  }
  return FrameWnd::ShownMenuId();
}

Document* MdiFrameWnd::GetActiveDocument() const {
  return activeChild_ != nullptr ? activeChild_->GetActiveDocument() : nullptr;
}

void MdiFrameWnd::OnIdleUpdateCmdUI() {
  FrameWnd::OnIdleUpdateCmdUI();
  if (activeChild_ != nullptr) activeChild_->OnIdleUpdateCmdUI();
}

void MdiFrameWnd::GetCommandRoute(std::vector<CommandTarget*>& route) {
  if (activeChild_ != nullptr) {
    activeChild_->GetCommandRoute(route);
  } else {
    FrameWnd::GetCommandRoute(route);
  }
}

void MdiFrameWnd::OnClose() {
  App* app = App::Current();
  if (app != nullptr && app->GetMainWnd() == this) {
    if (!app->SaveAllModified()) return;
    app->CloseAllDocuments();
  }
  DestroyWindow();
}

void MdiFrameWnd::ChildGone(MdiChildWnd& child) {
  if (activeChild_ != &child) return;
  // The last other child, found from the end: the child going is most often the last one.
  MdiChildWnd* next = nullptr;
  const std::vector<Window*>& children = Children();
  for (auto w = children.rbegin(); w != children.rend() && next == nullptr; ++w) {
    if (*w != &child) next = dynamic_cast<MdiChildWnd*>(*w);
  }
  MdiActivate(next);
}

void MdiFrameWnd::UpdateFrameTitle() {
  // The active window's title, which tells several windows of one document apart.
  const bool shown = activeChild_ != nullptr && GetActiveDocument() != nullptr;
  SetWindowText(shown ? baseTitle_ + " - " + activeChild_->GetWindowText() : baseTitle_);
}

MdiFrameWnd* MdiChildWnd::GetMdiFrame() const { return dynamic_cast<MdiFrameWnd*>(GetParent()); }

void MdiChildWnd::GetCommandRoute(std::vector<CommandTarget*>& route) {
  FrameWnd::GetCommandRoute(route);
  if (MdiFrameWnd* main = GetMdiFrame()) route.push_back(main);
}

void MdiChildWnd::OnClose() {
  Document* doc = GetActiveDocument();
  if (doc != nullptr && doc->Views().size() == 1) {
    if (doc->SaveModified()) doc->OnCloseDocument();
  } else {
    DestroyWindow();
  }
}

void MdiChildWnd::OnDestroy() {
  if (MdiFrameWnd* main = GetMdiFrame()) main->ChildGone(*this);
}

}  // namespace pf
