#include "lines/ui/KoaxSymbol.h"

#include <cstring>
#include <istream>
#include <ostream>

#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "editor/symbols/SymbolText.h"
#include "lines/ui/MicrostripSupport.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(KoaxSymbol, EinPolSymbol, 1)

namespace {

bool IsKind(char c) { return c != '\0' && std::strchr("TOS", c) != nullptr; }

}  // namespace

KoaxSymbol::KoaxSymbol() { Init(); }

KoaxSymbol::KoaxSymbol(const Point& start, const Point& end) : EinPolSymbol(start, end) {
  Init();
}

void KoaxSymbol::Init() {
  classKey = kClassKey;
  groundFree = 0;
  pinCount = 2;
}

void KoaxSymbol::SetKind(char letter, int pins) {
  kind = letter;
  isLine = pins == 2 ? 1 : 0;
  pinCount = pins;
}

void KoaxSymbol::SetLine() { SetKind('T', 2); }
void KoaxSymbol::SetOpenStub() { SetKind('O', 1); }
void KoaxSymbol::SetShortStub() { SetKind('S', 1); }

void KoaxSymbol::Serialize(pf::Archive& ar) {
  EinPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(innerD, outerD, lineLength, er, tanD));
  metal.Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(foilThickness, foilConductivity));
  if (ar.IsStoring()) {
    ar << kind << isLine << foil;
    return;
  }
  char letter = 0;
  ar >> letter >> isLine >> foil;
  if (!IsKind(letter)) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "coax kind");
  kind = letter;
}

void KoaxSymbol::Draw(pf::Dc& dc) {
  EinPolSymbol::Draw(dc);
  const bool lying = horizontal != 0;
  const int glyphLength = static_cast<int>(0.8 * length);
  const int glyphBreadth = static_cast<int>(0.3 * breadth);
  // A line and an open stub leave the far end open; a short keeps its bar there.
  const char open = kind == 'S' ? 'K' : orientation;
  DrawCoaxGlyph(&dc, centre.x, centre.y, glyphLength, glyphBreadth, lying, open);
  if (kind == 'T') {
    dc.MoveTo(centre.x, centre.y);
    dc.LineTo(pins[1].x, pins[1].y);
  }
  msl::DrawValueTexts(dc, *this, outerD, breadth / 2, innerD, breadth / 2 + 10);
}

void KoaxSymbol::CopyParameters(const NetSymbol& other) {
  const auto* same = dynamic_cast<const KoaxSymbol*>(&other);
  if (same == nullptr) return;
  std::tie(innerD, outerD, lineLength, er, tanD, foilThickness, foilConductivity) =
      std::tie(same->innerD, same->outerD, same->lineLength, same->er, same->tanD,
               same->foilThickness, same->foilConductivity);
  SetKind(same->kind, same->pinCount);
  metal = same->metal;
  foil = same->foil;
}

void KoaxSymbol::WriteNetLine() {
  netLine = kind == 'T' ? "TKOX" : "SKOX";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" GD=") + outerD + " KD=" + innerD + " P=" + lineLength + " ER=" + er +
             " TD=" + tanD + " " + metal + " ";
  if (kind == 'O') netLine += " OPEN";
  if (kind == 'S') netLine += " SHORT";
}

std::ostream& KoaxSymbol::WriteText(std::ostream& os) {
  WriteKeyLine(os, classKey, version);
  os << outerD << ' ' << innerD << ' ' << lineLength << '\n';
  os << er << ' ' << tanD << ' ' << metal << '\n';
  os << kind << ' ' << isLine << '\n';
  return NetSymbol::WriteText(os);
}

std::istream& KoaxSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t readVersion = 0;
  MyStrng texts[5];  // D, d, length, eps_r, tan delta
  MyStrng readMetal;
  char letter = 0;
  int32_t readLine = 0;
  TakeValue(is, readVersion);
  for (MyStrng& text : texts) TakeValue(is, text);
  TakeValue(is, readMetal);
  TakeValue(is, letter);
  TakeValue(is, readLine);
  const LaeWert d1(texts[0]), d2(texts[1]), len(texts[2]);
  const FloatWert e(texts[3]), t(texts[4]);
  const bool finite = GivesFiniteNumber(d1) && GivesFiniteNumber(d2) && GivesFiniteNumber(len) &&
                      GivesFiniteNumber(e) && GivesFiniteNumber(t);
  if (!is || !finite || !IsKind(letter) || !NetSymbol::ReadText(is)) {
    is.setstate(std::ios::failbit);
    return is;
  }
  version = readVersion;
  outerD = d1;
  innerD = d2;
  lineLength = len;
  er = e;
  tanD = t;
  metal = readMetal;
  kind = letter;
  isLine = readLine;
  return is;
}
