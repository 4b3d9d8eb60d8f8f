// The analyser's panel and its set-up dialogs, driven through the panel's keys as the user
// drives them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "diagrams/graphics/DiagKurve.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/archive.h"
#include "pf/clipboard.h"
#include "pf/controls.h"
#include "pf/headless.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/AnalyserIds.h"
#include "resources/ScreenIds.h"

namespace {

using pf::DialogDriver;

class Panel : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(symbol.EditDialog(nullptr));
    window = dynamic_cast<VecNetAnaDialog*>(symbol.GetWindow());
    ASSERT_NE(window, nullptr);
  }

  // Presses the panel key; the modal dialog it opens runs the script.
  void Press(int key, const std::string& label, std::function<void(DialogDriver&)> script) {
    Press(*window, key, label, std::move(script));
  }
  void Press(VecNetAnaDialog& panel, int key, const std::string& label,
             std::function<void(DialogDriver&)> script) {
    headless.ExpectDialog(label, std::move(script));
    DialogDriver(headless, panel).Click(key);
    EXPECT_EQ(headless.PendingScripts(), 0) << label;
  }

  // An RLC two-port between the ports, swept as "Analyse" sweeps the circuit.
  static void Sweep(VecNetAnaDialog& panel) {
    LineFile lines;
    for (const char* l : {"BLK", "RES 1 2 R = 22ohm", "CAP 2 C = 3pF", "IND 2 3 L = 8nH",
                          "ZWEITOR: 2POR 1 3 ", "END"}) {
      lines.AddLine(l);
    }
    ASSERT_TRUE(panel.RequestStart());
    panel.Measure(lines);
  }

  // The field of the id has the focus with its whole text selected, as a refused field takes it
  // back; 0 for none.
  static int SelectedField(DialogDriver& d) {
    const auto* edit = dynamic_cast<const pf::Edit*>(d.GetDialog().GetFocusedWindow());
    return edit != nullptr && edit->IsAllSelected() ? edit->GetDlgCtrlID() : 0;
  }

  static std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  std::vector<std::string> Boxes() {
    std::vector<std::string> out;
    for (const auto& m : headless.Ui().Messages()) out.push_back(m.caption + ": " + m.text);
    return out;
  }

  pf::Headless headless;
  VecNetAnaSymbol symbol;
  VecNetAnaDialog* window = nullptr;
};

// A count beyond the limits is clamped; a refused OK keeps the sweep as it was, and gives the
// refused field (the start for ends in the wrong order) the focus with its text selected.
TEST_F(Panel, SweepDialogClampsTheCountAndARefusalStoresNothing) {
  struct Case {
    const char* start;
    const char* stop;
    const char* count;
    bool closes;
    const char* box;  // "" when none
    double wantStart, wantStop;
    int wantCount;
    int focused;  // 0 when the dialog closes
  };
  const Case cases[] = {
      {"1MHz", "2MHz", "1", true, "", 1e6, 2e6, 2, 0},
      {"1MHz", "2MHz", "1000", true, "", 1e6, 2e6, 300, 0},
      {"5MHz", "5MHz", "11", true, "", 5e6, 5e6, 11, 0},
      // Refused after start, stop and count passed: none of them stored.
      {"3MHz", "2MHz", "11", false, "Fehler: StartFreq > StopFreq", 1e9, 2e10, 101,
       freq_ids::kStart},
      // Neither a text that fails nor the others.
      {"-1GHz", "4GHz", "11", false, "Fehler: Negative Frequenz", 1e9, 2e10, 101,
       freq_ids::kStart},
      {"1GHz", "-4GHz", "11", false, "Fehler: Negative Frequenz", 1e9, 2e10, 101,
       freq_ids::kStop},
      {"1GHz", "2GHz", "x", false, "", 1e9, 2e10, 101, freq_ids::kCount},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " " + c.stop + " " + c.count);
    headless.Ui().Reset();
    window->sweep.SetStart(1e9);
    window->sweep.SetStop(2e10);
    window->sweep.SetCount(101);
    window->sweep.Prepare();
    bool closed = false;
    Press(analyser_ids::kFrequency, freq_ids::kTemplate, [&](DialogDriver& d) {
      d.Type(freq_ids::kStart, c.start);
      d.Type(freq_ids::kStop, c.stop);
      d.Type(freq_ids::kCount, c.count);
      d.Ok();
      closed = d.GetDialog().HasEnded();
      if (closed) return;
      EXPECT_EQ(SelectedField(d), c.focused);
      d.Cancel();
    });
    EXPECT_EQ(closed, c.closes);
    const std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), c.closes ? 0u : 1u);
    if (*c.box != '\0') {
      EXPECT_EQ(boxes[0], c.box);
    }
    EXPECT_EQ(window->sweep.start, c.wantStart);
    EXPECT_EQ(window->sweep.stop, c.wantStop);
    EXPECT_EQ(window->sweep.count, c.wantCount);
    EXPECT_EQ(window->sweepChanged, c.closes ? 1 : 0);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

