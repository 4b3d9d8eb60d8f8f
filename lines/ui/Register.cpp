#include "lines/ui/Register.h"

#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/KoaxSymbol.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/MslDialogs.h"
#include "lines/ui/MslToSlotSymbol.h"
#include "lines/ui/SlotSymbols.h"
#include "lines/ui/TemSymbol.h"
#include "pf/object.h"

namespace {

template <class S>
concept HasElementType = requires { S::kElementType; };

// The class key and, where the element bar places the symbol, its element type.
template <class S>
void Add(const char* key) {
  SymbolRegistry::Global().Register<S>(key);
  if constexpr (HasElementType<S>) ElementFactory::Global().Register<S>(S::kElementType);
}

template <class S>
void AddWithRuntime(const char* key, const pf::RuntimeClass& cls) {
  pf::ClassRegistry::Instance().Register(cls);
  Add<S>(key);
}

}  // namespace

void RegisterLineSymbols() {
  AddWithRuntime<TemSymbol>("TEMTRANSLINE", TemSymbol::classTemSymbol);
  AddWithRuntime<KoaxSymbol>(KoaxSymbol::kClassKey, KoaxSymbol::classKoaxSymbol);
  AddWithRuntime<TrlSymbol>(TrlSymbol::kClassKey, TrlSymbol::classTrlSymbol);
  AddWithRuntime<OstSymbol>(OstSymbol::kClassKey, OstSymbol::classOstSymbol);
  AddWithRuntime<SstSymbol>(SstSymbol::kClassKey, SstSymbol::classSstSymbol);
  AddWithRuntime<MicTaperSymbol>(MicTaperSymbol::kClassKey, MicTaperSymbol::classMicTaperSymbol);
  AddWithRuntime<MicCornerSymbol>(MicCornerSymbol::kClassKey,
                                  MicCornerSymbol::classMicCornerSymbol);
  AddWithRuntime<CplSymbol>(CplSymbol::kClassKey, CplSymbol::classCplSymbol);
  AddWithRuntime<TeeSymbol>(TeeSymbol::kClassKey, TeeSymbol::classTeeSymbol);
  AddWithRuntime<StepSymbol>(StepSymbol::kClassKey, StepSymbol::classStepSymbol);
  AddWithRuntime<RadStubSymbol>(RadStubSymbol::kClassKey, RadStubSymbol::classRadStubSymbol);
  Add<MslTeeSymbol>(MslTeeSymbol::kClassKey);
  AddWithRuntime<MslCornerSymbol>(MslCornerSymbol::kClassKey,
                                  MslCornerSymbol::classMslCornerSymbol);
  Add<MslCrossSymbol>(MslCrossSymbol::kClassKey);
  Add<SlotLineSymbol>(SlotLineSymbol::kClassKey);
  Add<SltBendSymbol>(SltBendSymbol::kClassKey);
  Add<CCoveredSlotLineSymbol>(CCoveredSlotLineSymbol::kClassKey);
  Add<CCoplanarLineSymbol>(CCoplanarLineSymbol::kClassKey);
  Add<CCoplanarCrossSymbol>(CCoplanarCrossSymbol::kClassKey);
  Add<MslToSlotSymbol>(MslToSlotSymbol::kClassKey);
  NetSymbol::InstallDialog("SUBSTRAT", EditSubSymbol);
}
