#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/ControlledSource.h"
#include "simulator/CplIndElement.h"
#include "simulator/ElementRegistry.h"
#include "simulator/SweepFreq.h"
#include "simulator/SymUebertrager.h"
#include "simulator/Transistor.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("MUI", &CplIndElement::Create);
  elements.Register("SYUE", &SymUebertrager::Create);
  elements.Register("CCG", &CurConCurSource::Create);
  elements.Register("VCG", &VolConCurSource::Create);
  elements.Register("VVG", &VolConVolSource::Create);
  elements.Register("OPA", &OpAmplifier::Create);
  elements.Register("FET", &FeldeffektTransistor::Create);
  elements.Register("BIP", &BipolarTransistor::Create);
}
