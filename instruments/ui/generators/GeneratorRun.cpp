#include "instruments/ui/generators/GeneratorRun.h"

#include "editor/desktop/AnalysisRuns.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/MessGeraetSymbol.h"
#include "pf/dialog.h"

namespace {

CVostraneView* ViewOf(const MessMasterSymbol& generator) {
  return dynamic_cast<CVostraneView*>(generator.view);
}

bool Refuse(AnalysisRuns& runs, const char* message) {
  runs.EndBusy();
  AnalysisRuns::Warn(message);
  return false;
}

bool IsPlaced(const MessMasterSymbol& generator, const CVostraneDoc& doc) {
  bool placed = false;
  doc.Symbols().ForEach([&](NetSymbol* s) { placed = placed || s == &generator; });
  return placed;
}

}  // namespace

bool StartGeneratorRun(MessMasterSymbol& generator, pf::Dialog& dialog, int busyLimit,
                       unsigned timerPeriodMs) {
  CVostraneView* view = ViewOf(generator);
  CVostraneDoc* doc = view != nullptr ? view->GetDocument() : nullptr;
  if (doc == nullptr) return false;
  AnalysisRuns& runs = view->Analysis();
  if (runs.RefuseWhileBusy()) return false;
  // A generator still being placed is in no netlist: its run would have no network to drive.
  if (!IsPlaced(generator, *doc)) {
    AnalysisRuns::Warn("Der Generator ist noch nicht plaziert");
    return false;
  }
  // A period left by an earlier run of another kind would step this one at its pace.
  runs.StartTimer(timerPeriodMs != 0 ? timerPeriodMs : CVostraneView::kTimerPeriodMs);
  // A second active instrument found first would be the run's master and never end it.
  runs.ClearActiveInstruments();
  generator.SetActiveFlag(1);
  doc->SetRunningInstrument(&generator);
  if (!doc->BuildNetlist(view)) {
    doc->SetRunningInstrument(nullptr);
    return false;
  }
  runs.StartBusy(busyLimit);
  if (generator.RunAnalysis(doc->GetNetlistLines()) == 0) {
    return Refuse(runs, "Fehler beim Laden des Netzwerkes");
  }
  if (generator.StartRun() == 0) return Refuse(runs, "Fehler beim Start der Berechnung");
  runs.ResetInstruments();
  runs.FeedInstruments();
  dialog.Close();
  return true;
}

void EndGeneratorRun(MessMasterSymbol& generator) {
  if (CVostraneView* view = ViewOf(generator)) {
    view->Analysis().StopMeasurement();
  } else {
    generator.SetRunState(0);
  }
}
