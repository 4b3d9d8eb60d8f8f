#include "editor/desktop/AnalysisRuns.h"

#include "editor/desktop/BusyDialog.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRoles.h"
#include "pf/ui_services.h"

AnalysisRuns::AnalysisRuns(CVostraneView& view) : view(view) {}

AnalysisRuns::~AnalysisRuns() = default;

template <class Visit>
void AnalysisRuns::ForEachInstrument(Visit visit) const {
  const CVostraneDoc* doc = view.GetDocument();
  if (doc == nullptr) return;
  doc->ForEachInstrument([&visit](NetSymbol&, InstrumentRole& instrument) { visit(instrument); });
}

template <class Visit>
void AnalysisRuns::ForEachTakingPart(const InstrumentRole* master, Visit visit) const {
  const bool all = master == nullptr || !master->SweepsSinglePoints();
  ForEachInstrument([&visit, all](InstrumentRole& i) {
    if (all || i.ReadsSinglePoints()) visit(i);
  });
}

void AnalysisRuns::StartTimer(unsigned periodMs) {
  if (timerHandle != 0) view.KillTimer(kTimerId);
  view.SetTimer(kTimerId, periodMs);
  timerHandle = kTimerId;
}

bool AnalysisRuns::StartBusy(int limit) {
  if (FindActiveInstrument() == nullptr) return false;
  // A SPICE run that has ended since the last tick: its wait would end this run at the next.
  if (spiceWait) EndBusy();
  busy = 1;
  if (!busyDialog) {
    auto dialog = std::make_unique<BusyDialog>(&view, limit);
    if (dialog->Create()) {
      dialog->ShowWindow(true);
      busyDialog = std::move(dialog);
    }
  }
  return true;
}

void AnalysisRuns::EndBusy() {
  busy = 0;
  spiceWait = false;
  busyDialog.reset();
  // A master that kept its network would compute the circuit as it was at its last start.
  ForEachInstrument([](InstrumentRole& i) { i.SetRunState(0); });
  if (CVostraneDoc* doc = view.GetDocument()) doc->SetRunningInstrument(nullptr);
}

bool AnalysisRuns::IsRunGoing() const {
  if (busy != 0) return true;
  CVostraneDoc* doc = view.GetDocument();
  return spiceWait && doc != nullptr && doc->GetSpiceManager().ResultsPending();
}

void AnalysisRuns::Warn(const char* message) {
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox(message, "Achtung", pf::MsgButtons::Ok, pf::MsgIcon::None);
}

bool AnalysisRuns::RefuseWhileBusy() const {
  if (!IsRunGoing()) return false;
  Warn("Es läuft bereits eine Messung");
  return true;
}

void AnalysisRuns::WaitForSpice() {
  if (busy != 0 || busyDialog) return;
  // The program runs outside: the desktop stays at the user's hands meanwhile.
  auto dialog = std::make_unique<BusyDialog>(&view, 100, false);
  if (!dialog->Create()) return;
  dialog->ShowWindow(true);
  busyDialog = std::move(dialog);
  spiceWait = true;
}

InstrumentRole* AnalysisRuns::FindActiveInstrument() const {
  InstrumentRole* found = nullptr;
  ForEachInstrument([&found](InstrumentRole& i) {
    if (found == nullptr && i.GetActiveFlag() != 0) found = &i;
  });
  return found;
}

void AnalysisRuns::ClearActiveInstruments() {
  ForEachInstrument([](InstrumentRole& i) { i.SetActiveFlag(0); });
}

void AnalysisRuns::ActivateInstrumentByWindow(const pf::Window* window) {
  // A run keeps its master to its end.
  if (busy != 0) return;
  ForEachInstrument([window](InstrumentRole& i) {
    i.SetActiveFlag(window != nullptr && i.GetInstrumentWindow() == window ? 1 : 0);
  });
}

void AnalysisRuns::HideInstrumentWindows() {
  ForEachInstrument([](InstrumentRole& i) { i.HideInstrumentWindow(); });
}

void AnalysisRuns::DestroyInstrumentWindows() {
  ForEachInstrument([](InstrumentRole& i) { i.DestroyInstrumentWindow(); });
}

void AnalysisRuns::RunMasterStep() {
  if (InstrumentRole* master = FindActiveInstrument()) master->MeasureStep(*master);
}

void AnalysisRuns::FeedInstruments() {
  InstrumentRole* master = FindActiveInstrument();
  if (master == nullptr) return;
  ForEachTakingPart(master, [master](InstrumentRole& i) {
    if (i.GetActiveFlag() == 0) i.MeasureStep(*master);
  });
}

void AnalysisRuns::ResetInstruments() {
  InstrumentRole* master = FindActiveInstrument();
  if (master == nullptr) return;
  ForEachTakingPart(master, [master](InstrumentRole& i) { i.BeginMeasurement(*master); });
}

void AnalysisRuns::EndInstrumentRuns() {
  ForEachTakingPart(FindActiveInstrument(), [](InstrumentRole& i) { i.EndMeasurement(); });
}

void AnalysisRuns::StopMeasurement() {
  EndBusy();
  EndInstrumentRuns();
}

void AnalysisRuns::OnTimer() {
  // A closed busy window stops the run here, not inside the window's own handler, which must
  // not delete it.
  if (spiceWait) {
    CVostraneDoc* doc = view.GetDocument();
    SpiceManager* spice = doc != nullptr ? &doc->GetSpiceManager() : nullptr;
    if (spice != nullptr && busyDialog && busyDialog->IsCancelled()) spice->StopSimulator();
    // Polled here too, so that the time limit holds when no idle work comes.
    if (spice != nullptr) spice->IsSimulatorRunning();
    if (spice == nullptr || !spice->ResultsPending()) {
      EndBusy();
    } else if (busyDialog) {
      busyDialog->Tick();
    }
  }
  if (busyDialog && busyDialog->IsCancelled()) StopMeasurement();
  if (busy != 0) {
    RunMasterStep();
    if (busy != 0) FeedInstruments();
    if (busyDialog) busyDialog->Tick();
  }
  CVostraneApp* app = GetVostraneApp();
  if (app == nullptr) return;
  if (splashTicks >= kSplashTicks) {
    app->CloseSplash();
  } else {
    ++splashTicks;
  }
  app->ShowErrorDialog();
  app->CloseErrorDialog();
}