// An exponential sweep has no end at or below 0, whether chosen now or set before: refused under
// that end's caption, the dialog open with that end focused and selected, and the sweep kept as
// it was (the other end and the mode too); a text that fails first is reported first. Nothing is
// left queued: the next OK of the dialog passes.
TEST_F(Panel, ExponentialSweepNeedsBothEndsAboveZero) {
  struct Case {
    char mode;       // before the dialog
    int click;       // the mode radio clicked, 0 for none
    const char* start;
    const char* stop;
    const char* box;  // "" when taken
    double wantStart, wantStop;
    char wantMode;
    int focused = 0;  // the refused field
  };
  const std::string startRefused = std::string("Fehler Startfrequenz:: ") +
                                   SweepFreq::kStartNotPositive;
  const std::string stopRefused = std::string("Fehler Stopfrequenz:: ") +
                                  SweepFreq::kStopNotPositive;
  const Case cases[] = {
      {'L', freq_ids::kExponential, "0Hz", "20GHz", startRefused.c_str(), 1e9, 2e10, 'L',
       freq_ids::kStart},
      {'L', freq_ids::kExponential, "2GHz", "0Hz", stopRefused.c_str(), 1e9, 2e10, 'L',
       freq_ids::kStop},
      {'E', 0, "0Hz", "0Hz", startRefused.c_str(), 1e9, 2e10, 'E', freq_ids::kStart},
      {'L', freq_ids::kExponential, "-1GHz", "0Hz", "Fehler: Negative Frequenz", 1e9, 2e10, 'L',
       freq_ids::kStart},
      {'L', freq_ids::kExponential, "0Hz", "-1GHz", startRefused.c_str(), 1e9, 2e10, 'L',
       freq_ids::kStart},
      {'L', freq_ids::kExponential, "1MHz", "20GHz", "", 1e6, 2e10, 'E'},
      {'E', freq_ids::kLinear, "0Hz", "20GHz", "", 0, 2e10, 'L'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.mode) + " " + c.start + " " + c.stop);
    headless.Ui().Reset();
    window->sweep.SetStart(1e9);
    window->sweep.SetStop(2e10);
    window->sweep.mode = c.mode;
    window->sweep.Prepare();
    window->previousMode = c.mode;
    bool closed = false;
    Press(analyser_ids::kFrequency, freq_ids::kTemplate, [&](DialogDriver& d) {
      if (c.click != 0) d.Click(c.click);
      d.Type(freq_ids::kStart, c.start);
      d.Type(freq_ids::kStop, c.stop);
      d.Ok();
      closed = d.GetDialog().HasEnded();
      if (closed) return;
      EXPECT_EQ(SelectedField(d), c.focused);
      d.Cancel();
    });
    EXPECT_EQ(closed, *c.box == '\0');
    EXPECT_EQ(Boxes(), *c.box == '\0' ? std::vector<std::string>{}
                                        : std::vector<std::string>{c.box});
    EXPECT_EQ(window->sweep.start, c.wantStart);
    EXPECT_EQ(window->sweep.stop, c.wantStop);
    EXPECT_EQ(window->sweep.mode, c.wantMode);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    Press(analyser_ids::kFrequency, freq_ids::kTemplate, [&](DialogDriver& d) {
      d.Ok();
      EXPECT_TRUE(d.GetDialog().HasEnded());
    });
    EXPECT_EQ(Boxes().size(), *c.box == '\0' ? 0u : 1u);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
  }
}

