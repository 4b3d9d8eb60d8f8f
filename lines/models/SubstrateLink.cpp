#include "lines/models/SubstrateLink.h"

#include "lines/models/Substrat.h"
#include "simulator/NetContext.h"
#include "simulator/NetLine.h"
#include "simulator/SymbolTable.h"

Substrat* SubstrateLink::Find(const MyStrng& line, MyStrng& name) {
  MyStrng copy(line);
  name = copy.GetTrailingWord();
  return dynamic_cast<Substrat*>(NetContext::FindDataObject(name));
}

void SubstrateLink::Check(NetLine& check) {
  MyStrng name;
  const Substrat* found = Find(check, name);
  if (NetContext::FindSymbolValue(name) == SymbolTable::kNotFound) {
    check.Error("Substrat nicht vorhanden", 4);
  } else if (found == nullptr) {
    check.Error(name + " ist kein gültiges Substrat", 4);
  } else if (!(found->GetData()->ER >= 1.0)) {
    check.Error(name + ": ER muß >= 1 sein", 4);
  } else if (!(found->GetData()->H > 0.0)) {
    check.Error(name + ": H muß > 0 sein", 4);
  }
}

bool SubstrateLink::Bind(const MyStrng& line) {
  MyStrng name;
  const Substrat* substrate = Find(line, name);
  data = substrate != nullptr ? substrate->GetData() : nullptr;
  return data != nullptr;
}
