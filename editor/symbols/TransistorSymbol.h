#pragma once
// The frame of the two small-signal transistor symbols: a three-pin body with its glyph and the
// type name over it, N optional elements behind the required parameters, and the continuation
// lines that a long option list fills. It has no run-time class of its own: each transistor
// reports the three-pole base as its parent.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "editor/symbols/ContinuationLines.h"
#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/TransistorOptions.h"

template <size_t N>
class TransistorSymbol : public DreiPolSymbol {
 public:
  static constexpr size_t kOptionCount = N;

  void Draw(pf::Dc& dc) override {
    DreiPolSymbol::Draw(dc);
    DrawTransistor(*this, dc, glyph, typeName);
  }
  int GetExtraLineCount() const override { return continuation.Count(); }
  MyStrng GetExtraLine(int index) const override { return continuation.Get(index); }
  void ClearExtraLines() override { continuation.Clear(); }
  int GetNetLineLength() const override { return continuation.TotalLength(netLine); }

  MyStrng typeName;
  std::array<TransistorOption, N> options{};

 protected:
  TransistorSymbol(const Point& start, const Point& end, const char* key, int32_t recordVersion,
                   const char* type, TransistorGlyph picture)
      : DreiPolSymbol(start, end), typeName(type), glyph(picture) {
    classKey = key;
    version = recordVersion;
  }

  // The enabled options behind the required parameters of the netlist line.
  void AppendOptions(std::span<const TransistorOptionKey> keys) {
    ::AppendOptions(keys, options, netLine, continuation);
  }

  ContinuationLines continuation;

 private:
  TransistorGlyph glyph;
};
