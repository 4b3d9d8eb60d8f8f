#include "pf/modal_scope.h"

#include "pf/window.h"

namespace pf {

namespace {

// The modal windows running, innermost last (scopes live on the stack, so they end in turn).
std::vector<std::uint64_t>& Running() {
  static std::vector<std::uint64_t> running;
  return running;
}

// Zero stands for none: no window is created under that number.
std::uint64_t CreationOf(const Window* window) {
  return window != nullptr ? window->CreationNumber() : 0;
}

}  // namespace

ModalScope::ModalScope() : opener_(CreationOf(Window::GetActiveWindow())) { Hold(nullptr); }

ModalScope::ModalScope(const Window& modal, Window* opener)
    : opener_(CreationOf(opener != nullptr ? opener->GetTopLevelParent() : nullptr)) {
  Hold(&modal);
}

void ModalScope::Hold(const Window* modal) {
  Running().push_back(CreationOf(modal));
  std::vector<Window*> enabled;
  for (Window* w : Window::TopLevelWindows()) {
    if (w != modal && w->IsEnabled()) enabled.push_back(w);
  }
  for (Window* w : enabled) {
    disabled_.push_back(w->CreationNumber());
    w->EnableWindow(false);
  }
}

ModalScope::~ModalScope() {
  Running().pop_back();
  // Windows destroyed meanwhile are no longer found. Enabled again, a window takes input but
  // not the keyboard: that is the opener's alone.
  for (const std::uint64_t creation : disabled_) {
    if (Window* w = Window::FindTopLevel(creation)) w->EnableWindow(true);
  }
  // A window destroyed meanwhile, hidden, or still held by an outer modal window is left as it
  // is.
  Window* opener = Window::FindTopLevel(opener_);
  if (opener != nullptr && opener->IsWindowVisible() && opener->IsWindowEnabled()) {
    opener->ShowWindow(true);
  }
}

Window* ModalScope::Holding() {
  return Running().empty() || Running().back() == 0 ? nullptr
                                                    : Window::FindTopLevel(Running().back());
}

}  // namespace pf
