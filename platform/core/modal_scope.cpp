#include "pf/modal_scope.h"

#include <algorithm>

#include "pf/window.h"

namespace pf {

ModalScope::ModalScope(const Window* modal) {
  for (Window* w : Window::TopLevelWindows()) {
    if (w != modal && w->IsEnabled()) disabled_.push_back(w);
  }
  for (Window* w : disabled_) w->EnableWindow(false);
}

ModalScope::~ModalScope() {
  // Windows destroyed meanwhile are no longer listed.
  const std::vector<Window*>& alive = Window::TopLevelWindows();
  for (Window* w : disabled_) {
    if (std::find(alive.begin(), alive.end(), w) != alive.end()) w->EnableWindow(true);
  }
}

}  // namespace pf
