#include "instruments/models/Register.h"

#include "instruments/models/DataGeneratorElement.h"
#include "instruments/models/DcGeneratorElement.h"
#include "instruments/models/SpecAnaElement.h"
#include "simulator/ElementRegistry.h"

void RegisterInstrumentModels() {
  ElementRegistry& registry = ElementRegistry::Global();
  registry.Register("DCQU", DcGeneratorElement::Create);
  registry.Register("DATG", DataGeneratorElement::Create);
  registry.Register("SPEC", SpecAnaElement::Create);
}
