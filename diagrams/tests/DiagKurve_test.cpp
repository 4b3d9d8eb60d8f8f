#include "diagrams/graphics/DiagKurve.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/pictex/PicTexFile.h"
#include "diagrams/tests/PicTexLines.h"
#include "diagrams/tests/TestPlane.h"
#include "pf/archive.h"
#include "pf/recording_dc.h"

namespace {

// A curve of n points x = i, y1 = 100 + i, y2 = 1000 + i, ... over k columns.
void Fill(DiagKurve& c, int n, int k) {
  c.Allocate(n, k);
  for (int i = 0; i < n; ++i) c.Append(i, 100.0f + i, 1000.0f + i, 10000.0f + i);
}

std::string Stored(DiagKurve& c) {
  std::ostringstream os;
  pf::Archive ar(os);
  c.Serialize(ar);
  return os.str();
}

bool LoadInto(DiagKurve& c, const std::string& bytes) {
  std::istringstream is(bytes);
  pf::Archive ar(is);
  return c.Load(ar);
}

float FloatAt(const std::string& bytes, size_t offset) {
  float v = 0.0f;
  std::memcpy(&v, bytes.data() + offset, sizeof v);
  return v;
}

void PutInt(std::string& bytes, size_t offset, int32_t v) {
  std::memcpy(bytes.data() + offset, &v, sizeof v);
}

std::vector<std::string> Lines(const std::string& text) {
  std::istringstream is(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(is, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> DataText(const DiagKurve& c) {
  LineFile text;
  c.WriteDataText(text);
  std::ostringstream os;
  text.WriteLines(os);
  return Lines(os.str());
}

TEST(DiagKurveFile, StoresTheColumnsOneAfterTheOtherAndRoundTripsByteExact) {
  TestPlane plane;
  DiagKurve curve(nullptr, &plane);
  Fill(curve, 101, 2);
  curve.SetName("S21");
  curve.SetKind("SmithDiag");
  curve.EnableEndMarkers();
  const std::string bytes = Stored(curve);
  const size_t table = bytes.size() - 3 * 101 * sizeof(float);
  for (int i : {0, 57, 100}) {
    EXPECT_EQ(FloatAt(bytes, table + 4 * i), i);
    EXPECT_EQ(FloatAt(bytes, table + 4 * (101 + i)), 100.0f + i);
    EXPECT_EQ(FloatAt(bytes, table + 4 * (202 + i)), 1000.0f + i);
  }
  DiagKurve loaded(nullptr, &plane);
  ASSERT_TRUE(LoadInto(loaded, bytes));
  EXPECT_EQ(Stored(loaded), bytes);
  EXPECT_EQ(loaded.GetCursor(), 0) << "the cursor is not stored";
}

TEST(DiagKurveFile, BadFilesFailWithTheMessageAndLeaveNoPoints) {
  DiagKurve good(nullptr, nullptr);
  Fill(good, 3, 1);
  const std::string bytes = Stored(good);
  const size_t columnsAt = bytes.size() - 6 * sizeof(float) - 4;
  const size_t countAt = columnsAt - 4;
  const size_t intervalAt = countAt - 4;
  struct Case {
    const char* what;
    size_t offset;
    int32_t value;
  };
  const Case cases[] = {
      {"count beyond the file", countAt, 1000}, {"count beyond the limit", countAt, 1 << 30},
      {"negative count", countAt, -3},          {"no columns", columnsAt, 0},
      {"four columns", columnsAt, 4},           {"symbol step 0", intervalAt, 0},
      {"name beyond the file", 0, 1 << 20},     {"negative name length", 0, -16},
  };
  std::vector<std::pair<std::string, std::string>> files;
  for (const Case& c : cases) {
    files.emplace_back(c.what, bytes);
    PutInt(files.back().second, c.offset, c.value);
  }
  for (size_t n = 0; n < bytes.size(); ++n) files.emplace_back("truncated", bytes.substr(0, n));
  DiagKurve longName(nullptr, nullptr);
  longName.SetName(std::string(5000, 'x').c_str());
  files.emplace_back("over-long name", Stored(longName));
  for (const auto& [what, file] : files) {
    VS_Error::ResetQueue();
    DiagKurve c(nullptr, nullptr);
    c.Allocate(2, 1);
    EXPECT_FALSE(LoadInto(c, file)) << what;
    EXPECT_EQ(c.GetCount(), 0);
    EXPECT_EQ(VS_Error::GetFirstMessage(), "Kurve konnte nicht geladen werden");
  }
  DiagKurve empty(nullptr, nullptr);
  DiagKurve reloaded(nullptr, nullptr);
  EXPECT_TRUE(LoadInto(reloaded, Stored(empty))) << "a curve without points loads";
}

// A point that is no finite number fails the curve file and the text form alike, in x or in any
// value column. The largest floats load: the analyser itself stores a short's admittance as
// 3.4e38 and an unbounded stability circle's radius as the float maximum.
TEST(DiagKurveFile, PointsThatAreNoFiniteNumberFailTheCurve) {
  const float max = std::numeric_limits<float>::max();
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  DiagKurve good(nullptr, nullptr);
  Fill(good, 3, 2);
  const std::string bytes = Stored(good);
  const size_t table = bytes.size() - 9 * sizeof(float);
  std::ostringstream text;
  good.WriteText(text);
  const struct {
    int index;  // of the nine stored floats: x, then y1, then y2
    float value;
    const char* written;  // in the text form, for the value 101 (y1 of point 1)
    bool loads;
  } kCases[] = {
      {1, nan, "nan", false},     {5, inf, "inf", false},      {6, -inf, "-inf", false},
      {8, nan, "1e999", false},   {4, inf, "1e39", false},     {0, max, "3.40282e+38", true},
      {7, -max, "-3.40282e+38", true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.written);
    std::string file = bytes;
    std::memcpy(file.data() + table + 4 * c.index, &c.value, sizeof c.value);
    VS_Error::ResetQueue();
    DiagKurve loaded(nullptr, nullptr);
    EXPECT_EQ(LoadInto(loaded, file), c.loads);
    EXPECT_EQ(loaded.GetCount(), c.loads ? 3 : 0);
    EXPECT_EQ(VS_Error::MessageCount() > 0 ? VS_Error::GetFirstMessage().ToCString() : "",
              std::string(c.loads ? "" : "Kurve konnte nicht geladen werden"));

    std::string form = text.str();
    form.replace(form.find(",101,"), 5, std::string(",") + c.written + ",");
    std::istringstream is(form);
    DiagKurve read(nullptr, nullptr);
    read.ReadText(is);
    EXPECT_EQ(static_cast<bool>(is), c.loads);
    EXPECT_EQ(read.GetCount(), c.loads ? 3 : 0);
  }
}

TEST(DiagKurveText, BreaksAfterTheEleventhAndEveryTenthValueAndReadsBack) {
  DiagKurve curve(nullptr, nullptr);
  Fill(curve, 25, 1);
  curve.SetName("Kurve1");
  std::ostringstream os;
  curve.WriteText(os);
  const std::vector<std::string> lines = Lines(os.str());
  ASSERT_EQ(lines.size(), 10u);
  EXPECT_EQ(lines[4], "(6,Kurve1)");
  EXPECT_EQ(lines[5], "25,1,25");
  EXPECT_EQ(lines[7], "0,1,2,3,4,5,6,7,8,9,10");
  EXPECT_EQ(lines[8], "11,12,13,14,15,16,17,18,19,20");
  EXPECT_EQ(lines[9].substr(0, 20), "21,22,23,24,100,101,");

  DiagKurve copy(nullptr, nullptr);
  std::istringstream is(os.str());
  copy.ReadText(is);
  ASSERT_TRUE(is);
  std::ostringstream again;
  copy.WriteText(again);
  EXPECT_EQ(again.str(), os.str());

  std::string bad = os.str();
  bad.replace(bad.find("25,1,25"), 7, "25,4,25");
  std::istringstream badIs(bad);
  copy.ReadText(badIs);
  EXPECT_FALSE(badIs);
  EXPECT_EQ(copy.GetColumns(), 1) << "a bad text changes nothing";
}

TEST(DiagKurveText, DataCopyIsTheBannerAndOneTabbedLinePerPoint) {
  DiagKurve curve(nullptr, nullptr);
  curve.SetName("S11");
  curve.SetKind("LinPolDiag");
  curve.SetNetwork("Filter");
  const std::string rule = "!------------------------------------!";
  EXPECT_EQ(DataText(curve),
            (std::vector<std::string>{rule, "! Kurve: S11", "! Diagramm: LinPolDiag", "! Punkte: 0",
                                      rule, "! Netzwerk: Filter", "! Datum: ", rule}));
  Fill(curve, 2, 2);
  EXPECT_EQ(DataText(curve).back(), "1\t101\t1001\t");
}

TEST(DiagKurve, ReadingIsClampedAndFillingStopsAtTheCapacity) {
  DiagKurve none(nullptr, nullptr);
  EXPECT_EQ(none.GetY1(3), 0.0f);
  EXPECT_FALSE(none.CursorNext());

  DiagKurve curve(nullptr, nullptr);
  Fill(curve, 4, 1);
  curve.Append(9.0, 9.0);
  EXPECT_EQ(curve.GetCursor(), 4) << "a point beyond the capacity is ignored";
  EXPECT_EQ(curve.GetY1(-5), 100.0f);
  EXPECT_EQ(curve.GetY1(4 + 3), 103.0f) << "the marker index may pass the last point";
  EXPECT_EQ(curve.GetY2(1), 0.0f) << "no second column";
  EXPECT_FALSE(curve.SetCursor(4));
  ASSERT_TRUE(curve.SetCursor(3));
  EXPECT_FALSE(curve.CursorNext());
  for (int i = 0; i < 3; ++i) curve.IncSymbolInterval();
  EXPECT_EQ(curve.GetSymbolInterval(), 3) << "stops at count - 1";
}

TEST(DiagKurve, DrawsEachStyleThroughTheMapping) {
  TestPlane plane;
  plane.breaks = {2.0f};
  plane.gridRight = 2.5f;
  DiagKurve curve(nullptr, &plane);
  curve.Allocate(4, 1);
  for (int i = 0; i < 4; ++i) curve.Append(i, i % 2, 0.0f);
  OutText label(nullptr);
  label.SetChanged();  // drawn as its text alone
  curve.SetLabel(&label);
  struct Case {
    char style;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {'L', {"Line 200 150 300 50", "Line 400 150 500 50"}},
      {'S', {"Line 200 150 200 250", "Line 300 50 300 250", "Line 400 150 400 250"}},
      {'P',
       {"Polyline 197 150 200 147 203 150 200 153 197 150", "SetPixel 200 150",
        "Polyline 397 150 400 147 403 150 400 153 397 150", "SetPixel 400 150"}},
  };
  for (const Case& c : cases) {
    curve.SetStyle(c.style);
    if (c.style == 'P') curve.IncSymbolInterval();
    pf::RecordingDc dc;
    curve.Draw(&dc);
    std::vector<std::string> log = dc.Log();
    ASSERT_EQ(log.back().substr(0, 7), "TextOut") << "the label comes last";
    log.pop_back();
    EXPECT_EQ(log, c.log) << c.style;
  }
  PicTexFile tex;
  curve.SetStyle('S');
  curve.WritePicTex(tex);
  EXPECT_EQ(PicTexLines(tex).size(), 2u) << "spectral lines go out as a broken polyline";
}

// The picture's symbols are those the screen draws (DrawsEachStyleThroughTheMapping), of their
// shape and size at the same points: each point symbol of the interval, the start symbol (a
// circle of the drawn radius), the end symbol (a diamond) only where Draw puts one; a spectrum's
// lines have none.
TEST(DiagKurve, PicTexWritesTheSymbolsItDraws) {
  TestPlane plane;
  DiagKurve curve(nullptr, &plane);
  curve.Allocate(4, 1);
  for (int i = 0; i < 4; ++i) curve.Append(i, 0.0f, 0.0f);
  curve.EnableEndMarkers();
  const auto circle = [](int x) {
    return "\\circulararc 360 degrees  from " + std::to_string(x + 3) + " -150 center  at " +
           std::to_string(x) + " -150";
  };
  const auto diamond = [](int x) {
    const std::string l = std::to_string(x - 3) + ".00 -150.00";
    return std::vector<std::string>{"\\plot " + l + " " + std::to_string(x) + ".00 -147.00 " +
                                        std::to_string(x + 3) + ".00 -150.00 " +
                                        std::to_string(x) + ".00 -153.00 ",
                                    l + "  /"};
  };
  const auto cross = [](int x) {
    return std::vector<std::string>{
        "\\put {\\footnotesize \\line(1,0){6} }  [Bl]  at " + std::to_string(x - 3) + " -150",
        "\\put {\\footnotesize \\line(0,1){6} }  [Bl]  at " + std::to_string(x) + " -153"};
  };
  const auto join = [](std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
  };
  const std::string rule = "\\put {\\vrule width 300.00mm height .4pt}  [l]  at 200.00 -150.00";
  const struct {
    const char* what;
    char style;
    char shape;
    int interval;
    std::vector<std::string> lines;
  } cases[] = {
      {"circles", 'P', 'C', 1,
       join({{circle(200), circle(300), circle(400), circle(500), circle(200)}, diamond(500)})},
      {"crosses, every second", 'P', 'K', 2, join({cross(200), cross(400), {circle(200)}})},
      {"diamonds, every third", 'P', 'R', 3,
       join({diamond(200), diamond(500), {circle(200)}, diamond(500)})},
      {"line", 'L', 'K', 1, join({{rule, circle(200)}, diamond(500)})},
      {"spectrum", 'S', 'C', 1, {rule}},
  };
  for (const auto& c : cases) {
    curve.SetStyle(c.style);
    curve.GetPointSymbol().SetShape(c.shape);
    while (curve.GetSymbolInterval() > 1) curve.DecSymbolInterval();
    while (curve.GetSymbolInterval() < c.interval) curve.IncSymbolInterval();
    PicTexFile tex;
    curve.WritePicTex(tex);
    EXPECT_EQ(PicTexLines(tex), c.lines) << c.what;
  }
}

TEST(DiagKurve, AppendAndDrawDrawsOnlyTheNewSegment) {
  TestPlane plane;
  DiagKurve curve(nullptr, &plane);
  curve.Allocate(3, 1);
  curve.EnableEndMarkers();
  pf::RecordingDc dc;
  for (float v : {0.0f, 1.0f, 2.0f, 3.0f})
    curve.AppendAndDraw(&dc, v, v == 1.0f ? 1.0f : 0.0f, 0.0f);
  const std::vector<std::string> log = dc.Log();
  ASSERT_EQ(log.size(), 4u) << "nothing for the first point nor beyond the capacity";
  EXPECT_EQ(log[0], "Line 200 150 300 50");
  EXPECT_EQ(log[1].substr(0, 3), "Arc") << "the start symbol on the first point";
  EXPECT_EQ(log[2], "Line 300 50 400 150");
  EXPECT_EQ(log[3].substr(0, 8), "Polyline") << "the end symbol on the last point";
}

}  // namespace
