#include "pf/modal_scope.h"

#include "pf/window.h"

namespace pf {

ModalScope::ModalScope(const Window* modal) {
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
  // Windows destroyed meanwhile are no longer found.
  for (const std::uint64_t creation : disabled_) {
    if (Window* w = Window::FindTopLevel(creation)) w->EnableWindow(true);
  }
}

}  // namespace pf
