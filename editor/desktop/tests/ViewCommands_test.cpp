// The view's commands: what each needs before it is enabled, the copies of the circuit, the
// SPICE program's choice, its start, and the element rules that move the choice to the ground.

#include "editor/desktop/ViewCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "basics/LineFile.h"
#include "basics/VS_Error.h"
#include "editor/desktop/BusyDialog.h"
#include "editor/desktop/SpiceDirDialog.h"
#include "editor/desktop/tests/ViewFixture.h"
#include "editor/document/CircuitCopies.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/SymbolRoles.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/cairo_dc.h"
#include "pf/clipboard.h"
#include "pf/path_map.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/EditorIds.h"

namespace {

class Part : public ZweiPolSymbol, public InstrumentRole {
 public:
  explicit Part(const char* key, bool instrument = false) : instrument(instrument) {
    classKey = key;
  }
  bool IsInstrument() const override { return instrument; }
  int GetActiveFlag() const override { return active; }
  void SetActiveFlag(int flag) override { active = flag; }
  MyStrng GetNextInstrumentName() const override { return "NoSlave"; }

  bool instrument;
  int active = 0;
};

// A SPICE program that runs until it is stopped.
class FakeRun : public SpiceRun {
 public:
  explicit FakeRun(bool* stopped = nullptr) : stopped(stopped) {}
  bool IsRunning() override { return stopped == nullptr || !*stopped; }
  int ExitCode() override { return -1; }
  void Stop() override {
    if (stopped != nullptr) *stopped = true;
  }

 private:
  bool* stopped;
};

class CommandTest : public ViewFixture {
 protected:
  void TearDown() override { SpiceManager::InstallStarter(nullptr); }

  Part* Add(const char* key, Point from, Point to, bool instrument = false) {
    auto* s = new Part(key, instrument);
    s->pins[0] = from;
    s->pins[1] = to;
    s->UpdateGeometry();
    Doc().AddSymbol(s);
    return s;
  }

  pf::test::TempDir dir;
};

TEST_F(CommandTest, CopiesAndExportsWaitForACircuit) {
  const char* const needCircuit[] = {"Service/Schaltung ins Clipboard",
                                     "Service/Schaltung  --> Latex-File",
                                     "&Bearbeiten/ASCII-File erstellen",
                                     "&Bearbeiten/Netzwerk exportieren",
                                     "&Bearbeiten/Spice-File erstellen"};
  for (const char* path : needCircuit) EXPECT_EQ(Enabled(path), false) << path;
  for (const char* path : {"&?/Hilfe...", "Analyse/Spice Simulator einstellen ..."}) {
    EXPECT_EQ(Enabled(path), true) << path;
  }
  Add("WIDERSTAND", {100, 100}, {150, 100});
  for (const char* path : needCircuit) {
    EXPECT_EQ(Enabled(path), std::string(path) != "&Bearbeiten/Netzwerk exportieren") << path;
  }
}

// The help shipped beside the program opens; the build put a copy beside this test.
TEST_F(CommandTest, HelpOpensTheShippedHelpFile) {
  const std::string help = pf::ProgramDirectory() + "/help/vostrane.html";
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&?/Hilfe..."));
  EXPECT_TRUE(headless.Ui().Messages().empty());
  EXPECT_EQ(headless.Ui().HelpFiles(), std::vector<std::string>{help});
  std::ifstream in(help);
  const std::string page(std::istreambuf_iterator<char>(in), {});
  EXPECT_NE(page.find("<title>Vostrane: Hilfe</title>"), std::string::npos);
}

// One unit is 5 view units: a symbol of 50 by 20 is a picture of 10 by 4, measured from the
// bottom left of the box.
TEST_F(CommandTest, LatexPictureMeasuresTheSymbolsInMillimetres) {
  Part* s = Add("WIDERSTAND", {100, 100}, {150, 100});
  s->width = 50;
  s->height = 20;
  s->centre = Point(125, 100);
  LineFile lines;
  ComposeLatex(Doc(), lines);
  std::ostringstream text;
  lines.WriteLines(text);
  EXPECT_EQ(text.str().rfind("\\setlength{\\unitlength}{1mm}\n\\begin{picture}(10,4)\n", 0), 0u)
      << text.str();
  EXPECT_TRUE(text.str().ends_with("\n\\end{picture}\n")) << text.str();
  EXPECT_EQ(s->latexOrigin, Point(100, 110));

  ASSERT_TRUE(headless.MenuCommand(Frame(), "Service/Schaltung  --> Latex-File"));
  EXPECT_NE(pf::TheClipboard().GetText()->find("\\begin{picture}(10,4)"), std::string::npos);
  EXPECT_EQ(headless.Ui().Messages().back().text, "Schaltung als Latex-File im Clipboard");
}

TEST_F(CommandTest, BitmapCopyIsTheViewsPictureOfTheSymbols) {
  Add("WIDERSTAND", {100, 100}, {150, 100});
  Add("KAPAZITAET", {150, 100}, {150, 175});
  const pf::Rect area = CircuitBitmapArea(Doc());
  ASSERT_TRUE(headless.MenuCommand(Frame(), "Service/Schaltung ins Clipboard"));
  const std::optional<pf::Bitmap> copy = pf::TheClipboard().GetBitmap();
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->Width(), area.Width());
  const std::unique_ptr<pf::CairoDc> screen = headless.Render(*view);
  const pf::Point at = view->LogicalToClient(pf::Point{area.left, area.top});
  const std::optional<pf::Bitmap> shown =
      screen->ReadBitmap({at.x, at.y, at.x + area.Width(), at.y + area.Height()});
  ASSERT_TRUE(shown);
  EXPECT_TRUE(*copy == *shown);
  int drawn = 0;
  for (int y = 0; y < copy->Height(); ++y) {
    for (int x = 0; x < copy->Width(); ++x) drawn += copy->GetPixel(x, y) != pf::Rgb(255, 255, 255);
  }
  EXPECT_GT(drawn, 50);
  EXPECT_EQ(headless.Ui().Messages().back().caption, "Info");
}

