#include "lines/ui/Register.h"

#include "editor/ElementFactory.h"
#include "editor/SymbolRegistry.h"
#include "lines/ui/TemSymbol.h"
#include "pf/object.h"

void RegisterLineSymbols() {
  pf::ClassRegistry::Instance().Register(TemSymbol::classTemSymbol);
  SymbolRegistry::Global().Register<TemSymbol>("TEMTRANSLINE");
  ElementFactory::Global().Register<TemSymbol>(TemSymbol::kElementType);
}
