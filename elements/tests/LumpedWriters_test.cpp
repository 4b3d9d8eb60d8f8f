// Netlist, SPICE and LaTeX lines of the lumped symbols, their named parameters and copies, and
// their drawings.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "elements/lumped/GndSymbol.h"
#include "elements/lumped/QuarzSymbol.h"
#include "elements/lumped/ResSymbol.h"
#include "pf/recording_dc.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

using Maker = std::unique_ptr<NetSymbol> (*)();
using Change = void (*)(NetSymbol&);

template <class S>
std::unique_ptr<NetSymbol> Make() {
  return std::make_unique<S>(Point(100, 100), Point(200, 100));
}

const Maker kRes = Make<ResSymbol>, kCap = Make<CapSymbol>, kInd = Make<IndSymbol>;
const Maker kQuarz = Make<QuarzSymbol>, kSrlc = Make<SrlcSymbol>, kPrlc = Make<PrlcSymbol>;
const Maker kGnd = Make<GndSymbol>, kWire = Make<Verbindung>;
const Maker kDot = [] { return std::unique_ptr<NetSymbol>(new PktSymbol(Point(100, 100))); };

std::unique_ptr<NetSymbol> Placed(Maker make, Point p2 = Point(200, 100)) {
  std::unique_ptr<NetSymbol> s = make();
  s->pins[1] = p2;
  s->UpdateGeometry();
  return s;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i > 0 ? "|" : "") + lines[i];
  return text;
}

std::string Joined(LineFile& lines) {
  std::vector<std::string> all;
  lines.Reset();
  for (int i = 0; i < lines.GetCount(); ++i) all.push_back(lines.GetNext().ToCString());
  return Joined(all);
}

TEST(LumpedWritersTest, NetlistLinesAreReadBackBySimulator) {
  const struct {
    Maker make;
    int n1, n2, ideal;
    const char* line;
  } cases[] = {
      {kRes, 3, 4, 1, "RES 3 4 R = 50ohm"},
      {kRes, 5, 0, 1, "RES 5 R = 50ohm"},
      {kRes, 3, 4, 0, "RES 3 4 R = 50ohm LS=2nH CP=1pF"},
      {kCap, 0, 2, 1, "CAP 2 C = 1pF"},
      {kCap, 3, 4, 0, "CAP 3 4 C = 1pF Fs=1THz Qm=1e+04 Fm=1THz"},
      {kInd, 3, 4, 0, "IND 3 4 L = 2nH Fp=1THz Qm=1e+04 Fm=1THz"},
      // The resonators ignore the ideal flag.
      {kQuarz, 3, 4, 0, "QUARZ 3 4 FS=1MHz FD=0.75kHz ZK=1Mohm Q=4e+04"},
      {kSrlc, 3, 0, 0, "SRLC 3 F0=1MHz ZK=50ohm Q=1000"},
      {kPrlc, 3, 4, 1, "PRLC 3 4 F0=1MHz ZK=50ohm Q=100"},
      {kDot, 3, 0, 1, ""},
  };
  ElementBench bench;
  for (const auto& c : cases) {
    std::unique_ptr<NetSymbol> s = Placed(c.make);
    s->nodes = {c.n1, c.n2};
    s->settingC = c.ideal;
    s->netLine = "old";
    s->WriteNetLine();
    EXPECT_EQ(s->netLine, c.line);
    if (*c.line != '\0') {
      EXPECT_NE(bench.Accept(c.line), nullptr) << c.line;
    }
  }
}

