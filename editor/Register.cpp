#include "editor/Register.h"

#include "editor/DreiPolSymbol.h"
#include "editor/EinPolSymbol.h"
#include "editor/MultiPolSymbol.h"
#include "editor/RegisterTransistorSymbols.h"
#include "editor/VierPolSymbol.h"
#include "editor/ZweiPolSymbol.h"
#include "pf/object.h"

void RegisterEditorClasses() {
  pf::ClassRegistry& classes = pf::ClassRegistry::Instance();
  classes.Register(NetSymbol::classNetSymbol);
  classes.Register(EinPolSymbol::classEinPolSymbol);
  classes.Register(ZweiPolSymbol::classZweiPolSymbol);
  classes.Register(DreiPolSymbol::classDreiPolSymbol);
  classes.Register(VierPolSymbol::classVierPolSymbol);
  classes.Register(MultiPolSymbol::classMultiPolSymbol);
  RegisterTransistorSymbols();
}
