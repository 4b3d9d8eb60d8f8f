#include "editor/symbols/SymbolRegistry.h"

#include <string>
#include <typeinfo>

#include "basics/RegistrationFault.h"
#include "editor/symbols/NetSymbol.h"

SymbolRegistry& SymbolRegistry::Global() {
  static SymbolRegistry registry;
  return registry;
}

namespace {
// The class a factory makes and where it was registered.
std::string Named(SymbolFactory make, const SourcePlace& where) {
  const std::unique_ptr<NetSymbol> symbol(make());
  const NetSymbol& made = *symbol;
  return ClassName(typeid(made)) + " (" + RegisteredAt(where) + ")";
}
}  // namespace

void SymbolRegistry::Register(const char* key, SymbolFactory make, SourcePlace where) {
  for (const Entry& e : entries) {
    if (e.key == key) {
      RegistrationFault("Klassenschlüssel " + std::string(key) + " zweimal registriert: " +
                        Named(e.make, e.where) + " und " + Named(make, where));
    }
  }
  entries.push_back({MyStrng(key), make, where});
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
