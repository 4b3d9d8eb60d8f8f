#include "diagrams/pictex/PicTexFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "diagrams/tests/PicTexLines.h"

namespace {

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
      {[](PicTexFile& f) {
         f.scaleX = f.scaleY = 0.5f;
         f.LineLeft(2, 4, 16);
         f.LineDown(2, 4, 16);
       },
       {"\\put {\\line(-1,0){8} }  [Bl]  at 1 -2", "\\put {\\line(0,-1){8} }  [Bl]  at 1 -2"}},
      {[](PicTexFile& f) { f.Cross(10, 10, 6); },
       {"\\put {\\line(1,0){6} }  [Bl]  at 7 -10", "\\put {\\line(0,1){6} }  [Bl]  at 10 -13"}},
      {[](PicTexFile& f) { f.Diamond(100, 50, 6); },
       {"\\plot 97 -50 100 -47 /", "\\plot 100 -47 103 -50 /", "\\plot 103 -50 100 -53 /",
        "\\plot 100 -53 97 -50 /"}},
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

}  // namespace
