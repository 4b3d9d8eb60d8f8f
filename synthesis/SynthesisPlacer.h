#pragma once
// How the filter builders put symbols into the circuit. A builder makes its symbols (each gets
// its geometry at once, then its values), keeps what it keeps of the circuit, and then places
// the lot: appended in order through the document (default names, the document modified), each
// taking its grid area, every symbol told the view. When a value was not positive and finite,
// nothing is placed or removed and a message is queued.

#include <memory>
#include <vector>

#include "basics/Point.h"
#include "editor/symbols/NetSymbol.h"

class CVostraneView;

class SynthesisPlacer {
 public:
  explicit SynthesisPlacer(CVostraneView& view);
  ~SynthesisPlacer();
  SynthesisPlacer(const SynthesisPlacer&) = delete;
  SynthesisPlacer& operator=(const SynthesisPlacer&) = delete;

  template <class S>
  S& Make(const Point& start, const Point& end) {
    auto symbol = std::make_unique<S>(start, end);
    S& made = *symbol;
    Append(std::move(symbol));
    return made;
  }
  // A symbol of the circuit that stays in it through a rewriting.
  void Keep(NetSymbol& symbol) { entries.push_back({&symbol, nullptr}); }

  // The value in the single precision that the symbols are given; a value that is not
  // positive and finite spoils the placing.
  float Checked(double value);

  // Appends to the circuit; false when nothing was placed.
  bool Place();
  // The circuit's symbols that were not kept are deleted, and the made and kept ones take
  // their place; false when the circuit stays as it was.
  bool Rewrite();

 private:
  struct Entry {
    NetSymbol* symbol;
    std::unique_ptr<NetSymbol> made;  // null for a kept symbol
  };
  void Append(std::unique_ptr<NetSymbol> symbol);
  bool Refused() const;

  CVostraneView& view;
  std::vector<Entry> entries;
  bool badValue = false;
};
