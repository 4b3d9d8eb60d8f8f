#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/ElementRegistry.h"
#include "simulator/KonzTee.h"
#include "simulator/MultiMeter.h"
#include "simulator/ResKreis.h"
#include "simulator/SelfResonantElement.h"
#include "simulator/SpannungsQuelle.h"
#include "simulator/SweepFreq.h"
#include "simulator/Widerstand.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("RES", Widerstand::Create);
  elements.Register("CAP", Kapazitaet::Create);
  elements.Register("IND", Induktivitaet::Create);
  elements.Register("SRLC", SerResKreis::Create);
  elements.Register("PRLC", ParResKreis::Create);
  elements.Register("QUARZ", QuaResKreis::Create);
  elements.Register("UQU", SpannungsQuelle::Create);
  elements.Register("MUME", MultiMeter::Create);
  elements.Register("KTE", KonzTee::Create);
}
