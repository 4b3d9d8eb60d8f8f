#include "editor/symbols/ElementFactory.h"

#include "editor/symbols/NetSymbol.h"

ElementFactory& ElementFactory::Global() {
  static ElementFactory factory;
  return factory;
}

void ElementFactory::Register(int type, PlacingFactory make, bool spice) {
  if (type < 0 || type >= kElementTypeCount) return;
  Makers& m = makers[static_cast<size_t>(type)];
  (spice ? m.spice : m.builtIn) = make;
  m.hasSpiceVariant = m.hasSpiceVariant || spice;
}

PlacingFactory ElementFactory::Maker(int type, bool spiceChosen) const {
  if (type < 0 || type >= kElementTypeCount) return nullptr;
  const Makers& m = makers[static_cast<size_t>(type)];
  return spiceChosen && m.hasSpiceVariant ? m.spice : m.builtIn;
}

std::unique_ptr<NetSymbol> ElementFactory::Create(int type, bool spiceChosen, const Point& start,
                                                  const Point& end) const {
  const PlacingFactory make = Maker(type, spiceChosen);
  return std::unique_ptr<NetSymbol>(make != nullptr ? make(start, end) : nullptr);
}
