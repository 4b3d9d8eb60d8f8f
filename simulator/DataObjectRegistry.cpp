#include "simulator/DataObjectRegistry.h"

DataObjectRegistry& DataObjectRegistry::Global() {
  static DataObjectRegistry registry;
  return registry;
}

DataObjectRegistry::Kind& DataObjectRegistry::Slot(const char* keyword) {
  for (Kind& kind : kinds) {
    if (kind.keyword == keyword) return kind;
  }
  kinds.push_back(Kind{keyword});
  return kinds.back();
}

void DataObjectRegistry::Register(const char* keyword, DataObjectFactory make) {
  Slot(keyword) = Kind{keyword, make, nullptr, false};
}

void DataObjectRegistry::RegisterTable(const char* keyword, DataObjectFactory onePort,
                                       DataObjectFactory twoPort) {
  Slot(keyword) = Kind{keyword, onePort, twoPort, true};
}

const DataObjectRegistry::Kind* DataObjectRegistry::Find(const MyStrng& keyword) const {
  for (const Kind& kind : kinds) {
    if (kind.keyword == keyword) return &kind;
  }
  return nullptr;
}
