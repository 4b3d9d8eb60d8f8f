#pragma once
// Class key -> symbol factory of the document: a saved record names its class by key, and the
// key's default-constructed symbol then reads the rest. Filled by explicit Register...() calls at
// program start and in test mains (each symbol library registers its own classes, e.g.
// RegisterFrameworkSymbols); a key that nobody registered creates nothing.

#include <memory>
#include <vector>

#include "basics/MyStrng.h"

class NetSymbol;

using SymbolFactory = NetSymbol* (*)();

class SymbolRegistry {
 public:
  static SymbolRegistry& Global();

  // A second registration of a key replaces the first.
  void Register(const char* key, SymbolFactory make);
  template <class S>
  void Register(const char* key) {
    Register(key, [] { return static_cast<NetSymbol*>(new S); });
  }
  // Keys compare byte for byte; null for a key that is not registered.
  std::unique_ptr<NetSymbol> Create(const MyStrng& key) const;
  bool IsRegistered(const MyStrng& key) const;
  void Clear() { entries.clear(); }

 private:
  struct Entry {
    MyStrng key;
    SymbolFactory make = nullptr;
  };
  std::vector<Entry> entries;
};
