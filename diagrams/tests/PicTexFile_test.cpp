#include "diagrams/pictex/PicTexFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "diagrams/graphics/CircleLine.h"
#include "diagrams/tests/PicTexLines.h"

namespace {

using Points = std::vector<std::pair<double, double>>;

// The point lists of the \plot lines, in millimetres.
std::vector<Points> PlotLists(const std::vector<std::string>& lines) {
  std::vector<Points> lists;
  bool open = false;
  for (const std::string& line : lines) {
    const bool starts = line.rfind("\\plot ", 0) == 0;
    if (starts) lists.emplace_back();
    open = open || starts;
    if (!open) continue;
    std::istringstream words(starts ? line.substr(6) : line);
    for (std::string x, y; words >> x && x != "/" && words >> y;) {
      lists.back().emplace_back(std::stod(x), std::stod(y));
    }
    if (line.size() >= 2 && line.substr(line.size() - 2) == " /") open = false;
  }
  return lists;
}

// A 500 mm export of a 400 pixel grid at (100, 25) on a 600 x 450 screen: 1.25 mm per pixel,
// the screen from -125 to 625 mm across and from -31.25 to 531.25 mm up.
PicTexFile WidestExport() {
  PicTexFile f;
  f.scaleX = f.scaleY = 500.0f / 400;
  f.SetOrigin(100, 25 + 400);
  f.SetClip({0, 0, 600, 450});
  f.fontLetter = 'X';
  return f;
}

bool OnScreen(double x, double y) {
  return x >= -125.01 && x <= 625.01 && y >= -31.26 && y <= 531.26;
}

TEST(PicTexFileTest, NumbersNeverTakeExponentForm) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float v;
    const char* f6;
    const char* g;
  } cases[] = {
      {12.34f, " 12.34", "12.34"},
      {80.0f, " 80.00", "80"},
      {-0.5f, " -0.50", "-0.5"},
      {123456.7f, "123456.70", "123457"},
      {-2.5e-6f, " -0.00", "-0.0000"},
      {std::nanf(""), "  0.00", "0"},
      {inf, "  0.00", "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PicTexFile::F6(c.v), c.f6) << c.v;
    EXPECT_EQ(PicTexFile::G(c.v), c.g) << c.v;
  }
  EXPECT_EQ(PicTexFile::G(3e30f).find_first_not_of("0123456789"), std::string::npos);
}

// 80 mm over a 400 pixel grid at (10, 20): 0.2 mm per pixel, the grid's corners at 0 and 80.
TEST(PicTexFileTest, GridCornersMapToThePictureFrame) {
  PicTexFile f;
  f.scaleX = f.scaleY = 80.0f / 400;
  f.SetOrigin(10, 20 + 400);
  f.fontLetter = 'X';
  f.SetPlotArea(10, 410, 420, 20);
  f.PutLabel(410, 20, "a");
  EXPECT_EQ(PicTexLines(f), (std::vector<std::string>{
                                "\\setplotarea x from   0.00 to  80.00, y from   0.00 to  80.00",
                                "\\put {a}  [lb]  at 80 80"}));
}

