// The instrument windows' screens after a run of a circuit named with 80 characters: every text
// stands whole inside the screen and clear of every other (the bottom line shortens the name),
// none is a placeholder, in every format and soft-key set, wherever the marker, the stability
// cursor or the free marker stands.

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "diagrams/tests/support/ScreenTexts.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/PlotterSymbol.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/cairo_recording_dc.h"
#include "pf/headless.h"
#include "resources/AnalyserIds.h"
#include "resources/ScopeIds.h"
#include "resources/ScreenIds.h"

namespace {

// The faults of the screen as its window draws it, gathered over every drawing.
class ScreenFaults {
 public:
  void Check(pf::Dialog& window, ScrnWindow& screen) {
    pf::CairoRecordingDc dc;
    window.OnDrawItem(screen_ids::kScreen, dc, screen.GetArea());
    for (const std::string& f : TextFaults(DrawnTexts(dc.Calls()), screen.GetArea())) {
      faults.insert(f);
    }
  }
  std::set<std::string> faults;
};

// A circuit's name of 80 characters: the bottom lines shorten it.
constexpr const char* kLongName =
    "Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm";

// The drawn low-pass as the document writes it with the analyser active.
LineFile LowPass() {
  LineFile lines;
  for (const char* t : {"BLK", "CAP 1 C = 1.967pF", "IND 1 2 L = 12.88nH", "CAP 2 C = 6.366pF",
                        "IND 2 3 L = 12.88nH", "CAP 3 C = 1.967pF"}) {
    lines.AddLine(t);
  }
  lines.AddLine(MyStrng(kLongName) + ": 2POR 1 3 ");
  lines.AddLine("END");
  return lines;
}

// The analyser's panel, swept in the format with the marker on.
VecNetAnaDialog& Swept(VecNetAnaSymbol& symbol, int format, int kind, int index) {
  EXPECT_TRUE(symbol.EditDialog(nullptr));
  auto& window = dynamic_cast<VecNetAnaDialog&>(*symbol.GetWindow());
  window.kind = kind;
  window.index = index;
  // The format chosen again would leave the logo up: a fresh panel has LogMag already.
  if (format != window.format) window.SetFormat(format);
  window.ApplyFormat();
  EXPECT_TRUE(window.RequestStart());
  window.Measure(LowPass());
  window.ToggleMarker();
  return window;
}

const std::set<std::string> kNone;

}  // namespace

TEST(AnalyserScreen, EveryFormatWritesItsTextsWholeAndApart) {
  pf::Headless headless;
  const struct {
    int format, kind, index;
  } cases[] = {
      {TNetAnalyzer::kLogMag, 2, 2},   {TNetAnalyzer::kLinMag, 2, 2},
      {TNetAnalyzer::kLinPhase, 2, 2}, {TNetAnalyzer::kLogPolar, 2, 2},
      {TNetAnalyzer::kLinPolar, 2, 2}, {TNetAnalyzer::kRecPlane, 2, 2},
      {TNetAnalyzer::kSmith, 2, 2},    {TNetAnalyzer::kLinReal, 2, 2},
      {TNetAnalyzer::kLinImag, 2, 2},  {TNetAnalyzer::kLogMag, 3, 2},
      {TNetAnalyzer::kLogMag, 4, 0},   {TNetAnalyzer::kLinMag, 5, 0},
      {TNetAnalyzer::kRecPlane, 0, 0}, {TNetAnalyzer::kSmith, 6, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.format) + " " + TNetAnalyzer::kKindLetters[c.kind]);
    VecNetAnaSymbol symbol;
    VecNetAnaDialog& window = Swept(symbol, c.format, c.kind, c.index);
    ScreenFaults screen;
    for (int point = 0; point <= 101; ++point) {
      screen.Check(window, window.Screen());
      window.OnDeltaPos(analyser_ids::kMarkerStep, -1);
    }
    EXPECT_EQ(screen.faults, kNone);
  }
}

