#include "pf/window.h"

#include <algorithm>
#include <iterator>

#include "pf/backend.h"
#include "pf/controls.h"
#include "pf/dc.h"
#include "pf/modal_scope.h"
#include "pf/timers.h"

namespace pf {
namespace {

Window* capture = nullptr;
std::vector<Window*> topLevels;
std::uint64_t creations = 0;
// By its creation, as a window that goes is not taken for one created after it.
std::uint64_t active = 0;

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect Intersect(const Rect& a, const Rect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace

Window::~Window() { DestroyWindow(); }

bool Window::Attach(Window* parent, Window* owner, int id, const Rect& rect, std::string text,
                    bool visible) {
  if (created_) return false;
  parent_ = parent;
  owner_ = owner;
  id_ = id;
  rect_ = rect.Normalized();
  text_ = std::move(text);
  visible_ = visible;
  enabled_ = true;
  created_ = true;
  creation_ = ++creations;
  update_ = GetClientRect();
  if (parent_ != nullptr) {
    parent_->children_.push_back(this);
  } else {
    topLevels.push_back(this);
  }
  TheBackend().WindowCreated(*this);
  return true;
}

bool Window::CreateChild(Window& parent, int id, const Rect& rect, std::string text, bool visible) {
  return parent.created_ && Attach(&parent, nullptr, id, rect, std::move(text), visible);
}

bool Window::CreateTopLevel(Window* owner, const Rect& rect, std::string text) {
  return Attach(nullptr, owner, 0, rect, std::move(text), false);
}

void Window::DestroyWindow() {
  if (!created_) return;
  OnDestroy();
  TheBackend().WindowDestroyed(*this);
  // Children unlink themselves; an owned child is deleted only with the owner's list below.
  while (!children_.empty()) children_.back()->DestroyWindow();
  Timers::Instance().KillAll(*this);
  if (capture == this) capture = nullptr;
  if (Window* top = GetTopLevelParent(); top->focus_ == this) top->focus_ = nullptr;
  if (parent_ == nullptr) std::erase(topLevels, this);
  created_ = false;
  visible_ = false;
  update_.reset();
  peer.reset();
  owned_.clear();
  std::unique_ptr<Window> self;
  if (parent_ != nullptr) {
    // Searched from the end: children most often go last first (a parent destroying them, the
    // newest window closing), which keeps closing many windows linear.
    std::vector<Window*>& siblings = parent_->children_;
    if (auto it = std::find(siblings.rbegin(), siblings.rend(), this); it != siblings.rend()) {
      siblings.erase(std::next(it).base());
    }
    auto& owned = parent_->owned_;
    auto it = std::find_if(owned.rbegin(), owned.rend(),
                           [this](const auto& w) { return w.get() == this; });
    if (it != owned.rend()) {
      self = std::move(*it);
      owned.erase(std::next(it).base());
    }
  }
  parent_ = nullptr;
  owner_ = nullptr;
  // self, if set, deletes this window as the last step.
}

Window* Window::GetTopLevelParent() {
  Window* w = this;
  while (w->parent_ != nullptr) w = w->parent_;
  return w;
}

const std::vector<Window*>& Window::TopLevelWindows() { return topLevels; }

Window* Window::FindTopLevel(std::uint64_t creation) {
  auto it = std::find_if(topLevels.begin(), topLevels.end(),
                         [creation](const Window* w) { return w->creation_ == creation; });
  return it != topLevels.end() ? *it : nullptr;
}

Window* Window::GetDlgItem(int id) const {
  auto it = std::find_if(children_.begin(), children_.end(),
                         [id](const Window* w) { return w->id_ == id; });
  return it == children_.end() ? nullptr : *it;
}

void Window::SetWindowText(std::string_view text) {
  text_ = text;
  if (!created_) return;
  TheBackend().WindowChanged(*this, WindowChange::Text);
  Invalidate();
  OnTextSet();
}

void Window::MoveWindow(const Rect& rect, bool repaint) {
  const Rect r = rect.Normalized();
  const bool resized = r.Width() != rect_.Width() || r.Height() != rect_.Height();
  rect_ = r;
  if (!created_) return;
  TheBackend().WindowChanged(*this, WindowChange::Geometry);
  if (repaint || resized) Invalidate();
  if (resized) OnSize(r.Width(), r.Height());
}

Rect Window::GetWindowRect() const {
  const Point origin = ClientToScreen({0, 0});
  return {origin.x, origin.y, origin.x + rect_.Width(), origin.y + rect_.Height()};
}

Point Window::ClientToScreen(Point p) const {
  for (const Window* w = this; w != nullptr; w = w->parent_)
    p = p + Point{w->rect_.left, w->rect_.top};
  return p;
}

Point Window::ScreenToClient(Point p) const { return p - ClientToScreen({0, 0}); }

void Window::CenterOver(const Rect& area) {
  const int left = area.left + (area.Width() - rect_.Width()) / 2;
  const int top = area.top + (area.Height() - rect_.Height()) / 2;
  MoveWindow({left, top, left + rect_.Width(), top + rect_.Height()});
}

void Window::CenterWindow() {
  if (parent_ != nullptr) {
    CenterOver(parent_->GetClientRect());
  } else if (owner_ != nullptr && owner_->IsCreated()) {
    CenterOver(owner_->GetTopLevelParent()->GetWindowRect());
  } else {
    CenterOnScreen();
  }
}

void Window::CenterOnScreen() {
  const Size screen = TheUiServices().ScreenSize();
  CenterOver({0, 0, screen.cx, screen.cy});
}

void Window::ShowWindow(bool show) {
  if (!created_) return;
  if (show && parent_ == nullptr) active = creation_;
  if (visible_ == show) {
    // Showing a shown top-level window activates it, as on the platform: it comes over the
    // other windows and takes the keyboard.
    if (show && parent_ == nullptr) TheBackend().WindowChanged(*this, WindowChange::Visibility);
    return;
  }
  visible_ = show;
  TheBackend().WindowChanged(*this, WindowChange::Visibility);
  if (show) Invalidate();
}

bool Window::IsWindowVisible() const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    if (!w->created_ || !w->visible_) return false;
  }
  return true;
}

bool Window::EnableWindow(bool enable) {
  const bool wasDisabled = !enabled_;
  if (enabled_ != enable && created_) {
    enabled_ = enable;
    TheBackend().WindowChanged(*this, WindowChange::Enabled);
    Invalidate();
    if (!enable) PassFocusOn();
  }
  return wasDisabled;
}

void Window::PassFocusOn() {
  Window* top = GetTopLevelParent();
  if (top == this) return;
  const Window* inside = top->focus_;
  while (inside != nullptr && inside != this) inside = inside->parent_;
  if (inside == nullptr || top->FocusStopAfter(this, false)) return;
  top->focus_ = nullptr;
  TheBackend().WindowChanged(*top, WindowChange::Focus);
}

bool Window::IsWindowEnabled() const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    if (!w->created_ || !w->enabled_) return false;
  }
  return true;
}

