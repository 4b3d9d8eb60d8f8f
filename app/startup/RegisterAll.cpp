#include "app/startup/RegisterAll.h"

#include "basics/Register.h"
#include "editor/Register.h"
#include "elements/Register.h"
#include "instruments/ui/Register.h"
#include "lines/models/Register.h"
#include "lines/ui/Register.h"
#include "resources/Resources.h"
#include "synthesis/Register.h"

void RegisterAll() {
  RegisterBasicsClasses();
  RegisterEditorClasses();
  RegisterLumpedSymbols();
  RegisterLineSymbols();
  // The instruments' runs simulate the lines the circuit holds.
  RegisterLineModels();
  RegisterLineCommands();
  RegisterInstrumentSymbols();
  RegisterSynthesisCommands();
  RegisterResources();
}
