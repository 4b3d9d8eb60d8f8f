#pragma once
// Class key -> symbol factory of the document: a saved record names its class by key, and the
// key's default-constructed symbol then reads the rest. Filled by explicit Register...() calls at
// program start and in test mains (each symbol library registers its own classes, e.g.
// RegisterFrameworkSymbols); a key that nobody registered creates nothing.
//
// Register<S>() makes a symbol class known everywhere it is looked up, from its statics:
// kClassKey (the document's key), kRuntimeClass (the class registry, where S declares its own
// runtime class; the others report their base's); a class with a placing constructor is placed
// under the element declarations that name its key (resources/ElementDeclarations.h).

#include <memory>
#include "basics/SourcePlace.h"
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

  // A second registration of a key ends the program, naming both classes and where they were
  // registered (basics/RegistrationFault.h).
  void Register(const char* key, SymbolFactory make,
                SourcePlace where = SourcePlace::current());
  template <class S>
  void Register(const char* key, SourcePlace where = SourcePlace::current()) {
    Register(key, [] { return static_cast<NetSymbol*>(new S); }, where);
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
    SourcePlace where;
  };
  std::vector<Entry> entries;
};

template <class S>
void Register(SourcePlace where = SourcePlace::current()) {
  // A class that declares its own runtime class answers GetRuntimeClass itself.
  if constexpr (std::is_same_v<decltype(&S::GetRuntimeClass),
                               const pf::RuntimeClass* (S::*)() const>) {
    pf::ClassRegistry::Instance().Register(*S::kRuntimeClass);
  }
  SymbolRegistry::Global().Register<S>(S::kClassKey, where);
  if constexpr (std::is_constructible_v<S, const Point&, const Point&>) {
    ElementFactory::Global().RegisterDeclared(S::kClassKey, ElementFactory::PlacingOf<S>(), where);
  }
}
