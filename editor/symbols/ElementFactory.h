#pragma once
// Element type -> placing constructor of its symbol: what the element bar and the element menu
// place. Filled by explicit Register...() calls beside the class keys; a type whose symbol is
// not built is not registered, and its commands stay disabled.

#include <array>
#include <memory>

#include "basics/Point.h"
#include "resources/CommandIds.h"

class NetSymbol;

using PlacingFactory = NetSymbol* (*)(const Point& start, const Point& end);

class ElementFactory {
 public:
  static ElementFactory& Global();

  // spice: the variant placed while SPICE is the chosen simulator (the operational amplifier);
  // a type with a SPICE variant only is not placed under the built-in simulator and vice versa.
  void Register(int type, PlacingFactory make, bool spice = false);
  template <class S>
  void Register(int type, bool spice = false) {
    Register(
        type, [](const Point& a, const Point& b) { return static_cast<NetSymbol*>(new S(a, b)); },
        spice);
  }
  bool CanPlace(int type, bool spiceChosen) const { return Maker(type, spiceChosen) != nullptr; }
  // Null for a type that cannot be placed.
  std::unique_ptr<NetSymbol> Create(int type, bool spiceChosen, const Point& start,
                                    const Point& end) const;
  void Clear() { makers = {}; }

 private:
  PlacingFactory Maker(int type, bool spiceChosen) const;

  struct Makers {
    PlacingFactory builtIn = nullptr;
    PlacingFactory spice = nullptr;
    bool hasSpiceVariant = false;
  };
  std::array<Makers, kElementTypeCount> makers{};
};
