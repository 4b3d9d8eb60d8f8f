#include "editor/symbols/SymbolRegistry.h"

#include "editor/symbols/NetSymbol.h"

SymbolRegistry& SymbolRegistry::Global() {
  static SymbolRegistry registry;
  return registry;
}

void SymbolRegistry::Register(const char* key, SymbolFactory make) {
  for (Entry& e : entries) {
    if (e.key == key) {
      e.make = make;
      return;
    }
  }
  entries.push_back({MyStrng(key), make});
}

std::unique_ptr<NetSymbol> SymbolRegistry::Create(const MyStrng& key) const {
  for (const Entry& e : entries) {
    if (e.key == key) return std::unique_ptr<NetSymbol>(e.make());
  }
  return nullptr;
}

std::vector<MyStrng> SymbolRegistry::Keys() const {
  std::vector<MyStrng> keys;
  keys.reserve(entries.size());
  for (const Entry& e : entries) keys.push_back(e.key);
  return keys;
}
