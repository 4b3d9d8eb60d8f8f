#pragma once
// A modal window holds the whole program: while it runs, no other top-level window takes
// mouse, keys, menus or close requests. Every top-level window enabled when the scope begins
// is disabled; when it ends, those of them that still exist are enabled again, and a window
// that was disabled before stays so.

#include <cstdint>
#include <vector>

namespace pf {

class Window;

class ModalScope {
 public:
  // The modal window itself (nullptr for a native one that the model does not know) keeps
  // its input.
  explicit ModalScope(const Window* modal = nullptr);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // The innermost modal window running, which a window it holds passes its activation on to
  // (a click on it under a window manager would otherwise leave the keyboard with a window that
  // takes none); nullptr when none runs or the innermost is a native one.
  static Window* Holding();

 private:
  // By their creation: a window that goes meanwhile is not taken for one created after it.
  std::vector<std::uint64_t> disabled_;
};

}  // namespace pf
