#include "lines/ui/Register.h"

#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "lines/ui/TemSymbol.h"
#include "pf/object.h"

void RegisterLineSymbols() {
  pf::ClassRegistry::Instance().Register(TemSymbol::classTemSymbol);
  SymbolRegistry::Global().Register<TemSymbol>("TEMTRANSLINE");
  ElementFactory::Global().Register<TemSymbol>(TemSymbol::kElementType);
}
