#include "simulator/SymbolTable.h"

bool SymbolTable::Find(const TabElement& entry) {
  if (!List<TabElement>::Find(entry)) return false;
  Error(entry.GetName() + " Symbol bereits vorhanden", 4);
  return true;
}

bool SymbolTable::Insert(const MyStrng& name, const MyStrng& value, int row) {
  const int32_t before = GetCount();
  InsertUnique(TabElement(name, value, row));
  return GetCount() > before;
}

MyStrng SymbolTable::Lookup(const MyStrng& name) const {
  MyStrng value = kNotFound;
  bool found = false;
  ForEach([&](const TabElement& entry) {
    if (!found && entry.GetName() == name) {
      value = entry.GetValue();
      found = true;
    }
  });
  return value;
}

std::vector<TabElement> SymbolTable::GetEntries() const {
  std::vector<TabElement> entries;
  entries.reserve(static_cast<size_t>(GetCount()));
  ForEach([&](const TabElement& entry) { entries.push_back(entry); });
  return entries;
}
