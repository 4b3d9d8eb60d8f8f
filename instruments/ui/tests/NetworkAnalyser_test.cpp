#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "basics/WertMitDim.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/DiagramMapping.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/tests/PicTexLines.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/archive.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"
#include "resources/AnalyserIds.h"
#include "resources/ScreenIds.h"
#include "simulator/NetContext.h"
#include "simulator/UsrDefNet.h"

namespace {

LineFile Lines(const std::vector<const char*>& text) {
  LineFile lines;
  for (const char* t : text) lines.AddLine(t);
  return lines;
}

// The drawn low-pass as the document writes it with the analyser active.
LineFile LowPass(const char* out = nullptr) {
  LineFile lines = Lines({"BLK", "CAP 1 C = 1.967pF", "IND 1 2 L = 12.88nH", "CAP 2 C = 6.366pF",
                          "IND 2 3 L = 12.88nH", "CAP 3 C = 1.967pF", "TIEFPASS: 2POR 1 3 ",
                          "END"});
  if (out != nullptr) {
    LineFile withOut = Lines({"OUT", out, "END"});
    withOut.AppendLines(lines);
    return withOut;
  }
  return lines;
}

std::string Text(const MyStrng& s) { return s.ToCString(); }

TEST(VecNetAnaSymbol, NetlistLines) {
  struct Case {
    int running;
    int pins;
    const char* line;
    const char* extra;  // "" when none
  };
  const Case cases[] = {
      {1, 2, "Netzwerk: 2POR 4 7 ", ""},
      {1, 1, "Netzwerk: 1POR 4 ", ""},
      {0, 2, "RES 4 R= 50ohm", "RES 7 R= 50ohm"},
      {0, 1, "RES 4 R= 50ohm", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.running) + "/" + std::to_string(c.pins));
    VecNetAnaSymbol vna;
    vna.SetRunning(c.running != 0);
    vna.SetPortCount(c.pins);
    vna.nodes[0] = 4;
    vna.nodes[1] = 7;
    vna.WriteNetLine();
    EXPECT_EQ(Text(vna.netLine), c.line);
    ASSERT_EQ(vna.GetExtraLineCount(), *c.extra != '\0' ? 1 : 0);
    if (*c.extra != '\0') {
      EXPECT_EQ(Text(vna.GetExtraLine(0)), c.extra);
    }
    LineFile header;
    vna.AppendNetworkHeader(header);
    EXPECT_EQ(header.GetCount(), c.running);
    // No SPICE analysis is the analyser's: its ports are terminated either way.
    LineFile spice;
    vna.WriteSpiceLines(spice, 9);
    std::vector<std::string> terminations{"RVNA_1 4 0 50"};
    if (c.pins == 2) terminations.push_back("RVNA_2 7 0 50");
    std::vector<std::string> written;
    spice.ForEach([&written](const MyStrng& line) { written.push_back(line.ToCString()); });
    EXPECT_EQ(written, terminations);
  }
}

TEST(MessMasterSymbol, ReusesAReadyNetworkAndKeepsNoLinesOfABadOne) {
  MessMasterSymbol master;
  EXPECT_EQ(master.RunAnalysis(LowPass()), 1);
  EXPECT_EQ(master.networkReady, 1);
  // Ready: the lines are not read again, even bad ones.
  EXPECT_EQ(master.RunAnalysis(Lines({"BLK", "XYZ 1 2", "END"})), 1);
  master.SetRunState(0);
  EXPECT_EQ(master.RunAnalysis(Lines({"BLK", "TOP: 1POR 1 ", "NOCH: 1POR 1 ", "END"})), 0);
  EXPECT_EQ(master.networkReady, 0);
  EXPECT_GT(VS_Error::MessageCount(), 0);
  EXPECT_TRUE(master.reader.GetLines().empty());
}

TEST(MessMasterSymbol, ReaderPointerGoesWithItsOwner) {
  auto master = std::make_unique<MessMasterSymbol>();
  EXPECT_EQ(NetContext::ReaderInUse(), &master->reader);
  master.reset();
  EXPECT_EQ(NetContext::ReaderInUse(), nullptr);
}

