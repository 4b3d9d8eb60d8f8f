#include "lines/ui/TemSymbol.h"

#include <array>
#include <cctype>
#include <cstring>
#include <istream>
#include <ostream>

#include "editor/symbols/Glyphs.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"
#include "pf/dc.h"

PF_IMPLEMENT_SERIAL(TemSymbol, ZweiPolSymbol, 1)

namespace {

constexpr int kGlyphLength = 28;
constexpr int kGlyphWidth = 10;
// From the line's axis to the nearer edge of a value text.
constexpr int kLabelGap = 7;

bool IsKind(char c) { return c != '\0' && std::strchr("LOS", c) != nullptr; }

}  // namespace

TemSymbol::TemSymbol() {
  classKey = kClassKey;
  groundFree = 0;
}

TemSymbol::TemSymbol(const Point& start, const Point& end) : ZweiPolSymbol(start, end) {
  classKey = kClassKey;
  groundFree = 0;
}

void TemSymbol::Serialize(pf::Archive& ar) {
  ZweiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, Values());
  if (ar.IsStoring()) {
    ar << spare << kind << onePole;
    return;
  }
  char letter = 0;
  ar >> spare >> letter >> onePole;
  if (!IsKind(letter)) throw pf::ArchiveError(pf::ArchiveError::Kind::BadCount, "TEM line kind");
  kind = letter;
}

std::pair<MyStrng, MyStrng> TemSymbol::ZAndPWords() const {
  // The work flag and the spare text are the values-by-name mode that nothing sets yet.
  if (workFlag == 0) return {z, p};
  MyStrng rest = spareText;
  const MyStrng first = rest.GetNextToken();
  return {first, rest.RemoveNextToken().GetNextToken()};
}

void TemSymbol::Draw(pf::Dc& dc) {
  ZweiPolSymbol::Draw(dc);
  const bool lying = horizontal != 0;
  const char dir = onePole != 0
                       ? static_cast<char>(std::tolower(static_cast<unsigned char>(orientation)))
                       : orientation;
  if (kind == 'L') {
    if (onePole == 0) {
      DrawDoubleMark(&dc, centre.x, centre.y, kGlyphLength, kGlyphWidth, lying);
    }
  } else if (kind == 'O') {
    DrawLineBox(&dc, centre.x, centre.y, kGlyphLength, kGlyphWidth, dir);
  } else {
    DrawStubBox(&dc, centre.x, centre.y, kGlyphLength, kGlyphWidth, dir);
  }

  // Impedance above or right of the line, length below or left of it.
  const auto [zWord, pWord] = ZAndPWords();
  const LabelFonts& fonts = TheLabelFonts();
  const pf::Font oldFont = dc.SelectObject(lying ? fonts.horizontal : fonts.vertical);
  if (lying) {
    zWord.DrawText(&dc, centre.x, centre.y - kLabelGap, 'C');
    pWord.DrawText(&dc, centre.x, centre.y + kLabelGap + pWord.GetTextHeight(&dc), 'C');
  } else {
    zWord.DrawVertical(&dc, centre.x + kLabelGap + zWord.GetTextHeight(&dc), centre.y);
    pWord.DrawVertical(&dc, centre.x - kLabelGap, centre.y);
  }
  dc.SelectObject(oldFont);
}

void TemSymbol::CopyParameters(const NetSymbol& other) {
  const auto* same = dynamic_cast<const TemSymbol*>(&other);
  if (same == nullptr) return;
  Values() = same->Values();
  spare = same->spare;
  kind = same->kind;
  onePole = same->onePole;
}

void TemSymbol::WriteNetLine() {
  netLine = kind == 'L' ? "TRL" : "STEM";
  ZweiPolSymbol::WriteNetLine();
  const auto [zWord, pWord] = ZAndPWords();
  netLine += MyStrng(" Z=") + zWord + " P=" + pWord + " K=" + k + " A=" + a;
  if (kind == 'O') netLine += " OPEN";
  if (kind == 'S') netLine += " SHORT";
}

std::ostream& TemSymbol::WriteText(std::ostream& os) {
  os << classKey << ' ' << version << '\n';
  for (const MyStrng* v : {static_cast<const MyStrng*>(&z), static_cast<const MyStrng*>(&p),
                           static_cast<const MyStrng*>(&k), static_cast<const MyStrng*>(&a),
                           static_cast<const MyStrng*>(&f)}) {
    os << *v << ',';
  }
  os << spare << ',' << kind << ',' << onePole << '\n';
  return NetSymbol::WriteText(os);
}

std::istream& TemSymbol::ReadText(std::istream& is) {
  is.unsetf(std::ios::skipws);
  int32_t readVersion = 0;
  if (is >> readVersion) is.get();
  std::array<MyStrng, 5> texts;  // Z, P, K, A, F
  for (MyStrng& text : texts) {
    if (is >> text) is.get();
  }
  int32_t readSpare = 0;
  int32_t readOnePole = 0;
  char letter = 0;
  if (is >> readSpare) is.get();
  if (is.get(letter)) is.get();
  if (is >> readOnePole) is.get();
  if (!is || !IsKind(letter) || !NetSymbol::ReadText(is)) {
    is.setstate(std::ios::failbit);
    return is;
  }
  version = readVersion;
  z = ResWert(texts[0]);
  p = LaeWert(texts[1]);
  k = FloatWert(texts[2]);
  a = FloatWert(texts[3]);
  f = FreqWert(texts[4]);
  spare = readSpare;
  kind = letter;
  onePole = readOnePole;
  return is;
}

void TemSymbol::SetImpedance(float ohms) { z = ResWert(static_cast<double>(ohms)); }

void TemSymbol::SetLength(float metres) { p = LaeWert(static_cast<double>(metres)); }
