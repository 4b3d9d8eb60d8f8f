#include "instruments/Register.h"

#include "diagrams/DiagramKinds.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "instruments/SpiceAnalyses.h"
#include "instruments/VecNetAnaSymbol.h"
#include "instruments/models/Register.h"
#include "pf/object.h"
#include "simulator/Register.h"

void RegisterInstrumentSymbols() {
  pf::ClassRegistry::Instance().Register(VecNetAnaSymbol::classVecNetAnaSymbol);
  SymbolRegistry::Global().Register<VecNetAnaSymbol>("VecNetAnaSymbol");
  ElementFactory::Global().Register<VecNetAnaSymbol>(VecNetAnaSymbol::kElementType);
  // The windows simulate and draw: the programs that place instruments need both.
  RegisterSimulatorElements();
  RegisterInstrumentModels();
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  InstallSpiceAnalyses();
}
