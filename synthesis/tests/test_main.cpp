#include "basics/Register.h"
#include "basics/tests/RunTests.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "lines/ui/Register.h"
#include "resources/Resources.h"
#include "synthesis/Register.h"

int main(int argc, char** argv) {
  return RunTests(argc, argv,
                  {RegisterBasicsClasses, RegisterEditorClasses, RegisterLumpedSymbols,
                   RegisterLineSymbols, RegisterSynthesisCommands, RegisterResources});
}