TEST_F(Panel, SweepDialogShowsTheSweepAndSwitchesItsMode) {
  Press(analyser_ids::kFrequency, freq_ids::kTemplate, [&](DialogDriver& d) {
    EXPECT_EQ(d.Text(freq_ids::kStart), "1GHz");
    EXPECT_EQ(d.Text(freq_ids::kStop), "20GHz");
    EXPECT_EQ(d.Text(freq_ids::kCount), "101");
    d.Click(freq_ids::kExponential);
    d.Ok();
  });
  EXPECT_EQ(window->sweep.mode, 'E');
  // A new mode makes a new diagram of the same format, its axis set up for the mode.
  EXPECT_EQ(window->previousMode, 'E');
  ASSERT_NE(window->Screen().Current(), nullptr);
  EXPECT_EQ(window->Screen().Current()->GetTypeName(), "LogMagDiag");
}

TEST_F(Panel, GeneratorStoresBothResistancesOrNeither) {
  struct Case {
    const char* r1;
    const char* r2;
    double want1, want2;
    size_t boxes;
  };
  const Case cases[] = {
      {"75ohm", "25ohm", 75.0, 25.0, 0},
      {"60ohm", "2q", 50.0, 50.0, 1},
      {"x", "60ohm", 50.0, 50.0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.r1) + " " + c.r2);
    headless.Ui().Reset();
    window->rg1 = window->rg2 = Cmplx(50.0, 0.0);
    Press(analyser_ids::kGenerator, gen_ids::kTemplate, [&](DialogDriver& d) {
      EXPECT_EQ(d.Text(gen_ids::kPort1), "50ohm");
      d.Type(gen_ids::kPort1, c.r1);
      d.Type(gen_ids::kPort2, c.r2);
      d.Ok();
      if (!d.GetDialog().HasEnded()) d.Cancel();
    });
    EXPECT_EQ(window->rg1.re, c.want1);
    EXPECT_EQ(window->rg2.re, c.want2);
    EXPECT_EQ(window->rg2.im, 0.0);
    ASSERT_EQ(Boxes().size(), c.boxes);
    if (c.boxes > 0) {
      EXPECT_EQ(headless.Ui().Messages()[0].caption, "Fehler");
    }
  }
}

TEST_F(Panel, ParameterDialogForcesTheIndexTheKindNeeds) {
  struct Case {
    int ports;
    int kindRadio;
    int indexRadio;
    int kind, index;
  };
  const Case cases[] = {
      {2, 2119, 2127, 5, 2},  // MSG/MAG is a "21" quantity
      {2, 2124, 2130, 3, 2},  // so is the voltage gain
      {2, 101, 2128, 6, 0},   // Ropt has no "12"
      {2, 101, 2130, 6, 3},
      {2, 2121, 2130, 0, 3},
      {2, 2123, 2129, 2, 2},
      {1, 2122, 2129, 1, 0},  // a one-port has "11" only
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kindRadio) + "/" + std::to_string(c.indexRadio));
    symbol.SetPortCount(c.ports);
    window->kind = 2;
    window->index = 0;
    Press(analyser_ids::kParameter, meas_ids::kTemplate, [&](DialogDriver& d) {
      d.Click(c.kindRadio);
      d.Click(c.indexRadio);
      d.Ok();
    });
    EXPECT_EQ(window->kind, c.kind);
    EXPECT_EQ(window->index, c.index);
  }
}

TEST_F(Panel, FormatDialogSwitchesTheScreensDiagram) {
  const struct {
    int radio;
    int format;
    const char* diagram;
  } cases[] = {{2105, 6, "SmithDiag"}, {2109, 5, "RecPlanDiag"}, {2102, 1, "LinMagDiag"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.diagram);
    const int before = window->format;
    Press(analyser_ids::kFormat, form_ids::kTemplate, [&](DialogDriver& d) {
      d.Click(c.radio);
      d.Ok();
    });
    EXPECT_EQ(window->format, c.format);
    EXPECT_EQ(window->previousFormat, before);
    ASSERT_NE(window->Screen().Current(), nullptr);
    EXPECT_EQ(window->Screen().Current()->GetTypeName(), c.diagram);
  }
}

