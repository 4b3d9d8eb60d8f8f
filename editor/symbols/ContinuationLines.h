#pragma once
// Continuation lines of a long netlist line: text that would make the line (or the last
// continuation line) longer than 70 characters starts a new line "+" followed by the text. A
// symbol class with long parameter lists holds one and forwards its extra-line operations here.

#include <vector>

#include "basics/MyStrng.h"

class ContinuationLines {
 public:
  static constexpr int kLimit = 70;

  // Appends to netLine while no continuation line is open, else to the last continuation line.
  void AppendWrapped(MyStrng& netLine, const MyStrng& text);
  int Count() const { return static_cast<int>(lines.size()); }
  // "noLines" outside 0..Count() - 1.
  MyStrng Get(int index) const;
  void Clear() { lines.clear(); }
  // The netlist line's length plus each continuation line's with its line break.
  int TotalLength(const MyStrng& netLine) const;

 private:
  std::vector<MyStrng> lines;
};
