#pragma once
// The built-in analyses of a circuit view, one at a time: one point per tick of the view's
// timer, on the user-interface thread, while a modeless busy window shows the progress. The
// master (the instrument whose active flag is set) computes each point and every other
// instrument that takes part in its run reads it. The same timer closes the splash and opens
// and closes the error window.

#include <memory>

class BusyDialog;
class CVostraneView;
class InstrumentRole;

namespace pf {
class Window;
}

class AnalysisRuns {
 public:
  static constexpr int kTimerId = 101;
  // The splash closes at the tick after this many.
  static constexpr int kSplashTicks = 3;

  // The view owns this; the timer and the busy window belong to it, the instruments are its
  // document's.
  explicit AnalysisRuns(CVostraneView& view);
  ~AnalysisRuns();
  AnalysisRuns(const AnalysisRuns&) = delete;
  AnalysisRuns& operator=(const AnalysisRuns&) = delete;

  // Restarts timer 101 with the period.
  void StartTimer(unsigned periodMs);
  // Busy from now, with a busy window counting to limit unless one is open. Refused (false)
  // when no instrument is active: a run without a master would never advance.
  bool StartBusy(int limit);
  // Idle again; every master's network is built anew at its next start, however the run ended.
  void EndBusy();
  // A built-in run, or a SPICE run whose results are awaited.
  bool IsRunGoing() const;
  // One run at a time: while one is going, true after the message box that refuses another.
  bool RefuseWhileBusy() const;
  // The busy window while the document's SPICE program runs; closing it ends the program.
  // It goes when the results are no longer awaited.
  void WaitForSpice();
  bool IsBusy() const { return busy != 0; }
  // How a run that cannot start says so: a beep and the message under "Achtung".
  static void Warn(const char* message);
  BusyDialog* GetBusyDialog() const { return busyDialog.get(); }

  InstrumentRole* FindActiveInstrument() const;
  void ClearActiveInstruments();
  // Not while a run is going: it keeps its master.
  void ActivateInstrumentByWindow(const pf::Window* window);
  void HideInstrumentWindows();
  void DestroyInstrumentWindows();
  // The master computes its next point.
  void RunMasterStep();
  // Every instrument of the run but the master reads the point.
  void FeedInstruments();
  // Begins and ends the measurement of the instruments that take part in the master's run.
  void ResetInstruments();
  void EndInstrumentRuns();
  // Ends the run: busy window gone, every run state cleared, the measurements of the
  // instruments that took part ended.
  void StopMeasurement();

  // Timer 101: a step of the run, then the splash and the error window.
  void OnTimer();

 private:
  template <class Visit>
  void ForEachInstrument(Visit visit) const;
  // The instruments that take part in the run of the master (all of them without one).
  template <class Visit>
  void ForEachTakingPart(const InstrumentRole* master, Visit visit) const;

  CVostraneView& view;
  int busy = 0;
  bool spiceWait = false;
  std::unique_ptr<BusyDialog> busyDialog;
  int timerHandle = 0;
  int splashTicks = 0;
};