// The format dialog closed with the panel's format kept (by OK, Enter or that format's radio)
// or cancelled after another radio, on a panel whose screen shows the logo (new), another
// format's diagram (reopened after "LinMag" was chosen: it opens with the format it replaced),
// or the format's own (swept, or set up anew for a new sweep mode): the next run shows its curve
// in the format's diagram. A dialog that keeps the shown format leaves the swept curve as it was.
TEST_F(Panel, RunShowsTheFormatTheDialogKept) {
  std::string linMagChosen;
  {
    VecNetAnaSymbol chosen;
    ASSERT_TRUE(chosen.EditDialog(nullptr));
    Press(*dynamic_cast<VecNetAnaDialog*>(chosen.GetWindow()), analyser_ids::kFormat,
          form_ids::kTemplate, [](DialogDriver& d) {
            d.Click(form_ids::kForms[TNetAnalyzer::kLinMag]);
            d.Ok();
          });
    std::stringstream stream;
    pf::Archive out(static_cast<std::ostream&>(stream));
    chosen.Serialize(out);
    linMagChosen = stream.str();
  }
  const struct {
    const char* what;
    bool reopened;  // from the record of the panel that chose LinMag
    std::function<void(VecNetAnaDialog&)> prepare;
    const char* opening;  // the diagram shown before the dialog
    const char* diagram;  // the format's
  } panels[] = {
      {"new", false, nullptr, "Logo", "LogMagDiag"},
      {"reopened", true, nullptr, "LogMagDiag", "LinMagDiag"},
      {"swept", false, Sweep, "LogMagDiag", "LogMagDiag"},
      {"new sweep mode", false,
       [&](VecNetAnaDialog& panel) {
         Press(panel, analyser_ids::kFrequency, freq_ids::kTemplate, [](DialogDriver& d) {
           d.Click(freq_ids::kExponential);
           d.Ok();
         });
       },
       "LogMagDiag", "LogMagDiag"},
  };
  const struct {
    const char* what;
    bool cancels;
    void (*close)(DialogDriver&, int format);
  } endings[] = {
      {"OK", false, [](DialogDriver& d, int) { d.Ok(); }},
      {"Enter", false, [](DialogDriver& d, int) { d.Key(pf::kVkReturn); }},
      {"its radio", false,
       [](DialogDriver& d, int f) {
         d.Click(form_ids::kForms[f]);
         d.Ok();
       }},
      {"Escape after another radio", true,
       [](DialogDriver& d, int f) {
         d.Click(form_ids::kForms[(f + 1) % 9]);
         d.Key(pf::kVkEscape);
       }},
  };
  const auto yValues = [](const Diagramm& d) {
    std::vector<float> ys;
    const DiagKurve* c = d.GetCurve(0);
    for (int i = 0; c != nullptr && i < c->GetCount(); ++i) ys.push_back(c->GetY1(i));
    return ys;
  };
  for (const auto& p : panels) {
    for (const auto& e : endings) {
      SCOPED_TRACE(std::string(p.what) + ", " + e.what);
      VecNetAnaSymbol s;
      if (p.reopened) {
        std::stringstream stream(linMagChosen);
        pf::Archive in(static_cast<std::istream&>(stream));
        s.Serialize(in);
      }
      ASSERT_TRUE(s.EditDialog(nullptr));
      auto* panel = dynamic_cast<VecNetAnaDialog*>(s.GetWindow());
      ASSERT_NE(panel, nullptr);
      if (p.prepare) p.prepare(*panel);
      const Diagramm* before = panel->Screen().Current();
      ASSERT_NE(before, nullptr);
      ASSERT_EQ(before->GetTypeName(), p.opening);
      const bool swept = before->curvesShown != 0;
      const std::vector<float> curve = yValues(*before);
      const int format = panel->format;
      Press(*panel, analyser_ids::kFormat, form_ids::kTemplate,
            [&](DialogDriver& d) { e.close(d, format); });
      EXPECT_EQ(panel->format, format);
      const Diagramm* shown = panel->Screen().Current();
      EXPECT_EQ(shown->GetTypeName(), e.cancels ? p.opening : p.diagram);
      if (swept) {
        EXPECT_EQ(shown, before);
        EXPECT_EQ(shown->curvesShown, 1);
        EXPECT_EQ(yValues(*shown), curve);
      }
      Sweep(*panel);
      const Diagramm* run = panel->Screen().Current();
      EXPECT_EQ(run->GetTypeName(), p.diagram);
      EXPECT_EQ(run->curvesShown, 1);
      EXPECT_EQ(run->GetCurrentCurveName(), "S11 RG1=50ohm RG2=50ohm");
      EXPECT_EQ(yValues(*run).size(), 101u);
      EXPECT_TRUE(panel->Screen().ShowsResult());
    }
  }
}

