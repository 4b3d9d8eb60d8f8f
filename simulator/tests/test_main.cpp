#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "simulator/NetContext.h"
#include "simulator/Register.h"

// The simulator's run context is process state as well.
int main(int argc, char** argv) {
  return RunTests(argc, argv, {RegisterBasicsClasses, RegisterSimulatorElements},
                  NetContext::Reset);
}
