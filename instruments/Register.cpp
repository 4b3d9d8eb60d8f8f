#include "instruments/Register.h"

#include "diagrams/DiagramKinds.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "instruments/MultiMeterSymbol.h"
#include "instruments/OsziSymbol.h"
#include "instruments/PlotterSymbol.h"
#include "instruments/SpeakerSymbol.h"
#include "instruments/SpecAnaSymbol.h"
#include "instruments/SpiceAnalyses.h"
#include "instruments/VecNetAnaSymbol.h"
#include "instruments/generators/DcGeneratorSymbol.h"
#include "instruments/generators/SignalGenSymbol.h"
#include "instruments/generators/AudioSourceSymbol.h"
#include "instruments/generators/DataGeneratorSymbol.h"
#include "instruments/generators/ImpulsGeneratorSymbol.h"
#include "instruments/models/Register.h"
#include "pf/object.h"
#include "simulator/Register.h"

namespace {

template <class S>
void RegisterScopeSymbol(const pf::RuntimeClass& runtime, const char* key) {
  pf::ClassRegistry::Instance().Register(runtime);
  SymbolRegistry::Global().Register<S>(key);
  ElementFactory::Global().Register<S>(S::kElementType);
}

// The oscilloscope, spectrum analyser, speaker and plotter.
void RegisterScopeSymbols() {
  RegisterScopeSymbol<OsziSymbol>(OsziSymbol::classOsziSymbol, "OsziSymbol");
  RegisterScopeSymbol<SpecAnaSymbol>(SpecAnaSymbol::classSpecAnaSymbol, "SpecAnaSymbol");
  RegisterScopeSymbol<SpeakerSymbol>(SpeakerSymbol::classSpeakerSymbol, "SpeakerSymbol");
  RegisterScopeSymbol<PlotterSymbol>(PlotterSymbol::classPlotterSymbol, "PlotterSymbol");
}

}  // namespace

void RegisterInstrumentSymbols() {
  pf::ClassRegistry::Instance().Register(VecNetAnaSymbol::classVecNetAnaSymbol);
  SymbolRegistry::Global().Register<VecNetAnaSymbol>("VecNetAnaSymbol");
  ElementFactory::Global().Register<VecNetAnaSymbol>(VecNetAnaSymbol::kElementType);
  pf::ClassRegistry::Instance().Register(MultiMeterSymbol::classMultiMeterSymbol);
  SymbolRegistry::Global().Register<MultiMeterSymbol>("MultiMeterSymbol");
  ElementFactory::Global().Register<MultiMeterSymbol>(MultiMeterSymbol::kElementType);
  pf::ClassRegistry::Instance().Register(SignalGenSymbol::classSignalGenSymbol);
  SymbolRegistry::Global().Register<SignalGenSymbol>("SignalGenSymbol");
  ElementFactory::Global().Register<SignalGenSymbol>(SignalGenSymbol::kElementType);
  pf::ClassRegistry::Instance().Register(DcGeneratorSymbol::classDcGeneratorSymbol);
  SymbolRegistry::Global().Register<DcGeneratorSymbol>("DcGeneratorSymbol");
  ElementFactory::Global().Register<DcGeneratorSymbol>(DcGeneratorSymbol::kElementType);
  SymbolRegistry::Global().Register<AudioSourceSymbol>("AudioSourceSymbol");
  ElementFactory::Global().Register<AudioSourceSymbol>(AudioSourceSymbol::kElementType);
  pf::ClassRegistry::Instance().Register(DataGeneratorSymbol::classDataGeneratorSymbol);
  SymbolRegistry::Global().Register<DataGeneratorSymbol>("DataGeneratorSymbol");
  ElementFactory::Global().Register<DataGeneratorSymbol>(DataGeneratorSymbol::kElementType);
  SymbolRegistry::Global().Register<ImpulsGeneratorSymbol>("ImpulsGeneratorSymbol");
  ElementFactory::Global().Register<ImpulsGeneratorSymbol>(ImpulsGeneratorSymbol::kElementType);
  RegisterScopeSymbols();
  // The windows simulate and draw: the programs that place instruments need both.
  RegisterSimulatorElements();
  RegisterInstrumentModels();
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  InstallSpiceAnalyses();
}
