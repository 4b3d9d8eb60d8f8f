#include "instruments/ui/Register.h"

#include "diagrams/DiagramKinds.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRegistry.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/PlotterSymbol.h"
#include "instruments/ui/SpeakerSymbol.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/ui/SpiceAnalyses.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "instruments/ui/generators/DcGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "instruments/ui/generators/AudioSourceSymbol.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/ImpulsGeneratorSymbol.h"
#include "instruments/models/Register.h"
#include "pf/object.h"
#include "simulator/Register.h"

namespace {

// A serialisable instrument: by class name in archives, by key in the symbol list, by type in
// the element factory.
template <class S>
void RegisterInstrument(const pf::RuntimeClass& runtime, const char* key) {
  pf::ClassRegistry::Instance().Register(runtime);
  SymbolRegistry::Global().Register<S>(key);
  ElementFactory::Global().Register<S>(S::kElementType);
}

}  // namespace

void RegisterInstrumentSymbols() {
  RegisterInstrument<VecNetAnaSymbol>(VecNetAnaSymbol::classVecNetAnaSymbol, "VecNetAnaSymbol");
  RegisterInstrument<MultiMeterSymbol>(MultiMeterSymbol::classMultiMeterSymbol,
                                       "MultiMeterSymbol");
  RegisterInstrument<SignalGenSymbol>(SignalGenSymbol::classSignalGenSymbol, "SignalGenSymbol");
  RegisterInstrument<DcGeneratorSymbol>(DcGeneratorSymbol::classDcGeneratorSymbol,
                                        "DcGeneratorSymbol");
  SymbolRegistry::Global().Register<AudioSourceSymbol>("AudioSourceSymbol");
  ElementFactory::Global().Register<AudioSourceSymbol>(AudioSourceSymbol::kElementType);
  RegisterInstrument<DataGeneratorSymbol>(DataGeneratorSymbol::classDataGeneratorSymbol,
                                          "DataGeneratorSymbol");
  SymbolRegistry::Global().Register<ImpulsGeneratorSymbol>("ImpulsGeneratorSymbol");
  ElementFactory::Global().Register<ImpulsGeneratorSymbol>(ImpulsGeneratorSymbol::kElementType);
  RegisterInstrument<OsziSymbol>(OsziSymbol::classOsziSymbol, "OsziSymbol");
  RegisterInstrument<SpecAnaSymbol>(SpecAnaSymbol::classSpecAnaSymbol, "SpecAnaSymbol");
  RegisterInstrument<SpeakerSymbol>(SpeakerSymbol::classSpeakerSymbol, "SpeakerSymbol");
  RegisterInstrument<PlotterSymbol>(PlotterSymbol::classPlotterSymbol, "PlotterSymbol");
  // The windows simulate and draw: the programs that place instruments need both.
  RegisterSimulatorElements();
  RegisterInstrumentModels();
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  InstallSpiceAnalyses();
}