TEST(PicTexFileTest, EachOperationWritesItsLines) {
  using Op = std::function<void(PicTexFile&)>;
  const struct {
    Op op;
    std::vector<std::string> lines;
  } cases[] = {
      {[](PicTexFile& f) { f.Circle(10, 20, 5); },
       {"\\circulararc 360 degrees  from 15 -20 center  at 10 -20"}},
      {[](PicTexFile& f) { f.Arc(100, 100, 10, 90.0f, 45.0f); },
       {"\\circulararc 45 degrees  from 100 -90 center  at 100 -100"}},
      {[](PicTexFile& f) { f.Grid(10, 10); }, {"\\grid {10} {10} "}},
      {[](PicTexFile& f) {
         f.fontLetter = 'L';
         f.PutLabel(3, 4, "abc");
       },
       {"\\put {\\large abc}  [lb]  at 3 -4"}},
      {[](PicTexFile& f) { f.PutLabel(0, 0, "a_b%c#d$e&f{g}h~i^j\\k"); },
       {"\\put {a\\_b\\%c\\#d\\$e\\&f\\{g\\}h\\textasciitilde{}i\\textasciicircum{}j"
        "\\textbackslash{}k}  [lb]  at 0 0"}},
      {[](PicTexFile& f) { f.PutLabel(0, 0, "LinPol  >REF: a<b|c"); },
       {"\\put {LinPol  \\textgreater{}REF: a\\textless{}b\\textbar{}c}  [lb]  at 0 0"}},
      // Whatever input encoding the document reads; other characters pass as they are.
      {[](PicTexFile& f) { f.PutLabel(0, 0, "Größe_\xE2\x80\xA6_Maß"); },
       {"\\put {Größe\\_\\ldots{}\\_Maß}  [lb]  at 0 0"}},
      {[](PicTexFile& f) {
         f.scaleX = f.scaleY = 0.5f;
         f.LineLeft(2, 4, 16);
         f.LineDown(2, 4, 16);
       },
       {"\\put {\\line(-1,0){8} }  [Bl]  at 1 -2", "\\put {\\line(0,-1){8} }  [Bl]  at 1 -2"}},
      {[](PicTexFile& f) { f.Cross(10, 10, 6); },
       {"\\put {\\line(1,0){6} }  [Bl]  at 7 -10", "\\put {\\line(0,1){6} }  [Bl]  at 10 -13"}},
      {[](PicTexFile& f) { f.Diamond(100, 50, 6); },
       {"\\plot  97.00 -50.00 100.00 -47.00 103.00 -50.00 100.00 -53.00  97.00 -50.00  /"}},
      {[](PicTexFile& f) {
         f.SetDots(1);
         f.SetSolid();
       },
       {"\\setdots <1mm>", "\\setdots <0pt>"}},
      {[](PicTexFile& f) {
         f.BeginPicture();
         f.EndPicture();
       },
       {"\\beginpicture", "\\setcoordinatesystem units <1mm,1mm>", "\\unitlength1mm",
        "\\endpicture"}},
  };
  for (const auto& c : cases) {
    PicTexFile f;
    f.fontLetter = 'X';
    c.op(f);
    EXPECT_EQ(PicTexLines(f), c.lines) << c.lines[0];
  }
}

// Lines stay below 80 characters, continuations start with a number, and the closing " /"
// stands alone exactly when the last line holds 77 characters or more.
TEST(PicTexFileTest, PointListsWrapAndCloseTheirLastLine) {
  bool closedAlone = false;
  bool closedInLine = false;
  for (int n = 2; n < 40; ++n) {
    PicTexFile f;
    f.StartPlot();
    for (int i = 0; i < n; ++i) f.PlotPoint(i * 997 % 20000, i * 7919 % 300);
    f.EndPlot();
    const std::vector<std::string> lines = PicTexLines(f);
    ASSERT_GE(lines.size(), 1u);
    EXPECT_EQ(lines[0].rfind("\\plot ", 0), 0u);
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_LT(lines[i].size(), 80u) << n;
      if (i > 0) {
        EXPECT_NE(lines[i].rfind("\\plot", 0), 0u) << n;
      }
    }
    if (lines.back() == " /") {
      closedAlone = true;
      ASSERT_GE(lines.size(), 2u);
      EXPECT_GE(lines[lines.size() - 2].size(), 77u) << n;
    } else {
      closedInLine = true;
      EXPECT_EQ(lines.back().substr(lines.back().size() - 2), " /");
      EXPECT_LT(lines.back().size() - 2, 77u) << n;
    }
  }
  EXPECT_TRUE(closedAlone);
  EXPECT_TRUE(closedInLine);
}

TEST(PicTexFileTest, PointListOfOnePointIsLeftOut) {
  PicTexFile f;
  for (int n : {0, 1}) {
    f.StartPlot();
    for (int i = 0; i < n; ++i) f.PlotPoint(1, 2);
    f.EndPlot();
  }
  f.StartPlot();
  f.PlotPoint(1, 2);
  f.PlotPoint(3, 4);
  f.EndPlot();
  EXPECT_EQ(PicTexLines(f), std::vector<std::string>{"\\plot   1.00  -2.00   3.00  -4.00  /"});
}

