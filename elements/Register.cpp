#include "elements/Register.h"

#include "editor/symbols/BipSymbol.h"
#include "editor/symbols/FetSymbol.h"
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

void RegisterLumpedSymbols() {
  Register<ResSymbol>();
  Register<CapSymbol>();
  Register<IndSymbol>();
  Register<QuarzSymbol>();
  Register<SrlcSymbol>();
  Register<PrlcSymbol>();
  Register<CplIndSymbol>();
  Register<VvgSymbol>();
  Register<VcgSymbol>();
  Register<CcgSymbol>();
  Register<OpAmpSymbol>();
  Register<GndSymbol>();
  Register<Verbindung>();
  Register<PktSymbol>();
  Register<TwoPortSymbol>();
  Register<UserNetSymbol>();
  Register<BipSpiceSymbol>();
  Register<FetSpiceSymbol>();
  Register<OpaSpiceSymbol>();
  Register<PNDiodeSymbol>();
  Register<SpiceLibSymbol>();
  NetSymbol::InstallDialog(FetSymbol::kClassKey, EditFetSymbol);
  NetSymbol::InstallDialog(BipSymbol::kClassKey, EditBipSymbol);
}
