#include "instruments/ui/Register.h"

#include "diagrams/DiagramKinds.h"
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
#include "simulator/Register.h"

void RegisterInstrumentSymbols() {
  Register<VecNetAnaSymbol>();
  Register<MultiMeterSymbol>();
  Register<SignalGenSymbol>();
  Register<DcGeneratorSymbol>();
  Register<AudioSourceSymbol>();
  Register<DataGeneratorSymbol>();
  Register<ImpulsGeneratorSymbol>();
  Register<OsziSymbol>();
  Register<SpecAnaSymbol>();
  Register<SpeakerSymbol>();
  Register<PlotterSymbol>();
  // The windows simulate and draw: the programs that place instruments need both.
  RegisterSimulatorElements();
  RegisterInstrumentModels();
  RegisterCircleDiagrams();
  RegisterRectDiagrams();
  InstallSpiceAnalyses();
}
