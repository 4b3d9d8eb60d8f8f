#pragma once
// Class key -> symbol factory of the document: a saved record names its class by key, and the
// key's default-constructed symbol then reads the rest. Filled by explicit Register...() calls at
// program start and in test mains (each symbol library registers its own classes, e.g.
// RegisterFrameworkSymbols); a key that nobody registered creates nothing.
//
// Register<S>() makes a symbol class known everywhere it is looked up, from its statics:
// kClassKey (the document's key), kRuntimeClass (the class registry, where S declares its own
// runtime class; the others report their base's), kElementType (the element bar, where S is
// placed) and kSpiceVariant (placed under that type while SPICE is the chosen simulator).

#include <memory>
#include <type_traits>
#include <vector>

#include "basics/MyStrng.h"
#include "editor/symbols/ElementFactory.h"
#include "pf/object.h"

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
  // In the order of their first registration.
  std::vector<MyStrng> Keys() const;
  void Clear() { entries.clear(); }

 private:
  struct Entry {
    MyStrng key;
    SymbolFactory make = nullptr;
  };
  std::vector<Entry> entries;
};

template <class S>
void Register() {
  // A class that declares its own runtime class answers GetRuntimeClass itself.
  if constexpr (std::is_same_v<decltype(&S::GetRuntimeClass),
                               const pf::RuntimeClass* (S::*)() const>) {
    pf::ClassRegistry::Instance().Register(*S::kRuntimeClass);
  }
  SymbolRegistry::Global().Register<S>(S::kClassKey);
  if constexpr (requires { S::kElementType; }) {
    bool spice = false;
    if constexpr (requires { S::kSpiceVariant; }) spice = S::kSpiceVariant;
    ElementFactory::Global().Register<S>(S::kElementType, spice);
  }
}
