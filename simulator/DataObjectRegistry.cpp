#include "simulator/DataObjectRegistry.h"

#include <string>
#include <utility>

#include "basics/RegistrationFault.h"

DataObjectRegistry& DataObjectRegistry::Global() {
  static DataObjectRegistry registry;
  return registry;
}

void DataObjectRegistry::Add(Kind kind) {
  if (const Kind* taken = Find(kind.keyword)) {
    RegistrationFault("DATA-Schlüsselwort " + std::string(kind.keyword.GetBuffer()) +
                      " zweimal registriert: " + RegisteredAt(taken->where) + " und " +
                      RegisteredAt(kind.where));
  }
  kinds.push_back(std::move(kind));
}

void DataObjectRegistry::Register(const char* keyword, DataObjectFactory make,
                                  SourcePlace where) {
  Add(Kind{keyword, make, nullptr, false, where});
}

void DataObjectRegistry::RegisterTable(const char* keyword, DataObjectFactory onePort,
                                       DataObjectFactory twoPort, SourcePlace where) {
  Add(Kind{keyword, onePort, twoPort, true, where});
}

const DataObjectRegistry::Kind* DataObjectRegistry::Find(const MyStrng& keyword) const {
  for (const Kind& kind : kinds) {
    if (kind.keyword == keyword) return &kind;
  }
  return nullptr;
}
