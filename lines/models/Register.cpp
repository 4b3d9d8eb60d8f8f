#include "lines/models/Register.h"

#include "lines/models/Substrat.h"
#include "simulator/DataObjectRegistry.h"

void RegisterLineModels() { DataObjectRegistry::Global().Register("MS", Substrat::Create); }
