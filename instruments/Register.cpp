#include "instruments/Register.h"

#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "instruments/VecNetAnaSymbol.h"
#include "pf/object.h"

void RegisterInstrumentSymbols() {
  pf::ClassRegistry::Instance().Register(VecNetAnaSymbol::classVecNetAnaSymbol);
  SymbolRegistry::Global().Register<VecNetAnaSymbol>("VecNetAnaSymbol");
  ElementFactory::Global().Register<VecNetAnaSymbol>(VecNetAnaSymbol::kElementType);
}
