#include "lines/ui/Register.h"

#include "editor/symbols/SubSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/MslDialogs.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"
#include "lines/ui/TemSymbol.h"

void RegisterLineSymbols() {
  Register<TemSymbol>();
  Register<KoaxSymbol>();
  Register<TrlSymbol>();
  Register<OstSymbol>();
  Register<SstSymbol>();
  Register<MicTaperSymbol>();
  Register<MicCornerSymbol>();
  Register<CplSymbol>();
  Register<TeeSymbol>();
  Register<StepSymbol>();
  Register<RadStubSymbol>();
  Register<MslTeeSymbol>();
  Register<MslCornerSymbol>();
  Register<MslCrossSymbol>();
  Register<SlotLineSymbol>();
  Register<SltBendSymbol>();
  Register<CCoveredSlotLineSymbol>();
  Register<CCoplanarLineSymbol>();
  Register<CCoplanarCrossSymbol>();
  Register<MslToSlotSymbol>();
  NetSymbol::InstallDialog(SubSymbol::kClassKey, EditSubSymbol);
}
