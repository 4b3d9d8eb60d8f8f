#include "instruments/generators/GeneratorRun.h"

#include "editor/desktop/AnalysisRuns.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/MessGeraetSymbol.h"
#include "pf/dialog.h"
#include "pf/ui_services.h"

namespace {

CVostraneView* ViewOf(const MessMasterSymbol& generator) {
  return dynamic_cast<CVostraneView*>(generator.view);
}

bool Refuse(AnalysisRuns& runs, const char* message) {
  runs.EndBusy();
  pf::TheUiServices().Beep(pf::BeepKind::Default);
  pf::TheUiServices().MessageBox(message, "Achtung", pf::MsgButtons::Ok, pf::MsgIcon::None);
  return false;
}

}  // namespace

bool StartGeneratorRun(MessMasterSymbol& generator, pf::Dialog& dialog, int busyLimit) {
  CVostraneView* view = ViewOf(generator);
  CVostraneDoc* doc = view != nullptr ? view->GetDocument() : nullptr;
  if (doc == nullptr) return false;
  AnalysisRuns& runs = view->Analysis();
  // A second active instrument found first would be the run's master and never end it.
  runs.ClearActiveInstruments();
  generator.SetActiveFlag(1);
  if (!doc->BuildNetlist(view)) return false;
  runs.StartBusy(busyLimit);
  if (generator.RunAnalysis(doc->GetNetlistLines()) == 0) {
    return Refuse(runs, "Fehler beim Laden des Netzwerkes");
  }
  if (generator.StartRun() == 0) {
    // The next start builds the network again, from the circuit as it is then.
    generator.SetRunState(0);
    return Refuse(runs, "Fehler beim Start der Berechnung");
  }
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