// The screen's spins reach the keys of the diagram shown, the x reference on the plane.
TEST_F(Panel, ScreenSpinsStepTheDiagramKeys) {
  const struct {
    int code;
    int spin;
    float (*get)(Diagramm&);
  } spins[] = {
      {1, analyser_ids::kRefPos, [](Diagramm& g) { return float(g.GetYRefPos()); }},
      {1, analyser_ids::kRefValue, [](Diagramm& g) { return g.GetRefValue(); }},
      {1, analyser_ids::kYScale, [](Diagramm& g) { return float(g.GetYScaleIndex()); }},
      {5, analyser_ids::kXRefPos, [](Diagramm& g) { return g.GetXRefValue(); }},
  };
  DialogDriver panel(headless, *window);
  for (const auto& s : spins) {
    Diagramm& d = *window->Screen().SelectDiagram(s.code);
    const float before = s.get(d);
    panel.Spin(s.spin, false);
    EXPECT_NE(s.get(d), before) << s.spin;
  }
}

TEST_F(Panel, KeysThatHaveNothingToWorkOnSayWhy) {
  DialogDriver panel(headless, *window);
  // Only a negative delta switches soft keys, and only on the plane diagram.
  panel.Spin(analyser_ids::kSoftKeys, true);
  panel.Spin(analyser_ids::kSoftKeys, false);
  EXPECT_EQ(headless.Ui().Beeps().size(), 2u);
  panel.Click(analyser_ids::kData);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Achtung: Keine Ergebnisse vorhanden"});
  EXPECT_EQ(headless.Ui().Beeps().size(), 3u);
}

TEST_F(Panel, DisplayDialogEditsTheFirstCurve) {
  window->Screen().SelectDiagram(0);
  DiagKurve* curve = window->Screen().Current()->GetCurve(0);
  ASSERT_NE(curve, nullptr);
  curve->SetName("S21");
  curve->SetNetwork("TIEFPASS");
  Press(analyser_ids::kDisplay, std::to_string(display_ids::kTemplate), [&](DialogDriver& d) {
    EXPECT_EQ(d.Text(display_ids::kName), "S21");
    EXPECT_EQ(d.Text(display_ids::kNetText), "TIEFPASS");
    d.Type(display_ids::kName, "Durchgang");
    d.Click(display_ids::kPoints);
    EXPECT_EQ(curve->GetStyle(), 'P');  // at once
    d.Click(display_ids::kCross);
    d.Ok();
  });
  EXPECT_EQ(curve->GetElementName(), "Durchgang");
  EXPECT_EQ(curve->GetPointSymbol().GetShape(), 'K');
}

TEST_F(Panel, DisplayDialogOnADiagramWithoutCurvesFillsNothing) {
  window->Screen().SelectDiagram(0)->DeleteCurves();
  Press(analyser_ids::kDisplay, std::to_string(display_ids::kTemplate), [&](DialogDriver& d) {
    EXPECT_EQ(d.Text(display_ids::kName), "");
    EXPECT_EQ(d.Text(display_ids::kInterval), "");
    d.Click(display_ids::kPoints);
    d.Ok();
  });
}

// OK and the close box hide the panel; the next edit of the symbol shows the same one again.
TEST_F(Panel, ClosedPanelComesBackOnTheNextEdit) {
  const std::function<void()> closes[] = {
      [&] { DialogDriver(headless, *window).Ok(); },
      [&] { headless.Close(*window); },
  };
  for (const auto& close : closes) {
    ASSERT_TRUE(window->IsVisible());
    close();
    EXPECT_FALSE(window->IsVisible());
    symbol.EditDialog(nullptr);
    EXPECT_EQ(symbol.GetWindow(), window);
    EXPECT_TRUE(window->IsVisible());
  }
}

TEST_F(Panel, ShowsTheAnalysersIcon) {
  const pf::Bitmap& icon = window->GetIcon();
  ASSERT_EQ(icon.Width(), 32);
  ASSERT_EQ(icon.Height(), 32);
  EXPECT_EQ(icon.GetPixel(2, 2), pf::Rgb(0, 0, 0));  // the cabinet's corner
  EXPECT_EQ(icon.GetPixel(0, 0), pf::Rgb(255, 255, 255));
}

