// The desktop program on a copy of the example circuit, driven through the X server with
// xdotool as a user would: the view on the screen is the headless render of the same view;
// "Neues Fenster" adds a tab that closes without asking, the two numbered in the title while
// both are there; the resistor picked from the element bar and dragged on the view is placed;
// closing the modified circuit's last tab asks and Abbrechen keeps it; Ctrl+S saves the
// resistor into the file; Ctrl+P prints to a file the page that "vostrane-cli print" writes;
// "Datei/Seitenansicht" opens the print preview, which its Schließen button closes. The screen
// is kept as vostrane-editing.png for review. The network analyser's panel, opened on the
// analyser example and swept by its "Analyse" key, shows on its screen the headless render of
// the same sweep. The signal generator's dialog, opened on its example, starts a sweep with its
// "Start" button; the busy window shows while it runs, and the multimeter's reading beside the
// circuit is then the one the headless program shows after the same run; so for the data
// generator's run of its lines. While a slow SPICE program runs, the menu bar opens its
// menus. The oscilloscope's window, opened by a double click on its symbol, shows on its screen
// the headless render of the same window; so do the oscilloscope (opened twice) and the spectrum
// analyser after the data generator's run and after a SPICE transient. The submenu of recent
// files holds the circuit before it opens.

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/timer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/tests/page_match.h"
#include "app/startup/RegisterAll.h"
#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "instruments/ui/MultiMeterSymbol.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/ScreenDialog.h"
#include "instruments/ui/SpecAnaSymbol.h"
#include "instruments/ui/TransientAnalyseDialog.h"
#include "instruments/ui/VecNetAnaDialog.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "instruments/ui/generators/SignalGenDialog.h"
#include "instruments/ui/generators/DataGeneratorSymbol.h"
#include "instruments/ui/generators/SignalGenSymbol.h"
#include "resources/AnalyserIds.h"
#include "resources/ScopeIds.h"
#include "pf/cairo_dc.h"
#include "pf/command_ids.h"
#include "pf/desktop.h"
#include "pf/headless.h"
#include "pf/print_preview.h"
#include "pf/process.h"
#include "pf/profile.h"
#include "resources/CommandIds.h"
#include "resources/MeterIds.h"
#include "resources/ScreenIds.h"
#include "resources/SpiceAnalysisIds.h"
#include "resources/SourceIds.h"
#include "desktop_driver.h"

namespace {

using namespace desktop_driver;

namespace fs = std::filesystem;
using page_match::ReadPng;
using page_match::Unmatched;

constexpr int kResistor = 4;
// Where the resistor is dragged, in drawing units: free in the example.
constexpr pf::Point kDragFrom{700, 500};
constexpr pf::Point kDragTo{800, 500};

// The drawing's square at the top left of a PDF's first page (1255 units, three printer dots
// each), at 150 dots per inch.
std::unique_ptr<pf::CairoDc> Rasterise(const std::string& pdf, const std::string& png) {
  const std::string side = std::to_string(1255 * 3 * 150 / 600);
  const std::string stem = png.substr(0, png.size() - 4);
  if (RunProgram({"pdftoppm", "-r", "150", "-x", "0", "-y", "0", "-W", side, "-H", side, "-png",
                  "-singlefile", pdf, stem}) != 0) {
    return nullptr;
  }
  return ReadPng(png);
}

std::string Title(const pf::Window& frame) {
  return pf::NativeWindow(frame)->GetLabel().utf8_string();
}

class DesktopTest : public testing::Test {
 protected:
  void SetUp() override {
    CopyExample(VOSTRANE_EXAMPLE, folder);
    fs::remove(printed);
  }

