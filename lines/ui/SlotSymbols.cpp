#include "lines/ui/SlotSymbols.h"

#include <numbers>
#include <tuple>

#include "editor/symbols/StoredValues.h"
#include "pf/archive.h"

namespace {

constexpr int32_t kArchiveVersion = 2;

constexpr int kSlotLine = 179;
constexpr int kSlotOpenOnePole = 181;
constexpr int kSlotShortOnePole = 182;
constexpr int kSlotShortTwoPoles = 187;
constexpr int kSlotOpenTwoPoles = 188;
constexpr int kBendLeft = 204;
constexpr int kBendRight = 206;
constexpr int kBendLeftShortArc = 207;
constexpr int kBendRightShortArc = 208;
constexpr int kBendLeftShortKink = 211;
constexpr int kBendRightShortKink = 213;
constexpr int kCoveredLine = 215;
constexpr int kCoveredShortOnePole = 218;
constexpr int kCoveredShortTwoPoles = 219;

// "SLTL 1 2": a line, else a stub; the end word stands before the substrate.
void WriteSlotLine(NetSymbol& s, char end, const char* model, const MyStrng& w,
                   const MyStrng& p, const MyStrng& substrate) {
  s.netLine = end == 'L' ? "SLTL" : "SLTS";
  s.NetSymbol::WriteNetLine();
  s.netLine += MyStrng(model) + " W=" + w + " P=" + p + " ";
  if (end == 'O') s.netLine += "OPEN ";
  if (end == 'S') s.netLine += "SHORT ";
  s.netLine += substrate;
}

// Open and short-circuited stubs by pin count; a line keeps its picture whatever its poles.
int StubBitmap(char kind, int pins, int line, int shortOne, int shortTwo) {
  if (kind == 'S') return pins == 1 ? shortOne : shortTwo;
  if (kind == 'O') return pins == 1 ? kSlotOpenOnePole : kSlotOpenTwoPoles;
  return line;
}

}  // namespace

SlotLineSymbol::SlotLineSymbol() : MicrostripSymbol(kClassKey) { Init(); }

SlotLineSymbol::SlotLineSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void SlotLineSymbol::Init() {
  version = kArchiveVersion;
  pinCount = 2;
  layer = 'B';
  msl::ShowPicture(*this, kSlotLine);
}

void SlotLineSymbol::Serialize(pf::Archive& ar) {
  // The base's part holds the archive version that decides on the model letter.
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(w, p));
  substrate.Serialize(ar);
  msl::SerializeLetter(ar, end);
  if (version > 1) msl::SerializeLetter(ar, model);
  version = kArchiveVersion;
}

void SlotLineSymbol::UpdateGeometry() {
  MultiPolSymbol::UpdateGeometry();
  ReloadBitmap();
}

void SlotLineSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  msl::DrawValueTexts(dc, *this, w, 6, p, 19);
}

void SlotLineSymbol::CopyParameters(const NetSymbol& other) {
  MicrostripSymbol::CopyParameters(other);
  if (typeid(other) == typeid(*this)) pinCount = other.pinCount;
}

void SlotLineSymbol::ReloadBitmap() {
  msl::ShowPicture(*this,
                   StubBitmap(end, pinCount, kSlotLine, kSlotShortOnePole, kSlotShortTwoPoles));
}

void SlotLineSymbol::WriteNetLine() {
  WriteSlotLine(*this, end, model == 'C' ? " Cohn" : " Approx", w, p, substrate);
}

SltBendSymbol::SltBendSymbol() : MicrostripSymbol(kClassKey) { Init(); }

SltBendSymbol::SltBendSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void SltBendSymbol::Init() {
  version = kArchiveVersion;
  pinCount = 2;
  length = 40;
  breadth = 40;
  variant = 'C';
  layer = 'B';
  SetLength(p);
  msl::ShowPicture(*this, kBendLeft);
}

void SltBendSymbol::SetLength(const LaeWert& length) {
  p = length;
  r = LaeWert(2.0 * p.Value() / std::numbers::pi);
}

void SltBendSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(w, p, r));
  substrate.Serialize(ar);
  msl::SerializeLetter(ar, end);
  msl::SerializeInteger(ar, spare);
  msl::SerializeLetter(ar, geometry);
  if (version > 1) SerializeValueTexts(ar, *this, std::tie(kink));
  version = kArchiveVersion;
}

void SltBendSymbol::UpdateGeometry() {
  MultiPolSymbol::UpdateGeometry();
  ReloadBitmap();
}

void SltBendSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  msl::DrawValueTexts(dc, *this, w, 6, p, 19);
}

void SltBendSymbol::ReloadBitmap() {
  const bool left = variant == 'C';
  if (variant != 'B' && !left) return;
  if (end == 'L') {
    msl::ShowPicture(*this, left ? kBendLeft : kBendRight);
  } else if (end == 'S' && geometry == 'C') {
    msl::ShowPicture(*this, left ? kBendLeftShortArc : kBendRightShortArc);
  } else if (end == 'S' && geometry == 'K') {
    msl::ShowPicture(*this, left ? kBendLeftShortKink : kBendRightShortKink);
  }
}

void SltBendSymbol::WriteNetLine() { WriteSlotLine(*this, end, " Approx", w, p, substrate); }

CCoveredSlotLineSymbol::CCoveredSlotLineSymbol() : MicrostripSymbol(kClassKey) { Init(); }

CCoveredSlotLineSymbol::CCoveredSlotLineSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void CCoveredSlotLineSymbol::Init() {
  pinCount = 2;
  layer = 'B';
  msl::ShowPicture(*this, kCoveredLine);
}

void CCoveredSlotLineSymbol::Serialize(pf::Archive& ar) {
  MultiPolSymbol::Serialize(ar);
  SerializeValueTexts(ar, *this, std::tie(w, p));
  substrate.Serialize(ar);
  upper.Serialize(ar);
  msl::SerializeLetter(ar, kind);
  msl::SerializeLetter(ar, letter);
  msl::SerializeLetter(ar, layer);
}

void CCoveredSlotLineSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  msl::DrawValueTexts(dc, *this, w, 6, p, 19);
}

void CCoveredSlotLineSymbol::ReloadBitmap() {
  msl::ShowPicture(
      *this, StubBitmap(kind, pinCount, kCoveredLine, kCoveredShortOnePole, kCoveredShortTwoPoles));
}

void CCoveredSlotLineSymbol::WriteNetLine() { msl::ReportNoModel(*this); }
