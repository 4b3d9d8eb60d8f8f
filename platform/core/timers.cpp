#include "pf/timers.h"

#include <algorithm>
#include <cstdint>

#include "pf/backend.h"
#include "pf/ui_services.h"
#include "pf/window.h"

namespace pf {

Timers& Timers::Instance() {
  static Timers timers;
  return timers;
}

void Timers::Set(Window& window, int id, unsigned periodMs) {
  // A period of 0 would come due without end.
  const unsigned period = std::max(periodMs, 1u);
  const uint64_t due = TheUiServices().TickCount() + period;
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Entry& e) { return e.window == &window && e.id == id; });
  if (it == timers_.end()) {
    timers_.push_back({&window, id, period, due, false, 0});
  } else {
    *it = {&window, id, period, due, false, 0};
  }
  TheBackend().TimersChanged();
}

bool Timers::Kill(Window& window, int id) {
  auto it = std::find_if(timers_.begin(), timers_.end(),
                         [&](const Entry& e) { return e.window == &window && e.id == id; });
  if (it == timers_.end()) return false;
  timers_.erase(it);
  TheBackend().TimersChanged();
  return true;
}

void Timers::KillAll(Window& window) {
  const auto removed = std::erase_if(timers_, [&](const Entry& e) { return e.window == &window; });
  if (removed > 0) TheBackend().TimersChanged();
}

void Timers::MarkDue(uint64_t now) {
  for (Entry& e : timers_) {
    if (e.due > now) continue;
    if (!e.pending) {
      e.pending = true;
      e.pendingDue = e.due;
    }
    e.due += ((now - e.due) / e.period + 1) * e.period;
  }
}

bool Timers::DispatchOne() {
  auto it = std::min_element(timers_.begin(), timers_.end(), [](const Entry& a, const Entry& b) {
    if (a.pending != b.pending) return a.pending;
    return a.pendingDue < b.pendingDue;
  });
  if (it == timers_.end() || !it->pending) return false;
  it->pending = false;
  // The handler may set, kill or destroy anything: nothing of the table is used after it.
  Window* window = it->window;
  window->Timer(it->id);
  return true;
}

uint64_t Timers::NextDue() const {
  uint64_t next = UINT64_MAX;
  for (const Entry& e : timers_) next = std::min(next, e.due);
  return next;
}

}  // namespace pf
