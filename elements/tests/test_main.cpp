#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

// The netlist lines are checked against the simulator's reader, whose context is process state.
int main(int argc, char** argv) {
  return RunTests(argc, argv,
                  {RegisterBasicsClasses, RegisterSimulatorElements, RegisterEditorClasses,
                   RegisterLumpedSymbols},
                  NetContext::Reset);
}
