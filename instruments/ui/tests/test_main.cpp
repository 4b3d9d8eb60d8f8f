#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "instruments/ui/Register.h"
#include "resources/Resources.h"
#include "simulator/NetContext.h"

// The analyser is the simulator's current analyser: the run context is process state.
int main(int argc, char** argv) {
  return RunTests(argc, argv,
                  {RegisterBasicsClasses, RegisterEditorClasses, RegisterLumpedSymbols,
                   RegisterInstrumentSymbols, RegisterResources},
                  NetContext::Reset);
}