class Analyser : public ::testing::Test {
 protected:
  std::vector<std::string> Messages() {
    std::vector<std::string> out;
    for (const auto& m : headless.Ui().Messages()) out.push_back(m.caption + ": " + m.text);
    return out;
  }

  pf::Headless headless;
  VecNetAnaSymbol symbol;
  VecNetAnaDialog dialog{&symbol, nullptr};
};

TEST_F(Analyser, SweepsTheLowPassIntoTheDiagramOfItsFormat) {
  EXPECT_EQ(NetContext::CurrentAnalyser(), &dialog);
  dialog.index = 2;  // S21
  ASSERT_TRUE(dialog.RequestStart());
  dialog.Measure(LowPass());
  EXPECT_EQ(Messages(), std::vector<std::string>());
  ASSERT_NE(dialog.GetNetwork(), nullptr);
  EXPECT_EQ(Text(dialog.GetNetName()), "TIEFPASS");
  Diagramm* d = dialog.Screen().Current();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(Text(d->GetTypeName()), "LogMagDiag");
  EXPECT_EQ(Text(d->GetCurrentCurveName()), "S21 RG1=50ohm RG2=50ohm");
  const DiagKurve* curve = d->GetCurrentCurve();
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->GetCount(), 101);
  // A second start builds the network again and fills the curve once more, not twice.
  ASSERT_TRUE(dialog.RequestStart());
  dialog.Measure(LowPass());
  EXPECT_EQ(d->GetCurrentCurve()->GetCount(), 101);
}

TEST_F(Analyser, OutLineChoosesKindAndFormat) {
  struct Case {
    const char* out;
    int kind;
    int index;
    int format;
    const char* diagram;
    const char* title;  // the Smith chart shows S whatever the kind
  };
  const Case cases[] = {
      // First, on the analyser that shows no diagram yet: the format it has, kept.
      {"S LogMag", 2, 0, 0, "LogMagDiag", "S11 RG1=50ohm RG2=50ohm"},
      {"V", 3, 2, 0, "LogMagDiag", "Spannungsverstärkung Vu 50ohm"},
      {"Z SmithDia", 1, 0, 6, "SmithDiag", "S11 RG1=50ohm RG2=50ohm"},
      {"Y LinMag", 0, 0, 1, "LinMagDiag", "Y11 "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out);
    dialog.kind = 2;
    dialog.index = 0;
    ASSERT_TRUE(dialog.RequestStart());
    dialog.Measure(LowPass(c.out));
    EXPECT_EQ(dialog.kind, c.kind);
    EXPECT_EQ(dialog.index, c.index);
    EXPECT_EQ(dialog.format, c.format);
    ASSERT_NE(dialog.Screen().Current(), nullptr);
    EXPECT_EQ(Text(dialog.Screen().Current()->GetTypeName()), c.diagram);
    EXPECT_EQ(Text(dialog.Screen().Current()->GetCurrentCurveName()), c.title);
    EXPECT_TRUE(dialog.Screen().ShowsResult());
  }
}