TEST(LumpedWritersTest, SpiceLinesInternalNodesAndRefusedValues) {
  const Change none = [](NetSymbol&) {};
  const struct {
    Maker make;
    Change change;
    int n2;
    int used;
    const char* lines;
    const char* messages;
  } cases[] = {
      {kRes, none, 0, 0, "X1  3 0 50", ""},
      {kCap, none, 4, 0, "X1  3 4 1P|RX1  3 4 1G", ""},
      {kInd, none, 4, 0, "X1  3 4 2N", ""},
      {kQuarz, none, 4, 2,
       "*--Quarz-------------|LX1 3 11 159.154943m|CsX1 11 12 159.154943F|RX1 12 4 25|"
       "CoX1 3 4 106.103295P|*--------------------",
       ""},
      {kSrlc, none, 0, 2, "LX1 3 11 7.95774715U|CX1 11 12 3.18309886N|RX1 12 0 50m", ""},
      {kPrlc, none, 4, 0, "LX1 3 4 7.95774715U|CX1 3 4 3.18309886N|RX1 3 4 5K", ""},
      {kGnd, none, 0, 0, "", ""},
      {kWire, none, 3, 0, "", ""},
      {kQuarz,
       [](NetSymbol& s) {
         static_cast<QuarzSymbol&>(s).q = "0";
         static_cast<QuarzSymbol&>(s).fd = "0Hz";
       },
       4, 0, "",
       "X1: Abstand zur Parallelresonanz muss größer als 0 sein|X1: Güte muss größer als 0 sein"},
      {kSrlc, [](NetSymbol& s) { s.SetParameter("fRes", 0.0f); }, 4, 0, "",
       "X1: Resonanzfrequenz muss größer als 0 sein"},
      {kPrlc, [](NetSymbol& s) { static_cast<PrlcSymbol&>(s).zk = "fiftyohm"; }, 4, 0, "",
       "Zuviele Vor- bzw. Nachkommastellen|X1: Kennwiderstand muss größer als 0 sein"},
  };
  for (const auto& c : cases) {
    VS_Error::ResetQueue();
    std::unique_ptr<NetSymbol> s = Placed(c.make);
    s->elementName = "X1";
    s->nodes = {3, c.n2};
    c.change(*s);
    LineFile lines;
    EXPECT_EQ(s->WriteSpiceLines(lines, 10), c.used) << c.lines;
    EXPECT_EQ(Joined(lines), c.lines);
    std::vector<std::string> messages;
    for (int i = 0; i < VS_Error::MessageCount(); ++i) {
      messages.push_back(VS_Error::Message(i).ToCString());
    }
    EXPECT_EQ(Joined(messages), c.messages);
  }
}

TEST(LumpedWritersTest, NamedParametersAndCopiesForNewSymbols) {
  SrlcSymbol s;
  s.SetParameter("fRes", 2.5e9f);
  s.SetParameter("zKen", 75.0f);
  s.SetParameter("qGuete", 42.0f);
  s.SetParameter("fres", 1.0f);  // names are case-sensitive
  s.SetParameter("Q", 1.0f);
  s.SetParameter("fRes", std::nanf(""));
  EXPECT_EQ(s.f0, "2.5GHz");
  EXPECT_DOUBLE_EQ(s.GetParameter("fRes"), 2.5e9);
  EXPECT_DOUBLE_EQ(s.GetParameter("zKen"), 75.0);
  EXPECT_DOUBLE_EQ(s.GetParameter("qGuete"), 42.0);
  EXPECT_EQ(s.GetParameter("Q"), 0.0);

  ResSymbol lossyRes, res;
  lossyRes.settingC = 0;
  res.CopyParameters(lossyRes);
  EXPECT_EQ(res.settingC, 0);
  IndSymbol lossyInd, ind;
  lossyInd.settingC = 0;
  lossyInd.fp = "3GHz";
  ind.CopyParameters(lossyInd);
  EXPECT_EQ(ind.settingC, 1);  // a new inductor is always ideal
  EXPECT_EQ(ind.fp, "3GHz");
  QuarzSymbol crystal;
  crystal.CopyParameters(ind);  // another class: nothing
  EXPECT_EQ(crystal.fs, "1MHz");
}

