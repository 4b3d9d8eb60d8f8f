// Transformer, controlled sources and amplifier: derived inductances, netlist and SPICE lines,
// refused values, copies, geometry, drawing and LaTeX.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "elements/lumped/ControlledSymbol.h"
#include "elements/lumped/CplIndSymbol.h"
#include "pf/recording_dc.h"
#include "simulator/tests/support/ElementBench.h"

namespace {

std::string Joined(LineFile& lines) {
  std::string text;
  lines.Reset();
  for (int i = 0; i < lines.GetCount(); ++i) {
    text += i > 0 ? "|" : "";
    text += lines.GetNext().ToCString();
  }
  return text;
}

std::string Text(NetSymbol& s) {
  std::ostringstream out;
  s.WriteText(out);
  return out.str();
}

std::vector<std::string> TakeMessages() {
  std::vector<std::string> messages;
  for (int i = 0; i < VS_Error::MessageCount(); ++i)
    messages.push_back(VS_Error::Message(i).ToCString());
  VS_Error::ClearQueue();
  return messages;
}

// Input on node 1, output on node 2, common terminal on ground.
template <class S>
std::unique_ptr<S> OnNodes(const char* name) {
  auto s = std::make_unique<S>();
  s->elementName = name;
  s->nodes = {1, 2, 0, 0, 0};
  return s;
}

TEST(TransformerAndSourcesTest, NetlistAndSpiceLines) {
  auto defaults = OnNodes<CplIndSymbol>("T0");
  auto syue = OnNodes<CplIndSymbol>("T2");
  syue->SetSymmetricKind();
  syue->k = "0.9";
  syue->n2 = "2";
  auto vvg = OnNodes<VvgSymbol>("V1");
  auto vcg = OnNodes<VcgSymbol>("Vcg1");
  vcg->r1 = "1kohm";
  vcg->r2 = "500ohm";
  auto ccg = OnNodes<CcgSymbol>("C1");
  ccg->delayFlag = 1;  // the flags decide, whatever fg and Td hold
  auto opa = OnNodes<OpAmpSymbol>("OP1");
  opa->cutOffFlag = 1;
  const struct {
    NetSymbol* s;
    const char* net;
    int used;
    const char* spice;
  } cases[] = {
      // Lp = 492.5 nH, L1 = Lp + Ls, L2 = L1 / k^2.
      {defaults.get(), "MUI 1 0 2 0 L1=0.5025uH L2=0.5127uH K=0.99", 0,
       "*----Unsymmetrischer Übertrager -------|L1T0 1 0 0.502513037U|L2T0 2 0 0.512716077U|"
       "KT0 L1T0 L2T0 0.99|*---------------------"},
      // The symmetric kind too writes the coupled inductors to SPICE; N1:N2 = 1:2 makes L2
      // 4 L1 / k^2.
      {syue.get(), "SYUE 1 2 0 AL=10nH N1=1 N2=2 K=0.9", 0,
       "*----Unsymmetrischer Übertrager -------|L1T2 1 0 52.6315667N|L2T2 2 0 259.908985N|"
       "KT2 L1T2 L2T2 0.9|*---------------------"},
      // Controlling nodes reversed, as the built-in model inverts.
      {vvg.get(), "VVG 1 0 2 0 M=10 R1=50ohm R2=50ohm", 1,
       "EV1 11 0 0 1 10|ReV1 1 0 50|RaV1 11 2 50"},
      {vcg.get(), "VCG 1 0 2 0 G=10mMho R1=1kohm R2=500ohm", 0,
       "GVcg1 2 0 1 0 10m|ReVcg1 1 0 1K|RaVcg1 2 0 500"},
      {ccg.get(), "CCG 1 0 2 0 B=100 R1=50ohm R2=50ohm T=1pSec", 1,
       "FC1 2 0 VC1 100|VC1 11 0|ReC1 1 11 50|RaC1 2 0 50"},
      {opa.get(), "OPA 1 0 2 M=80 R1=1Mohm R2=50ohm F=100GHz", 0, ""},
  };
  ElementBench bench;
  for (const auto& c : cases) {
    c.s->WriteNetLine();
    EXPECT_EQ(c.s->netLine, c.net);
    LineFile lines;
    EXPECT_EQ(c.s->WriteSpiceLines(lines, 10), c.used) << c.net;
    EXPECT_EQ(Joined(lines), c.spice);
    // The reader refuses a port from ground to ground, which the symmetric transformer and
    // the amplifier make of a grounded pin 3.
    if (c.s == syue.get() || c.s == opa.get()) c.s->nodes[2] = 3;
    c.s->WriteNetLine();
    EXPECT_NE(bench.Accept(c.s->netLine.ToCString().c_str()), nullptr);
  }
  EXPECT_EQ(opa->netLine, "OPA 1 3 2 M=80 R1=1Mohm R2=50ohm F=100GHz");
  EXPECT_TRUE(opa->LacksSpiceForm());
  EXPECT_FALSE(vvg->LacksSpiceForm());
  EXPECT_EQ(TakeMessages(), std::vector<std::string>());
}

// The amplifier is named as missing; a source that refused its values is not named again.
TEST(TransformerAndSourcesTest, SpiceFileNamesWhatItLeavesOut) {
  CVostraneDoc doc;
  doc.SetTitle("Verstaerker.vqe");
  auto* amplifier = new OpAmpSymbol(Point(100, 100), Point(200, 100));
  auto* source = new VvgSymbol(Point(300, 100), Point(400, 100));
  source->r2 = "0ohm";
  for (NetSymbol* s : std::vector<NetSymbol*>{amplifier, source}) {
    s->UpdateGeometry();
    doc.AddSymbol(s);
  }
  ASSERT_TRUE(SpiceWriter(doc).Compose());
  EXPECT_EQ(TakeMessages(),
            (std::vector<std::string>{
                amplifier->elementName.ToCString() + ": kein Spice-Modell, fehlt im Spice-File",
                source->elementName.ToCString() + ": Ausgangswiderstand muss größer als 0 sein"}));
}

TEST(TransformerAndSourcesTest, ValuesThatWouldDivideByZeroWriteNoLine) {
  auto coupled = OnNodes<CplIndSymbol>("T1");
  coupled->k = "1";
  auto empty = OnNodes<CplIndSymbol>("T2");
  empty->k = "-0.5";
  empty->n2 = "0";
  empty->ls = "0nH";
  auto vvg = OnNodes<VvgSymbol>("V1");
  vvg->r1 = "0ohm";
  auto ccg = OnNodes<CcgSymbol>("C1");
  ccg->r2 = "0ohm";
  ccg->cutOffFlag = 1;
  ccg->fg = "0Hz";
  const struct {
    NetSymbol* s;
    std::vector<std::string> messages;
  } cases[] = {
      {coupled.get(), {"T1: Kopplung muss kleiner als 1 sein"}},
      {empty.get(),
       {"T2: Induktivität muss größer als 0 sein", "T2: Kopplung muss größer als 0 sein",
        "T2: Windungszahl muss mindestens 1 sein"}},
      {vvg.get(), {"V1: Eingangswiderstand muss größer als 0 sein"}},
      {ccg.get(),
       {"C1: Ausgangswiderstand muss größer als 0 sein",
        "C1: Grenzfrequenz muss größer als 0 sein"}},
  };
  for (const auto& c : cases) {
    c.s->netLine = "old";
    c.s->WriteNetLine();
    EXPECT_EQ(c.s->netLine, "");
    EXPECT_EQ(TakeMessages(), c.messages);
    LineFile lines;
    EXPECT_EQ(c.s->WriteSpiceLines(lines, 10), 0);
    EXPECT_EQ(lines.GetCount(), 0);
    EXPECT_EQ(TakeMessages(), c.messages);
  }
}

TEST(TransformerAndSourcesTest, CopiesTakeValuesAndKind) {
  CplIndSymbol last;
  last.SetSymmetricKind();
  last.k = "0.5";
  CplIndSymbol placed;
  placed.CopyParameters(last);
  EXPECT_EQ(placed.k, "0.5");
  // The kind brings its placement and reference flag along.
  EXPECT_EQ(placed.kind, 'S');
  EXPECT_EQ(placed.variant, 'B');
  EXPECT_EQ(placed.groundFree, 0);

  CcgSymbol source;
  source.b = "7";
  source.delayFlag = 1;
  CcgSymbol next;
  next.CopyParameters(source);
  EXPECT_EQ(Text(next), Text(source));
  VvgSymbol other;
  other.CopyParameters(source);  // another class: nothing
  EXPECT_EQ(other.delayFlag, 0);
}

// However it is dragged, the amplifier points right from the drag's start (the left end of a
// lying drag) and is at least four grid steps long; a second update keeps it, and it is drawn
// inside the rectangle that it occupies on the grid.
TEST(OpAmpTest, EveryDragGivesAnAmplifierPointingRight) {
  const struct {
    const char* what;
    Point from, to;
    Point in1, out, in3;
    int length;
  } cases[] = {
      {"right", {100, 100}, {200, 100}, {100, 100}, {200, 125}, {100, 150}, 50},
      {"left", {200, 100}, {100, 100}, {100, 100}, {200, 125}, {100, 150}, 50},
      {"down", {100, 100}, {100, 200}, {100, 100}, {200, 125}, {100, 150}, 50},
      {"up", {100, 200}, {100, 100}, {100, 200}, {200, 225}, {100, 250}, 50},
      {"two steps down", {100, 100}, {100, 150}, {100, 100}, {200, 125}, {100, 150}, 50},
  };
  for (const auto& c : cases) {
    OpAmpSymbol amplifier(c.from, c.to);
    for (int update = 0; update < 2; ++update) {
      amplifier.UpdateGeometry();
      EXPECT_EQ(amplifier.pins[0], c.in1) << c.what;
      EXPECT_EQ(amplifier.pins[1], c.out) << c.what;
      EXPECT_EQ(amplifier.pins[2], c.in3) << c.what;
      EXPECT_EQ(amplifier.length, c.length) << c.what;
      EXPECT_EQ(amplifier.OrientationFromPins(), 'R') << c.what;
    }
    amplifier.drawPinMarks = 0;
    pf::RecordingDc dc;
    amplifier.Draw(dc);
    const pf::Rect area = amplifier.GetRect();
    for (const pf::DcCall& call : dc.Calls()) {
      for (const pf::Point p : call.points) {
        EXPECT_TRUE(p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom)
            << c.what << ": " << call.ToString();
      }
    }
  }
}

TEST(OpAmpTest, GeometryIsStableAndDrawnWithMarks) {
  OpAmpSymbol amplifier(Point(100, 100), Point(200, 100));
  amplifier.UpdateGeometry();
  amplifier.UpdateGeometry();
  EXPECT_EQ(amplifier.pins[1], Point(200, 125));
  EXPECT_EQ(amplifier.pins[2], Point(100, 150));
  EXPECT_EQ(amplifier.centre, Point(150, 125));
  EXPECT_EQ(amplifier.length, 50);
  EXPECT_EQ(amplifier.breadth, 94);

  amplifier.drawPinMarks = 0;
  pf::RecordingDc dc;
  amplifier.Draw(dc);
  EXPECT_EQ(dc.Log(), (std::vector<std::string>{"Polygon 125 78 175 125 125 172",
                                                "Line 200 125 175 125", "Line 100 100 125 100",
                                                "Line 128 100 133 100", "Line 100 150 125 150",
                                                "Line 128 150 133 150", "Line 130 148 130 153"}));

  amplifier.latexOrigin = Point(0, 200);
  LineFile lines;
  amplifier.WriteLatex(lines);
  EXPECT_EQ(Joined(lines),
            "% OPAMPLIFIER|\\put(20,20){\\line(1,0){5}}|\\put(20,10){\\line(1,0){5}}|"
            "\\put(25,5){\\line(0,1){20}}|\\put(25,25){\\line(1,-1){10}}|"
            "\\put(25,5){\\line(1,1){10}}|\\put(35,15){\\line(1,0){5}}|"
            "\\put(26,20){\\line(1,0){2}}|\\put(26,10){\\line(1,0){2}}|"
            "\\put(27,9){\\line(0,1){2}}|\\put(20,20){\\circle*{1}}|"
            "\\put(40,15){\\circle*{1}}|\\put(20,10){\\circle*{1}}");
}

}  // namespace
