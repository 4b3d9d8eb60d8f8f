#include "simulator/ElementRegistry.h"

#include <cstring>

ElementRegistry& ElementRegistry::Global() {
  static ElementRegistry registry;
  return registry;
}

namespace {
// Every line of a netlist is looked up: the first letter rules out most keywords without a call.
bool SameWord(const char* a, const char* b) { return a[0] == b[0] && std::strcmp(a, b) == 0; }
}  // namespace

bool ElementRegistry::IsKeyword(const MyStrng& word) {
  for (const char* keyword : kKeywords) {
    if (SameWord(word.GetBuffer(), keyword)) return true;
  }
  return false;
}

ElementRegistry::Entry* ElementRegistry::Slot(const char* keyword) {
  if (!IsKeyword(keyword)) return nullptr;
  for (Entry& entry : entries) {
    if (entry.keyword == keyword) return &entry;
  }
  entries.push_back(Entry{keyword});
  return &entries.back();
}

bool ElementRegistry::Register(const char* keyword, ElementFactory make) {
  Entry* entry = Slot(keyword);
  if (entry != nullptr) entry->make = make;
  return entry != nullptr;
}

bool ElementRegistry::RegisterDataVariant(const char* keyword, ElementFactory make) {
  Entry* entry = Slot(keyword);
  if (entry != nullptr) entry->makeOnData = make;
  return entry != nullptr;
}

ElementFactory ElementRegistry::Find(const MyStrng& keyword, bool namesDataEntry) const {
  for (const Entry& entry : entries) {
    if (SameWord(entry.keyword.GetBuffer(), keyword.GetBuffer())) {
      return namesDataEntry && entry.makeOnData != nullptr ? entry.makeOnData : entry.make;
    }
  }
  return nullptr;
}
