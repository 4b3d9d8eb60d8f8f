#include "editor/symbols/RegisterSymbols.h"

#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/FetSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/OnePortSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"

void RegisterFrameworkSymbols() {
  Register<SubSymbol>();
  Register<ExKnotenSymbol>();
  Register<InpSymbol>();
  Register<OutSymbol>();
  Register<OnePortSymbol>();
  Register<FetSymbol>();
  Register<BipSymbol>();
}