// Only a run's result is saved or exported: before a sweep, after one whose range was changed,
// and beside a loaded curve, "Screen", "Save" and "PicTex" say so once, before asking for
// anything, and the clipboard and the files stay as they were. After a sweep the screen goes to
// the clipboard as a picture; a curve file that is not one is refused with a beep and leaves no
// message queued; a saved curve loads again, and once swept beside it the screen goes.
TEST_F(Panel, ScreenAndCurveFiles) {
  const pf::test::TempDir files;
  // The file dialogs move the working folder into it.
  const pf::test::WorkingDir here(std::filesystem::current_path());
  const std::string bad = files / "not_a_curve.kur";
  const std::string good = files / "saved.kur";
  { std::ofstream(bad) << "keine Kurve"; }
  window->Screen().SelectDiagram(0);
  DialogDriver panel(headless, *window);
  const auto press = [&](int key, const char* file) {
    if (file != nullptr) headless.Ui().QueueFileAnswer(file);
    panel.Click(key);
  };
  const auto sweep = [&] { Sweep(*window); };
  const auto newRange = [&] {
    headless.ExpectDialog(freq_ids::kTemplate, [](DialogDriver& d) {
      d.Type(freq_ids::kStart, "0.5GHz");
      d.Ok();
    });
    panel.Click(analyser_ids::kFrequency);
  };
  const auto pictex = [&] {
    headless.ExpectDialog(pictex_ids::kTemplate, [](DialogDriver& d) { d.Cancel(); });
    panel.Click(analyser_ids::kPicTex);
  };
  const char* none = "Achtung: Keine Ergebnisse vorhanden";
  const char* copied =
      "Bildschirm: Bildschirm wurde ins Clipboard kopiert.\r\nWeiter z.B. in Paintbrush.";
  const struct {
    const char* what;
    std::function<void()> act;
    const char* box;
    size_t beeps;
    size_t fileDialogs;
  } steps[] = {
      {"screen before a sweep", [&] { press(analyser_ids::kScreenCopy, nullptr); }, none, 1, 0},
      {"save before a sweep", [&] { press(analyser_ids::kSave, nullptr); }, none, 1, 0},
      {"pictex before a sweep", [&] { press(analyser_ids::kPicTex, nullptr); }, none, 1, 0},
      {"load bad", [&] { press(analyser_ids::kLoad, bad.c_str()); },
       "Fehler: Kurve konnte nicht geladen werden", 1, 1},
      {"sweep", sweep, nullptr, 0, 0},
      {"screen", [&] { press(analyser_ids::kScreenCopy, nullptr); }, copied, 0, 0},
      {"save", [&] { press(analyser_ids::kSave, good.c_str()); }, nullptr, 0, 1},
      {"pictex", pictex, nullptr, 0, 0},
      {"new range", newRange, nullptr, 0, 0},
      {"save after a new range", [&] { press(analyser_ids::kSave, nullptr); }, none, 1, 0},
      {"pictex after a new range", [&] { press(analyser_ids::kPicTex, nullptr); }, none, 1, 0},
      {"load saved", [&] { press(analyser_ids::kLoad, good.c_str()); }, nullptr, 0, 1},
      {"save beside the loaded", [&] { press(analyser_ids::kSave, nullptr); }, none, 1, 0},
      {"screen beside the loaded", [&] { press(analyser_ids::kScreenCopy, nullptr); }, none, 1,
       0},
      {"pictex beside the loaded", [&] { press(analyser_ids::kPicTex, nullptr); }, none, 1, 0},
      {"sweep beside the loaded", sweep, nullptr, 0, 0},
      {"screen with the loaded", [&] { press(analyser_ids::kScreenCopy, nullptr); }, copied, 0,
       0},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    headless.Ui().Reset();
    pf::TheClipboard().Empty();
    const std::string before = std::filesystem::exists(good) ? ReadAll(good) : "";
    s.act();
    EXPECT_EQ(Boxes(),
              s.box != nullptr ? std::vector<std::string>{s.box} : std::vector<std::string>{});
    EXPECT_EQ(headless.Ui().Beeps().size(), s.beeps);
    EXPECT_EQ(headless.Ui().FileDialogs().size(), s.fileDialogs);
    EXPECT_EQ(headless.PendingScripts(), 0);
    EXPECT_EQ(VS_Error::MessageCount(), 0);
    EXPECT_EQ(pf::TheClipboard().GetBitmap().has_value(), s.box == copied);
    if (s.box == none) EXPECT_EQ(std::filesystem::exists(good) ? ReadAll(good) : "", before);
  }
  EXPECT_TRUE(std::filesystem::exists(good));
}

}  // namespace