Window* Window::GetActiveWindow() { return FindTopLevel(active); }

void Window::UserActivated() {
  if (!created_ || parent_ != nullptr) return;
  if (IsEnabled()) {
    active = creation_;
  } else if (Window* holding = ModalScope::Holding()) {
    holding->ShowWindow(true);
  }
}

void Window::SetFocus() {
  if (!created_) return;
  Window* top = GetTopLevelParent();
  if (top->focus_ == this) return;
  top->focus_ = this;
  TheBackend().WindowChanged(*this, WindowChange::Focus);
}

Window* Window::GetFocusedWindow() { return GetTopLevelParent()->focus_; }

std::vector<Window*> Window::TabOrder() {
  std::vector<Window*> order;
  for (Window* child : children_) {
    order.push_back(child);
    const std::vector<Window*> inner = child->TabOrder();
    order.insert(order.end(), inner.begin(), inner.end());
  }
  return order;
}

bool Window::IsTabStop(const Window& window) {
  const auto* c = dynamic_cast<const Control*>(&window);
  if (c == nullptr || !c->IsCreated()) return false;
  // The top-level window itself may not show yet: its focus is set before it does.
  for (const Window* w = c; w->GetParent() != nullptr; w = w->GetParent()) {
    if (!w->IsVisible() || !w->IsEnabled()) return false;
  }
  switch (c->Kind()) {
    case ControlKind::Edit:
      return !static_cast<const Edit*>(c)->IsReadOnly();
    case ControlKind::RadioButton:
      return static_cast<const Button*>(c)->IsGroupStop();
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
      return true;
    default:
      return false;
  }
}

