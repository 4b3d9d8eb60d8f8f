#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "diagrams/DiagramKinds.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "instruments/ui/Register.h"
#include "instruments/models/Register.h"
#include "resources/Resources.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

// The analyser is the simulator's current analyser: the run context is process state.
int main(int argc, char** argv) {
  return RunTests(argc, argv,
                  {RegisterBasicsClasses, RegisterSimulatorElements, RegisterInstrumentModels,
                   RegisterEditorClasses, RegisterLumpedSymbols, RegisterInstrumentSymbols,
                   RegisterCircleDiagrams, RegisterRectDiagrams, RegisterResources},
                  NetContext::Reset);
}
