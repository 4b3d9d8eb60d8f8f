#include "simulator/SymbolTable.h"

bool SymbolTable::Find(const TabElement& entry) {
  if (entry.IsRow()) return false;
  const auto hit = index.find(entry.GetName().GetBuffer());
  if (hit == index.end() || hit->second->value.IsRow()) return false;
  cursor = hit->second;
  Error(entry.GetName() + " Symbol bereits vorhanden", 4);
  return true;
}

void SymbolTable::InsertUnique(const TabElement& entry) {
  if (Find(entry)) return;
  List<TabElement>::Append(entry);
  const auto [slot, added] = index.emplace(tail->value.GetName().GetBuffer(), tail);
  if (!added && !entry.IsRow()) slot->second = tail;
}

void SymbolTable::RemoveAll() {
  List<TabElement>::RemoveAll();
  index.clear();
}

bool SymbolTable::Insert(const MyStrng& name, const MyStrng& value, int row) {
  const int32_t before = GetCount();
  InsertUnique(TabElement(name, value, row));
  return GetCount() > before;
}

MyStrng SymbolTable::Lookup(const MyStrng& name) const {
  const auto hit = index.find(name.GetBuffer());
  return hit == index.end() ? MyStrng(kNotFound) : hit->second->value.GetValue();
}

std::vector<TabElement> SymbolTable::GetEntries() const {
  std::vector<TabElement> entries;
  entries.reserve(static_cast<size_t>(GetCount()));
  ForEach([&](const TabElement& entry) { entries.push_back(entry); });
  return entries;
}