// What PiCTeX makes of each line stays within TeX's dimensions, and only what the screen shows
// is written: circles far beyond the screen (a stability circle with its ticks, a gain circle),
// a line across the screen and a curve that leaves it.
TEST(PicTexFileTest, KeepsWhatPiCTeXComputesWithinTeXsDimensions) {
  using Op = std::function<void(PicTexFile&)>;
  const struct {
    const char* what;
    Op op;
    int lists;  // \plot lists; -1: however many
  } cases[] = {
      {"stability circle beyond the screen",
       [](PicTexFile& f) {
         CircleWithBorder circle(nullptr);
         circle.SetCentre(-32767, 225);
         circle.SetRadius(33000);
         circle.SetSide('O');
         circle.WritePicTex(f);
       },
       -1},
      {"gain circle far off", [](PicTexFile& f) { f.Circle(32767, 32767, 100); }, 0},
      {"line across the screen",
       [](PicTexFile& f) {
         f.SetPen(0, 450);
         f.PlotLineTo(600, 0);
       },
       3},
      {"curve that leaves the screen",
       [](PicTexFile& f) {
         f.StartPlot();
         for (int y : {225, -30000, 225, 400}) f.PlotPoint(y == 400 ? 600 : 300 + y / 1000, y);
         f.EndPlot();
       },
       2},
  };
  for (const auto& c : cases) {
    PicTexFile f = WidestExport();
    f.BeginPicture();
    c.op(f);
    f.EndPicture();
    const std::vector<std::string> lines = PicTexLines(f);
    EXPECT_EQ(BeyondTeX(lines), "") << c.what;
    EXPECT_LE(f.Reach(), PicTexFile::kMaxReach) << c.what;
    const std::vector<Points> lists = PlotLists(lines);
    if (c.lists >= 0) {
      EXPECT_EQ(lists.size(), static_cast<size_t>(c.lists)) << c.what;
    }
    for (const Points& list : lists) {
      EXPECT_GE(list.size(), 2u) << c.what;
      for (const auto& [x, y] : list) EXPECT_TRUE(OnScreen(x, y)) << c.what << " " << x << " " << y;
    }
  }
}

// A polar chart's ring and a Smith chart's arc too wide for \circulararc are point lists on
// them within 0.05 mm (and the rounding to 0.01 mm), from the start angle through the sweep,
// within TeX's dimensions; a line too long for one \plot goes in pieces that join.
TEST(PicTexFileTest, WritesWideArcsAsPointsOnThemAndLongLinesInPieces) {
  const struct {
    int cx, cy, r;
    float start, sweep;
  } arcs[] = {{300, 225, 200, 0.0f, 360.0f}, {500, -175, 400, 217.0f, 34.4f}};
  for (const auto& a : arcs) {
    PicTexFile f = WidestExport();
    f.Arc(a.cx, a.cy, a.r, a.start, a.sweep);
    EXPECT_EQ(BeyondTeX(PicTexLines(f)), "") << a.r;
    const std::vector<Points> lists = PlotLists(PicTexLines(f));
    ASSERT_EQ(lists.size(), 1u) << a.r;
    const double cx = f.X(a.cx);
    const double cy = f.Y(a.cy);
    const double r = a.r * 1.25;
    const Points& points = lists[0];
    for (size_t i = 0; i < points.size(); ++i) {
      EXPECT_NEAR(std::hypot(points[i].first - cx, points[i].second - cy), r, 0.02) << i;
      if (i == 0) continue;
      const double mx = (points[i].first + points[i - 1].first) / 2 - cx;
      const double my = (points[i].second + points[i - 1].second) / 2 - cy;
      EXPECT_GT(std::hypot(mx, my), r - 0.07) << "chord " << i;
    }
    const auto angle = [&](const std::pair<double, double>& p) {
      return std::atan2(p.second - cy, p.first - cx) * 180.0 / M_PI;
    };
    EXPECT_NEAR(std::remainder(angle(points.front()) - a.start, 360.0), 0.0, 0.01) << a.r;
    EXPECT_NEAR(std::remainder(angle(points.back()) - a.start - a.sweep, 360.0), 0.0, 0.01) << a.r;
  }

  PicTexFile f = WidestExport();
  f.SetPen(0, 450);
  f.PlotLineTo(600, 0);
  const std::vector<Points> pieces = PlotLists(PicTexLines(f));
  // 750 mm across and 562.5 mm up: three pieces of 437.5 mm.
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].front(), std::make_pair(-125.0, -31.25));
  for (size_t i = 1; i < pieces.size(); ++i) EXPECT_EQ(pieces[i - 1].back(), pieces[i].front());
  EXPECT_EQ(pieces[2].back(), std::make_pair(625.0, 531.2)) << "four digits";
}

