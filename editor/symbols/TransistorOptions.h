#pragma once
// What the two small-signal transistor symbols share: the optional elements of their models
// (each a value and an enable flag, written as key and value text behind the required
// parameters), their stored forms, and the glyph with the type name.

#include <cstdint>
#include <initializer_list>
#include <istream>
#include <ostream>
#include <span>

#include "basics/MyStrng.h"
#include "editor/symbols/SymbolText.h"

namespace pf {
class Archive;
class Dc;
}  // namespace pf

class ContinuationLines;
class NetSymbol;

struct TransistorOption {
  float value = 0.0f;
  int32_t enabled = 0;
};

struct TransistorOptionKey {
  const char* key;            // with its blank and '=', e.g. " CDS="
  MyStrng (*text)(double);    // the value as its unit class prints it
};

template <class W>
MyStrng ValueText(double v) {
  return W(v);
}

// Key and value text of every enabled option, in table order, through the continuation lines.
void AppendOptions(std::span<const TransistorOptionKey> keys,
                   std::span<const TransistorOption> options, MyStrng& netLine,
                   ContinuationLines& continuation);

// True when the values and every enabled option are finite in single precision, as the
// simulator reads them; else reports it for the element.
bool CheckFinite(const MyStrng& elementName, std::initializer_list<double> values,
                 std::span<const TransistorOption> options);

// Archive form: the values (32-bit floats), then value and flag (int32) of each option.
// Throws pf::ArchiveError when a value read is not finite.
void SerializeParameters(pf::Archive& ar, std::span<float> values,
                         std::span<TransistorOption> options);

// Text form: the values and the option values comma-separated on one line, the option flags on
// the next. ReadParameters fills the spans only when the whole part reads and is finite.
void WriteParameters(std::ostream& os, std::span<const float> values,
                     std::span<const TransistorOption> options);
bool ReadParameters(std::istream& is, std::span<float> values, std::span<TransistorOption> options);

// The key, a blank and the version on the first line, the type name on the second.
void WriteRecordHead(std::ostream& os, const MyStrng& classKey, int32_t version,
                     const MyStrng& typeName);
// Version and type name (the caller has taken the key); false unless the version is the
// expected one.
bool ReadRecordHead(std::istream& is, int32_t expectedVersion, MyStrng& typeName);

using TransistorGlyph = void (*)(pf::Dc*, int, int, int, int, bool);

// The glyph inside the body and the type name over it.
void DrawTransistor(const NetSymbol& s, pf::Dc& dc, TransistorGlyph glyph,
                    const MyStrng& typeName);