TEST(SpiceProgram, DirectoryIsThePathBeforeTheProgramsName) {
  const struct {
    const char* path;
    bool accepted;
    const char* directory;
  } cases[] = {
      {"/opt/spice/VosSpice.exe", true, "/opt/spice/"},
      {"C:\\Spice\\vosspice.EXE", true, "C:\\Spice\\"},
      {"VosSpice.exe", true, ""},
      {"/opt/spice/ngspice.exe", false, ""},
      {"/opt/spice/VosSpice", false, ""},
      {"/opt/spice/VosSpice.bat", false, ""},
      {"/opt/my.dir/VosSpice.exe", true, "/opt/my.dir/"},
      {"./spice/VosSpice.exe", true, "./spice/"},
      {"C:\\Sim\\MySpice.exe", false, ""},
      {"/opt/vosspice.exe/ngspice", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    std::string directory;
    EXPECT_EQ(SpiceProgramDirectory(c.path, directory), c.accepted) << c.path;
    if (c.accepted) {
      EXPECT_EQ(directory, c.directory) << c.path;
    }
  }
}

// OK with a program gives its directory; without a directory in front of it SPICE goes off
// with a message; a path to another program keeps the dialog open and Cancel changes nothing.
TEST_F(CommandTest, SpiceSettingsDialogSetsOrClearsTheHome) {
  const struct {
    const char* typed;
    bool closes;
    const char* home;
    int enabled;
    int errors;
  } cases[] = {
      {"/opt/spice/VosSpice.exe", true, "/opt/spice/", 1, 0},
      {"/opt/spice/ngspice.exe", false, "/opt/spice/", 1, 0},
      {"VosSpice.exe", true, "", 0, 1},
  };
  // The setting's default shows as "Unbekannt" with the program's name behind it.
  std::vector<std::string> shown;
  for (const auto& c : cases) {
    VS_Error::ClearQueue();
    headless.ExpectDialog(spicedir_ids::kTemplate, [&](pf::DialogDriver& d) {
      shown.push_back(d.Text(spicedir_ids::kPath));
      d.Type(spicedir_ids::kPath, c.typed);
      d.Ok();
      EXPECT_EQ(d.GetDialog().HasEnded(), c.closes) << c.typed;
      if (!c.closes) d.Cancel();
    });
    ASSERT_TRUE(headless.MenuCommand(Frame(), "Analyse/Spice Simulator einstellen ..."));
    EXPECT_EQ(app->GetSpiceHome(), c.home) << c.typed;
    EXPECT_EQ(app->GetSpiceSettings().enabled, c.enabled) << c.typed;
    EXPECT_EQ(VS_Error::MessageCount(), c.errors) << c.typed;
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"UnbekanntVosSpice.exe", "/opt/spice/VosSpice.exe",
                                              "/opt/spice/VosSpice.exe"}));
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Simulator für Spice wurde nicht eingestellt");
  headless.ExpectDialog(spicedir_ids::kTemplate, [](pf::DialogDriver& d) {
    EXPECT_EQ(d.Text(spicedir_ids::kPath), "");
    d.Cancel();
  });
  ASSERT_TRUE(headless.MenuCommand(Frame(), "Analyse/Spice Simulator einstellen ..."));
}

