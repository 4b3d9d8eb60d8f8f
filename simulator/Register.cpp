#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/SweepFreq.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
}