// The plane diagram of Y, Z and S in each soft-key set: curve, stability circles and, for S,
// gain circles, with the circles' read-outs and the free marker's.
TEST(AnalyserScreen, PlaneSoftKeySetsWriteTheirTextsWholeAndApart) {
  pf::Headless headless;
  for (int kind : {0, 1, 2}) {
    SCOPED_TRACE(TNetAnalyzer::kKindLetters[kind]);
    VecNetAnaSymbol symbol;
    VecNetAnaDialog& window = Swept(symbol, TNetAnalyzer::kRecPlane, kind, 2);
    ScreenFaults screen;
    std::string sets;
    do {
      sets += window.Screen().Current()->GetSoftKeyMode();
      for (int step = 0; step < 12; ++step) {
        screen.Check(window, window.Screen());
        window.OnDeltaPos(analyser_ids::kStabCursor, -1);
        window.OnDeltaPos(analyser_ids::kFreeMarker, -1);
        window.OnDeltaPos(analyser_ids::kMarkerStep, -1);
      }
      window.OnDeltaPos(analyser_ids::kSoftKeys, -1);
    } while (window.Screen().Current()->GetSoftKeyMode() != 'K');
    EXPECT_EQ(sets, kind == 2 ? "KLGAB" : "KLG");
    EXPECT_EQ(screen.faults, kNone);
  }
}

// The oscilloscope (time and eye), the spectrum analyser and the plotter (its ranges from volts
// and amperes down to millivolts and microamperes) after their runs, the marker stepped along.
TEST(ScopeScreens, WriteTheirTextsWholeAndApart) {
  pf::Headless headless;
  ScreenFaults screen;
  // The window's script runs at its opening, after the call: it keeps copies of what it uses.
  const auto play = [&](int templateId, int markerKey, int markerStep,
                        const std::vector<std::function<void(pf::DialogDriver&)>>& settings) {
    headless.ExpectDialog(templateId, [&screen, markerKey, markerStep,
                                       settings](pf::DialogDriver& d) {
      auto& window = dynamic_cast<ScreenDialog&>(d.GetDialog());
      d.Click(markerKey);
      for (const auto& set : settings) {
        set(d);
        for (int step = 0; step < 40; ++step) {
          screen.Check(window, window.Screen());
          d.Spin(markerStep, true);
        }
      }
      d.Cancel();
    });
  };
  OsziSymbol scope;
  scope.timeSignal = RealSignal(RVektor(32));
  scope.timeSignal.dt = 1.25e-11;
  scope.SetResultTitles(kLongName, "23:59:59  31.12.2026");
  play(oszi_ids::kTemplate, oszi_ids::kMarker, oszi_ids::kMarkerStep,
       {[](pf::DialogDriver&) {},
        [&headless](pf::DialogDriver& d) {
          headless.ExpectDialog(oszi_ids::kFormatTemplate, [](pf::DialogDriver& f) {
            f.Click(oszi_ids::kEyeMode);
            f.Ok();
          });
          d.Click(oszi_ids::kFormat);
        }});
  scope.EditDialog(nullptr);

  SpecAnaSymbol analyser;
  analyser.signal.Realloc(32);
  analyser.signal.df = 3.125e8;
  analyser.SetResultTitles(MyStrng(kLongName) + ".vqe", "Thu Dec 31 23:59:59  2026");
  play(specana_ids::kTemplate, specana_ids::kMarker, specana_ids::kMarkerStep,
       {[](pf::DialogDriver&) {}});
  analyser.EditDialog(nullptr);

  PlotterSymbol plotter;
  plotter.setUpPending = 0;
  plotter.x.values = RVektor(6);
  plotter.y.values = RVektor(6);
  plotter.curveCount = 2;
  plotter.pointsPerCurve = 3;
  plotter.resultTitle = MyStrng(kLongName) + ".vqe";
  plotter.resultDate = "Thu Dec 31 23:59:59  2026";
  plotter.y.SetCurrent();
  const auto spin = [](int id, bool up, int times) {
    return [id, up, times](pf::DialogDriver& d) {
      for (int i = 0; i < times; ++i) d.Spin(id, up);
    };
  };
  play(plotter_ids::kTemplate, plotter_ids::kMarker, plotter_ids::kMarkerStep,
       {[](pf::DialogDriver&) {}, spin(plotter_ids::kXRangeSpin, false, 1),
        spin(plotter_ids::kYRangeSpin, false, 1), spin(plotter_ids::kYRangeSpin, false, 1)});
  plotter.EditDialog(nullptr);
  EXPECT_EQ(screen.faults, kNone);
}
