#include "editor/symbols/RegisterSymbols.h"

#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "editor/symbols/FetSymbol.h"
#include "editor/symbols/InpSymbol.h"
#include "editor/symbols/OnePortSymbol.h"
#include "editor/symbols/OutSymbol.h"
#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "pf/object.h"

void RegisterFrameworkSymbols() {
  pf::ClassRegistry& classes = pf::ClassRegistry::Instance();
  classes.Register(SubSymbol::classSubSymbol);
  classes.Register(ExKnotenSymbol::classExKnotenSymbol);
  classes.Register(InpSymbol::classInpSymbol);
  classes.Register(OutSymbol::classOutSymbol);
  classes.Register(OnePortSymbol::classOnePortSymbol);
  classes.Register(FetSymbol::classFetSymbol);
  classes.Register(BipSymbol::classBipSymbol);
  SymbolRegistry& symbols = SymbolRegistry::Global();
  symbols.Register<SubSymbol>("SUBSTRAT");
  symbols.Register<ExKnotenSymbol>("ExKnotenSymbol");
  symbols.Register<InpSymbol>("INPUT");
  symbols.Register<OutSymbol>("OUTPUT");
  symbols.Register<OnePortSymbol>("ONEPORT");
  symbols.Register<FetSymbol>("FETTRANS");
  symbols.Register<BipSymbol>("BIPOLTRANS");
  ElementFactory& elements = ElementFactory::Global();
  elements.Register<InpSymbol>(2);
  elements.Register<OutSymbol>(3);
  elements.Register<OnePortSymbol>(14);
  elements.Register<SubSymbol>(21);
  elements.Register<ExKnotenSymbol>(36);
}
