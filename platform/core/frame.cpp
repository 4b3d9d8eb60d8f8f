#include "pf/frame.h"

#include <algorithm>

#include "pf/app.h"
#include "pf/document.h"
#include "pf/view.h"

namespace pf {

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

void ToolBar::UpdateButtons() {
  auto* frame = dynamic_cast<FrameWnd*>(GetParent());
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
  auto* frame = dynamic_cast<FrameWnd*>(GetParent());
  return frame != nullptr && frame->UserCommand(id);
}

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
  bar.SetButtons(std::move(buttons));
  return bar;
}

std::vector<ToolBar*> FrameWnd::ToolBars() const {
  std::vector<ToolBar*> bars;
  for (Window* w : Children()) {
    if (auto* bar = dynamic_cast<ToolBar*>(w)) bars.push_back(bar);
  }
  return bars;
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
  CmdUI ui{id, true, 0, std::nullopt};
  UpdateCommand(ui);
  return ui.enabled && CommandTarget::RunAlong(CommandRoute(), id);
}

void FrameWnd::OnIdleUpdateCmdUI() {
  for (ToolBar* bar : ToolBars()) {
    if (bar->IsWindowVisible()) bar->UpdateButtons();
  }
}

bool FrameWnd::OnCommand(int id, Notification code) {
  return code == Notification::Clicked && UserCommand(id);
}

void MdiFrameWnd::SetBaseTitle(std::string title) {
  baseTitle_ = std::move(title);
  UpdateTitle();
}

void MdiFrameWnd::MdiActivate(MdiChildWnd* child) {
  if (child == activeChild_) return;
  View* oldView = activeChild_ != nullptr ? activeChild_->GetActiveView() : nullptr;
  View* newView = child != nullptr ? child->GetActiveView() : nullptr;
  activeChild_ = child;
  if (oldView != nullptr) oldView->OnActivateView(false, newView, oldView);
  if (newView != nullptr) newView->OnActivateView(true, newView, oldView);
  UpdateTitle();
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

void MdiFrameWnd::ChildGone(MdiChildWnd& child) {
  if (activeChild_ != &child) return;
  MdiChildWnd* next = nullptr;
  for (Window* w : Children()) {
    auto* other = dynamic_cast<MdiChildWnd*>(w);
    if (other != nullptr && other != &child) next = other;
  }
  MdiActivate(next);
}

void MdiFrameWnd::UpdateTitle() {
  const Document* doc = GetActiveDocument();
  SetWindowText(doc != nullptr ? baseTitle_ + " - " + doc->GetTitle() : baseTitle_);
}

MdiFrameWnd* MdiChildWnd::GetMdiFrame() const { return dynamic_cast<MdiFrameWnd*>(GetParent()); }

void MdiChildWnd::GetCommandRoute(std::vector<CommandTarget*>& route) {
  FrameWnd::GetCommandRoute(route);
  if (MdiFrameWnd* main = GetMdiFrame()) route.push_back(main);
}

void MdiChildWnd::OnClose() {
  Document* doc = GetActiveDocument();
  if (doc != nullptr && doc->Views().size() == 1) {
    doc->OnCloseDocument();
  } else {
    DestroyWindow();
  }
}

void MdiChildWnd::OnDestroy() {
  if (MdiFrameWnd* main = GetMdiFrame()) main->ChildGone(*this);
}

}  // namespace pf
