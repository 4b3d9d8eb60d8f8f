#include "elements/spice/SpiceModelSymbols.h"

#include <initializer_list>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/symbols/LabelFonts.h"
#include "editor/symbols/LatexPrimitives.h"
#include "formats/SpiceLibrary.h"
#include "pf/dc.h"
#include "resources/Bitmaps.h"

namespace {

constexpr int kBipBitmap = 240;
constexpr int kFetBitmap = 257;
constexpr int kOpaBitmap = 263;

void InitModelSymbol(MultiPolSymbol& s, const char* key, int pins, char variant, int bitmapId) {
  s.classKey = key;
  s.pinCount = pins;
  s.variant = variant;
  s.bitmap = std::make_unique<pf::Bitmap>(LoadBitmapResource(bitmapId));
}

MyStrng NodeList(const NetSymbol& s, std::initializer_list<int> pins) {
  MyStrng text;
  for (int pin : pins) text += MyStrng(s.nodes[pin - 1]) + " ";
  return text;
}

// Unit steps in LaTeX picture units (y up) of a screen direction.
Point ToLatexDirection(const Point& screen) { return Point(screen.x, -screen.y); }

// The orientation letter of a LaTeX line along a unit step.
char LetterOf(const Point& step) {
  if (step.x > 0) return 'R';
  if (step.x < 0) return 'L';
  return step.y > 0 ? 'O' : 'U';
}

}  // namespace

namespace spice_symbols {

void DrawModelName(pf::Dc& dc, const NetSymbol& symbol, int dy, int left) {
  const LabelFonts& fonts = TheLabelFonts();
  const bool upright = symbol.horizontal != 0;
  const pf::Font old = dc.SelectObject(upright ? fonts.horizontal : fonts.vertical);
  if (upright) {
    symbol.modelName.DrawText(&dc, symbol.centre.x, symbol.centre.y + dy, 'C');
  } else {
    symbol.modelName.DrawVertical(&dc, symbol.centre.x - left, symbol.centre.y);
  }
  dc.SelectObject(old);
}

void ReportSpiceOnly(const NetSymbol& symbol) {
  VS_Error report;
  report.Error(symbol.elementName + ": nur mit Spice simulierbar", 4);
}

}  // namespace spice_symbols

BipSpiceSymbol::BipSpiceSymbol() : BipSpiceSymbol(Point(25, 100), Point(150, 100)) {}

BipSpiceSymbol::BipSpiceSymbol(const Point& start, const Point& end)
    : BipSpiceSymbol(start, end, kClassKey, kBipBitmap) {}

BipSpiceSymbol::BipSpiceSymbol(const Point& start, const Point& end, const char* key,
                               int bitmapId)
    : MultiPolSymbol(start, end) {
  InitModelSymbol(*this, key, 3, 'D', bitmapId);
  length = 40;
}

void BipSpiceSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  spice_symbols::DrawModelName(dc, *this, -8, 8);
}

void BipSpiceSymbol::DrawBitmap(pf::Dc& dc) {
  const pf::Bitmap turned = Turned(*bitmap, orientation);
  dc.BitBlt(centre.x - turned.Width() / 2, centre.y - turned.Height() / 2, turned.Width(),
            turned.Height(), turned, 0, 0);
}

pf::Bitmap BipSpiceSymbol::Turned(const pf::Bitmap& picture, char orientation) {
  const int w = picture.Width();
  const int h = picture.Height();
  pf::Bitmap turned(w, h);
  if (orientation == 'R' || orientation == 'O' || orientation == 'U') {
    return MultiPolSymbol::Turned(picture, orientation);
  }
  if (orientation != 'L') return turned;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) turned.SetPixel(w - 1 - x, y, picture.GetPixel(x, y));
  }
  return turned;
}

