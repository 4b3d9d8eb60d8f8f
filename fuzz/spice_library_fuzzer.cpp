// Reads arbitrary bytes as the lines of a SPICE model library and asks it everything the
// symbols and the library dialog ask. Every listed name has its entry, an entry's text starts
// with its own line, a removal takes exactly the entry's lines, a replacement by the same text
// keeps the line count, and a card's parameter that its text does not name is absent.

#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/SpiceLibrary.h"
#include "formats/SpiceModelCard.h"

namespace {

using Kind = SpiceLibrary::Kind;

constexpr Kind kKinds[] = {Kind::Any,  Kind::Bipolar, Kind::Npn,   Kind::Pnp,  Kind::Jfet,
                           Kind::Njf,  Kind::Pjf,     Kind::Diode, Kind::OpAmp};

void Check(bool holds) {
  if (!holds) __builtin_trap();
}

void Exercise(const SpiceLibrary& original, const MyStrng& name) {
  const bool model = original.HasModel(name);
  const bool subckt = original.HasSubckt(name);
  Check(model || subckt);
  LineFile card;
  original.GetModelCard(name, card);
  Check((card.GetCount() > 0) == model);
  // The diode's parameters, as its built-in line reads them from the card (upper case).
  for (const char* key : {"IS", "N", "RS"}) {
    bool named = false;
    card.ForEach([&](const MyStrng& line) {
      named = named || line.ToCString().find(key) != std::string::npos;
    });
    Check(named || spice_card::Parameter(card, key, -1.0) == -1.0);
  }
  LineFile block;
  original.GetSubcktBlock(name, block);
  Check((block.GetCount() > 0) == subckt);

  // Copies, not assignments: an assigned line file keeps its own lines in front.
  SpiceLibrary removed(original);
  removed.RemoveModel(name);
  Check(removed.GetCount() == original.GetCount() - card.GetCount());
  SpiceLibrary cut(original);
  cut.RemoveSubckt(name);
  Check(cut.GetCount() == original.GetCount() - block.GetCount());
  SpiceLibrary replaced(original);
  replaced.ReplaceModel(name, card);
  Check(replaced.GetCount() == original.GetCount());
  Check(replaced.HasModel(name) == model);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SpiceLibrary library;
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  // Few lines keep each run quick; the interesting cases need only a handful.
  for (int lines = 0; start <= text.size() && lines < 64; ++lines) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    library.AddLine(MyStrng(text.substr(start, end - start)));
    start = end + 1;
  }
  LineFile all;
  library.GetAllNames(all);
  for (const Kind kind : kKinds) {
    LineFile names;
    library.GetNames(kind, names);
    // Every kind's names are among all names.
    Check(names.GetCount() <= all.GetCount());
    names.ForEach([&library](const MyStrng& name) { Exercise(library, name); });
  }
  all.ForEach([&library](const MyStrng& name) { Exercise(library, name); });
  return 0;
}
