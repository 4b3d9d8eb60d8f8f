#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/ElementRegistry.h"
#include "simulator/PNDiodeElement.h"
#include "simulator/SweepFreq.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
  ElementRegistry::Global().Register("HLD", PNDiodeElement::Create);
}
