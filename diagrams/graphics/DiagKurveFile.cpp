// The curve's persistent forms: the curve file, the text form of instrument streams and the
// data text of the clipboard.

#include <istream>
#include <ostream>

#include "basics/FloatWert.h"
#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "diagrams/graphics/DiagKurve.h"
#include "pf/archive.h"

namespace {

constexpr const char* kBannerRule = "!------------------------------------!";

// Columns 1..3, or none on a curve without points.
bool ValidShape(int64_t n, int64_t k) {
  return n >= 0 && n <= DiagKurve::kMaxPoints &&
         ((k >= 1 && k <= DiagKurve::kMaxColumns) || (n == 0 && k == 0));
}

// Reads values one by one, so that memory grows only with what the stream really holds.
bool ReadValues(std::istream& is, int n, std::vector<float>& out) {
  for (int i = 0; i < n; ++i) {
    float v = 0.0f;
    if (!(is >> v)) return false;
    is.get();
    out.push_back(v);
  }
  return true;
}

}  // namespace

void DiagKurve::Serialize(pf::Archive& ar) {
  DiagBaseElement::Serialize(ar);
  pointSymbol->Serialize(ar);
  startSymbol->Serialize(ar);
  endSymbol->Serialize(ar);
  SerializeText(ar, network);
  SerializeText(ar, date);
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(visible) << style << static_cast<int32_t>(endMarkers)
       << static_cast<int32_t>(stabCircle) << static_cast<int32_t>(symbolInterval)
       << static_cast<int32_t>(count) << static_cast<int32_t>(columns);
    for (float v : x) ar << v;
    for (int c = 0; c < columns; ++c) {
      for (float v : y[static_cast<size_t>(c)]) ar << v;
    }
    return;
  }
  int32_t v = 0;
  char s = 0;
  int32_t e = 0;
  int32_t sc = 0;
  int32_t interval = 0;
  int32_t n = 0;
  int32_t k = 0;
  ar >> v >> s >> e >> sc >> interval >> n >> k;
  // A symbol step of 0 would never leave the loops of the point style.
  if (!ValidShape(n, k) || interval < 1 || interval > kMaxPoints) {
    throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "bad curve table");
  }
  ar.CheckCount(n, kMaxPoints, sizeof(float) * static_cast<size_t>(1 + k));
  visible = v;
  style = s;
  endMarkers = e;
  stabCircle = sc;
  symbolInterval = interval;
  Free();
  if (k != 0) Allocate(n, k);
  // The archive refuses a point that is no finite number. Any finite one is taken: the analyser
  // itself stores a short's admittance as 3.4e38 and an unbounded circle's radius as the float
  // maximum, and the diagrams bound every point they map (to their grid or chart).
  for (float& value : x) ar >> value;
  for (int c = 0; c < columns; ++c) {
    for (float& value : y[static_cast<size_t>(c)]) ar >> value;
  }
}

bool DiagKurve::Load(pf::Archive& ar) {
  try {
    Serialize(ar);
    return true;
  } catch (const pf::ArchiveError&) {
    Free();
    VS_Error().Error("Kurve konnte nicht geladen werden", 4);
    return false;
  }
}

void DiagKurve::WriteText(std::ostream& os) const {
  GrafElement::WriteText(os);
  os << elementName << '\n'
     << count << ',' << columns << ',' << cursor << '\n'
     << endMarkers << '\n';
  if (endMarkers != 0) {
    startSymbol->WriteText(os);
    endSymbol->WriteText(os);
  }
  // The 11th value ends the first line, every 10th after it one more.
  for (int i = 0; i < count; ++i) {
    const int position = i + 1;
    os << x[static_cast<size_t>(i)] << (position > 1 && position % 10 == 1 ? '\n' : ',');
  }
  for (int i = 0; i < count; ++i) {
    for (int c = 0; c < columns; ++c)
      os << y[static_cast<size_t>(c)][static_cast<size_t>(i)] << ',';
  }
}

void DiagKurve::ReadText(std::istream& is) {
  TextFields base;
  MyStrng curveName;
  int n = 0;
  int k = 0;
  int at = 0;
  int e = 0;
  if (!ParseText(is, base)) return;
  is >> curveName;
  is.get();
  if (!ReadInt(is, n) || !ReadInt(is, k) || !ReadInt(is, at) || !ReadInt(is, e)) return;
  if (!ValidShape(n, k) || at < 0 || at > n) {
    is.setstate(std::ios::failbit);
    return;
  }
  auto start = std::make_unique<GrafikSymbol>(owner);
  auto end = std::make_unique<GrafikSymbol>(owner);
  if (e != 0) {
    start->ReadText(is);
    end->ReadText(is);
  }
  std::vector<float> xs;
  std::vector<float> points;
  if (!is || !ReadValues(is, n, xs) || !ReadValues(is, n * k, points)) {
    is.setstate(std::ios::failbit);
    return;
  }
  ApplyText(base);
  elementName = curveName;
  if (e != 0) {
    startSymbol = std::move(start);
    endSymbol = std::move(end);
  }
  endMarkers = e;
  Free();
  if (k != 0) Allocate(n, k);
  cursor = at;
  x = std::move(xs);
  for (int i = 0; i < n; ++i) {
    for (int c = 0; c < k; ++c) {
      y[static_cast<size_t>(c)][static_cast<size_t>(i)] = points[static_cast<size_t>(i * k + c)];
    }
  }
}

void DiagKurve::WriteDataText(LineFile& out) const {
  out.AddLine(kBannerRule);
  out.AddLine(MyStrng("! Kurve: ") + elementName);
  out.AddLine(MyStrng("! Diagramm: ") + kind);
  out.AddLine(MyStrng("! Punkte: ") + MyStrng(count));
  out.AddLine(kBannerRule);
  out.AddLine(MyStrng("! Netzwerk: ") + network);
  out.AddLine(MyStrng("! Datum: ") + date);
  out.AddLine(kBannerRule);
  for (int i = 0; i < count; ++i) {
    MyStrng line = FloatWert(GetX(i)) + "\t";
    for (int c = 0; c < columns; ++c) line += FloatWert(Get(y[static_cast<size_t>(c)], i)) + "\t";
    out.AddLine(line);
  }
}

void DiagKurve::CopyDataToClipboard(pf::Window* window) const {
  LineFile text;
  WriteDataText(text);
  text.CopyToClipboard(window);
}