  const fs::path folder = fs::current_path() / "circuits";
  const std::string circuit = (folder / "lc_lowpass.vqe").string();
  // The print dialog's file printer writes into the current folder under the circuit's name.
  const std::string printed = (fs::current_path() / "lc_lowpass.pdf").string();
};

TEST_F(DesktopTest, EditsSavesAndPrintsAsTheHeadlessProgram) {
  std::unique_ptr<pf::CairoDc> screen;
  wxPoint viewOrigin;
  wxSize viewSize;
  bool asked = false;
  bool previewed = false;
  std::string failed;
  {
    DrivenApp app(circuit);
    CMainFrame* main = nullptr;
    int symbols = 0;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the view on the screen",
         [&] {
           main = app.GetMainFrame();
           screen = Screenshot("vostrane-start.png");
           viewOrigin = OnScreen(app.View(), {0, 0});
           viewSize = pf::NativeWindow(app.View())->GetClientSize();
           symbols = app.Doc()->Symbols().GetCount();
           const pf::ToolBar& bar = *main->GetElementBar();
           for (int i = 0; i < static_cast<int>(bar.Buttons().size()); ++i) {
             if (bar.Buttons()[i].id == kIdElementFirst + kResistor) {
               const pf::Rect r = bar.ButtonRect(i);
               const pf::Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
               return screen != nullptr && Click(OnScreen(bar, centre));
             }
           }
           return false;
         }},
        {"the element bar picks the resistor",
         [&] {
           return app.View().GetElementType() == kResistor &&
                  app.View().GetGrid().IsFreeAt({kDragFrom.x, kDragFrom.y}) &&
                  Drag(OnScreen(app.View(), kDragFrom), OnScreen(app.View(), kDragTo));
         }},
        {"the resistor's dialog opens",
         [&] {
           const std::string title = DialogTitle();
           return !title.empty() && Keys("^" + title + "$", {"Return"});
         }},
        {"the resistor is placed",
         [&] {
           return app.Doc()->Symbols().GetCount() == symbols + 1 &&
                  Keys("^Vostrane - ", {"alt+f", "sleep", "0.5", "key", "n"});
         }},
        {"Neues Fenster opens a second window of the circuit, numbered in the title",
         [&] {
           return app.Doc()->Views().size() == 2 &&
                  Title(*main) == "Vostrane - lc_lowpass.vqe:2" &&
                  Screenshot("vostrane-editing.png") != nullptr && CloseTab(*main, 1);
         }},
        {"the second window closes without asking, the number goes",
         [&] {
           return app.Doc()->Views().size() == 1 && Title(*main) == "Vostrane - lc_lowpass.vqe" &&
                  CloseTab(*main, 0);
         }},
        {"closing the modified circuit asks",
         [&] { return (asked = MessageBoxShown()) && Keys("^Vostrane$", {"Escape"}); }},
        {"Abbrechen keeps the circuit",
         [&] {
           return !MessageBoxShown() && app.Doc() != nullptr && app.Doc()->IsModified() &&
                  Keys("^Vostrane - ", {"ctrl+s"});
         }},
        {"Ctrl+S saves",
         [&] { return !app.Doc()->IsModified() && Keys("^Vostrane - ", {"ctrl+p"}); }},
        {"the print dialog prints to the file",
         [&] { return Keys("^Drucken$", {"Down", "sleep", "1", "key", "alt+p"}); }},
        {"the page is printed",
         [&] {
           return fs::exists(printed) && fs::file_size(printed) > 0 &&
                  Keys("^Vostrane - ", {"alt+d", "sleep", "0.5", "key", "t"});
         }},
        {"Datei/Seitenansicht opens the preview over the resting main window",
         [&] {
           pf::PrintPreview* preview = Preview();
           return (previewed = preview != nullptr) && !main->IsWindowEnabled() &&
                  Click(OnScreen(*preview->GetDlgItem(pf::kIdPreviewClose), {10, 10}));
         }},
        {"Schließen closes the preview",
         [&] { return Preview() == nullptr && main->IsWindowEnabled(); }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_TRUE(asked);
  EXPECT_TRUE(previewed);

  // The view's pixels are those of the headless program on the same circuit.
  ASSERT_NE(screen, nullptr);
  {
    pf::Headless headless;
    CVostraneApp app({VOSTRANE_EXAMPLE}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    pf::View& view = *app.GetMainFrame()->MdiGetActive()->GetActiveView();
    view.MoveWindow({0, 0, viewSize.x, viewSize.y});
    headless.RunIdle();
    const std::unique_ptr<pf::CairoDc> expected = headless.Render(view);
    ASSERT_NE(expected, nullptr);
    expected->WritePng("vostrane-headless.png");
    EXPECT_EQ(Differences(*screen, *expected, viewOrigin), 0)
        << "see vostrane-start.png and vostrane-headless.png";
  }
  desktop->Install();

  // The saved file holds the resistor.
  ASSERT_EQ(RunProgram({"sh", "-c", std::string(VOSTRANE_CLI) + " netlist '" + circuit +
                                       "' > netlist.txt"}),
            0);
  std::stringstream netlist;
  netlist << std::ifstream("netlist.txt").rdbuf();
  EXPECT_NE(netlist.str().find("\nRES "), std::string::npos) << netlist.str();

  // The printed page is the command line's. The desktop draws vectors where the command line
  // places an image of the page, so edges may lie a pixel apart and the letters are shaped by
  // another rasteriser: up to 1 in 400 pixels (about 2200; the example's text makes about 1000)
  // may find no match, while a page drawn at another scale or place leaves most lines unmatched.
  ASSERT_EQ(RunProgram({VOSTRANE_CLI, "print", circuit, "cli.pdf"}), 0);
  const auto desktopPage = Rasterise(printed, "desktop-page.png");
  const auto cliPage = Rasterise("cli.pdf", "cli-page.png");
  ASSERT_TRUE(desktopPage != nullptr && cliPage != nullptr);
  ASSERT_EQ(desktopPage->Width(), cliPage->Width());
  ASSERT_EQ(desktopPage->Height(), cliPage->Height());
  EXPECT_LE(Unmatched(*desktopPage, *cliPage), desktopPage->Width() * desktopPage->Height() / 400)
      << "see desktop-page.png and cli-page.png";
}

// The analyser's screen after a sweep, but for its bottom line, which stamps the time of the
// sweep: the desktop shows what the headless program draws.
TEST(DesktopAnalyser, ScreenAfterASweepIsTheHeadlessRender) {
  const fs::path circuit = CopyExample(VOSTRANE_ANALYSER_EXAMPLE, fs::current_path() / "circuits");
  // Left out at the bottom of the screen: the bottom line with the sweep's time.
  constexpr int kBottomLine = 24;
  std::unique_ptr<pf::CairoDc> screen;
  wxPoint screenOrigin;
  std::string failed;
  {
    DrivenApp app(circuit.string());
    VecNetAnaDialog* panel = nullptr;
    int settle = 0;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the analyser's panel opens",
         [&] {
           VecNetAnaSymbol* vna = FindSymbol<VecNetAnaSymbol>(*app.Doc());
           if (vna == nullptr) return false;
           app.View().OpenSymbol(*vna);
           panel = dynamic_cast<VecNetAnaDialog*>(vna->GetWindow());
           return panel != nullptr && panel->IsVisible();
         }},
        {"Analyse is pressed",
         [&] {
           const pf::Window* key = panel->GetDlgItem(analyser_ids::kAnalyse);
           return key != nullptr && Click(OnScreen(*key, {10, 8}));
         }},
        {"the sweep ends and the screen is drawn",
         [&] {
           if (panel->GetNetwork() == nullptr || panel->IsRunning() || ++settle < 4) return false;
           screen = Screenshot("vostrane-analyser.png");
           screenOrigin = OnScreen(*panel->GetDlgItem(screen_ids::kScreen), {0, 0});
           // Opening the analyser changed the circuit; the program ends without asking.
           app.Doc()->SetModifiedFlag(false);
           return screen != nullptr;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  ASSERT_NE(screen, nullptr);
  {
    pf::Headless headless;
    CVostraneApp app({circuit.string()}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    CVostraneView& view = ActiveView(app);
    VecNetAnaSymbol* vna = FindSymbol<VecNetAnaSymbol>(*view.GetDocument());
    ASSERT_NE(vna, nullptr);
    view.OpenSymbol(*vna);
    auto* panel = dynamic_cast<VecNetAnaDialog*>(vna->GetWindow());
    ASSERT_NE(panel, nullptr);
    pf::DialogDriver(headless, *panel).Click(analyser_ids::kAnalyse);
    ASSERT_NE(panel->GetNetwork(), nullptr);
    const std::unique_ptr<pf::CairoDc> expected = headless.Render(*panel);
    ASSERT_NE(expected, nullptr);
    expected->WritePng("vostrane-analyser-headless.png");
    pf::Rect area = panel->GetDlgItem(screen_ids::kScreen)->GetRect();
    area.bottom -= kBottomLine;
    EXPECT_EQ(Differences(*screen, *expected, screenOrigin, area), 0)
        << "see vostrane-analyser.png and vostrane-analyser-headless.png";
  }
  desktop->Install();
}

// A generator's run started from its dialog on the desktop: the busy window while it runs, then
// the meter's reading on the circuit as the headless program draws it after the same run.
struct GeneratorRun {
  const char* example;
  int dialogTemplate;
  int start;
  const char* title;
  // The headless run's timer: the tick and how many end the run at most.
  unsigned tickMs;
  int ticks;
  size_t readings;
  const char* reading;
  // The screenshots are vostrane-NAME.png, -busy.png and -headless.png.
  const char* shots;
};

template <class G>
void RunGeneratorOnDesktop(const GeneratorRun& run) {
  const fs::path work = fs::current_path() / run.shots;
  const fs::path circuit = CopyExample(run.example, work);
  const fs::path before = fs::current_path();
  fs::current_path(work);
  fs::remove("MultiMeter.dat");
  const std::string shots = std::string("vostrane-") + run.shots;
  std::unique_ptr<pf::CairoDc> screen;
  wxPoint viewOrigin;
  pf::Rect meterArea;
  std::string reading;
  bool busyShown = false;
  std::string failed;
  {
    DrivenApp app(circuit.string());
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the generator is clicked twice",
         [&] {
           const G* generator = FindSymbol<G>(*app.Doc());
           return generator != nullptr && DoubleClick(app.View(), *generator);
         }},
        {"its dialog opens and Start is pressed",
         [&] {
           pf::Dialog* dialog = ShownDialog(run.dialogTemplate);
           const pf::Window* start = dialog != nullptr ? dialog->GetDlgItem(run.start) : nullptr;
           return DialogTitle() == run.title && start != nullptr &&
                  Click(OnScreen(*start, {10, 8}));
         }},
        {"the busy window shows while the run goes on",
         [&] {
           busyShown = app.View().Analysis().GetBusyDialog() != nullptr &&
                       ShownDialog(run.dialogTemplate) == nullptr;
           return busyShown && Screenshot(shots + "-busy.png") != nullptr;
         }},
        {"the run ends with the meter's reading on the circuit",
         [&] {
           if (app.View().Analysis().IsBusy()) return false;
           MultiMeterSymbol* meter = FindSymbol<MultiMeterSymbol>(*app.Doc());
           reading = meter->GetReading().ToCString();
           meterArea = meter->GetRect();
           viewOrigin = OnScreen(app.View(), {0, 0});
           screen = Screenshot(shots + ".png");
           // The run made the generator the active instrument; the program ends without asking.
           app.Doc()->SetModifiedFlag(false);
           return screen != nullptr;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_TRUE(busyShown);
  ASSERT_NE(screen, nullptr);
  std::ifstream log("MultiMeter.dat");
  std::vector<std::string> lines;
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), run.readings);
  EXPECT_EQ(reading, run.reading);
  {
    pf::Headless headless;
    CVostraneApp app({circuit.string()}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    CVostraneView& view = ActiveView(app);
    G* generator = FindSymbol<G>(*view.GetDocument());
    ASSERT_NE(generator, nullptr);
    headless.ExpectDialog(run.dialogTemplate,
                          [&run](pf::DialogDriver& d) { d.Click(run.start); });
    view.OpenSymbol(*generator);
    for (int tick = 0; tick < run.ticks && view.Analysis().IsBusy(); ++tick) {
      headless.Advance(run.tickMs);
    }
    ASSERT_FALSE(view.Analysis().IsBusy());
    const std::unique_ptr<pf::CairoDc> expected = headless.Render(view);
    ASSERT_NE(expected, nullptr);
    expected->WritePng(shots + "-headless.png");
    // The meter with its reading below it.
    const pf::Rect area{meterArea.left - 20, meterArea.top, meterArea.right + 20,
                        meterArea.bottom + 30};
    EXPECT_EQ(Differences(*screen, *expected, viewOrigin + wxPoint(area.left, area.top), area), 0)
        << "see " << shots << ".png and " << shots << "-headless.png";
  }
  fs::current_path(before);
  desktop->Install();
}

TEST(DesktopGenerator, StartRunsTheSweepAndTheMeterShowsItsReading) {
  RunGeneratorOnDesktop<SignalGenSymbol>({VOSTRANE_SIGGEN_EXAMPLE, siggen_ids::kTemplate,
                                          siggen_ids::kStart, "Signalgenerator", 500, 25,
                                          21, "15.16mV", "generator"});
}

// 128 spectral lines of the pattern, one per 10 ms; the 7 lines of 0 are not logged. The
// spectrum analyser's 50 ohm beside the meter loads the last line's node.
TEST(DesktopGenerator, DataGeneratorRunsItsLinesAndTheMeterShowsItsReading) {
  RunGeneratorOnDesktop<DataGeneratorSymbol>({VOSTRANE_DATAGEN_EXAMPLE, datagen_ids::kTemplate,
                                              datagen_ids::kStart, "Datengenerator", 10, 140,
                                              121, "25.51uV", "datagen"});
}

// The oscilloscope's window on the desktop: its screen (a new oscilloscope's zero line) is the
// headless render of the same window.
TEST(DesktopOscilloscope, ScreenIsTheHeadlessRender) {
  const fs::path circuit = CopyExample(VOSTRANE_DATAGEN_EXAMPLE, fs::current_path() / "circuits");
  std::unique_ptr<pf::CairoDc> screen;
  wxPoint screenOrigin;
  std::string failed;
  int settle = 0;
  {
    DrivenApp app(circuit.string());
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the oscilloscope is clicked twice",
         [&] {
           const OsziSymbol* oszi = FindSymbol<OsziSymbol>(*app.Doc());
           return oszi != nullptr && DoubleClick(app.View(), *oszi);
         }},
        {"its window opens and shows its screen",
         [&] {
           pf::Dialog* window = ShownDialog(oszi_ids::kTemplate);
           if (window == nullptr || DialogTitle() != "Oszi" || ++settle < 4) return false;
           screen = Screenshot("vostrane-oszi.png");
           screenOrigin = OnScreen(*window->GetDlgItem(screen_ids::kScreen), {0, 0});
           return screen != nullptr;
         }},
        {"OK closes it",
         [&] {
           pf::Dialog* window = ShownDialog(oszi_ids::kTemplate);
           if (window == nullptr) return true;
           Click(OnScreen(*window->GetDlgItem(pf::kIdOk), {10, 8}));
           return false;
         }},
        {"the program ends without asking",
         [&] {
           app.Doc()->SetModifiedFlag(false);
           return true;
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  ASSERT_NE(screen, nullptr);
  {
    pf::Headless headless;
    CVostraneApp app({circuit.string()}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    CVostraneView& view = ActiveView(app);
    OsziSymbol* oszi = FindSymbol<OsziSymbol>(*view.GetDocument());
    ASSERT_NE(oszi, nullptr);
    std::unique_ptr<pf::CairoDc> expected;
    pf::Rect area;
    headless.ExpectDialog(oszi_ids::kTemplate, [&](pf::DialogDriver& d) {
      expected = headless.Render(d.GetDialog());
      area = d.GetDialog().GetDlgItem(screen_ids::kScreen)->GetRect();
      d.Cancel();
    });
    view.OpenSymbol(*oszi);
    ASSERT_NE(expected, nullptr);
    expected->WritePng("vostrane-oszi-headless.png");
    EXPECT_EQ(Differences(*screen, *expected, screenOrigin, area), 0)
        << "see vostrane-oszi.png and vostrane-oszi-headless.png";
    view.GetDocument()->SetModifiedFlag(false);
  }
  desktop->Install();
}

// An instrument window's screen as the desktop showed it, and the text of its bottom line.
struct ShownScreen {
  std::unique_ptr<pf::CairoDc> shot;
  wxPoint origin;
  std::string bottomLine;
};

// The steps that open the instrument by two clicks on its symbol, keep its screen once drawn and
// close the window with OK.
template <class S>
std::vector<DrivenApp::Step> ShowScreen(DrivenApp& app, int templateId, const std::string& png,
                                        ShownScreen& shown) {
  auto settle = std::make_shared<int>(0);
  return {
      {"the instrument is clicked twice",
       [&app] {
         const S* symbol = FindSymbol<S>(*app.Doc());
         return symbol != nullptr && DoubleClick(app.View(), *symbol);
       }},
      {"its window opens and shows its screen",
       [templateId, png, &shown, settle] {
         auto* window = dynamic_cast<ScreenDialog*>(ShownDialog(templateId));
         if (window == nullptr || ++*settle < 4) return false;
         shown.shot = Screenshot(png);
         shown.origin = OnScreen(*window->GetDlgItem(screen_ids::kScreen), {0, 0});
         const Diagramm* diagram = window->Screen().Current();
         shown.bottomLine = diagram != nullptr ? diagram->GetBottomLineText().ToCString() : "";
         return shown.shot != nullptr;
       }},
      {"OK closes it",
       [templateId] {
         pf::Dialog* window = ShownDialog(templateId);
         if (window == nullptr) return true;
         Click(OnScreen(*window->GetDlgItem(pf::kIdOk), {10, 8}));
         return false;
       }},
  };
}

// A run on the desktop and the same run in the headless program.
struct ScreensRun {
  const char* example;
  // The screenshots are vostrane-NAME-oszi.png, -oszi2.png, -specana.png and their
  // -headless.png.
  const char* name;
  // What the screens' bottom line starts with; the rest stamps the run's time.
  const char* bottomLine;
  // The desktop's steps from the splash's end to the run's end.
  std::function<std::vector<DrivenApp::Step>(DrivenApp&)> desktopRun;
  // The same run in the headless program; false when it does not end.
  std::function<bool(pf::Headless&, CVostraneView&)> headlessRun;
};

// After the run the oscilloscope, never opened before, is opened by two clicks, closed with OK
// and opened again, then the spectrum analyser: each screen shows the run as the headless
// program draws it after the same run (the header names the instrument and its quantity), and
// its bottom line names the run; the time it stamps is left out of the pictures.
void OpeningsAfterTheRun(const ScreensRun& run) {
  const fs::path circuit = CopyExample(run.example, fs::current_path() / "circuits" / run.name);
  constexpr int kBottomLine = 24;
  struct Instrument {
    int templateId;
    std::string shots;
    ShownScreen shown;
  };
  const std::string shots = std::string("vostrane-") + run.name;
  Instrument instruments[] = {{oszi_ids::kTemplate, shots + "-oszi", {}},
                              {oszi_ids::kTemplate, shots + "-oszi2", {}},
                              {specana_ids::kTemplate, shots + "-specana", {}}};
  std::string failed;
  {
    DrivenApp app(circuit.string());
    app.steps = {{"the splash closes", [&] { return app.GetSplash() == nullptr; }}};
    for (auto steps :
         {run.desktopRun(app),
          ShowScreen<OsziSymbol>(app, oszi_ids::kTemplate, instruments[0].shots + ".png",
                                 instruments[0].shown),
          ShowScreen<OsziSymbol>(app, oszi_ids::kTemplate, instruments[1].shots + ".png",
                                 instruments[1].shown),
          ShowScreen<SpecAnaSymbol>(app, specana_ids::kTemplate, instruments[2].shots + ".png",
                                    instruments[2].shown)}) {
      app.steps.insert(app.steps.end(), steps.begin(), steps.end());
    }
    app.steps.push_back({"the program ends without asking", [&] {
                           app.Doc()->SetModifiedFlag(false);
                           return true;
                         }});
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  {
    pf::Headless headless;
    CVostraneApp app({circuit.string()}, [] { return std::make_unique<pf::MemoryProfile>(); });
    ASSERT_TRUE(app.InitInstance());
    CVostraneView& view = ActiveView(app);
    ASSERT_TRUE(run.headlessRun(headless, view));
    NetSymbol* symbols[] = {FindSymbol<OsziSymbol>(*view.GetDocument()),
                            FindSymbol<OsziSymbol>(*view.GetDocument()),
                            FindSymbol<SpecAnaSymbol>(*view.GetDocument())};
    for (size_t i = 0; i < std::size(instruments); ++i) {
      const Instrument& instrument = instruments[i];
      SCOPED_TRACE(instrument.shots);
      ASSERT_NE(instrument.shown.shot, nullptr);
      EXPECT_EQ(instrument.shown.bottomLine.rfind(run.bottomLine, 0), 0u)
          << instrument.shown.bottomLine;
      std::unique_ptr<pf::CairoDc> expected;
      pf::Rect area;
      headless.ExpectDialog(instrument.templateId, [&](pf::DialogDriver& d) {
        expected = headless.Render(d.GetDialog());
        area = d.GetDialog().GetDlgItem(screen_ids::kScreen)->GetRect();
        d.Ok();
      });
      ASSERT_NE(symbols[i], nullptr);
      view.OpenSymbol(*symbols[i]);
      ASSERT_NE(expected, nullptr);
      expected->WritePng(instrument.shots + "-headless.png");
      area.bottom -= kBottomLine;
      EXPECT_EQ(Differences(*instrument.shown.shot, *expected, instrument.shown.origin, area), 0)
          << "see " << instrument.shots << ".png and " << instrument.shots << "-headless.png";
    }
    view.GetDocument()->SetModifiedFlag(false);
  }
  desktop->Install();
}

// The data generator's run, started from its dialog.
TEST(DesktopScreens, OpeningsAfterADataRunAreTheHeadlessRender) {
  OpeningsAfterTheRun(
      {VOSTRANE_DATAGEN_EXAMPLE, "datarun", "Ravilone: datagen_rc ",
       [](DrivenApp& app) -> std::vector<DrivenApp::Step> {
         return {
             {"the generator is clicked twice",
              [&app] {
                const auto* generator = FindSymbol<DataGeneratorSymbol>(*app.Doc());
                return generator != nullptr && DoubleClick(app.View(), *generator);
              }},
             {"its dialog opens and Start is pressed",
              [] {
                pf::Dialog* dialog = ShownDialog(datagen_ids::kTemplate);
                const pf::Window* start =
                    dialog != nullptr ? dialog->GetDlgItem(datagen_ids::kStart) : nullptr;
                return start != nullptr && Click(OnScreen(*start, {10, 8}));
              }},
             {"the run goes", [&app] { return app.View().Analysis().IsBusy(); }},
             {"the run ends", [&app] { return !app.View().Analysis().IsBusy(); }},
         };
       },
       [](pf::Headless& headless, CVostraneView& view) {
         auto* generator = FindSymbol<DataGeneratorSymbol>(*view.GetDocument());
         if (generator == nullptr) return false;
         headless.ExpectDialog(datagen_ids::kTemplate,
                               [](pf::DialogDriver& d) { d.Click(datagen_ids::kStart); });
         view.OpenSymbol(*generator);
         for (int tick = 0; tick < 140 && view.Analysis().IsBusy(); ++tick) headless.Advance(10);
         return !view.Analysis().IsBusy();
       }});
}

// The SPICE transient of the pulse generator, chosen from the menu, with a copy of the SPICE
// program that runs ngspice. Skipped without ngspice.
TEST(DesktopScreens, OpeningsAfterASpiceTransientAreTheHeadlessRender) {
  if (RunProgram({"sh", "-c", "command -v ngspice"}) != 0) GTEST_SKIP() << "no ngspice";
  const fs::path home = fs::current_path() / "spice-transient";
  fs::create_directories(home);
  fs::copy_file(fs::path(VOSTRANE_SPICE) / "VosSpice.exe", home / "VosSpice.exe",
                fs::copy_options::overwrite_existing);
  const MyStrng spiceHome((home.string() + "/").c_str());
  OpeningsAfterTheRun(
      {VOSTRANE_PULSE_EXAMPLE, "transient", "Spice: pulse_rc.vqe ",
       [&spiceHome](DrivenApp& app) -> std::vector<DrivenApp::Step> {
         return {
             {"the transient is chosen",
              [&app, &spiceHome] {
                app.SetSpiceHome(spiceHome);
                // Its dialog's modal loop runs beside the steps, not inside this one.
                wxTheApp->CallAfter(
                    [&app] { app.GetMainFrame()->UserCommand(kIdAnalysisTransient); });
                return true;
              }},
             {"its dialog is answered with OK",
              [] {
                pf::Dialog* dialog = ShownDialog(transient_ids::kTemplate);
                return dialog != nullptr &&
                       Click(OnScreen(*dialog->GetDlgItem(pf::kIdOk), {10, 8}));
              }},
             {"the results arrive",
              [&app] { return app.Doc()->GetSpiceManager().HasLoadedResults(); }},
         };
       },
       [&spiceHome](pf::Headless& headless, CVostraneView& view) {
         GetVostraneApp()->SetSpiceHome(spiceHome);
         headless.ExpectDialog(transient_ids::kTemplate,
                               [](pf::DialogDriver& d) { d.Ok(); });
         CMainFrame& main = *GetVostraneApp()->GetMainFrame();
         if (!main.UserCommand(kIdAnalysisTransient)) return false;
         SpiceManager& spice = view.GetDocument()->GetSpiceManager();
         for (int waited = 0; waited < 30000 && spice.IsSimulatorRunning(); waited += 10) {
           usleep(10000);
         }
         headless.RunIdle();
         return spice.HasLoadedResults();
       }});
}

// The toolkit sizes a submenu before it tells that the submenu opens: once "Datei" is open, its
// submenu of recent files already holds the circuit's name, so that it shows whole.
TEST_F(DesktopTest, RecentFilesAreInTheirSubmenuBeforeItOpens) {
  std::string recent;
  std::string failed;
  {
    DrivenApp app(circuit);
    bool opened = false;
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"a click on Datei",
         [&] {
           wxWindow* top = pf::NativeWindow(*app.GetMainFrame());
           top->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& e) {
             e.Skip();
             opened = true;
           });
           const wxMenuBar* bar = dynamic_cast<wxFrame*>(top)->GetMenuBar();
           return bar != nullptr && Click(bar->GetScreenPosition() + wxPoint(20, 10));
         }},
        {"the menu opens",
         [&] {
           if (!opened) return false;
           const wxMenuBar* bar =
               dynamic_cast<wxFrame*>(pf::NativeWindow(*app.GetMainFrame()))->GetMenuBar();
           for (const wxMenuItem* item : bar->GetMenu(0)->GetMenuItems()) {
             const wxMenu* sub = item->GetSubMenu();
             if (sub != nullptr && sub->GetMenuItemCount() > 0) {
               recent = sub->FindItemByPosition(0)->GetItemLabelText().utf8_string();
             }
           }
           return Input({"key", "Escape"});
         }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_NE(recent.find("lc_lowpass.vqe"), std::string::npos) << recent;
}

// A slow SPICE program runs beside the desktop: while it runs, a click on the menu bar opens a
// menu, and its results arrive afterwards.
TEST(DesktopSpice, MenuOpensWhileASlowSpiceProgramRuns) {
  const fs::path home = fs::current_path() / "spice-slow";
  fs::create_directories(home);
  const fs::path circuit = CopyExample(VOSTRANE_EXAMPLE, fs::current_path() / "circuits" / "spice");
  const fs::path program = home / "VosSpice.exe";
  std::ofstream(program) << "#!/bin/sh\nsleep 6\nname=$(basename \"$1\")\n"
                            "printf 'Title: %s\\nDate: heute\\nPlotname: Operating Point\\n"
                            "Flags: real\\nNo. Variables: 2\\nNo. Points: 1\\nCommand: x\\n"
                            "Variables:\\n0\\tv(v-sweep)\\tvoltage\\n1\\tV(1)\\tvoltage\\n"
                            "Values:\\n0\\t0\\n1.5\\n' \"$name\" > rawspice.raw\n";
  fs::permissions(program, fs::perms::owner_all);
  fs::remove(home / "rawspice.raw");
  bool menuOpened = false;
  bool runningThen = false;
  std::string failed;
  {
    DrivenApp app(circuit.string());
    app.steps = {
        {"the splash closes", [&] { return app.GetSplash() == nullptr; }},
        {"the SPICE program starts",
         [&] {
           pf::NativeWindow(*app.GetMainFrame())->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& e) {
             e.Skip();
             menuOpened = true;
           });
           app.SetSpiceHome(MyStrng((home.string() + "/").c_str()));
           CMainFrame& main = *app.GetMainFrame();
           return main.UserCommand(kIdEditSpiceFile) && main.UserCommand(kIdEditSpiceStart) &&
                  app.Doc()->GetSpiceManager().ResultsPending();
         }},
        {"a click on the menu bar",
         [&] {
           const wxMenuBar* bar = dynamic_cast<wxFrame*>(pf::NativeWindow(*app.GetMainFrame()))
                                      ->GetMenuBar();
           return bar != nullptr && Click(bar->GetScreenPosition() + wxPoint(20, 10));
         }},
        {"the menu opens while the program runs",
         [&] {
           if (!menuOpened) return false;
           runningThen = app.Doc()->GetSpiceManager().IsSimulatorRunning();
           return Input({"key", "Escape"});
         }},
        {"the results arrive",
         [&] { return app.Doc()->GetSpiceManager().HasLoadedResults(); }},
    };
    desktop->Run(app);
    failed = app.failed;
  }
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_TRUE(runningThen);
  desktop->Install();
}

}  // namespace
