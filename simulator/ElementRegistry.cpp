#include "simulator/ElementRegistry.h"

ElementRegistry& ElementRegistry::Global() {
  static ElementRegistry registry;
  return registry;
}

bool ElementRegistry::IsKeyword(const MyStrng& word) {
  for (const char* keyword : kKeywords) {
    if (word == keyword) return true;
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
    if (entry.keyword == keyword) {
      return namesDataEntry && entry.makeOnData != nullptr ? entry.makeOnData : entry.make;
    }
  }
  return nullptr;
}