TEST_F(CommandTest, SimulatorChoiceTicksAndGatesTheSubstrate) {
  EXPECT_EQ(Checked("Analyse/Simulator/Ravilone"), 1);
  EXPECT_EQ(Enabled("&Elemente/Substrat"), true);
  app->SetSpiceHome("/opt/spice/");
  ASSERT_TRUE(headless.MenuCommand(Frame(), "Analyse/Simulator/Spice"));
  EXPECT_EQ(Checked("Analyse/Simulator/Spice"), 1);
  EXPECT_EQ(Checked("Analyse/Simulator/Ravilone"), 0);
  EXPECT_EQ(Enabled("&Elemente/Substrat"), false);
}

TEST_F(CommandTest, ActiveInstrumentTakesTheDataGeneratorAndTheChoiceGoesToGround) {
  constexpr int kDataGenerator = 39;
  const ElementFactory registered = ElementFactory::Global();
  ElementFactory::Global().Register(
      kDataGenerator, "DataGeneratorSymbol", [](const Point&, const Point&) {
        return static_cast<NetSymbol*>(new Part("DataGeneratorSymbol", true));
      });
  view->SetElementType(kDataGenerator);
  EXPECT_EQ(Enabled("&Elemente/Digitaler Datengenerator"), true);
  EXPECT_EQ(view->GetElementType(), kDataGenerator);
  Add("SignalGenSymbol", {100, 100}, {150, 100}, true)->active = 1;
  EXPECT_EQ(Enabled("&Elemente/Digitaler Datengenerator"), false);
  EXPECT_EQ(view->GetElementType(), 1);
  EXPECT_EQ(Checked("&Elemente/Masse."), 1);
  ElementFactory::Global() = registered;
}

// The small-signal analysis asks first; the netlist is written and started only on Yes. A
// start without a SPICE program says so, and why; the SPICE run's starter makes results
// pending.
TEST_F(CommandTest, SpiceRunsAskWriteAndStart) {
  Add("SignalGenSymbol", {100, 100}, {150, 100}, true);
  ASSERT_TRUE(Doc().DoSave(dir / "kreis.vqe"));
  EXPECT_EQ(Enabled("&Bearbeiten/Spice starten"), false);

  headless.Ui().QueueAnswer(pf::MsgResult::No);
  ASSERT_TRUE(headless.MenuCommand(Frame(), "Analyse/Spice Kleinsignal-Analyse ..."));
  EXPECT_FALSE(std::filesystem::exists(dir / "kreis.cir"));
  EXPECT_EQ(headless.Ui().Messages().back().text, "Kleinsignal-Analyse");

  headless.Ui().QueueAnswer(pf::MsgResult::Yes);
  ASSERT_TRUE(headless.MenuCommand(Frame(), "Analyse/Spice Kleinsignal-Analyse ..."));
  EXPECT_TRUE(std::filesystem::exists(dir / "kreis.cir"));
  EXPECT_EQ(headless.Ui().Messages().back().caption, "Fehler");
  EXPECT_EQ(headless.Ui().Messages().back().text, "Spice konnte nicht gestartet werden");
  EXPECT_EQ(VS_Error::GetFirstMessage(), "Simulator für Spice wurde nicht eingestellt");
  ASSERT_NE(app->GetErrorDialog(), nullptr) << "the reason is shown with the box";

  app->SetSpiceHome(MyStrng(dir.Path().string() + "/"));
  MyStrng started;
  SpiceManager::InstallStarter([&started](const MyStrng&, const MyStrng& netlist) {
    started = netlist;
    return std::make_unique<FakeRun>();
  });
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Bearbeiten/Spice starten"));
  EXPECT_EQ(started, MyStrng((dir / "kreis.cir").c_str()));
  EXPECT_TRUE(Doc().GetSpiceManager().ResultsPending());
}