TEST(LumpedWritersTest, LatexPictures) {
  const struct {
    Maker make;
    Point p2;
    const char* r;
    const char* latex;
  } cases[] = {
      {kRes,
       {200, 100},
       "50ohm",
       "% WIDERSTAND|\\put(20,20){\\line(1,0){6}}|\\put(34,20){\\line(1,0){6}}|"
       "\\put(26,18){\\framebox(8,4){}}|\\put(20,24){50$\\Omega$}|"
       "\\put(20,20){\\circle*{1}}|\\put(40,20){\\circle*{1}}"},
      // Blanks go, then the last three characters, whatever they are.
      {kRes,
       {100, 200},
       "1.5k ",
       "% WIDERSTAND|\\put(20,20){\\line(0,-1){6}}|\\put(20,6){\\line(0,-1){6}}|"
       "\\put(18,6){\\framebox(4,8){}}|\\put(24,10){1$\\Omega$}|"
       "\\put(20,20){\\circle*{1}}|\\put(20,0){\\circle*{1}}"},
      {kCap,
       {200, 100},
       "",
       "% KAPAZITAET|\\put(20,20){\\line(1,0){9}}|\\put(31,20){\\line(1,0){9}}|"
       "\\put(29,17){\\line(0,1){6}}|\\put(31,17){\\line(0,1){6}}|\\put(27,24){1pF}|"
       "\\put(20,20){\\circle*{1}}|\\put(40,20){\\circle*{1}}"},
      {kInd,
       {100, 200},
       "",
       "% INDUKTIVITAET|\\put(20,20){\\line(0,-1){7}}|\\put(20,7){\\line(0,-1){7}}|"
       "\\put(20,12){\\oval(2,2)[r]}|\\put(20,10){\\oval(2,2)[r]}|\\put(20,8){\\oval(2,2)[r]}|"
       "\\put(24,10){2nH}|\\put(20,20){\\circle*{1}}|\\put(20,0){\\circle*{1}}"},
      // TeX's special characters print as they are.
      {kRes,
       {200, 100},
       "4_7%kohm",
       "% WIDERSTAND|\\put(20,20){\\line(1,0){6}}|\\put(34,20){\\line(1,0){6}}|"
       "\\put(26,18){\\framebox(8,4){}}|\\put(17,24){4\\_7\\%k$\\Omega$}|"
       "\\put(20,20){\\circle*{1}}|\\put(40,20){\\circle*{1}}"},
      {kGnd,
       {150, 100},
       "",
       "% GROUND|\\put(20,20){\\line(1,0){5}}|\\put(25,18){\\line(0,1){4}}|"
       "\\put(20,20){\\circle*{1}}"},
      {kWire, {100, 150}, "", "% VERBINDUNG|\\put(20,20){\\line(0,-1){10}}"},
  };
  for (const auto& c : cases) {
    std::unique_ptr<NetSymbol> s = Placed(c.make, c.p2);
    s->latexOrigin = Point(0, 200);
    if (*c.r != '\0') static_cast<ResSymbol&>(*s).r = c.r;
    LineFile lines;
    s->WriteLatex(lines);
    EXPECT_EQ(Joined(lines), c.latex);
  }
}

