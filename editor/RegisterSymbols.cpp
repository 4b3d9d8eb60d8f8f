#include "editor/RegisterSymbols.h"

#include "editor/ExKnotenSymbol.h"
#include "editor/InpSymbol.h"
#include "editor/OnePortSymbol.h"
#include "editor/OutSymbol.h"
#include "editor/SubSymbol.h"
#include "editor/SymbolRegistry.h"

void RegisterFrameworkSymbols() {
  SymbolRegistry& symbols = SymbolRegistry::Global();
  symbols.Register<SubSymbol>("SUBSTRAT");
  symbols.Register<ExKnotenSymbol>("ExKnotenSymbol");
  symbols.Register<InpSymbol>("INPUT");
  symbols.Register<OutSymbol>("OUTPUT");
  symbols.Register<OnePortSymbol>("ONEPORT");
}
