#include "editor/symbols/ElementFactory.h"

#include <string>
#include <string_view>

#include "basics/RegistrationFault.h"
#include "editor/symbols/NetSymbol.h"

ElementFactory& ElementFactory::Global() {
  static ElementFactory factory;
  return factory;
}

namespace {
std::string Named(const char* key, const SourcePlace& where) {
  return std::string(key) + " (" + RegisteredAt(where) + ")";
}
}  // namespace

void ElementFactory::Register(int type, const char* key, PlacingFactory make, bool spice,
                              SourcePlace where) {
  if (type < 0 || type >= kElementTypeCount) {
    RegistrationFault("Elementtyp " + std::to_string(type) + " außerhalb der Elementtypen 0 bis " +
                      std::to_string(kElementTypeCount - 1) + ": " + Named(key, where));
  }
  Variants& variants = types[static_cast<size_t>(type)];
  Registered& slot = spice ? variants.spice : variants.builtIn;
  if (slot.make != nullptr) {
    RegistrationFault("Elementtyp " + std::to_string(type) + (spice ? " (Spice)" : "") +
                      " zweimal registriert: " + Named(slot.key, slot.where) + " und " +
                      Named(key, where));
  }
  slot = {make, key, where};
}

void ElementFactory::RegisterDeclared(const char* key, PlacingFactory make,
                                      SourcePlace where) {
  const std::string_view named(key);
  bool declared = false;
  for (const ElementDeclaration& e : kElementDeclarations) {
    const bool builtIn = named == e.classKey;
    const bool spice = e.spiceKey != nullptr && named == e.spiceKey;
    if (builtIn || spice) Register(e.type, key, make, spice, where);
    declared = declared || builtIn || spice;
  }
  if (!declared) undeclared.emplace_back(key);
}

PlacingFactory ElementFactory::Maker(int type, bool spiceChosen) const {
  if (type < 0 || type >= kElementTypeCount) return nullptr;
  const Variants& variants = types[static_cast<size_t>(type)];
  return spiceChosen && variants.spice.make != nullptr ? variants.spice.make
                                                      : variants.builtIn.make;
}

std::unique_ptr<NetSymbol> ElementFactory::Create(int type, bool spiceChosen, const Point& start,
                                                  const Point& end) const {
  const PlacingFactory make = Maker(type, spiceChosen);
  return std::unique_ptr<NetSymbol>(make != nullptr ? make(start, end) : nullptr);
}

std::vector<ElementFactory::Placement> ElementFactory::Placements() const {
  std::vector<Placement> placements;
  for (int type = 0; type < kElementTypeCount; ++type) {
    const Variants& variants = types[static_cast<size_t>(type)];
    if (variants.builtIn.make != nullptr) placements.push_back({type, false, variants.builtIn.key});
    if (variants.spice.make != nullptr) placements.push_back({type, true, variants.spice.key});
  }
  return placements;
}
