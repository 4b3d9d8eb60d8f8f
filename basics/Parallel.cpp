#include "basics/Parallel.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#ifdef __linux__
#include <sched.h>
#endif

namespace {

struct Split {
  const std::function<void(int32_t)>* work;
  int32_t parts;
  std::atomic<int32_t> next{0};
  int32_t holders = 0;  // workers that may still touch the split (under the workers' lock)
};

void RunParts(Split& split) {
  for (int32_t part = split.next++; part < split.parts; part = split.next++) (*split.work)(part);
}

// The cores this process may run on.
int32_t Cores() {
#ifdef __linux__
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof(set), &set) == 0) return CPU_COUNT(&set);
#endif
  return static_cast<int32_t>(std::thread::hardware_concurrency());
}

// The resident workers: started on first use and never stopped, they wait for the next split.
// A split lives on its caller's stack; the caller withdraws it and waits until no worker holds
// it before returning.
class Workers {
 public:
  static Workers& Get() {
    static Workers* const workers = new Workers();  // threads wait until the process ends
    return *workers;
  }

  // False when there are no workers or another split runs.
  bool Run(int32_t parts, const std::function<void(int32_t)>& work) {
    const std::unique_lock<std::mutex> running(running_, std::try_to_lock);
    if (!running.owns_lock() || count_ == 0) return false;
    Split split{&work, parts};
    {
      const std::lock_guard<std::mutex> hold(lock_);
      current_ = &split;
      ++generation_;
    }
    wake_.notify_all();
    RunParts(split);
    std::unique_lock<std::mutex> hold(lock_);
    current_ = nullptr;
    released_.wait(hold, [&] { return split.holders == 0; });
    return true;
  }

 private:
  // As many workers as start: a thread that cannot be made leaves the others to do the work.
  Workers() {
    const int32_t wanted = std::clamp(Cores(), 1, 4) - 1;
    for (; count_ < wanted; ++count_) {
      try {
        std::thread([this] { Serve(); }).detach();
      } catch (const std::system_error&) {
        break;
      }
    }
  }

  void Serve() {
    uint64_t seen = 0;
    for (;;) {
      // Splits tend to come in runs, and a sleeping thread takes longer to wake than many a
      // part takes to run: stay awake a while first.
      const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
      while (generation_.load(std::memory_order_relaxed) == seen &&
             std::chrono::steady_clock::now() < until) {
        std::this_thread::yield();
      }
      Split* split = nullptr;
      {
        std::unique_lock<std::mutex> hold(lock_);
        wake_.wait(hold, [&] { return generation_ != seen; });
        seen = generation_;
        split = current_;
        if (split == nullptr) continue;
        ++split->holders;
      }
      RunParts(*split);
      const std::lock_guard<std::mutex> hold(lock_);
      if (--split->holders == 0) released_.notify_all();
    }
  }

  int32_t count_ = 0;
  std::mutex running_;  // one split at a time
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable released_;
  Split* current_ = nullptr;
  std::atomic<uint64_t> generation_{0};  // written under lock_
};

thread_local bool inPart = false;

}  // namespace

void ForEachPart(int32_t parts, const std::function<void(int32_t)>& work) {
  // A part that throws ends the program here rather than leaving workers on a split that is
  // gone.
  const auto marked = [&](int32_t part) noexcept {
    const bool outer = !inPart;
    inPart = true;
    work(part);
    inPart = !outer;
  };
  if (parts > 1 && !inPart && Workers::Get().Run(parts, marked)) return;
  for (int32_t part = 0; part < parts; ++part) marked(part);
}
