// Built-in runs on virtual time: the master computes, the others read, the busy window counts
// and wraps, and the same timer opens the error window while a run goes on.

#include "editor/desktop/AnalysisRuns.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/desktop/BusyDialog.h"
#include "editor/desktop/tests/ViewFixture.h"
#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/controls.h"
#include "resources/EditorIds.h"
#include "resources/BasicsIds.h"

namespace {

// Stands in for the instruments: writes each call into a shared log.
class TestInstrument : public ZweiPolSymbol, public InstrumentRole {
 public:
  TestInstrument(const char* name, std::vector<std::string>& log) : log(log) {
    elementName = name;
  }
  bool IsInstrument() const override { return true; }
  int GetActiveFlag() const override { return active; }
  void SetActiveFlag(int flag) override { active = flag; }
  MyStrng GetNextInstrumentName() const override { return "NoSlave"; }
  void MeasureStep(InstrumentRole& master) override {
    log.push_back(Name() + "<-" + dynamic_cast<TestInstrument&>(master).Name());
    if (onStep) onStep();
  }
  void BeginMeasurement(InstrumentRole&) override { log.push_back(Name() + " begin"); }
  void EndMeasurement() override { log.push_back(Name() + " end"); }
  pf::Window* GetInstrumentWindow() const override { return window; }
  void HideInstrumentWindow() override { log.push_back(Name() + " hide"); }
  void DestroyInstrumentWindow() override { log.push_back(Name() + " destroy"); }
  void SetRunState(uint8_t state) override { runState = state; }
  bool SweepsSinglePoints() const override { return sweepsSinglePoints; }
  bool ReadsSinglePoints() const override { return readsSinglePoints; }
  std::string Name() const { return elementName.ToCString(); }

  int active = 0;
  uint8_t runState = 1;
  bool sweepsSinglePoints = false;
  bool readsSinglePoints = false;
  pf::Window* window = nullptr;
  std::function<void()> onStep;

 private:
  std::vector<std::string>& log;
};

class RunTest : public ViewFixture {
 protected:
  void SetUp() override {
    ViewFixture::SetUp();
    master = Add("GEN1");
    slave = Add("MESS1");
  }

  // The program goes first: closing its view still writes into the log.
  void TearDown() override { app.reset(); }

  TestInstrument* Add(const char* name) {
    auto* s = new TestInstrument(name, log);
    view->GetDocument()->AddSymbol(s);
    s->elementName = name;
    return s;
  }
  AnalysisRuns& Runs() { return view->Analysis(); }
  int Progress() {
    return Runs().GetBusyDialog()->GetControl<pf::Progress>(busy_ids::kProgress)->GetPos();
  }

