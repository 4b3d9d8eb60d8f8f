#include <gtest/gtest.h>

#include "pf/app.h"
#include "pf/timers.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

// Wants idle time for counts below `busy`, like an application with idle work.
class CountingApp : public App {
 public:
  explicit CountingApp(long busy) : App("Test"), busy_(busy) {}
  bool OnIdle(long count) override {
    counts.push_back(count);
    const bool base = App::OnIdle(count);
    return count < busy_ || base;
  }
  std::vector<long> counts;

 private:
  long busy_;
};

class TickingWindow : public Window {
 public:
  std::vector<std::string> ticks;
  Headless* headless = nullptr;

 protected:
  void OnTimer(int id) override {
    ticks.push_back(std::to_string(id) + "@" + std::to_string(headless->Now()));
  }
};

class IdleTimerTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    window.headless = &headless;
    window.CreateTopLevel(nullptr, {0, 0, 100, 100});
  }
  TickingWindow window;
};

// The base wants more idle time at count 0 only; a message starts a new phase at 0.
TEST_F(IdleTimerTest, IdlePhaseEndsWhenNobodyWantsMoreAndRestartsAfterAMessage) {
  {
    CountingApp base(0);
    EXPECT_EQ(headless.RunIdle(), 2);
    EXPECT_EQ(base.counts, (std::vector<long>{0, 1}));
  }
  CountingApp app(3);
  EXPECT_EQ(headless.RunIdle(), 4);
  EXPECT_EQ(headless.RunIdle(), 0) << "no message, no new phase";
  headless.KeyDown(window, kVkDelete);
  EXPECT_TRUE(app.RunIdleStep());
  EXPECT_TRUE(app.RunIdleStep());
  headless.Click(window, {5, 5});  // a message in the middle of a phase
  EXPECT_EQ(headless.RunIdle(), 4);
  EXPECT_EQ(app.counts, (std::vector<long>{0, 1, 2, 3, 0, 1, 0, 1, 2, 3}));
}

// One pending tick per timer however long it waited, in the order the timers came due.
TEST_F(IdleTimerTest, DueTimersTickOnceInTheOrderTheyCameDue) {
  window.SetTimer(1, 500);
  headless.Advance(499);
  EXPECT_TRUE(window.ticks.empty());
  headless.Advance(1);
  headless.Advance(1600);  // three periods: one tick
  headless.Advance(399);   // next due at 2500
  headless.Advance(1);
  window.KillTimer(1);
  window.SetTimer(7, 300);
  window.SetTimer(8, 200);
  headless.Advance(1000);
  EXPECT_EQ(window.ticks, (std::vector<std::string>{"1@500", "1@2100", "1@2500", "8@3500",
                                                    "7@3500"}));
}

TEST_F(IdleTimerTest, SettingAgainRestartsKillingAndDestroyingStop) {
  window.SetTimer(1, 500);
  headless.Advance(400);
  window.SetTimer(1, 500);  // restarts: due at 900
  headless.Advance(400);
  EXPECT_TRUE(window.ticks.empty());
  headless.Advance(100);
  EXPECT_EQ(window.ticks.size(), 1u);
  EXPECT_TRUE(window.KillTimer(1));
  EXPECT_FALSE(window.KillTimer(1));
  window.SetTimer(2, 10);
  window.DestroyWindow();
  headless.Advance(1000);
  EXPECT_EQ(window.ticks.size(), 1u);
  EXPECT_EQ(Timers::Instance().Count(), 0);
}

TEST_F(IdleTimerTest, TimersKeepTickingInsideAModalLoopButIdleDoesNot) {
  CountingApp app(0);
  headless.RunIdle();
  window.SetTimer(101, 500);
  RecordingDialog dlg;
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    d.Advance(500);
    d.Advance(500);
    EXPECT_EQ(window.ticks.size(), 2u);
    d.Ok();
  });
  dlg.DoModal();
  EXPECT_EQ(app.counts, (std::vector<long>{0, 1})) << "no idle call during the dialog";
  EXPECT_EQ(headless.RunIdle(), 2) << "the ticks were messages: a new phase is due";
}

}  // namespace
}  // namespace pf::test
