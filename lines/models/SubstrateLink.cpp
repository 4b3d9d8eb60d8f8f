#include "lines/models/SubstrateLink.h"

#include "lines/models/Substrat.h"
#include "simulator/NetContext.h"
#include "simulator/NetLine.h"
#include "simulator/SymbolTable.h"

namespace {

MyStrng LastWord(const MyStrng& line) { return MyStrng(line).GetTrailingWord(); }

}  // namespace

Substrat* SubstrateLink::Find(const MyStrng& line) {
  return dynamic_cast<Substrat*>(NetContext::FindDataObject(LastWord(line)));
}

void SubstrateLink::CheckName(NetLine& check, const char* message) {
  if (NetContext::FindSymbolValue(LastWord(check)) == SymbolTable::kNotFound) {
    check.Error(message, 4);
  }
}

void SubstrateLink::Check(NetLine& check) {
  const MyStrng name = LastWord(check);
  const Substrat* found = Find(check);
  if (NetContext::FindSymbolValue(name) == SymbolTable::kNotFound) {
    check.Error(kMissing, 4);
  } else if (found == nullptr) {
    check.Error(name + " ist kein gültiges Substrat", 4);
  } else if (!(found->GetData()->ER >= 1.0)) {
    check.Error(name + ": ER muß >= 1 sein", 4);
  } else if (!(found->GetData()->H > 0.0)) {
    check.Error(name + ": H muß > 0 sein", 4);
  }
}

bool SubstrateLink::Bind(const MyStrng& line) {
  const Substrat* substrate = Find(line);
  data = substrate != nullptr ? substrate->GetData() : nullptr;
  return data != nullptr;
}
