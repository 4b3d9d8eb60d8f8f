#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "editor/Register.h"
#include "lines/models/Register.h"
#include "lines/ui/Register.h"
#include "resources/Resources.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

// The reader in use is process state as well.
int main(int argc, char** argv) {
  return RunTests(argc, argv,
                  {RegisterBasicsClasses, RegisterSimulatorElements, RegisterLineModels,
                   RegisterEditorClasses, RegisterLineSymbols, RegisterResources},
                  NetContext::Reset);
}
