#include "lines/models/Register.h"

#include "lines/models/CCoplanarLineLine.h"
#include "lines/models/SlotLineLine.h"
#include "lines/models/Substrat.h"
#include "simulator/DataObjectRegistry.h"
#include "simulator/ElementRegistry.h"

void RegisterLineModels() {
  DataObjectRegistry::Global().Register("MS", Substrat::Create);
  ElementRegistry& elements = ElementRegistry::Global();
  elements.Register("SLTL", SlotLineLine::Create);
  elements.Register("SLTS", SlotLineStub::Create);
  elements.Register("CPLL", CCoplanarLineLine::Create);
  elements.Register("CPLS", CCoplanarLineStub::Create);
}