void BipSpiceSymbol::WriteLatex(LineFile& lines) {
  NetSymbol::WriteLatex(lines);
  // Along runs from pin 1 to the centre, across towards the collector (drain) side.
  const char o = orientation;
  if (o != 'L' && o != 'R' && o != 'O' && o != 'U') return;
  const Point along = ToLatexDirection(Point((o == 'R') - (o == 'L'), (o == 'U') - (o == 'O')));
  // The mirrored 'L' picture keeps its collector on pin 3's side.
  const Point toPin2 = ToLatexPoint(pins[1]) - ToLatexPoint(centre);
  const int sign = o == 'L' ? -1 : 1;
  const Point across(sign * (toPin2.x > 0) - sign * (toPin2.x < 0),
                     sign * (toPin2.y > 0) - sign * (toPin2.y < 0));
  const Point base = ToLatexPoint(pins[0]);
  const int distance = pinSpacing * 2 / 5;
  auto at = [&](int a, int c) {
    return Point(base.x + a * along.x + c * across.x, base.y + a * along.y + c * across.y);
  };
  const int bar = distance - 4;
  const int half = BarLength() / 2;
  lines.AddLine(LatexLine(base, bar, LetterOf(along)));
  lines.AddLine(LatexLine(at(bar, -half), BarLength(), LetterOf(across)));
  const Point up(along.x + across.x, along.y + across.y);
  const Point down(along.x - across.x, along.y - across.y);
  lines.AddLine(LatexSlopedLine(at(bar, 1), up.x, up.y, 4));
  lines.AddLine(LatexVector(at(bar, -1), down.x, down.y, 4));
  lines.AddLine(LatexLine(at(bar + 4, 5), distance - 5, LetterOf(across)));
  lines.AddLine(LatexLine(at(bar + 4, -5), distance - 5, LetterOf(Point(-across.x, -across.y))));
  for (int i = 0; i < 3; ++i) lines.AddLine(LatexCircle(ToLatexPoint(pins[i]), 1));
  const Point middle = ToLatexPoint(centre);
  const int text = LatexTextLength(modelName);
  const Point label = along.x != 0 ? Point(middle.x - text / 2, middle.y + distance / 2)
                                   : Point(middle.x + 3, middle.y);
  lines.AddLine(LatexLabel(label, 'H', modelName));
}

int BipSpiceSymbol::WriteSpiceLines(LineFile& lines, int) {
  netLine = elementName + " " +
            (orientation == 'L' ? NodeList(*this, {3, 1, 2}) : NodeList(*this, {2, 1, 3})) +
            modelName;
  lines.AddLine(netLine);
  return 0;
}

void BipSpiceSymbol::WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) {
  if (library != nullptr) library->GetModelCard(modelName, lines);
}

void BipSpiceSymbol::WriteNetLine() { spice_symbols::ReportSpiceOnly(*this); }

FetSpiceSymbol::FetSpiceSymbol() : FetSpiceSymbol(Point(25, 100), Point(150, 100)) {}

FetSpiceSymbol::FetSpiceSymbol(const Point& start, const Point& end)
    : BipSpiceSymbol(start, end, kClassKey, kFetBitmap) {}

OpaSpiceSymbol::OpaSpiceSymbol() : OpaSpiceSymbol(Point(25, 100), Point(150, 100)) {}

OpaSpiceSymbol::OpaSpiceSymbol(const Point& start, const Point& end)
    : MultiPolSymbol(start, end) {
  InitModelSymbol(*this, kClassKey, 5, 'A', kOpaBitmap);
  length = 60;
  breadth = 60;
}

void OpaSpiceSymbol::Draw(pf::Dc& dc) {
  MultiPolSymbol::Draw(dc);
  spice_symbols::DrawModelName(dc, *this, 5, 8);
}

int OpaSpiceSymbol::WriteSpiceLines(LineFile& lines, int) {
  netLine = MyStrng("X") + elementName + " " + NodeList(*this, {5, 1, 4, 3, 2}) + modelName;
  lines.AddLine(netLine);
  return 0;
}

void OpaSpiceSymbol::WriteSpiceModel(const SpiceLibrary* library, LineFile& lines) {
  if (library != nullptr) library->GetSubcktBlock(modelName, lines);
}

void OpaSpiceSymbol::WriteNetLine() { spice_symbols::ReportSpiceOnly(*this); }