// In the plane diagram a two-port measured as Y, Z or S gets its stability circles, one per
// point, in curves 1 (load) and 2 (source); those of the lossless low-pass in S are the unit
// circle, the chart's centre inside (a negative radius). Other kinds get none.
TEST_F(Analyser, PlaneDiagramHoldsTheStabilityCirclesOfYZAndS) {
  const struct {
    int kind;
    bool circles;
  } cases[] = {{2, true}, {0, true}, {1, true}, {4, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    VecNetAnaDialog fresh{&symbol, nullptr};
    fresh.format = TNetAnalyzer::kRecPlane;
    fresh.kind = c.kind;
    ASSERT_TRUE(fresh.RequestStart());
    fresh.Measure(LowPass());
    Diagramm* d = fresh.Screen().Current();
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(Text(d->GetTypeName()), "RecPlanDiag");
    for (int i : {1, 2}) {
      const DiagKurve* circle = d->GetCurve(i);
      ASSERT_NE(circle, nullptr);
      EXPECT_EQ(circle->GetCursor(), c.circles ? 101 : 0) << i;
      EXPECT_EQ(circle->IsErased() == 0, c.circles) << i;
      if (c.circles && c.kind == 2) {
        EXPECT_NEAR(circle->GetY3(0), -1.0, 1e-3);
        EXPECT_NEAR(std::hypot(circle->GetX(0), circle->GetY1(0)), 0.0, 1e-3);
      }
    }
  }
}

TEST_F(Analyser, CurveTitles) {
  struct Case {
    char letter;
    int i, j;
    const char* title;
    size_t beeps;
  };
  const Case cases[] = {
      {'R', 1, 2, "Index 21 oder 12 nicht sinnvoll", 1},
      {'R', 2, 2, "Opt. Lastreflexion", 0},
      {'M', 2, 1, "MSG(K<1)/MAG(K>1)", 0},
      {'V', 2, 1, "Spannungsverstärkung Vu 75ohm", 0},
      {'S', 1, 1, "S11 RG1=50ohm RG2=75ohm", 0},
      {'Y', 2, 2, "Y22 ", 0},
      {'Q', 1, 1, "", 0},
  };
  dialog.rg2 = Cmplx(75.0, 0.0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const size_t before = headless.Ui().Beeps().size();
    EXPECT_EQ(Text(dialog.BuildCurveTitle(c.letter, c.i, c.j)), c.title);
    EXPECT_EQ(headless.Ui().Beeps().size() - before, c.beeps);
  }
}

TEST_F(Analyser, RefusesWhatItCannotMeasure) {
  dialog.CopyResultTable();
  EXPECT_EQ(Messages(), std::vector<std::string>{"Achtung: Keine Ergebnisse vorhanden"});
  ASSERT_TRUE(dialog.RequestStart());
  dialog.Measure(Lines({"BLK", "RES 1 R = 50", "TOP: 1POR 1 ", "END"}));
  ASSERT_EQ(Messages().size(), 2u);
  EXPECT_EQ(Messages()[1], "Fehler: RES: KeineDimension");
  // Shown, so not left queued for the next dialog's field to refuse.
  EXPECT_EQ(VS_Error::MessageCount(), 0);
  EXPECT_EQ(dialog.GetNetwork(), nullptr);
  EXPECT_FALSE(dialog.IsRunning());
}

// A diode leaves the circuit no linear network, also beside a linear sub-circuit: nothing to
// sweep, and the box says so rather than nothing; the curve of the last sweep stays on the
// screen.
TEST_F(Analyser, KeepsItsCurveWhenTheCircuitHasNoLinearNetwork) {
  ASSERT_TRUE(dialog.RequestStart());
  dialog.Measure(LowPass());
  const DiagKurve* curve = dialog.Screen().Current()->GetCurrentCurve();
  ASSERT_NE(curve, nullptr);
  const float last = curve->GetY1(100);
  const std::vector<const char*> sub = {"BLK", "SUB1: 1POR 5 ", "RES 5 R = 50ohm", "END"};
  std::vector<const char*> top = {"BLK", "CAP 1 C = 1.967pF", "IND 1 2 L = 12.88nH",
                                  "CAP 2 C = 6.366pF", "IND 2 3 L = 12.88nH",
                                  "HLD 3 IS = 10fA NE = 1 RS = 0ohm"};
  std::vector<const char*> withSub = sub;
  withSub.insert(withSub.end(), top.begin(), top.end());
  withSub.push_back("SUB1 2");
  for (std::vector<const char*>* lines : {&top, &withSub}) {
    lines->insert(lines->end(), {"TIEFPASS: 2POR 1 3 ", "END"});
    headless.Ui().Reset();
    ASSERT_TRUE(dialog.RequestStart());
    dialog.Measure(Lines(*lines));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Fehler: Fehler beim Start der Berechnung"});
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(dialog.GetNetwork(), nullptr);
    EXPECT_FALSE(dialog.IsRunning());
    ASSERT_EQ(dialog.Screen().Current()->GetCurrentCurve(), curve);
    EXPECT_EQ(curve->GetCount(), 101);
    EXPECT_EQ(curve->GetY1(100), last);
  }
}

// The results belong to the sweep that computed them: a new range, point count or mode discards
// them, and "Daten" and every format of the screen then show none; the same sweep keeps them, and
// so does an OK that is refused, whatever range it was given, before Cancel.
TEST_F(Analyser, ResultsGoWithTheirSweep) {
  struct Case {
    const char* what;
    const char* start;
    const char* stop;
    const char* count;
    bool exponential;
    bool keeps;
  };
  const Case cases[] = {
      {"same", "1GHz", "20GHz", "101", false, true},
      {"start", "0.1GHz", "20GHz", "101", false, false},
      {"stop", "1GHz", "3GHz", "101", false, false},
      {"count", "1GHz", "20GHz", "5", false, false},
      {"mode", "1GHz", "20GHz", "101", true, false},
      {"refused, same", "1GHz", "20GHz", "x", false, true},
      {"refused, other ends", "3GHz", "2GHz", "101", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    headless.Ui().Reset();
    VecNetAnaDialog fresh{&symbol, nullptr};
    ASSERT_TRUE(fresh.RequestStart());
    fresh.Measure(LowPass());
    ASSERT_EQ(fresh.GetNetwork()->GetResultCount(), 101);
    headless.ExpectDialog(freq_ids::kTemplate, [&](pf::DialogDriver& d) {
      d.Type(freq_ids::kStart, c.start);
      d.Type(freq_ids::kStop, c.stop);
      d.Type(freq_ids::kCount, c.count);
      if (c.exponential) d.Click(freq_ids::kExponential);
      d.Ok();
      if (!d.GetDialog().HasEnded()) d.Cancel();
    });
    fresh.OnFrequency();
    headless.Ui().Reset();
    fresh.CopyResultTable();
    const char* said = c.keeps ? "Achtung: Resultate stehen als Ascii-File\r\n im Clipboard"
                               : "Achtung: Keine Ergebnisse vorhanden";
    EXPECT_EQ(Messages(), std::vector<std::string>{said});
    EXPECT_EQ(fresh.GetNetwork()->GetResultCount(), c.keeps ? 101 : 0);
    ASSERT_NE(fresh.Screen().Current(), nullptr);
    EXPECT_EQ(fresh.Screen().Current()->curvesShown != 0, c.keeps);
    fresh.Redraw();
    EXPECT_EQ(fresh.Screen().Current()->curvesShown != 0, c.keeps) << "redrawn";
    fresh.SetFormat(TNetAnalyzer::kSmith);
    fresh.ApplyFormat();
    EXPECT_EQ(fresh.Screen().Current()->curvesShown != 0, c.keeps) << "in the Smith chart";
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

TEST_F(Analyser, PointerGoesWithTheWindow) {
  {
    VecNetAnaDialog second(&symbol, nullptr);
    EXPECT_EQ(NetContext::CurrentAnalyser(), &second);
  }
  EXPECT_EQ(NetContext::CurrentAnalyser(), nullptr);
}

// The symbol's archive with and without its window; a window of another kind, or settings
// outside their ranges, fail the load.
TEST(VecNetAnaSymbol, Archive) {
  pf::Headless headless;
  auto store = [](VecNetAnaSymbol& s) {
    std::stringstream stream;
    pf::Archive out(static_cast<std::ostream&>(stream));
    s.Serialize(out);
    return stream.str();
  };
  auto load = [](const std::string& bytes, VecNetAnaSymbol& s) {
    std::stringstream stream(bytes);
    pf::Archive in(static_cast<std::istream&>(stream));
    s.Serialize(in);
  };
  VecNetAnaSymbol plain;
  plain.SetActiveFlag(0);
  VecNetAnaSymbol loadedPlain;
  load(store(plain), loadedPlain);
  EXPECT_EQ(loadedPlain.GetActiveFlag(), 0);
  EXPECT_EQ(loadedPlain.GetWindow(), nullptr);
  EXPECT_EQ(loadedPlain.GetPort2Resistance(), 50.0);

  VecNetAnaSymbol withWindow;
  ASSERT_TRUE(withWindow.EditDialog(nullptr));
  auto* window = dynamic_cast<VecNetAnaDialog*>(withWindow.GetWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->IsOpen());
  window->rg2 = Cmplx(75.0, 0.0);
  window->kind = 6;
  window->format = 6;
  window->Screen().SelectDiagram(6);
  const std::string bytes = store(withWindow);
  VecNetAnaSymbol loaded;
  load(bytes, loaded);
  auto* back = dynamic_cast<VecNetAnaDialog*>(loaded.GetWindow());
  ASSERT_NE(back, nullptr);
  EXPECT_FALSE(back->IsOpen());
  EXPECT_EQ(loaded.GetPort2Resistance(), 75.0);
  EXPECT_EQ(back->kind, 6);
  EXPECT_EQ(back->format, 6);

  struct Corruption {
    const char* what;
    std::string from, to;
  };
  const Corruption corruptions[] = {
      {"window kind", "VecNetAnaDialog", "VecNetAnaDialoX"},
      {"diagram kind", "SmithDiag", "SmithDiaX"},
  };
  for (const Corruption& c : corruptions) {
    SCOPED_TRACE(c.what);
    std::string bad = bytes;
    const size_t at = bad.find(c.from);
    ASSERT_NE(at, std::string::npos);
    bad.replace(at, c.to.size(), c.to);
    VecNetAnaSymbol target;
    EXPECT_THROW(load(bad, target), pf::ArchiveError);
  }
  {
    // The diagram's own record names its kind a second time; a mismatch would save a file
    // that no longer loads.
    SCOPED_TRACE("diagram's own kind");
    std::string bad = bytes;
    const size_t at = bad.find("SmithDiag", bad.find("SmithDiag") + 1);
    ASSERT_NE(at, std::string::npos);
    bad.replace(at, 9, "SmithDiaX");
    VecNetAnaSymbol target;
    EXPECT_THROW(load(bad, target), pf::ArchiveError);
  }
  for (size_t cut = 0; cut < bytes.size(); cut += 97) {
    VecNetAnaSymbol target;
    EXPECT_THROW(load(bytes.substr(0, cut), target), pf::ArchiveError);
  }
}

// The marker closes the analyser's record: its mode letter and its point.
constexpr size_t kMarkerBytes = 1 + sizeof(int32_t);

// The record of an analyser whose panel swept the low-pass's S21 into the Smith chart and put
// the marker on point 7, in the record's version.
std::string SweptS21InSmithChart(int32_t version = VecNetAnaSymbol::kVersion) {
  VecNetAnaSymbol measured;
  measured.version = version;
  if (!measured.EditDialog(nullptr)) return "";
  auto* window = dynamic_cast<VecNetAnaDialog*>(measured.GetWindow());
  if (window == nullptr) return "";
  window->index = 2;
  window->SetFormat(TNetAnalyzer::kSmith);
  if (!window->RequestStart()) return "";
  window->Measure(LowPass());
  window->ToggleMarker();
  for (int i = 0; i < 7; ++i) window->Screen().Current()->MarkerNext();
  std::stringstream stream;
  pf::Archive out(static_cast<std::ostream&>(stream));
  measured.Serialize(out);
  return stream.str();
}

// The curve shown goes into the file with the network's name and the time of its sweep, and
// the marker with its point: the window opens on the diagram of its format with that curve,
// header, bottom line and marker.
TEST(VecNetAnaSymbol, ArchiveKeepsTheCurveShown) {
  pf::Headless headless;
  const std::string bytes = SweptS21InSmithChart();
  ASSERT_FALSE(bytes.empty());

  VecNetAnaSymbol loaded;
  std::stringstream in(bytes);
  pf::Archive ar(static_cast<std::istream&>(in));
  loaded.Serialize(ar);
  ASSERT_TRUE(loaded.EditDialog(nullptr));
  auto* back = dynamic_cast<VecNetAnaDialog*>(loaded.GetWindow());
  ASSERT_NE(back, nullptr);
  const Diagramm* d = back->Screen().Current();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(Text(d->GetTypeName()), "SmithDiag");
  EXPECT_EQ(Text(d->GetCurrentCurveName()), "S21 RG1=50ohm RG2=50ohm");
  ASSERT_NE(d->GetCurrentCurve(), nullptr);
  EXPECT_EQ(d->GetCurrentCurve()->GetCount(), 101);
  EXPECT_EQ(d->curvesShown, 1);
  EXPECT_EQ(Text(d->GetBottomLineText()).rfind("Ravilone: TIEFPASS ", 0), 0u);
  EXPECT_EQ(back->markerMode, 'M');
  ASSERT_NE(d->GetMarker(), nullptr);
  EXPECT_EQ(d->GetMarkerIndex(), 7);
  ASSERT_NE(d->GetMarker()->GetLine(2), nullptr);
  EXPECT_EQ(d->GetMarker()->GetLine(2)->GetText(),
            FreqWert(static_cast<double>(d->GetCurrentCurve()->GetY2(7))));
  EXPECT_TRUE(back->Screen().ShowsResult());
  // Another parameter has no results: its curve is no run's, neither shown nor saved nor kept.
  back->index = 0;
  back->Redraw();
  EXPECT_EQ(back->Screen().Current()->curvesShown, 0);
  EXPECT_FALSE(back->Screen().ShowsResult());
  for (size_t cut = bytes.size() - 800; cut < bytes.size(); cut += 97) {
    VecNetAnaSymbol target;
    std::stringstream part(bytes.substr(0, cut));
    pf::Archive truncated(static_cast<std::istream&>(part));
    EXPECT_THROW(target.Serialize(truncated), pf::ArchiveError) << cut;
  }
}

// A circuit saved before the panel kept its curve ends the panel's record at its screen: it
// loads, and the next record is read where it stands.
TEST(VecNetAnaSymbol, ArchiveOfOlderFilesWithoutTheCurveLoads) {
  pf::Headless headless;
  const std::string bytes = SweptS21InSmithChart(1);
  const size_t mark = bytes.find(std::string("\x4E\x41\xFF\xFF", 4));
  ASSERT_NE(mark, std::string::npos);
  std::stringstream stream;
  pf::Archive out(static_cast<std::ostream&>(stream));
  MyStrng("ResSymbol").Serialize(out);
  const std::string nextRecord = stream.str();
  // Version 1 records end with the panel's, the curve shown or not: no marker follows.
  const std::string withCurve = bytes.substr(0, bytes.size() - kMarkerBytes);
  for (const std::string& older : {bytes.substr(0, mark), bytes.substr(0, mark) + nextRecord,
                                   withCurve + nextRecord}) {
    VecNetAnaSymbol loaded;
    std::stringstream in(older);
    pf::Archive ar(static_cast<std::istream&>(in));
    ASSERT_NO_THROW(loaded.Serialize(ar)) << older.size();
    ASSERT_TRUE(loaded.EditDialog(nullptr));
    const auto* back = dynamic_cast<VecNetAnaDialog*>(loaded.GetWindow());
    EXPECT_EQ(back->markerMode, '0');
    if (older.size() > mark) {
      MyStrng key;
      key.Serialize(ar);
      EXPECT_EQ(Text(key), "ResSymbol");
    }
  }
}

// The marker's mode and point close the record: a mode the panel does not know, or a point
// off the curve shown, fails the load; the marker may stand one past the last point.
TEST(VecNetAnaSymbol, ArchiveRefusesAMarkerOffTheCurve) {
  pf::Headless headless;
  const std::string bytes = SweptS21InSmithChart();
  const size_t at = bytes.size() - kMarkerBytes;
  ASSERT_EQ(bytes[at], 'M');
  const struct {
    char mode;
    int32_t point;
    bool loads;
  } cases[] = {{'M', 101, true}, {'0', 0, true}, {'X', 7, false}, {'M', 102, false},
               {'M', -1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(1, c.mode) + " " + std::to_string(c.point));
    std::string changed = bytes;
    changed[at] = c.mode;
    std::memcpy(changed.data() + at + 1, &c.point, sizeof c.point);
    VecNetAnaSymbol loaded;
    std::stringstream in(changed);
    pf::Archive ar(static_cast<std::istream&>(in));
    if (!c.loads) {
      EXPECT_THROW(loaded.Serialize(ar), pf::ArchiveError);
      continue;
    }
    ASSERT_NO_THROW(loaded.Serialize(ar));
    ASSERT_TRUE(loaded.EditDialog(nullptr));
    auto* back = dynamic_cast<VecNetAnaDialog*>(loaded.GetWindow());
    EXPECT_EQ(back->Screen().Current()->GetMarker() != nullptr, c.mode == 'M');
  }
}

// The screen's stored area and soft-label place bound what its diagrams compute in ints: the
// record opens with x, width, y, height, soft-label top and spacing.
TEST(ScrnWindow, LoadRefusesPlacesOutOfBounds) {
  pf::Headless headless;
  ScrnWindow stored(nullptr);
  stored.SetArea({0, 0, 378, 319});
  stored.SetSoftLabels(24, 29);
  stored.SelectDiagram(0);
  std::stringstream stream;
  {
    pf::Archive out(static_cast<std::ostream&>(stream));
    stored.Serialize(out);
  }
  const std::string good = stream.str();
  const struct {
    int field;
    int32_t value;
    bool loads;
  } cases[] = {{5, 29, true}, {5, 1 << 30, false}, {4, -(1 << 30), false}, {1, -5, false},
               {0, 40000, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.field) + ": " + std::to_string(c.value));
    std::string bytes = good;
    std::memcpy(&bytes[static_cast<size_t>(4 * c.field)], &c.value, 4);
    std::stringstream in(bytes);
    pf::Archive ar(static_cast<std::istream&>(in));
    ScrnWindow loaded(nullptr);
    bool loads = true;
    try {
      loaded.Serialize(ar);
    } catch (const pf::ArchiveError&) {
      loads = false;
    }
    EXPECT_EQ(loads, c.loads);
  }
}

// The "PicTex" key offers the screen's largest width, which a screen far taller than its grid is
// wide makes less than 500 mm, and writes the texts that drawing sets, though the screen has not
// been drawn since its captions were set.
TEST(ScrnWindow, PicTexOffersTheScreensLargestWidthAndWritesItsTexts) {
  for (const pf::Rect area : {pf::Rect{0, 0, 378, 319}, pf::Rect{0, 0, 300, 4096}}) {
    pf::Headless headless;
    ScrnWindow screen(nullptr);
    screen.SetArea(area);
    Diagramm* d = screen.SelectDiagram(0);
    d->RecreateCurve(0, 2);
    d->SetCurrentCurve(0);
    d->AppendPoint(1e9f, 0.0f);
    d->AppendPoint(2e10f, -60.0f);
    screen.ShowFirstCurve();
    screen.SetCaptions("S21", "Ravilone: lowpass 1:2:3  4.5.2026");
    d->SetLabel1Text("1GHz");
    d->SetLabel2Text("20GHz");
    std::string refusal;
    headless.ExpectDialog(pictex_ids::kTemplate, [&refusal, &headless](pf::DialogDriver& dialog) {
      dialog.Type(pictex_ids::kWidth, "99999");
      dialog.Ok();
      refusal = headless.Ui().Messages().at(0).text;
      const size_t at = std::strlen("Breite über ");
      dialog.Type(pictex_ids::kWidth, refusal.substr(at, refusal.find(' ', at) - at));
      dialog.Ok();
    });
    const std::string path = testing::TempDir() + "screen.tex";
    headless.Ui().QueueFileAnswer(path);
    screen.ExportPicTex();
    const int largest = d->LargestPicTexWidth();
    EXPECT_EQ(refusal, "Breite über " + std::to_string(largest) + " mm ist nicht zulässig");
    EXPECT_EQ(largest < PicTexFile::kLargestWidth, area.bottom > 1000) << largest;
    LineFile file;
    ASSERT_GT(file.ReadFile(path.c_str()), 0);
    std::string text;
    file.ForEach([&text](const MyStrng& line) { text += line.ToCString() + "\n"; });
    EXPECT_NE(text.find("LogMag  \\textgreater{}REF:"), std::string::npos) << text;
    EXPECT_NE(text.find("Ravilone: lowpass"), std::string::npos);
    EXPECT_EQ(text.find("Unbekannt"), std::string::npos) << text;
  }
}

// What a PiCTeX picture draws, in millimetres: the vertices of its point lists and its single
// \plot lines, and the rules it sets along the axes.
class PictureGeometry {
 public:
  explicit PictureGeometry(const std::vector<std::string>& lines) {
    bool inPlot = false;
    for (const std::string& line : lines) {
      float a = 0, b = 0, c = 0;
      if (std::sscanf(line.c_str(), "\\put {\\vrule width .4pt height %fmm} [B] at %f %f", &a, &b,
                      &c) == 3) {
        rules.push_back({b, c, b, c + a});
      } else if (std::sscanf(line.c_str(), "\\put {\\vrule width %fmm height .4pt} [l] at %f %f",
                             &a, &b, &c) == 3) {
        rules.push_back({b, c, b + a, c});
      }
      size_t at = 0;
      if (line.rfind("\\plot ", 0) == 0) {
        inPlot = true;
        at = 6;
      }
      if (!inPlot) continue;
      std::istringstream numbers(line.substr(at));
      for (float x = 0, y = 0; numbers >> x >> y;) vertices.push_back({x, y});
      inPlot = line.find('/') == std::string::npos;
    }
  }

  // Whether the picture draws through the point, to the hundredth of a millimetre it writes.
  bool Draws(float x, float y) const {
    constexpr float kTolerance = 0.006f;
    for (const auto& [vx, vy] : vertices) {
      if (std::fabs(vx - x) <= kTolerance && std::fabs(vy - y) <= kTolerance) return true;
    }
    for (const Rule& r : rules) {
      if (x >= r.left - kTolerance && x <= r.right + kTolerance && y >= r.bottom - kTolerance &&
          y <= r.top + kTolerance) {
        return true;
      }
    }
    return false;
  }

 private:
  struct Rule {
    float left, bottom, right, top;
  };
  std::vector<std::pair<float, float>> vertices;
  std::vector<Rule> rules;
};

// In every format the picture of "PicTex" draws through every point of every curve the screen
// draws after a sweep, as it draws the grid and the texts.
TEST(ScrnWindow, PicTexHoldsTheCurvesTheScreenShowsInEveryFormat) {
  pf::Headless headless;
  VecNetAnaSymbol symbol;
  ASSERT_TRUE(symbol.EditDialog(nullptr));
  auto* window = dynamic_cast<VecNetAnaDialog*>(symbol.GetWindow());
  ASSERT_NE(window, nullptr);
  window->index = 2;
  const LineFile bandPass = Lines({"BLK", "IND 1 2 L = 6nH", "CAP 2 3 C = 1.5pF",
                                   "CAP 3 C = 2.2pF", "IND 3 L = 3nH", "RES 3 4 R = 10ohm",
                                   "BANDPASS: 2POR 1 4 ", "END"});
  for (int format = TNetAnalyzer::kLogMag; format <= TNetAnalyzer::kLinImag; ++format) {
    // As the format dialog sets it: the panel opens on the logo, in the format of the first sweep.
    if (format != window->format) window->SetFormat(format);
    ASSERT_TRUE(window->RequestStart());
    window->Measure(bandPass);
    Diagramm* d = window->Screen().Current();
    ASSERT_NE(d, nullptr);
    SCOPED_TRACE(d->GetTypeName().ToCString());
    ASSERT_NE(d->curvesShown, 0);
    pf::RecordingDc drawn;
    d->Draw(&drawn);
    d->MakePicTex(80);
    const PictureGeometry picture(PicTexLines(d->GetPicTex()));
    int curves = 0;
    for (int i = 0; i < d->GetCurveCount(); ++i) {
      const DiagKurve* c = d->GetCurve(i);
      if (c->IsErased() != 0 || c->GetCount() == 0) continue;
      ++curves;
      int missing = 0;
      for (int p = 0; p < c->GetCount(); ++p) {
        const pf::Point px = MapValue(*d, c->GetX(p), c->GetY1(p));
        missing += picture.Draws(d->GetPicTex().X(static_cast<float>(px.x)),
                                 d->GetPicTex().Y(static_cast<float>(px.y)))
                       ? 0
                       : 1;
      }
      EXPECT_EQ(missing, 0) << "curve " << i << " of " << c->GetCount() << " points";
    }
    EXPECT_GE(curves, 1);
  }
}

}  // namespace
