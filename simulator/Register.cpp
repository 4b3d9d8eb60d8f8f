#include "simulator/Register.h"

#include "pf/object.h"
#include "simulator/DataForOnePort.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/DataOnePort.h"
#include "simulator/ElementRegistry.h"
#include "simulator/SweepFreq.h"

void RegisterSimulatorElements() {
  pf::ClassRegistry::Instance().Register(SweepFreq::classSweepFreq);
  ElementRegistry::Global().Register("ONE", DataOnePort::Create);
  ElementRegistry::Global().Register("TWO", DataTwoPort::Create);
  DataObjectRegistry::Global().RegisterTable("S", DataForOnePort::Create, DataForTwoPort::Create);
}
