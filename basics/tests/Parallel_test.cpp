#include "basics/Parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

// Every part runs exactly once, whatever the count, also when parts split again from within
// a part (they then run on that part's thread) and when several threads split at once (one of
// them uses the workers, the others run their parts themselves).
TEST(ForEachPart, RunsEveryPartOnce) {
  for (const int32_t parts : {0, 1, 2, 3, 7, 64, 1000}) {
    SCOPED_TRACE(parts);
    std::vector<std::atomic<int32_t>> runs(static_cast<size_t>(parts));
    ForEachPart(parts, [&](int32_t part) { ++runs[static_cast<size_t>(part)]; });
    for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
  }
}

TEST(ForEachPart, NestedAndConcurrentSplits) {
  constexpr int32_t kOuter = 8;
  constexpr int32_t kInner = 16;
  constexpr int32_t kThreads = 4;
  std::vector<std::atomic<int32_t>> runs(kThreads * kOuter * kInner);
  std::vector<std::thread> threads;
  for (int32_t th = 0; th < kThreads; ++th) {
    threads.emplace_back([&, th] {
      for (int32_t round = 0; round < 50; ++round) {
        ForEachPart(kOuter, [&](int32_t outer) {
          const std::thread::id self = std::this_thread::get_id();
          ForEachPart(kInner, [&](int32_t inner) {
            EXPECT_EQ(std::this_thread::get_id(), self);
            if (round == 0) ++runs[static_cast<size_t>((th * kOuter + outer) * kInner + inner)];
          });
        });
      }
    });
  }
  for (auto& t : threads) t.join();
  for (const auto& r : runs) EXPECT_EQ(r.load(), 1);
}