  TestInstrument* master = nullptr;
  TestInstrument* slave = nullptr;
  std::vector<std::string> log;
};

TEST_F(RunTest, WithoutMasterNothingStartsOrSteps) {
  EXPECT_FALSE(Runs().StartBusy(10));
  EXPECT_FALSE(Runs().IsBusy());
  EXPECT_EQ(Runs().GetBusyDialog(), nullptr);
  Runs().RunMasterStep();
  Runs().FeedInstruments();
  Runs().ResetInstruments();
  headless.Advance(1500);
  EXPECT_TRUE(log.empty());
}

// The master steps, then the others read; the bar counts to the limit and starts again at 0.
TEST_F(RunTest, TicksStepMasterThenFeedAndProgressWraps) {
  pf::Window window;
  master->window = &window;
  Runs().ActivateInstrumentByWindow(&window);
  EXPECT_EQ(Runs().FindActiveInstrument(), master);
  EXPECT_EQ(slave->active, 0);
  Runs().ResetInstruments();
  ASSERT_TRUE(Runs().StartBusy(2));
  std::vector<int> positions;
  for (int tick = 0; tick < 4; ++tick) {
    headless.Advance(500);
    positions.push_back(Progress());
  }
  EXPECT_EQ(positions, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(log, (std::vector<std::string>{"GEN1 begin", "MESS1 begin", "GEN1<-GEN1",
                                           "MESS1<-GEN1", "GEN1<-GEN1", "MESS1<-GEN1",
                                           "GEN1<-GEN1", "MESS1<-GEN1", "GEN1<-GEN1",
                                           "MESS1<-GEN1"}));
  Runs().ClearActiveInstruments();
  EXPECT_EQ(Runs().FindActiveInstrument(), nullptr);
}

// A master at its last point ends the run inside its step, and nobody reads that tick; a
// closed busy window stops the run at the next tick, before any step, and frees the mouse.
TEST_F(RunTest, MasterOrClosedBusyWindowStopsTheRun) {
  for (const bool closed : {false, true}) {
    log.clear();
    master->active = 1;
    master->runState = 1;
    master->onStep = [this, closed] {
      if (!closed) Runs().StopMeasurement();
    };
    ASSERT_TRUE(Runs().StartBusy(5));
    EXPECT_EQ(pf::Window::GetCapture(), Runs().GetBusyDialog());
    if (closed) headless.Close(*Runs().GetBusyDialog());
    headless.Advance(1000);
    std::vector<std::string> expected{"GEN1 end", "MESS1 end"};
    if (!closed) expected.insert(expected.begin(), "GEN1<-GEN1");
    EXPECT_EQ(log, expected) << closed;
    EXPECT_FALSE(Runs().IsBusy());
    EXPECT_EQ(Runs().GetBusyDialog(), nullptr);
    EXPECT_EQ(pf::Window::GetCapture(), nullptr);
    // Every instrument's: a master that kept its network would compute the old circuit.
    EXPECT_EQ(master->runState, 0);
    EXPECT_EQ(slave->runState, 0);
    slave->runState = 1;
  }
}

// One run at a time: another start is refused with a message box while one is going, and the
// run keeps its master; once it has ended, the next start goes ahead.
TEST_F(RunTest, SecondStartRefusedWhileARunGoes) {
  pf::Window window;
  slave->window = &window;
  master->active = 1;
  ASSERT_TRUE(Runs().StartBusy(5));
  EXPECT_TRUE(Runs().RefuseWhileBusy());
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Es läuft bereits eine Messung");
  EXPECT_EQ(headless.Ui().Messages()[0].caption, "Achtung");
  Runs().ActivateInstrumentByWindow(&window);
  EXPECT_EQ(Runs().FindActiveInstrument(), master);
  Runs().EndBusy();
  EXPECT_FALSE(Runs().RefuseWhileBusy());
  EXPECT_EQ(headless.Ui().Messages().size(), 1u);
}

// A master that sweeps single points reaches only the instruments that read them; the others
// keep what they collected. Any other master's run reaches every instrument.
TEST_F(RunTest, SinglePointRunsReachOnlyTheReaders) {
  TestInstrument* meter = Add("MU1");
  meter->readsSinglePoints = true;
  master->active = 1;
  for (const bool singlePoints : {true, false}) {
    log.clear();
    master->sweepsSinglePoints = singlePoints;
    Runs().ResetInstruments();
    Runs().FeedInstruments();
    ASSERT_TRUE(Runs().StartBusy(5));
    Runs().StopMeasurement();
    const std::vector<std::string> reached =
        singlePoints ? std::vector<std::string>{"MU1 begin", "MU1<-GEN1", "MU1 end"}
                     : std::vector<std::string>{"GEN1 begin", "MESS1 begin", "MU1 begin",
                                                "MESS1<-GEN1", "MU1<-GEN1", "GEN1 end",
                                                "MESS1 end", "MU1 end"};
    EXPECT_EQ(log, reached) << singlePoints;
  }
}

// An error of a run shows at the next tick after the idle pass, once, and the run goes on;
// "Abbrechen" closes the window at the tick after and empties the queue.
TEST_F(RunTest, ErrorWindowOpensWhileTheRunContinues) {
  master->active = 1;
  ASSERT_TRUE(Runs().StartBusy(100));
  headless.Advance(500);
  app->ReportError("Messfehler");
  headless.Advance(500);
  EXPECT_EQ(app->GetErrorDialog(), nullptr) << "not before the idle pass";
  headless.NoteMessage();
  headless.RunIdle();
  EXPECT_EQ(app->GetErrorPending(), 1);
  headless.Advance(500);
  ASSERT_NE(app->GetErrorDialog(), nullptr);
  EXPECT_EQ(app->GetErrorDialog()->GetDlgItemText(error_ids::kMessage), "Messfehler");
  EXPECT_EQ(app->GetErrorPending(), 0);
  EXPECT_TRUE(Runs().IsBusy());
  EXPECT_EQ(Progress(), 3);

  ErrorDialog* shown = app->GetErrorDialog();
  app->ReportError("Zweiter Fehler");
  headless.NoteMessage();
  headless.RunIdle();
  headless.Advance(500);
  EXPECT_EQ(app->GetErrorDialog(), shown);
  pf::DialogDriver(headless, *shown).Cancel();
  headless.Advance(500);
  EXPECT_EQ(app->GetErrorDialog(), nullptr);
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(Progress(), 5);
}

// Opening an instrument with a window makes it the master; the view hides the windows when it
// loses activation after an opening (not again without one) and destroys them when it closes.
TEST_F(RunTest, ViewOpensHidesAndDestroysInstrumentWindows) {
  pf::Window window;
  slave->window = &window;
  const struct {
    const char* step;
    std::function<void()> act;
    std::vector<std::string> log;
  } steps[] = {
      {"open", [&] { view->OpenSymbol(*slave); }, {}},
      {"deactivate", [&] { view->OnActivateView(false, nullptr, view); },
       {"GEN1 hide", "MESS1 hide"}},
      {"deactivate again", [&] { view->OnActivateView(false, nullptr, view); }, {}},
      {"close",
       [&] {
         headless.Ui().QueueAnswer(pf::MsgResult::No);
         headless.MenuCommand(Frame(), "&Datei/&Schließen");
       },
       {"GEN1 destroy", "MESS1 destroy"}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    log.clear();
    s.act();
    EXPECT_EQ(log, s.log);
    if (std::string(s.step) == "open") {
      EXPECT_EQ(slave->active, 1);
      EXPECT_EQ(master->active, 0);
    }
  }
}

}  // namespace
