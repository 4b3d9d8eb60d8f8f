#pragma once
// A modal window holds the whole program: while it runs, no other top-level window takes
// mouse, keys, menus or close requests. Every top-level window enabled when the scope begins
// is disabled; when it ends, those of them that still exist are enabled again, and a window
// that was disabled before stays so. Then the window that opened the modal one is brought up
// again with the keyboard where it was, and no other: where the keyboard goes depends on the
// opener alone, not on the windows open nor on what the user clicked meanwhile.

#include <cstdint>
#include <vector>

namespace pf {

class Window;

class ModalScope {
 public:
  // A native modal window that the model does not know (a message box, a file or print
  // dialog), opened from the active window.
  ModalScope();
  // The model's modal window, which keeps its input, opened from the opener's top-level window
  // (nullptr: none is brought up).
  ModalScope(const Window& modal, Window* opener);
  ~ModalScope();
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

  // The innermost modal window running, which a window it holds passes its activation on to
  // (a click on it under a window manager would otherwise leave the keyboard with a window that
  // takes none); nullptr when none runs or the innermost is a native one.
  static Window* Holding();

 private:
  void Hold(const Window* modal);

  // By their creation: a window that goes meanwhile is not taken for one created after it.
  std::vector<std::uint64_t> disabled_;
  std::uint64_t opener_ = 0;
};

}  // namespace pf
