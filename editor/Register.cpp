#include "editor/Register.h"

#include "editor/desktop/ViewCommands.h"
#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/MultiPolSymbol.h"
#include "editor/symbols/RegisterSymbols.h"
#include "editor/symbols/VierPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/object.h"

void RegisterEditorClasses() {
  pf::ClassRegistry& classes = pf::ClassRegistry::Instance();
  classes.Register(NetSymbol::classNetSymbol);
  classes.Register(EinPolSymbol::classEinPolSymbol);
  classes.Register(ZweiPolSymbol::classZweiPolSymbol);
  classes.Register(DreiPolSymbol::classDreiPolSymbol);
  classes.Register(VierPolSymbol::classVierPolSymbol);
  classes.Register(MultiPolSymbol::classMultiPolSymbol);
  RegisterFrameworkSymbols();
  RegisterViewCommands();
}
