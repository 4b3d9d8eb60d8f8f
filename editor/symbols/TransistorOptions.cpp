#include "editor/symbols/TransistorOptions.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/symbols/ContinuationLines.h"
#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/NetSymbol.h"
#include "pf/archive.h"
#include "pf/dc.h"

namespace {

bool Finite(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// Each value followed by ',' and the last one by a line feed.
template <class T, class Get>
void WriteLine(std::ostream& os, size_t count, Get get) {
  for (size_t i = 0; i < count; ++i) os << static_cast<T>(get(i)) << (i + 1 < count ? ',' : '\n');
}

}  // namespace

void AppendOptions(std::span<const TransistorOptionKey> keys,
                   std::span<const TransistorOption> options, MyStrng& netLine,
                   ContinuationLines& continuation) {
  const size_t n = std::min(keys.size(), options.size());
  for (size_t i = 0; i < n; ++i) {
    if (options[i].enabled == 0) continue;
    continuation.AppendWrapped(netLine, MyStrng(keys[i].key) + keys[i].text(options[i].value));
  }
}

bool CheckFinite(const MyStrng& elementName, std::initializer_list<double> values,
                 std::span<const TransistorOption> options) {
  const bool sound =
      std::all_of(values.begin(), values.end(), Finite) &&
      std::all_of(options.begin(), options.end(),
                  [](const TransistorOption& o) { return o.enabled == 0 || Finite(o.value); });
  if (!sound) VS_Error().Error(elementName + ": Parameterwert ungültig", 4);
  return sound;
}

void SerializeParameters(pf::Archive& ar, std::span<float> values,
                         std::span<TransistorOption> options) {
  if (ar.IsStoring()) {
    for (float v : values) ar << v;
    for (const TransistorOption& o : options) ar << o.value << o.enabled;
    return;
  }
  for (float& v : values) ar >> v;
  for (TransistorOption& o : options) ar >> o.value >> o.enabled;
  const bool sound = std::all_of(values.begin(), values.end(), Finite) &&
                     std::all_of(options.begin(), options.end(),
                                 [](const TransistorOption& o) { return Finite(o.value); });
  if (!sound) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "transistor parameter");
}

void WriteParameters(std::ostream& os, std::span<const float> values,
                     std::span<const TransistorOption> options) {
  const size_t n = values.size();
  WriteLine<float>(os, n + options.size(),
                   [&](size_t i) { return i < n ? values[i] : options[i - n].value; });
  WriteLine<int32_t>(os, options.size(), [&](size_t i) { return options[i].enabled; });
}

bool ReadParameters(std::istream& is, std::span<float> values,
                    std::span<TransistorOption> options) {
  std::vector<float> v(values.size());
  std::vector<TransistorOption> o(options.size());
  for (float& x : v) TakeValue(is, x);
  for (TransistorOption& x : o) TakeValue(is, x.value);
  for (TransistorOption& x : o) TakeValue(is, x.enabled);
  const bool sound = is && std::all_of(v.begin(), v.end(), Finite) &&
                     std::all_of(o.begin(), o.end(),
                                 [](const TransistorOption& x) { return Finite(x.value); });
  if (!sound) {
    is.setstate(std::ios::failbit);
    return false;
  }
  std::copy(v.begin(), v.end(), values.begin());
  std::copy(o.begin(), o.end(), options.begin());
  return true;
}

void WriteRecordHead(std::ostream& os, const MyStrng& classKey, int32_t version,
                     const MyStrng& typeName) {
  WriteKeyLine(os, classKey, version);
  os << typeName << '\n';
}

bool ReadRecordHead(std::istream& is, int32_t expectedVersion, MyStrng& typeName) {
  is.unsetf(std::ios::skipws);
  int32_t version = 0;
  if (TakeValue(is, version) && version == expectedVersion && TakeValue(is, typeName)) return true;
  is.setstate(std::ios::failbit);
  return false;
}

void DrawTransistor(const NetSymbol& s, pf::Dc& dc, TransistorGlyph glyph,
                    const MyStrng& typeName) {
  const Point& c = s.centre;
  const bool across = s.horizontal != 0;
  if (across) {
    glyph(&dc, c.x, c.y + 5, 20, 12, true);
  } else {
    glyph(&dc, c.x - 4, c.y, 20, 12, false);
  }
  const LabelFonts& fonts = TheLabelFonts();
  const pf::Font oldFont = dc.SelectObject(across ? fonts.horizontal : fonts.vertical);
  if (across) {
    typeName.DrawText(&dc, c.x, c.y, 'C');
  } else {
    typeName.DrawVertical(&dc, c.x + 10, c.y);
  }
  dc.SelectObject(oldFont);
}