// Texts and marks anchored off the screen are left out; a curve that leaves the screen and
// comes back is two point lists, each ending on the screen's edge.
TEST(PicTexFileTest, LeavesOutWhatLiesOffTheScreen) {
  PicTexFile f = WidestExport();
  f.PutLabel(-1, 10, "off");
  f.Cross(300, 30000, 6);
  f.PutLabel(0, 450, "on");
  f.StartPlot();
  for (int x : {100, 300, 500}) f.PlotPoint(x, x == 300 ? -200 : 225);
  f.EndPlot();
  const std::vector<std::string> lines = PicTexLines(f);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "\\put {on}  [lb]  at -125 -31.25");
  const std::vector<Points> lists = PlotLists(lines);
  ASSERT_EQ(lists.size(), 2u);
  EXPECT_EQ(lists[0], (Points{{0.0, 250.0}, {132.35, 531.25}}));
  EXPECT_EQ(lists[1], (Points{{367.65, 531.25}, {500.0, 250.0}}));
}

// The strokes of a pixel column, up and down, make one rule, and so do stretches along a row;
// the stretches between them are point lists.
TEST(PicTexFileTest, StrokesAlongAnAxisGoOutAsRules) {
  PicTexFile f = WidestExport();
  f.StartPlot();
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{
           {200, 100}, {200, 300}, {200, 150}, {200, 250}, {201, 50}, {240, 50}, {260, 50},
           {300, 80}}) {
    f.PlotPoint(x, y);
  }
  f.EndPlot();
  EXPECT_EQ(PicTexLines(f),
            (std::vector<std::string>{
                "\\put {\\vrule width .4pt height 250.00mm}  [B]  at 125.00 156.25",
                "\\plot 125.00 218.75 126.25 468.75  /",
                "\\put {\\vrule width 73.75mm height .4pt}  [l]  at 126.25 468.75",
                "\\plot 200.00 468.75 250.00 431.25  /"}));
}

// However long the lines, PiCTeX sets no more dots than pdflatex holds beside a document: the
// spacing widens, only as far as needed, before the first line (\setdots takes it up), and a
// picture that fits keeps PiCTeX's own.
TEST(PicTexFileTest, KeepsItsDotsWithinWhatPdflatexHolds) {
  using Op = std::function<void(PicTexFile&)>;
  const auto rings = [](PicTexFile& f, int n) {
    f.SetDots(1);
    for (int r = 1; r <= n; ++r) f.Circle(300, 225, r * 200 / n);
    f.SetSolid();
  };
  // After a grid's \\setdots, as the diagrams write their curves.
  const auto list = [](PicTexFile& f, int n, auto point) {
    f.SetSolid();
    f.StartPlot();
    for (int i = 0; i < n; ++i) {
      const auto [x, y] = point(i);
      f.PlotPoint(x, y);
    }
    f.EndPlot();
  };
  // Five points a column, each column from the top to the bottom and back.
  const auto columns = [](int i) { return std::pair{i / 5, i % 2 * 450}; };
  const auto across = [](int i) { return std::pair{i % 2 * 600, i % 450}; };
  const struct {
    const char* what;
    Op op;
    bool widened;
  } cases[] = {
      {"a few lines",
       [&](PicTexFile& f) {
         rings(f, 3);
         list(f, 4, across);
       },
       false},
      {"a polar chart's dotted rings", [&](PicTexFile& f) { rings(f, 30); }, false},
      {"full-height strokes in every column", [&](PicTexFile& f) { list(f, 3000, columns); },
       true},
      {"a zigzag across the screen", [&](PicTexFile& f) { list(f, 3000, across); }, true},
      {"the zigzag before any \\setdots",
       [&](PicTexFile& f) {
         f.StartPlot();
         for (int i = 0; i < 3000; ++i) f.PlotPoint(across(i).first, across(i).second);
         f.EndPlot();
       },
       true},
      {"dotted rings and the zigzag",
       [&](PicTexFile& f) {
         rings(f, 30);
         list(f, 3000, across);
       },
       true},
  };
  for (const auto& c : cases) {
    PicTexFile f = WidestExport();
    f.BeginPicture();
    c.op(f);
    f.EndPicture();
    const std::vector<std::string> lines = PicTexLines(f);
    const double dots = PiCTeXDots(lines);
    EXPECT_LE(dots, PicTexFile::kDotBudget) << c.what;
    EXPECT_EQ(lines[3].rfind("\\plotsymbolspacing=", 0) == 0, c.widened) << c.what;
    if (c.widened) {
      EXPECT_GT(dots, 0.7 * PicTexFile::kDotBudget) << c.what;
    }
    EXPECT_EQ(BeyondTeX(lines), "") << c.what;
  }
}

}  // namespace
