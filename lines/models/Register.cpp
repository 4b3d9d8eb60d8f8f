#include "lines/models/Register.h"

#include "lines/models/MicroStripCorner.h"
#include "lines/models/MicroStripStep.h"
#include "lines/models/MslToSlotElement.h"
#include "lines/models/Substrat.h"
#include "lines/models/SymMslTee.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"

void RegisterLineModels() {
  DataObjectRegistry::Global().Register("MS", Substrat::Create);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("STEP", MicroStripStep::Create);
  elements.Register("BEND", MicroStripCorner::Create);
  elements.Register("TEE", SymMslTee::Create);
  elements.Register("MSTSL", MslToSlotElement::Create);
}
