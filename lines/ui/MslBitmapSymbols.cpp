#include "lines/ui/MslBitmapSymbols.h"

PF_IMPLEMENT_SERIAL(MslCornerSymbol, MultiPolSymbol, 1)

namespace {

constexpr int kSize = 40;
constexpr int kTeeBranchLeft = 198;
constexpr int kTeeBranchRight = 199;
constexpr int kCross = 203;
constexpr int kCornerRightSquare = 193;
constexpr int kCornerLeftSquare = 194;
constexpr int kCornerLeftMitred = 195;
constexpr int kCornerRightMitred = 197;

void SetUp(MultiPolSymbol& s, const char* key, int pins, char variant, int bitmap) {
  s.classKey = key;
  s.pinCount = pins;
  s.variant = variant;
  s.length = kSize;
  s.breadth = kSize;
  msl::ShowPicture(s, bitmap);
}

}  // namespace

MslTeeSymbol::MslTeeSymbol() : MicrostripSymbol(kClassKey) { Init(); }

MslTeeSymbol::MslTeeSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void MslTeeSymbol::Init() { SetUp(*this, kClassKey, 3, 'C', kTeeBranchLeft); }

void MslTeeSymbol::UpdateGeometry() {
  MultiPolSymbol::UpdateGeometry();
  ReloadBitmap();
}

void MslTeeSymbol::ReloadBitmap() {
  if (variant == 'A') msl::ShowPicture(*this, kTeeBranchRight);
  if (variant == 'C') msl::ShowPicture(*this, kTeeBranchLeft);
}

void MslTeeSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  // The branch width stands on the branch's side: above or left of the centre for a branch to
  // the left of 'R' or 'O'.
  const bool branchFirst = (variant == 'C') == (orientation == 'R' || orientation == 'O');
  msl::DrawValueTexts(dc, *this, branchFirst ? w3 : w1, 8, branchFirst ? w1 : w3, 20);
}

void MslTeeSymbol::WriteNetLine() {
  netLine = "TEE";
  NetSymbol::WriteNetLine();
  netLine += MyStrng(" W1=") + w1 + " W2=" + w1 + " W3=" + w3 + " " + substrate;
}

MslCornerSymbol::MslCornerSymbol() : MicrostripSymbol(kClassKey) { Init(); }

MslCornerSymbol::MslCornerSymbol(const Point& start, const Point& end)
    : MicrostripSymbol(kClassKey, start, end) {
  Init();
}

void MslCornerSymbol::Init() { SetUp(*this, kClassKey, 2, 'C', kCornerRightSquare); }

void MslCornerSymbol::UpdateGeometry() {
  MultiPolSymbol::UpdateGeometry();
  ReloadBitmap();
}

void MslCornerSymbol::ReloadBitmap() {
  if (form == 'N' && variant == 'B') msl::ShowPicture(*this, kCornerRightSquare);
  if (form == 'N' && variant == 'C') msl::ShowPicture(*this, kCornerLeftSquare);
  if (form == 'O' && variant == 'B') msl::ShowPicture(*this, kCornerRightMitred);
  if (form == 'O' && variant == 'C') msl::ShowPicture(*this, kCornerLeftMitred);
}

void MslCornerSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  const bool lying = horizontal != 0;
  msl::DrawValueTexts(dc, *this, w1, lying ? 8 : 9, w2 == w1 ? MyStrng() : MyStrng(w2),
                      lying ? 15 : 14);
}

void MslCornerSymbol::WriteNetLine() {
  netLine = "BEND";
  NetSymbol::WriteNetLine();
  if (form == 'C') netLine += " CUT";
  if (form == 'N') netLine += " NCUT";
  if (form == 'O') netLine += " OPT";
  netLine += MyStrng(" W1=") + w1 + " W2=" + w2 + " " + substrate;
}

MslCrossSymbol::MslCrossSymbol() { Init(); }

MslCrossSymbol::MslCrossSymbol(const Point& start, const Point& end) : MultiPolSymbol(start, end) {
  Init();
}

void MslCrossSymbol::Init() { SetUp(*this, kClassKey, 4, 'A', kCross); }

void MslCrossSymbol::WriteNetLine() { msl::ReportNoModel(*this); }