bool Window::FocusStopAfter(const Window* from, bool backward) {
  const std::vector<Window*> order = TabOrder();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const auto at = std::find(order.begin(), order.end(), from) - order.begin();
  // From none, the walk starts just outside the order.
  std::ptrdiff_t i = at < n ? at : (backward ? n : -1);
  for (std::ptrdiff_t step = 0; step < n; ++step) {
    i = backward ? (i - 1 + n) % n : (i + 1) % n;
    if (IsTabStop(*order[i])) {
      FocusControl(*order[i]);
      return true;
    }
  }
  return false;
}

void Window::FocusControl(Window& control) {
  if (auto* edit = dynamic_cast<Edit*>(&control)) edit->SetSel(0, -1);
  if (control.GetFocusedWindow() != &control) {
    control.SetFocus();
  } else if (control.IsCreated()) {
    // Focused in the model, it may have lost the screen's focus (a message box, a click on a
    // button) or its selection (typing): the backend shows both again.
    TheBackend().WindowChanged(control, WindowChange::Focus);
  }
}

void Window::SetFont(const Font& font) {
  font_ = font;
  if (!created_) return;
  TheBackend().WindowChanged(*this, WindowChange::Font);
  Invalidate();
}

void Window::SetIcon(Bitmap icon) {
  icon_ = std::move(icon);
  if (created_) TheBackend().WindowChanged(*this, WindowChange::Icon);
}

Font Window::GetFont() const {
  for (const Window* w = this; w != nullptr; w = w->parent_) {
    if (w->font_) return *w->font_;
  }
  return StockFont();
}

void Window::Invalidate() { InvalidateRect(GetClientRect()); }

void Window::InvalidateRect(const Rect& rect) {
  if (!created_) return;
  const Rect r = Intersect(rect.Normalized(), GetClientRect());
  if (r.IsEmpty()) return;
  update_ = update_ ? Union(*update_, r) : r;
  TheBackend().Invalidated(*this);
}

void Window::ValidateRect() { update_.reset(); }

void Window::UpdateWindow() {
  if (created_ && update_) TheBackend().UpdateWindow(*this);
}

std::unique_ptr<Dc> Window::GetDC() { return TheBackend().GetDC(*this); }

void Window::Paint(Dc& dc) {
  update_.reset();
  OnPaint(dc);
}

void Window::SetTimer(int id, unsigned periodMs) {
  if (created_) Timers::Instance().Set(*this, id, periodMs);
}

bool Window::KillTimer(int id) { return Timers::Instance().Kill(*this, id); }

void Window::SetCapture() {
  if (created_) capture = this;
}

void Window::ReleaseCapture() { capture = nullptr; }

Window* Window::GetCapture() { return capture; }

MsgResult Window::MessageBox(const std::string& text, const std::string& caption,
                             MsgButtons buttons, MsgIcon icon) {
  return TheUiServices().MessageBox(text, caption, buttons, icon);
}

void Window::Mouse(MouseAction action, Point point, unsigned flags) {
  if (!IsWindowEnabled()) return;
  switch (action) {
    case MouseAction::LButtonDown:
      OnLButtonDown(flags | kMkLButton, point);
      break;
    case MouseAction::LButtonUp:
      OnLButtonUp(flags, point);
      break;
    case MouseAction::LButtonDblClk:
      OnLButtonDblClk(flags | kMkLButton, point);
      break;
    case MouseAction::Move:
      OnMouseMove(flags, point);
      break;
  }
}

void Window::KeyDown(int key, unsigned modifiers) {
  if (!IsWindowEnabled()) return;
  for (Window* w = this; w != nullptr; w = w->parent_) {
    if (w->TranslateAccelerator(key, modifiers)) return;
  }
  OnKeyDown(key, modifiers);
}

void Window::Close() {
  // A window that takes no input (a modal dialog holds the program) refuses, as on the platform.
  if (created_ && IsWindowEnabled()) OnClose();
}

void Window::Timer(int id) {
  if (created_) OnTimer(id);
}

bool Window::Command(int id, Notification code) { return created_ && OnCommand(id, code); }

bool Window::OnCommand(int id, Notification code) {
  return code == Notification::Clicked && RunCommand(id);
}

void Window::ControlStateChanged() {
  if (!created_) return;
  TheBackend().WindowChanged(*this, WindowChange::ControlState);
  Invalidate();
}

}  // namespace pf
