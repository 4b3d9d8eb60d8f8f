#include "lines/ui/CoplanarSymbols.h"

#include <tuple>

#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/StoredValues.h"
#include "lines/models/CCoplanarLineModell.h"
#include "pf/archive.h"
#include "pf/dc.h"

namespace {

constexpr int kLine = 189;
constexpr int kShortStub = 191;
constexpr int kOpenStub = 192;
constexpr int kCross = 260;

}  // namespace

CCoplanarLineSymbol::CCoplanarLineSymbol() : MicrostripSymbol(kClassKey) { Init(); }

CCoplanarLineSymbol::CCoplanarLineSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void CCoplanarLineSymbol::Init() {
  pinCount = 2;
  layer = 'B';
  msl::ShowPicture(*this, kLine);
}

void CCoplanarLineSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(p, s2, s, w));
  substrate.Serialize(ar);
  msl::SerializeLetter(ar, kind);
}

void CCoplanarLineSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  msl::DrawValueTexts(dc, *this, MyStrng(w) + " " + s, 6, p, 19);
}

void CCoplanarLineSymbol::CopyParameters(const NetSymbol& other) {
  MicrostripSymbol::CopyParameters(other);
  if (typeid(other) == typeid(*this)) pinCount = other.pinCount;
}

void CCoplanarLineSymbol::ReloadBitmap() {
  msl::ShowPicture(*this, kind == 'S' ? kShortStub : kind == 'O' ? kOpenStub : kLine);
}

void CCoplanarLineSymbol::WriteNetLine() {
  netLine = kind == 'L' ? "CPLL" : "CPLS";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" W=") + w + " S=" + s + " P=" + p + " ";
  if (kind == 'O') netLine += "OPEN ";
  if (kind == 'S') netLine += "SHORT ";
  netLine += substrate;
}

void CCoplanarLineSymbol::ApplyModel(const CCoplanarLineModell& model) {
  w = LaeWert(model.GetStripWidth());
  s = LaeWert(model.GetGap());
  s2 = s;
  p = LaeWert(model.length);
}

CCoplanarCrossSymbol::CCoplanarCrossSymbol() : MicrostripSymbol(kClassKey) { Init(); }

CCoplanarCrossSymbol::CCoplanarCrossSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void CCoplanarCrossSymbol::Init() {
  pinCount = 3;
  variant = 'A';
  layer = 'B';
  msl::ShowPicture(*this, kCross);
}

void CCoplanarCrossSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  msl::SerializeClassKey(ar, *this);
  SerializeValueTexts(ar, *this, std::tie(w1, s1, w2, s2));
  substrate.Serialize(ar);
}

void CCoplanarCrossSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  // Variant 'C' mirrors the branch, and the two labels swap with it.
  const bool mirrored = variant == 'C';
  const bool widthFirst = (orientation == 'R' || orientation == 'O') == mirrored;
  const LabelFonts& fonts = TheLabelFonts();
  const bool lying = horizontal != 0;
  const pf::Font oldFont = dc.SelectObject(lying ? fonts.horizontal : fonts.vertical);
  const int near = -8, far = 20;
  const int wOffset = widthFirst ? near : far, sOffset = widthFirst ? far : near;
  if (lying) {
    w1.DrawText(&dc, centre.x, centre.y + wOffset, 'C');
    s1.DrawText(&dc, centre.x, centre.y + sOffset, 'C');
  } else {
    MyStrng a = w1, b = s1;
    a.TrimLeft();
    b.TrimLeft();
    a.DrawVertical(&dc, centre.x + wOffset, centre.y);
    b.DrawVertical(&dc, centre.x + sOffset, centre.y);
  }
  dc.SelectObject(oldFont);
}

void CCoplanarCrossSymbol::WriteNetLine() {
  netLine = "KTE";
  NetSymbol::WriteNetLine();
}
