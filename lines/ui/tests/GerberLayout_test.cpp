// The photoplot export: the plot file's lines, the layout walk and apertures of the plot
// document, and where each line symbol lies and what it writes, in micrometres.

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "editor/document/GerberDocument.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "formats/GerberPlotFile.h"
#include "lines/ui/CoplanarSymbols.h"
#include "lines/ui/MicrostripSymbols.h"
#include "lines/ui/MslBitmapSymbols.h"
#include "lines/ui/SlotSymbols.h"

// For the checks only: the point class has no comparison of its own.
static bool operator==(const LPoint& a, const LPoint& b) { return a.x == b.x && a.y == b.y; }

namespace {

std::vector<std::string> Lines(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

// The outline lines a symbol writes after its aperture selection.
std::vector<std::string> Outline(const NetSymbol& s) {
  GerberPlotFile file;
  s.WriteGerber(file);
  std::vector<std::string> lines = Lines(file);
  if (!lines.empty() && lines.front().rfind("G54", 0) == 0) lines.erase(lines.begin());
  return lines;
}

int Count(const std::vector<std::string>& lines, const std::string& code) {
  int n = 0;
  for (const std::string& l : lines) n += l.find(code) != std::string::npos ? 1 : 0;
  return n;
}

// Two pins one grid step apart along the orientation.
template <class S>
std::unique_ptr<S> Make(char orientation, std::function<void(S&)> edit = {}) {
  auto s = std::make_unique<S>();
  s->orientation = orientation;
  s->pins[0] = Point(100, 100);
  s->pins[1] = Point(200, 100);
  s->pins[2] = Point(150, 150);
  s->pins[3] = Point(200, 150);
  if (edit) edit(*s);
  return s;
}

std::vector<DoublePoint> Visit(const NetSymbol& s) {
  std::vector<DoublePoint> list;
  s.VisitPins(list);
  return list;
}

TEST(GerberPlotFileTest, WritesWholeMicrometresAndSelectsOnlyNamedApertures) {
  GerberPlotFile file;
  file.AddLine("old");
  file.WriteBegin();
  file.SelectAperture("");
  file.MoveTo(LPoint(12345, 25000));
  file.Flash(LPoint(0, 0));
  file.DrawTo(LPoint(-1500, 2000));
  file.SelectAperture("D12");
  file.WriteEnd();
  EXPECT_EQ(Lines(file), (std::vector<std::string>{"G01*", "X000Y000D02*", "X12345Y25000D02*",
                                                   "X0Y0D03*", "X-1500Y2000D01*", "G54D12*",
                                                   "X000Y000D02*", "M02*"}));
}

TEST(GerberPlotFileTest, StepsAndLengthsStayBoundedAndWhole) {
  const struct {
    int64_t span, step;
    int32_t want;
  } steps[] = {{0, 0, 1}, {1000, -5, 1}, {1000, 7, 7}, {10'000'000, 1, 100}, {-10'000'001, 1, 101}};
  for (const auto& c : steps) EXPECT_EQ(GerberPlotFile::BoundedStep(c.span, c.step), c.want);
  EXPECT_EQ(Micrometres(LaeWert("0.5mm")), 500);
  EXPECT_EQ(Micrometres(LaeWert("1.57mm")), 1570);
  EXPECT_EQ(Micrometres(LaeWert("123.456mm")), 123456);
  EXPECT_EQ(Micrometres(0.0009999), 999);
  EXPECT_EQ(Micrometres(0.0000005), 0);
  EXPECT_EQ(Micrometres(-0.0015), -1500);
  EXPECT_EQ(Micrometres(1.0 / 0.0), 0);
  EXPECT_EQ(Micrometres(1e9), 1'000'000'000);
}

// Every number fits the declared %FSLAX33Y33*% in millimetres: an aperture size is plain
// decimal with at most three digits before and after the point, never under 0.001; a point
// beyond 999.999 mm is left out and noted until the next begin.
TEST(GerberPlotFileTest, NumbersFitTheDeclaredFormatOrAreRefused) {
  const struct {
    int64_t micrometres;
    const char* size;  // "" beyond the format
    bool written;      // as a coordinate
  } rows[] = {{0, "0.001", true},          {1, "0.001", true},
              {-1500, "0.001", true},      {100, "0.1", true},
              {1570, "1.57", true},        {12345, "12.345", true},
              {20000, "20", true},         {999999, "999.999", true},
              {-999999, "0.001", true},    {1000000, "", false},
              {-1000000, "0.001", false},  {1'000'000'000'000, "", false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.micrometres);
    EXPECT_EQ(GerberPlotFile::SizeText(row.micrometres), row.size);
    GerberPlotFile file;
    file.WriteBegin();
    const auto at =
        static_cast<int32_t>(std::clamp<int64_t>(row.micrometres, INT32_MIN, INT32_MAX));
    file.DrawTo(LPoint(at, 0));
    file.Flash(LPoint(0, at));
    EXPECT_EQ(file.AllFit(), row.written);
    if (row.written) {
      EXPECT_EQ(Lines(file)[2], "X" + std::to_string(at) + "Y0D01*");
    } else {
      EXPECT_EQ(Lines(file).size(), 2u);
    }
    file.WriteBegin();
    EXPECT_TRUE(file.AllFit());
  }
}

TEST(LayoutTest, LineAndStubsDrawTheirLengthInsetByHalfTheWidth) {
  auto line = Make<TrlSymbol>('R');
  line->SetOrigin(line->pins[0], LPoint(0, 25000));
  EXPECT_EQ(Outline(*line), (std::vector<std::string>{"X500Y25000D02*", "X9500Y25000D01*"}));
  const std::vector<DoublePoint> pins = Visit(*line);
  ASSERT_EQ(pins.size(), 2u);
  EXPECT_EQ(pins[1], DoublePoint(line->pins[1], LPoint(10000, 25000)));

  auto back = Make<TrlSymbol>('L');
  back->SetOrigin(back->pins[1], LPoint(10000, 25000));
  EXPECT_EQ(back->layoutOrigin.x, 20000);
  EXPECT_EQ(back->layoutOrigin.y, 25000);

  const struct {
    char orientation;
    const char* from;
    const char* to;
  } stubs[] = {{'R', "X500Y0D02*", "X4500Y0D01*"}, {'L', "X-500Y0D02*", "X-4500Y0D01*"},
               {'O', "X0Y500D02*", "X0Y4500D01*"}, {'U', "X0Y-500D02*", "X0Y-4500D01*"}};
  for (const auto& c : stubs) {
    for (NetSymbol* stub : {static_cast<NetSymbol*>(Make<OstSymbol>(c.orientation).release()),
                            static_cast<NetSymbol*>(Make<SstSymbol>(c.orientation).release())}) {
      std::unique_ptr<NetSymbol> owned(stub);
      static_cast<StripSymbol<EinPolSymbol>*>(stub)->SetLength(0.005f);
      stub->SetOrigin(stub->pins[0], LPoint());
      EXPECT_EQ(Outline(*stub), (std::vector<std::string>{c.from, c.to})) << c.orientation;
      EXPECT_EQ(Visit(*stub).size(), 1u);
    }
  }
}

TEST(LayoutTest, AStripShorterThanItsWidthIsFlashedAsARectangleOnItsSection) {
  auto line = Make<TrlSymbol>('O', [](TrlSymbol& s) { s.p = LaeWert("0.4mm"); });
  line->SetOrigin(line->pins[0], LPoint(1000, 0));
  EXPECT_EQ(Outline(*line), (std::vector<std::string>{"X1000Y200D03*"}));
  const GerberAperture a = line->GetGerberAperture();
  EXPECT_EQ(a.shape, GerberAperture::Shape::Rectangle);
  EXPECT_DOUBLE_EQ(a.size, LaeWert("1mm").Value());
  EXPECT_DOUBLE_EQ(a.sizeY, LaeWert("0.4mm").Value());
}

TEST(LayoutTest, CoupledLinesPassTheirFourPinsAndInsetBothStrips) {
  auto cpl = Make<CplSymbol>('R');
  cpl->SetOrigin(cpl->pins[0], LPoint());
  const std::vector<DoublePoint> pins = Visit(*cpl);
  ASSERT_EQ(pins.size(), 4u);
  EXPECT_EQ(pins[1].second, LPoint(10000, 0));
  EXPECT_EQ(pins[2].second, LPoint(0, -1100));
  EXPECT_EQ(pins[3].second, LPoint(10000, -1100));
  EXPECT_EQ(Outline(*cpl), (std::vector<std::string>{"X500Y0D02*", "X9500Y0D01*",
                                                     "X9500Y-1100D02*", "X500Y-1100D01*"}));
  // Reached at pin 4, the origin lies back by that pin's offset.
  cpl->SetOrigin(cpl->pins[3], LPoint(20000, 5000));
  EXPECT_EQ(cpl->layoutOrigin, LPoint(10000, 6100));
}

TEST(LayoutTest, TheBitmapTeeReachedAtItsBranchTakesItsOriginOnTheThroughLine) {
  for (const auto& [variant, y] : {std::pair{'C', 0}, std::pair{'A', 1000}}) {
    auto tee = Make<MslTeeSymbol>('R', [v = variant](MslTeeSymbol& s) { s.variant = v; });
    tee->SetOrigin(tee->pins[2], LPoint(0, 500));
    EXPECT_EQ(tee->layoutOrigin, LPoint(0, y)) << variant;
    EXPECT_TRUE(Outline(*tee).empty());
  }
  auto tee = Make<MslTeeSymbol>('R');
  tee->SetOrigin(Point(999, 999), LPoint(1, 1));
  EXPECT_EQ(tee->layoutPlaced, 0);
}

TEST(LayoutTest, RadialStubWithoutOpeningWritesOutlineAndFeedFillOnly) {
  auto stub = Make<RadStubSymbol>('R', [](RadStubSymbol& s) { s.angle = FloatWert("0"); });
  stub->SetOrigin(stub->pins[0], LPoint());
  EXPECT_TRUE(Visit(*stub).empty());
  const std::vector<std::string> lines = Outline(*stub);
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "X0Y500D02*");
  EXPECT_EQ(lines[4], "X0Y500D01*");
  // Then only pairs of move and draw across the feed, starting at the feed itself.
  EXPECT_EQ(lines[5], "X0Y500D02*");
  EXPECT_EQ(lines[6], "X0Y-500D01*");
  EXPECT_EQ((lines.size() - 5) % 2, 0u);
  EXPECT_EQ(Count(lines, "D01*"), 4 + static_cast<int>(lines.size() - 5) / 2);

  // An opening adds the arc and the sector fill; every loop ends, also for a hair-thin feed
  // and a radius of nothing.
  for (const char* feed : {"1mm", "1um", "0"}) {
    for (const char* radius : {"5mm", "1mm", "0"}) {
      auto open = Make<RadStubSymbol>('U', [&](RadStubSymbol& s) {
        s.wi = LaeWert(feed);
        s.rl = LaeWert(radius);
      });
      const size_t n = Outline(*open).size();
      EXPECT_GT(n, 5u);
      EXPECT_LT(n, 4u * GerberPlotFile::kMaxStrokes) << feed << " " << radius;
    }
  }
}

TEST(LayoutTest, SlotlineBendReachedAtItsEndDrawsTheQuarterCircleFromItsOrigin) {
  auto bend = Make<SltBendSymbol>('R', [](SltBendSymbol& s) {
    s.variant = 'C';
    s.SetLength(LaeWert("10mm"));
  });
  const int32_t r = Micrometres(bend->r);
  bend->SetOrigin(bend->pins[1], LPoint(50000, 40000));
  EXPECT_EQ(bend->layoutOrigin, LPoint(50000 - r, 40000 - r));
  const std::vector<std::string> lines = Outline(*bend);
  const int n = 10000 / 100;
  ASSERT_EQ(lines.size(), static_cast<size_t>(n + 2));
  const std::string origin = "X" + std::to_string(50000 - r) + "Y" + std::to_string(40000 - r);
  EXPECT_EQ(lines[0], origin + "D02*");
  EXPECT_EQ(lines[1], origin + "D01*");
  EXPECT_EQ(lines.back(), "X50000Y40000D01*");
  EXPECT_EQ(Visit(*bend)[1].second, LPoint(50000, 40000));

  // Shorter than its width: one chord; a width of nothing ends as well.
  for (const char* width : {"100um", "0"}) {
    auto tiny = Make<SltBendSymbol>('O', [&](SltBendSymbol& s) {
      s.w = LaeWert(width);
      s.SetLength(LaeWert("1um"));
    });
    EXPECT_LE(Outline(*tiny).size(), 3u) << width;
  }
}

// A line has no geometry to choose: kinked or not, it turns in its quarter circle and ends at
// its second pin; a stub keeps its kink.
TEST(LayoutTest, ABendLineEndsItsSlotAtItsSecondPinWhateverItsGeometry) {
  for (const char end : {'L', 'S'}) {
    auto bend = Make<SltBendSymbol>('R', [end](SltBendSymbol& s) {
      s.geometry = 'K';
      s.end = end;
      s.pinCount = end == 'L' ? 2 : 1;
    });
    bend->SetOrigin(bend->pins[0], LPoint(0, 10000));
    const SltBendSymbol::Outline o = bend->LayoutOutline();
    const std::vector<std::string> lines = Outline(*bend);
    if (end == 'L') {
      const LPoint pin2 = Visit(*bend)[1].second;
      EXPECT_EQ(pin2, LPoint(6366, 16366));
      EXPECT_EQ(o.end, pin2);
      EXPECT_EQ(lines.back(), "X6366Y16366D01*");
      EXPECT_GT(lines.size(), 3u);
    } else {
      EXPECT_EQ(o.kinkCorner, LPoint(2000, 10000));
      EXPECT_EQ(lines, (std::vector<std::string>{"X0Y10000D02*", "X2000Y10000D01*",
                                                 "X7656Y15656D01*"}));
    }
  }
}

TEST(LayoutTest, CoplanarLineAndJunctionCutTheirGaps) {
  const struct {
    char kind;
    int strokes;
  } kinds[] = {{'L', 2}, {'S', 2}, {'O', 3}};
  for (const auto& c : kinds) {
    auto line = Make<CCoplanarLineSymbol>('R', [&](CCoplanarLineSymbol& s) { s.kind = c.kind; });
    line->SetOrigin(line->pins[0], LPoint());
    const std::vector<std::string> lines = Outline(*line);
    EXPECT_EQ(Count(lines, "D02*"), c.strokes) << c.kind;
    EXPECT_EQ(lines[0], "X0Y500D02*");
    EXPECT_EQ(lines[1], "X10000Y500D01*");
  }
  auto junction = Make<CCoplanarCrossSymbol>('R');
  junction->SetOrigin(junction->pins[1], LPoint(1500, 0));
  EXPECT_EQ(junction->layoutOrigin, LPoint());
  const std::vector<DoublePoint> pins = Visit(*junction);
  EXPECT_EQ(pins[1].second, LPoint(1500, 0));
  EXPECT_EQ(pins[2].second, LPoint(750, -750));
  EXPECT_EQ(Outline(*junction), (std::vector<std::string>{"X0Y500D02*", "X1500Y500D01*",
                                                          "X250Y-500D03*", "X1250Y-500D03*"}));
  // Reached on its branch, it goes back by the branch's offset.
  junction->SetOrigin(junction->pins[2], LPoint(750, -750));
  EXPECT_EQ(junction->layoutOrigin, LPoint());
}

TEST(LayoutTest, CornerReachedAtItsSecondPinMovesDiagonallyByHalfItsWidth) {
  for (char orientation : {'L', 'O', 'R', 'U'}) {
    for (char turn : {'B', 'C'}) {
      auto corner = Make<MslCornerSymbol>(orientation, [&](MslCornerSymbol& s) {
        s.variant = turn;
      });
      corner->SetOrigin(corner->pins[0], LPoint(1000, 1000));
      const LPoint second = Visit(*corner)[1].second;
      EXPECT_EQ(std::abs(second.x - 1000), 500);
      EXPECT_EQ(std::abs(second.y - 1000), 500);
      // Back from the second pin onto the same origin.
      corner->SetOrigin(corner->pins[1], second);
      EXPECT_EQ(corner->layoutOrigin, LPoint(1000, 1000)) << orientation << turn;
    }
  }
  auto square = Make<MslCornerSymbol>('R');
  EXPECT_EQ(Outline(*square), (std::vector<std::string>{"X500Y0D03*"}));
  // A mitred corner is hatched with the thin aperture; a 10 µm one ends too.
  for (const char* width : {"1mm", "10um", "0"}) {
    auto mitred = Make<MslCornerSymbol>('U', [&](MslCornerSymbol& s) {
      s.form = 'O';
      s.w1 = LaeWert(width);
    });
    const size_t n = Outline(*mitred).size();
    EXPECT_GE(n, 4u);
    EXPECT_LT(n, 200u) << width;
  }
}

// The circuit: port 1, lines, a slotline, loose parts; all placed by the walk.
class GerberDocumentTest : public testing::Test {
 protected:
  template <class S>
  S& Add(const Point& a, const Point& b, char orientation = 'R') {
    auto s = std::make_unique<S>();
    s->pins[0] = a;
    s->pins[1] = b;
    s->orientation = orientation;
    S& ref = *s;
    owned.push_back(std::move(s));
    doc.AddSymbol(&ref);
    return ref;
  }
  ExKnotenSymbol& Port(const Point& at) {
    auto port = std::make_unique<ExKnotenSymbol>();
    port->pins[0] = at;
    ExKnotenSymbol& ref = *port;
    owned.push_back(std::move(port));
    doc.AddSymbol(&ref);
    return ref;
  }
  std::vector<std::string> Top() { return Lines(doc.TopOutput()); }
  std::vector<std::string> Bottom() { return Lines(doc.BottomOutput()); }

  GerberDocument doc;
  std::vector<std::unique_ptr<NetSymbol>> owned;
};

TEST_F(GerberDocumentTest, AperturesAreSharedByPrintedSizeAndNamedOnFromD110) {
  Port(Point(0, 0));
  const char* widths[] = {"0.5mm", "0.5mm", "0.6mm", "1mm", "2mm", "3mm",
                          "4mm",   "5mm",   "6mm",   "7mm", "8mm"};
  int x = 0;
  std::vector<TrlSymbol*> lines;
  for (const char* w : widths) {
    auto& line = Add<TrlSymbol>(Point(x, 0), Point(x + 100, 0));
    line.w = LaeWert(w);
    line.p = LaeWert("10mm");
    lines.push_back(&line);
    x += 100;
  }
  auto& slot = Add<SlotLineSymbol>(Point(0, 500), Point(100, 500));
  slot.w = LaeWert("0.1mm");
  doc.CreatePlot();
  EXPECT_EQ(lines[0]->aperture, "D12");
  EXPECT_EQ(lines[1]->aperture, "D12");
  EXPECT_EQ(lines[2]->aperture, "D13");
  EXPECT_EQ(lines[9]->aperture, "D110");  // the ninth new one
  EXPECT_EQ(lines[10]->aperture, "D111");
  EXPECT_EQ(slot.aperture, "D10");
  const std::vector<std::string> top = Top();
  EXPECT_EQ(top[0], "%FSLAX33Y33*%");
  EXPECT_EQ(top[3], "%ADD10C,0.1*%");
  EXPECT_EQ(top[4], "%ADD12R,0.5X0.5*%");
  EXPECT_EQ(top[12], "%ADD110R,7X7*%");
  // The walk laid the lines end to end from the start point on the board's left edge.
  EXPECT_EQ(lines[10]->layoutOrigin, LPoint(100000, 25000));
  EXPECT_EQ(slot.layoutPlaced, 0);
}

// Whether every number of a file fits %FSLAX33Y33*% in millimetres: coordinates of at most six
// digits (whole micrometres), aperture sizes of at most three digits before and after the point.
bool FitsFormat(const std::vector<std::string>& lines) {
  static const std::regex coordinate(R"(X(-?\d+)Y(-?\d+)D0[123]\*)");
  static const std::regex aperture(R"(%ADD\d+[RC],(.*)\*%)");
  static const std::regex size(R"(\d{1,3}(\.\d{1,3})?)");
  for (const std::string& line : lines) {
    std::smatch m;
    if (std::regex_match(line, m, coordinate)) {
      for (const std::string number : {m[1].str(), m[2].str()}) {
        if (number.size() > 7 || std::abs(std::stoll(number)) > 999999) return false;
      }
    } else if (std::regex_match(line, m, aperture)) {
      std::stringstream sizes(m[1].str());
      for (std::string one; std::getline(sizes, one, 'X');) {
        if (!std::regex_match(one, size)) return false;
      }
    }
  }
  return true;
}

// Sections in a row from port 1: the largest layout fits; one that grows beyond the format, a
// strip wider than it, a start or a board beyond it is refused with the name of the first part
// (or the board) that reaches beyond, and what was written still fits.
TEST_F(GerberDocumentTest, ALayoutBeyondTheFormatIsRefusedNamingWhereItEnds) {
  const struct {
    const char* what;
    const char* boardX;
    int32_t startY;
    std::vector<std::pair<const char*, const char*>> sections;  // width, length
    const char* beyond;  // nullptr when it fits
  } rows[] = {
      {"the largest", "999.999mm", 500000, {{"999.999mm", "999.999mm"}}, nullptr},
      {"in a row", "50mm", 25000, {{"1mm", "600mm"}, {"1mm", "600mm"}}, "L2"},
      {"a width", "50mm", 25000, {{"1mm", "1mm"}, {"1m", "1m"}}, "L2"},
      {"from a start beyond", "50mm", 1000000, {{"2mm", "10mm"}}, "L1"},
      {"the board", "1m", 25000, {{"1mm", "10mm"}}, "Substrat"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    VS_Error::ClearQueue();
    doc = GerberDocument();
    owned.clear();
    doc.SetSubstrateSize(LaeWert(row.boardX), LaeWert("999.999mm"));
    doc.startPoint = LPoint(0, row.startY);
    Port(Point(0, 0));
    int x = 0;
    for (const auto& [w, p] : row.sections) {
      auto& line = Add<TrlSymbol>(Point(x, 0), Point(x + 100, 0));
      line.w = LaeWert(w);
      line.p = LaeWert(p);
      line.elementName = MyStrng(("L" + std::to_string(x / 100 + 1)).c_str());
      x += 100;
    }
    EXPECT_EQ(doc.CreatePlot(), row.beyond == nullptr);
    EXPECT_TRUE(FitsFormat(Top()));
    EXPECT_TRUE(FitsFormat(Bottom()));
    if (row.beyond == nullptr) {
      EXPECT_EQ(VS_Error::MessageCount(), 0);
      // The board in whole millimetres.
      EXPECT_EQ(Bottom()[3], "%ADD11R,999X999*%");
      const std::vector<std::string> top = Top();
      EXPECT_EQ(top[4], "%ADD12R,999.999X999.999*%");
      EXPECT_EQ(Count(top, "X499999Y500000D02*"), 1);
      EXPECT_EQ(Count(top, "X500000Y500000D01*"), 1);
      continue;
    }
    ASSERT_EQ(VS_Error::MessageCount(), 1);
    EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(),
              std::string("Layout passt nicht ins Gerberformat (höchstens 999.999 mm): ") +
                  row.beyond);
  }
  VS_Error::ClearQueue();
}

// The walk starts at the external node numbered 1, wherever it stands in the list.
TEST_F(GerberDocumentTest, TheWalkStartsAtPortOne) {
  Port(Point(500, 500)).portNumber = 2;
  Port(Point(0, 0));
  auto& line = Add<TrlSymbol>(Point(0, 0), Point(100, 0));
  auto& loose = Add<TrlSymbol>(Point(500, 500), Point(600, 500));
  doc.CreatePlot();
  EXPECT_EQ(line.layoutOrigin, LPoint(0, 25000));
  EXPECT_EQ(line.layoutPlaced, 1);
  EXPECT_EQ(loose.layoutPlaced, 0);
}

TEST_F(GerberDocumentTest, TheBottomFileFlashesTheSubstrateBeforeClearingTheSlots) {
  doc.SetSubstrateSize(LaeWert("20.5mm"), LaeWert("20.5mm"));
  EXPECT_EQ(doc.startPoint, LPoint(0, 10250));
  Port(Point(0, 0));
  Add<SlotLineSymbol>(Point(0, 0), Point(100, 0));
  doc.CreatePlot();
  const std::vector<std::string> bottom = Bottom();
  const std::vector<std::string> want{"%FSLAX33Y33*%", "%MOMM*%", "%ADD10C,0.1*%",
                                      "%ADD11R,20X20*%", "G01*", "X000Y000D02*", "G54D11*",
                                      "X10250Y10250D03*", "%LPC*%", "G54D10*",
                                      "X0Y10250D02*", "X9950Y10250D01*", "X000Y000D02*", "M02*"};
  EXPECT_EQ(bottom, want);
}

// Nothing is written with an aperture a reader takes for none: a width of 0 and a corner's
// hatch of 1/20 µm get 1 µm; a board side under 1 mm keeps its size, a longer one is cut to
// whole millimetres.
TEST_F(GerberDocumentTest, NoApertureIsOfNoSizeAndASmallBoardIsFlashedAtItsSize) {
  doc.SetSubstrateSize(LaeWert("0.5mm"), LaeWert("20.7mm"));
  Port(Point(0, 0));
  auto& line = Add<TrlSymbol>(Point(0, 0), Point(100, 0));
  line.w = LaeWert("0m");
  auto& corner = Add<MslCornerSymbol>(Point(100, 0), Point(200, 0));
  corner.w1 = LaeWert("1um");
  corner.form = 'O';
  Add<SlotLineSymbol>(Point(300, 0), Point(400, 0)).w = LaeWert("0m");
  doc.CreatePlot();
  const std::vector<std::string> bottom = Bottom();
  ASSERT_GE(bottom.size(), 10u);
  EXPECT_EQ(bottom[3], "%ADD11R,0.5X20*%");
  EXPECT_EQ(bottom[4], "%ADD12R,0.001X0.001*%");
  EXPECT_EQ(bottom[5], "%ADD13C,0.001*%");
  EXPECT_EQ(bottom[6], "G01*");
  EXPECT_EQ(Count(bottom, "X250Y10350D03*"), 1);
  EXPECT_EQ(line.aperture, "D12");
  EXPECT_EQ(corner.aperture, "D13");
}

TEST_F(GerberDocumentTest, WithoutTheSubstrateAreaTheDefinitionStaysAndNothingIsFlashed) {
  doc.substrateArea = 0;
  Add<SlotLineSymbol>(Point(0, 0), Point(100, 0));
  doc.CreatePlot();
  const std::vector<std::string> bottom = Bottom();
  EXPECT_EQ(Count(bottom, "%ADD11R,50X50*%"), 1);
  EXPECT_EQ(Count(bottom, "D11*"), 0);
  EXPECT_EQ(Count(bottom, "%LPC*%"), 0);
  EXPECT_EQ(Count(bottom, "D03*"), 0);
}

TEST_F(GerberDocumentTest, OnlyTheTopFileIsWrittenWithoutABottomSymbol) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("gerber_" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  Port(Point(0, 0));
  Add<TrlSymbol>(Point(0, 0), Point(100, 0));
  doc.CreatePlot();
  EXPECT_EQ(Bottom().size(), 5u);  // header and apertures only
  doc.SetFileNames(MyStrng((folder / "a").string()));
  EXPECT_TRUE(doc.SaveFiles());
  EXPECT_TRUE(std::filesystem::exists(folder / "aTop.gbx"));
  EXPECT_FALSE(std::filesystem::exists(folder / "aBot.gbx"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);

  // Into a folder that is not there: reported, and nothing is left.
  VS_Error::ClearQueue();
  doc.SetFileNames(MyStrng((folder / "missing" / "a").string()));
  EXPECT_FALSE(doc.SaveFiles());
  ASSERT_EQ(VS_Error::MessageCount(), 1);
  EXPECT_EQ(VS_Error::GetFirstMessage().ToCString(),
            "Datei konnte nicht geschrieben werden: " + (folder / "missing" / "aTop.gbx").string());
  VS_Error::ClearQueue();
  std::filesystem::remove_all(folder);
}

TEST_F(GerberDocumentTest, ASymbolWithTheBaseWalkJoinsAllItsPinsAtThePointReached) {
  Port(Point(0, 0));
  auto& first = Add<TrlSymbol>(Point(0, 0), Point(100, 0));
  auto& tee = Add<TeeSymbol>(Point(100, 0), Point(200, 0));
  tee.pins[2] = Point(150, 50);
  auto& branch = Add<TrlSymbol>(Point(150, 50), Point(150, 150), 'O');
  auto& loose = Add<TrlSymbol>(Point(900, 900), Point(1000, 900));
  loose.layoutOrigin = LPoint(7, 7);
  doc.CreatePlot();
  EXPECT_EQ(first.layoutOrigin, LPoint(0, 25000));
  EXPECT_EQ(tee.layoutOrigin, LPoint(10000, 25000));
  EXPECT_EQ(branch.layoutOrigin, LPoint(10000, 25000));
  EXPECT_EQ(loose.layoutPlaced, 0);
  EXPECT_EQ(loose.layoutOrigin, LPoint(7, 7));
  EXPECT_TRUE(tee.aperture.IsEmpty());
}

// Two sections side by side close a loop: the section behind them starts where the one added
// first ends, and the point reached again from the other one places nothing twice.
TEST_F(GerberDocumentTest, ALoopIsLaidOutAlongTheFirstSectionAddedThatReachesIt) {
  for (const auto& [firstLength, secondLength, end] :
       {std::tuple{"5mm", "20mm", 5000}, std::tuple{"20mm", "5mm", 20000}}) {
    doc = GerberDocument();
    Port(Point(0, 0));
    Add<TrlSymbol>(Point(0, 0), Point(100, 0)).p = firstLength;
    Add<TrlSymbol>(Point(0, 0), Point(100, 0)).p = secondLength;
    auto& behind = Add<TrlSymbol>(Point(100, 0), Point(200, 0));
    auto& further = Add<TrlSymbol>(Point(200, 0), Point(300, 0));
    doc.CreatePlot();
    EXPECT_EQ(behind.layoutOrigin, LPoint(end, 25000)) << firstLength;
    EXPECT_EQ(further.layoutOrigin, LPoint(end + 10000, 25000)) << firstLength;
  }
}

}  // namespace
