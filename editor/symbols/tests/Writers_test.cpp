#include <gtest/gtest.h>

#include <string>

#include "editor/symbols/ContinuationLines.h"
#include "editor/symbols/LatexPrimitives.h"
#include "editor/symbols/NetSymbol.h"
#include "formats/GerberPlotFile.h"

namespace {

TEST(WritersTest, LatexPrimitives) {
  const Point p(2, 12);
  const std::pair<MyStrng, const char*> cases[] = {
      {LatexLine(p, 10, 'U'), "\\put(2,12){\\line(0,-1){10}}"},
      {LatexShortstack("R1"), "{\\shortstack{R\\\\1}}"},
      {LatexLabel(p, 'V', "R1"), "\\put(2,12){\\shortstack{R\\\\1}}"},
      {LatexLabel(p, 'H', "R1"), "\\put(2,12){R1}"},
      {LatexCircle(p, 1), "\\put(2,12){\\circle*{1}}"},
      {LatexOval(p, 4, 2, 'R'), "\\put(2,12){\\oval(4,2)[t]}"},
      {LatexOval(p, 4, 2, 'U'), "\\put(2,12){\\oval(2,4)[r]}"},
      {LatexOval(p, 4, 2, 'K'), "\\put(2,12){\\oval(4,2)}"},
      {LatexFramebox(p, 4, 2, 'O'), "\\put(2,12){\\framebox(2,4){}}"},
      {LatexVector(p, 0, 1, 5), "\\put(2,12){\\vector(0,1){5}}"},
      {LatexConnect(p, Point(2, 20)), "\\put(2,12){\\line(0,1){8}}"},
      {LatexConnect(p, Point(-3, 12)), "\\put(2,12){\\line(-1,0){5}}"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text.ToCString(), expected);
  EXPECT_EQ(LatexTextLength("R12"), 6);
  NetSymbol s;
  s.latexOrigin = Point(100, 100);
  EXPECT_EQ(s.ToLatexPoint(Point(112, 38)), Point(2, 12));
}

// TeX prints every character of a label; the caller's tail stays TeX.
TEST(WritersTest, LatexLabelsEscapeTheirText) {
  const Point p(2, 12);
  const std::pair<MyStrng, const char*> cases[] = {
      {LatexLabel(p, 'H', "R_1 50% & #2"), "\\put(2,12){R\\_1 50\\% \\& \\#2}"},
      {LatexLabel(p, 'H', "{$x$}"), "\\put(2,12){\\{$\\$$x$\\$$\\}}"},
      {LatexLabel(p, 'H', "a~b^c\\d"),
       "\\put(2,12){a\\~{}b\\^{}c$\\backslash$d}"},
      {LatexLabel(p, 'H', "<1|2>"), "\\put(2,12){$<$1$|$2$>$}"},
      {LatexLabel(p, 'H', "5_0", "$\\Omega$"), "\\put(2,12){5\\_0$\\Omega$}"},
      {LatexLabel(p, 'V', "R_1"), "\\put(2,12){\\shortstack{R\\\\\\_\\\\1}}"},
      {LatexLabel(p, 'V', "%", "$\\Omega$"), "\\put(2,12){\\shortstack{\\%\\\\$\\Omega$}}"},
      {LatexShortstack(""), "{\\shortstack{}}"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text.ToCString(), std::string(expected));
}

TEST(WritersTest, LongNetlistLinesContinueOnPlusLines) {
  MyStrng line = "RES 1 2";  // 7 characters
  ContinuationLines extra;
  const MyStrng chunk = " 1234567890123456789012345678901";  // 32 characters
  extra.AppendWrapped(line, chunk);                          // 39
  extra.AppendWrapped(line, chunk);                          // 71 would pass 70: "+" and the chunk
  EXPECT_EQ(line.GetLength(), 39);
  ASSERT_EQ(extra.Count(), 1);
  EXPECT_EQ(extra.Get(0), MyStrng("+") + chunk);
  extra.AppendWrapped(line, chunk);                               // the open continuation line: 65
  extra.AppendWrapped(line, "12345");                             // 70 still fits
  for (int i = 0; i < 20; ++i) extra.AppendWrapped(line, chunk);  // two a line, no fixed limit
  EXPECT_EQ(extra.Get(0).GetLength(), 70);
  EXPECT_EQ(extra.Count(), 11);
  EXPECT_EQ(extra.TotalLength(line), 39 + 72 + 10 * 67);
  EXPECT_EQ(extra.Get(11), "noLines");
  extra.Clear();
  extra.AppendWrapped(line, "x");
  EXPECT_EQ(extra.Count(), 0);
}

TEST(WritersTest, GerberSelectsTheApertureOnlyWhenNamed) {
  NetSymbol s;
  GerberPlotFile layer;
  s.WriteGerber(layer);
  EXPECT_EQ(layer.GetCount(), 0);
  s.aperture = "D12";
  s.WriteGerber(layer);
  ASSERT_EQ(layer.GetCount(), 1);
  layer.Reset();
  EXPECT_EQ(layer.GetNext(), "G54D12*");
}

}  // namespace
