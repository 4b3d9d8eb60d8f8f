#include "elements/Register.h"

#include "editor/SymbolRegistry.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/object.h"

namespace {

template <class S>
void Add(const char* key, const pf::RuntimeClass& cls) {
  pf::ClassRegistry::Instance().Register(cls);
  SymbolRegistry::Global().Register<S>(key);
}

}  // namespace

void RegisterLumpedSymbols() {
  Add<ResSymbol>("WIDERSTAND", ResSymbol::classResSymbol);
  Add<CapSymbol>("KAPAZITAET", CapSymbol::classCapSymbol);
  Add<IndSymbol>("INDUKTIVITAET", IndSymbol::classIndSymbol);
  Add<QuarzSymbol>("SCHWINGQUARZ", QuarzSymbol::classQuarzSymbol);
  Add<SrlcSymbol>("SERRESCIRCUIT", SrlcSymbol::classSrlcSymbol);
  Add<PrlcSymbol>("PARRESCIRCUIT", PrlcSymbol::classPrlcSymbol);
  SymbolRegistry::Global().Register<CplIndSymbol>("UEBERTRAGER");
  Add<VvgSymbol>("VOLCONVOL", VvgSymbol::classVvgSymbol);
  Add<VcgSymbol>("VOLCONCUR", VcgSymbol::classVcgSymbol);
  Add<CcgSymbol>("CURCONCUR", CcgSymbol::classCcgSymbol);
  Add<OpAmpSymbol>("OPAMPLIFIER", OpAmpSymbol::classOpAmpSymbol);
  Add<GndSymbol>("GROUND", GndSymbol::classGndSymbol);
  Add<Verbindung>("VERBINDUNG", Verbindung::classVerbindung);
  Add<PktSymbol>("PktSymbol", PktSymbol::classPktSymbol);
}
