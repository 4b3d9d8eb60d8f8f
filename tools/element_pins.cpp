// element-pins: the pins of every element type as the element bar places it, under the built-in
// simulator and under SPICE, for the manual's table of the elements (tools/element_table.py).
// Prints one line per type that can be placed: TYPE<TAB>PINS<TAB>PINS-UNDER-SPICE ('-' where the
// type has no symbol under that simulator).

#include <cstdio>
#include <string>

#include "app/startup/RegisterAll.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/NetSymbol.h"

int main() {
  RegisterAll();
  const ElementFactory& factory = ElementFactory::Global();
  for (int type = 0; type < kElementTypeCount; ++type) {
    int pins[2] = {-1, -1};
    for (const bool spice : {false, true}) {
      const auto symbol = factory.Create(type, spice, Point(100, 100), Point(200, 100));
      if (symbol != nullptr) pins[spice] = symbol->GetPinCount();
    }
    if (pins[0] < 0 && pins[1] < 0) continue;
    auto text = [](int n) { return n < 0 ? std::string("-") : std::to_string(n); };
    std::printf("%d\t%s\t%s\n", type, text(pins[0]).c_str(), text(pins[1]).c_str());
  }
  return 0;
}
