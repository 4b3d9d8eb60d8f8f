#include "editor/RegisterTransistorSymbols.h"

#include "editor/BipSymbol.h"
#include "editor/FetSymbol.h"
#include "editor/SymbolRegistry.h"
#include "pf/object.h"

void RegisterTransistorSymbols() {
  pf::ClassRegistry& classes = pf::ClassRegistry::Instance();
  classes.Register(FetSymbol::classFetSymbol);
  classes.Register(BipSymbol::classBipSymbol);
  SymbolRegistry& symbols = SymbolRegistry::Global();
  symbols.Register<FetSymbol>("FETTRANS");
  symbols.Register<BipSymbol>("BIPOLTRANS");
}
