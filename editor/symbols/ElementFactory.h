#pragma once
// Element type -> placing constructor of its symbol: what the element bar and the element menu
// place. The types and the class keys placed under them are declared once, in
// resources/ElementDeclarations.h; Register<S>() (editor/symbols/SymbolRegistry.h) places a
// symbol class under the declarations that name its key. A type whose symbol is not built is
// not registered, and its commands stay disabled.

#include <array>
#include <memory>
#include "basics/SourcePlace.h"
#include <vector>

#include "basics/MyStrng.h"
#include "basics/Point.h"
#include "resources/CommandIds.h"

class NetSymbol;

using PlacingFactory = NetSymbol* (*)(const Point& start, const Point& end);

class ElementFactory {
 public:
  static ElementFactory& Global();

  template <class S>
  static PlacingFactory PlacingOf() {
    return [](const Point& a, const Point& b) { return static_cast<NetSymbol*>(new S(a, b)); };
  }

  // spice: the variant placed while SPICE is the chosen simulator (the operational amplifier);
  // a type with a SPICE variant places its built-in symbol only under the built-in simulator,
  // a type without one places its symbol under both. key (kept as given: a literal or a class's
  // kClassKey) names the symbol in messages. A type outside 0 .. kElementTypeCount - 1, or a
  // second registration of a type and variant, ends the program with both named
  // (basics/RegistrationFault.h).
  void Register(int type, const char* key, PlacingFactory make, bool spice = false,
                SourcePlace where = SourcePlace::current());
  // Under every declaration that names key, as its symbol or as its SPICE variant; a key that
  // no declaration names is kept in Undeclared().
  void RegisterDeclared(const char* key, PlacingFactory make,
                        SourcePlace where = SourcePlace::current());

  bool CanPlace(int type, bool spiceChosen) const { return Maker(type, spiceChosen) != nullptr; }
  // Null for a type that cannot be placed.
  std::unique_ptr<NetSymbol> Create(int type, bool spiceChosen, const Point& start,
                                    const Point& end) const;

  struct Placement {
    int type;
    bool spice;
    const char* key;
  };
  // Every registration, in the order of the types, each type's built-in symbol first.
  std::vector<Placement> Placements() const;
  // The keys of the classes that could be placed but that no declaration names, in the order of
  // their registration.
  const std::vector<MyStrng>& Undeclared() const { return undeclared; }
  void Clear() { *this = ElementFactory(); }

 private:
  struct Registered {
    PlacingFactory make = nullptr;
    const char* key = nullptr;
    SourcePlace where;
  };
  struct Variants {
    Registered builtIn;
    Registered spice;
  };
  PlacingFactory Maker(int type, bool spiceChosen) const;

  std::array<Variants, kElementTypeCount> types{};
  std::vector<MyStrng> undeclared;
};
