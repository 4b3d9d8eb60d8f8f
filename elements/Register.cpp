#include "elements/Register.h"

#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "elements/data/TwoPortSymbol.h"
#include "elements/data/UserNetSymbol.h"
#include "elements/dialogs/BipolarDialog.h"
#include "elements/dialogs/TFetDialog.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "elements/spice/PNDiodeSymbol.h"
#include "elements/spice/SpiceLibSymbol.h"
#include "elements/spice/SpiceModelSymbols.h"
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
  Add<TwoPortSymbol>(TwoPortSymbol::kClassKey, TwoPortSymbol::classTwoPortSymbol);
  Add<UserNetSymbol>(UserNetSymbol::kClassKey, UserNetSymbol::classUserNetSymbol);
  // The SPICE-model symbols report the multi-pole class; their keys tell them apart.
  SymbolRegistry::Global().Register<BipSpiceSymbol>("BipSpiceSymbol");
  SymbolRegistry::Global().Register<FetSpiceSymbol>("FetSpiceSymbol");
  SymbolRegistry::Global().Register<OpaSpiceSymbol>("OpaSpiceSymbol");
  SymbolRegistry::Global().Register<PNDiodeSymbol>("PNDiodeSymbol");
  Add<SpiceLibSymbol>("SpiceLibSymbol", SpiceLibSymbol::classSpiceLibSymbol);
  NetSymbol::InstallDialog("FETTRANS", EditFetSymbol);
  NetSymbol::InstallDialog("BIPOLTRANS", EditBipSymbol);
  ElementFactory& elements = ElementFactory::Global();
  elements.Register<Verbindung>(0);
  elements.Register<GndSymbol>(1);
  elements.Register<ResSymbol>(4);
  elements.Register<CapSymbol>(5);
  elements.Register<IndSymbol>(6);
  elements.Register<SrlcSymbol>(7);
  elements.Register<PrlcSymbol>(8);
  elements.Register<CplIndSymbol>(9);
  elements.Register<QuarzSymbol>(10);
  elements.Register<VvgSymbol>(11);
  elements.Register<VcgSymbol>(12);
  elements.Register<CcgSymbol>(13);
  elements.Register<OpAmpSymbol>(17);
  elements.Register<TwoPortSymbol>(TwoPortSymbol::kElementType);
  elements.Register<UserNetSymbol>(UserNetSymbol::kElementType);
  elements.Register<OpaSpiceSymbol>(OpaSpiceSymbol::kElementType, true);
  elements.Register<BipSpiceSymbol>(BipSpiceSymbol::kElementType);
  elements.Register<FetSpiceSymbol>(FetSpiceSymbol::kElementType);
  elements.Register<PNDiodeSymbol>(PNDiodeSymbol::kElementType);
  elements.Register<SpiceLibSymbol>(SpiceLibSymbol::kElementType);
}
