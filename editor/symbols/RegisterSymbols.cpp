#include "editor/RegisterSymbols.h"

#include "editor/BipSymbol.h"
#include "editor/ElementFactory.h"
#include "editor/ExKnotenSymbol.h"
#include "editor/FetSymbol.h"
#include "editor/InpSymbol.h"
#include "editor/OnePortSymbol.h"
#include "editor/OutSymbol.h"
#include "editor/SubSymbol.h"
#include "editor/SymbolRegistry.h"
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
  elements.Register<BipSymbol>(19);
  elements.Register<FetSymbol>(20);
  elements.Register<SubSymbol>(21);
  elements.Register<ExKnotenSymbol>(36);
}