// While the program runs the busy window shows, without holding the mouse; closing it ends the
// program at the next tick, and the results are no longer awaited.
TEST_F(CommandTest, ClosingTheBusyWindowStopsTheSpiceProgram) {
  Add("SignalGenSymbol", {100, 100}, {150, 100}, true);
  ASSERT_TRUE(Doc().DoSave(dir / "kreis.vqe"));
  bool stopped = false;
  SpiceManager::InstallStarter(
      [&stopped](const MyStrng&, const MyStrng&) { return std::make_unique<FakeRun>(&stopped); });
  app->SetSpiceHome(MyStrng(dir.Path().string() + "/"));
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Bearbeiten/Spice-File erstellen"));
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Bearbeiten/Spice starten"));
  BusyDialog* busy = view->Analysis().GetBusyDialog();
  ASSERT_NE(busy, nullptr);
  EXPECT_EQ(pf::Window::GetCapture(), nullptr);
  headless.Advance(CVostraneView::kTimerPeriodMs);
  EXPECT_FALSE(stopped);
  EXPECT_NE(view->Analysis().GetBusyDialog(), nullptr);
  busy->Close();
  headless.Advance(CVostraneView::kTimerPeriodMs);
  EXPECT_TRUE(stopped);
  EXPECT_FALSE(Doc().GetSpiceManager().ResultsPending());
  EXPECT_EQ(view->Analysis().GetBusyDialog(), nullptr);
}

// While another circuit's SPICE run goes, every start here is refused with one box naming that
// circuit, before a question, a netlist or a start; once its results are read, the start goes.
TEST_F(CommandTest, SpiceStartsWaitForAnotherCircuitsRun) {
  Add("SignalGenSymbol", {100, 100}, {150, 100}, true);
  Add("DcGeneratorSymbol", {100, 200}, {150, 200}, true);
  ASSERT_TRUE(Doc().DoSave(dir / "kreis.vqe"));
  app->SetSpiceHome(MyStrng(dir.Path().string() + "/"));
  int starts = 0;
  bool stopped = false;
  SpiceManager::InstallStarter([&](const MyStrng&, const MyStrng&) {
    ++starts;
    return std::make_unique<FakeRun>(&stopped);
  });
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Bearbeiten/Spice-File erstellen"));
  std::filesystem::remove(dir / "kreis.cir");
  SpiceManager other;
  other.SetNetlistPath(MyStrng((dir / "kreis.cir").c_str()));
  other.SetCircuitName("/a/kreis.vqe");
  ASSERT_TRUE(other.StartSimulator(MyStrng(dir.Path().string() + "/")));
  for (const char* command : {"&Bearbeiten/Spice starten", "&Bearbeiten/Spice-File erstellen",
                              "Analyse/Spice Kleinsignal-Analyse ...",
                              "Analyse/Spice Dc Op-Analyse..."}) {
    SCOPED_TRACE(command);
    const size_t before = headless.Ui().Messages().size();
    ASSERT_TRUE(headless.MenuCommand(Frame(), command));
    ASSERT_EQ(headless.Ui().Messages().size(), before + 1);
    EXPECT_EQ(headless.Ui().Messages().back().caption, "Achtung");
    EXPECT_EQ(headless.Ui().Messages().back().text,
              "Spice läuft bereits für Schaltung: /a/kreis.vqe");
    EXPECT_FALSE(std::filesystem::exists(dir / "kreis.cir"));
    EXPECT_EQ(starts, 1);
    EXPECT_FALSE(stopped);
    EXPECT_EQ(view->Analysis().GetBusyDialog(), nullptr);
  }
  other.StopSimulator();
  stopped = false;
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Bearbeiten/Spice starten"));
  EXPECT_EQ(starts, 2);
  EXPECT_TRUE(Doc().GetSpiceManager().ResultsPending());
}

}  // namespace