TEST(LumpedWritersTest, DrawingOfEachFamilyLyingAndUpright) {
  const struct {
    Maker make;
    Point p2;
    const char* calls;
  } cases[] = {
      {kRes,
       {200, 100},
       "Line 99 100 125 100|Line 201 100 175 100|Polygon 140 96 160 96 160 104 140 104|"
       "Line 140 100 125 100|Line 160 100 175 100|TextOut 130 83 50ohm"},
      {kRes,
       {100, 200},
       "Line 100 99 100 125|Line 100 201 100 175|Polygon 96 140 104 140 104 160 96 160|"
       "Line 100 140 100 125|Line 100 160 100 175|TextOut 83 170 50ohm"},
      {kSrlc,
       {200, 100},
       "Line 99 100 125 100|Line 201 100 175 100|Arc 130 96 138 104 138 100 130 100|"
       "Arc 138 96 146 104 146 100 138 100|Line 130 100 126 100|Line 146 100 150 100|"
       "Line 150 100 160 100|Line 164 100 174 100|Line 160 96 160 105|Line 164 96 164 105|"
       "TextOut 134 83 1MHz|TextOut 130 106 50ohm"},
      {kGnd,
       {150, 100},
       "Line 100 100 115 100|Line 122 93 122 107|Line 125 95 125 105|Line 128 97 128 103|"
       "Line 99 100 122 100"},
      {kDot, {100, 100}, "Ellipse 98 98 102 102"},
  };
  for (const auto& c : cases) {
    std::unique_ptr<NetSymbol> s = Placed(c.make, c.p2);
    s->drawPinMarks = 0;
    pf::RecordingDc dc;
    s->Draw(dc);
    EXPECT_EQ(Joined(dc.Log()), c.calls) << s->classKey;
  }
  // A wire over three grid points has three pins for the node numbering.
  EXPECT_EQ(Placed(kWire, Point(150, 100))->GetPinCount(), 3);
}

// Where a drawing call puts ink: the points' box, for a half-circle arc its two ends and the
// middle of its run counter-clockwise (y up); a label's text box (8 x 12 a character, turned
// by escapement 900 to read upwards from its point).
pf::Rect InkBox(const pf::DcCall& call) {
  if (call.op == "TextOut") {
    const pf::Point p = call.points[0];
    const int along = 8 * static_cast<int>(call.text.size());
    return call.font.escapement == 900 ? pf::Rect{p.x, p.y - along, p.x + 12, p.y}
                                       : pf::Rect{p.x, p.y, p.x + along, p.y + 12};
  }
  std::vector<pf::Point> points = call.points;
  if (call.op == "Arc") {
    const pf::Point a = points[0], b = points[1], from = points[2], to = points[3];
    const pf::Point centre{(a.x + b.x) / 2, (a.y + b.y) / 2};
    const pf::Point chord = to - from;  // the middle lies a quarter turn clockwise of it
    points = {from, to, centre + pf::Point{-chord.y / 2, chord.x / 2}};
  }
  pf::Rect box{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
  for (const pf::Point p : points) {
    box = {std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x + 1),
           std::max(box.bottom, p.y + 1)};
  }
  return box;
}

bool Overlap(const pf::Rect& a, const pf::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every value label of a resonator stands clear of the glyph and the leads, lying and upright.
TEST(LumpedWritersTest, ResonatorLabelsStandClearOfTheirGlyphs) {
  const struct {
    Maker make;
    Point p2;
    size_t labels;
  } cases[] = {
      {kQuarz, {200, 100}, 1}, {kQuarz, {100, 200}, 1}, {kSrlc, {200, 100}, 2},
      {kSrlc, {100, 200}, 2},  {kPrlc, {200, 100}, 2},  {kPrlc, {100, 200}, 2},
  };
  for (const auto& c : cases) {
    std::unique_ptr<NetSymbol> s = Placed(c.make, c.p2);
    s->drawPinMarks = 0;
    pf::RecordingDc dc;
    s->Draw(dc);
    const std::string where =
        std::string(s->classKey.ToCString()) + (s->horizontal != 0 ? " lying" : " upright");
    size_t labels = 0;
    for (const pf::DcCall& label : dc.Calls()) {
      if (label.op != "TextOut") continue;
      ++labels;
      for (const pf::DcCall& ink : dc.Calls()) {
        if (ink.op == "TextOut") continue;
        EXPECT_FALSE(Overlap(InkBox(label), InkBox(ink)))
            << where << ": " << label.ToString() << " over " << ink.ToString();
      }
    }
    EXPECT_EQ(labels, c.labels) << where;
  }
}

}  // namespace
