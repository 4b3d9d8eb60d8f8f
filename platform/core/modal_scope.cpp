#include "pf/modal_scope.h"

#include "pf/window.h"

namespace pf {

namespace {

// The modal windows running, innermost last (scopes live on the stack, so they end in turn).
std::vector<std::uint64_t>& Running() {
  static std::vector<std::uint64_t> running;
  return running;
}

}  // namespace

ModalScope::ModalScope(const Window* modal) {
  // A native one is known by 0: no window is created under that number.
  Running().push_back(modal != nullptr ? modal->CreationNumber() : 0);
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
  // Windows destroyed meanwhile are no longer found.
  for (const std::uint64_t creation : disabled_) {
    if (Window* w = Window::FindTopLevel(creation)) w->EnableWindow(true);
  }
}

Window* ModalScope::Holding() {
  return Running().empty() || Running().back() == 0 ? nullptr
                                                    : Window::FindTopLevel(Running().back());
}

}  // namespace pf
