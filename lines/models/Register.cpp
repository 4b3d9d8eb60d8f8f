#include "lines/models/Register.h"

#include "lines/models/CCoplanarLineLine.h"
#include "lines/models/CoupledLines.h"
#include "lines/models/KoaxialLine.h"
#include "lines/models/MicRadialStub.h"
#include "lines/models/MicroStripCorner.h"
#include "lines/models/MicroStripLine.h"
#include "lines/models/MicroStripStep.h"
#include "lines/models/MslToSlotElement.h"
#include "lines/models/SlotLineLine.h"
#include "lines/models/Substrat.h"
#include "lines/models/SymMslTee.h"
#include "lines/models/TaperLine.h"
#include "lines/models/TemStub.h"
#include "lines/models/TransmissionLine.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"

void RegisterLineModels() {
  DataObjectRegistry::Global().Register("MS", Substrat::Create);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("STEP", MicroStripStep::Create);
  elements.Register("BEND", MicroStripCorner::Create);
  elements.Register("TEE", SymMslTee::Create);
  elements.Register("MSTSL", MslToSlotElement::Create);
  elements.Register("TRL", TransmissionLine::Create);
  elements.RegisterDataVariant("TRL", MicroStripLine::Create);
  elements.Register("OST", OpenMslStub::Create);
  elements.Register("SST", ShortMslStub::Create);
  elements.Register("CST", MicRadialStub::Create);
  elements.Register("TKOX", KoaxialLine::Create);
  elements.Register("SKOX", KoaxialStub::Create);
  elements.Register("STEM", TemStub::Create);
  elements.Register("TAP", TaperLine::Create);
  elements.Register("CPL", CoupledLines::Create);
  elements.Register("SLTL", SlotLineLine::Create);
  elements.Register("SLTS", SlotLineStub::Create);
  elements.Register("CPLL", CCoplanarLineLine::Create);
  elements.Register("CPLS", CCoplanarLineStub::Create);
}
