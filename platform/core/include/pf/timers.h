#pragma once
// The timers of all windows, on the clock of pf::UiServices. A timer that has come due is
// marked pending once, however many periods went by (the platform's coalescing), and its tick
// is dispatched by the message pump, one at a time in the order the timers came due.

#include <cstdint>
#include <vector>

namespace pf {

class Window;

class Timers {
 public:
  static Timers& Instance();

  void Set(Window& window, int id, unsigned periodMs);
  bool Kill(Window& window, int id);
  void KillAll(Window& window);

  // Marks every timer due at `now` as pending and moves its next due time past `now`.
  void MarkDue(uint64_t now);
  // Dispatches one pending tick (the earliest due); false when none is pending.
  bool DispatchOne();
  // The time the next timer comes due; UINT64_MAX when none runs.
  uint64_t NextDue() const;
  int Count() const { return static_cast<int>(timers_.size()); }

 private:
  struct Entry {
    Window* window;
    int id;
    unsigned period;
    uint64_t due;         // the next time it comes due
    bool pending;         // a tick waits for dispatch
    uint64_t pendingDue;  // when that tick came due
  };
  std::vector<Entry> timers_;
};

}  // namespace pf
