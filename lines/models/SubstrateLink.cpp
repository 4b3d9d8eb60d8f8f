#include "lines/models/SubstrateLink.h"

#include "lines/models/Substrat.h"
#include "simulator/NetContext.h"
#include "simulator/NetLine.h"
#include "simulator/SymbolTable.h"

MyStrng SubstrateLink::Name(const MyStrng& line) { return GetTrailingName(line); }

MyStrng SubstrateLink::Missing(const char* message, const MyStrng& line) {
  const MyStrng name = Name(line);
  return name.IsEmpty() ? MyStrng(message) : MyStrng(message) + ": " + name;
}

Substrat* SubstrateLink::Find(const MyStrng& line) {
  const MyStrng name = Name(line);
  if (name.IsEmpty()) return nullptr;
  return dynamic_cast<Substrat*>(NetContext::FindDataObject(name));
}

void SubstrateLink::CheckName(NetLine& check, const char* message) {
  const MyStrng name = Name(check);
  if (name.IsEmpty() || NetContext::FindSymbolValue(name) == SymbolTable::kNotFound) {
    check.Error(Missing(message, check), 4);
  }
}

void SubstrateLink::Check(NetLine& check) {
  const MyStrng name = Name(check);
  if (name.IsEmpty() || NetContext::FindSymbolValue(name) == SymbolTable::kNotFound) {
    check.Error(Missing(kMissing, check), 4);
  } else if (Find(check) == nullptr) {
    // Another kind of entry, or a substrate whose values the reader refused (and reported).
    check.Error(name + " ist kein gültiges Substrat", 4);
  }
}

bool SubstrateLink::Bind(const MyStrng& line) {
  const Substrat* substrate = Find(line);
  data = substrate != nullptr ? substrate->GetData() : nullptr;
  return data != nullptr;
}
