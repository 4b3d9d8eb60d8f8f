#include "editor/desktop/CVostraneApp.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editor/desktop/AboutDlg.h"
#include "editor/desktop/BusyDialog.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "editor/document/SpiceWriter.h"
#include "editor/symbols/ElementFactory.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "pf/command_ids.h"
#include "pf/controls.h"
#include "pf/document.h"
#include "pf/headless.h"
#include "pf/path_map.h"
#include "pf/profile.h"
#include "platform/core/tests/scoped_env.h"
#include "platform/core/tests/temp_dir.h"
#include "resources/CommandIds.h"
#include "resources/Resources.h"
#include "resources/EditorIds.h"

namespace {

using pf::test::ReadFile;
using pf::test::TempDir;

// A SPICE program that ends when told to, with the exit code it is given.
class FakeRun : public SpiceRun {
 public:
  FakeRun(bool& running, int exitCode, bool& stopped)
      : running_(running), exitCode_(exitCode), stopped_(stopped) {}
  bool IsRunning() override { return running_ && !stopped_; }
  int ExitCode() override { return exitCode_; }
  void Stop() override { stopped_ = true; }

 private:
  bool& running_;
  int exitCode_;
  bool& stopped_;
};

// Permissions do not bind root: run as root, the process gives the folder to an unprivileged
// user and acts as that user for a scope.
constexpr uid_t kNobody = 65534;

class AsFolderOwner {
 public:
  explicit AsFolderOwner(const std::filesystem::path& folder) : root_(geteuid() == 0) {
    if (!root_) return;
    EXPECT_EQ(chown(folder.c_str(), kNobody, static_cast<gid_t>(-1)), 0);
    EXPECT_EQ(seteuid(kNobody), 0);
  }
  ~AsFolderOwner() {
    if (root_) {
      EXPECT_EQ(seteuid(0), 0);
    }
  }

 private:
  bool root_;
};

class AppTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterResources();
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
  }

  CVostraneApp& Start(std::vector<std::string> files = {}, pf::MemoryProfile saved = {}) {
    app = std::make_unique<CVostraneApp>(
        std::move(files), [saved] { return std::make_unique<pf::MemoryProfile>(saved); });
    EXPECT_TRUE(app->InitInstance());
    return *app;
  }
  CMainFrame& Frame() { return *app->GetMainFrame(); }
  CVostraneDoc* ActiveDoc() { return dynamic_cast<CVostraneDoc*>(Frame().GetActiveDocument()); }
  int MenuId() { return Frame().GetMenu()->ResourceId(); }

  pf::Headless headless;
  TempDir dir;
  std::unique_ptr<CVostraneApp> app;
};

TEST_F(AppTest, MenusFollowTheActiveDocument) {
  Start();
  EXPECT_EQ(MenuId(), 129);
  EXPECT_EQ(Frame().GetWindowText(), "Vostrane - Schaltung1");
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Datei/&Schließen"));
  EXPECT_EQ(MenuId(), 128);
  EXPECT_EQ(Frame().GetWindowText(), "Vostrane");
  EXPECT_FALSE(headless.MenuItemState(Frame(), "Analyse"));

  headless.KeyDown(Frame(), 'N', pf::kMkControl);
  EXPECT_EQ(MenuId(), 129);
  EXPECT_EQ(ActiveDoc()->GetTitle(), "Schaltung2");
}

// The element bar is one group of check buttons in two rows. The frame is kept as a picture for
// a reviewer's eye.
TEST_F(AppTest, ElementBarShowsTwoRowsOfOneGroup) {
  Start();
  pf::ToolBar& elements = *Frame().GetElementBar();
  EXPECT_EQ(elements.ButtonRect(36).top, elements.ButtonRect(35).bottom);
  EXPECT_EQ(elements.BarHeight(), 2 * pf::ToolBar::kButtonSize + 2 * pf::ToolBar::kBorder);
  EXPECT_EQ(elements.Buttons()[1].toolTip, "Masse.");
  for (const pf::ToolButton& b : elements.Buttons()) EXPECT_EQ(b.style, pf::ToolStyle::CheckGroup);
  EXPECT_TRUE(headless.WritePng(Frame(), VOSTRANE_FRAME_PNG));
}

TEST_F(AppTest, DisabledCommandsRunNeitherByMenuNorByAccelerator) {
  Start();
  // Commands whose handlers are not built stand in the menus, disabled.
  for (const char* path :
       {"&Bearbeiten/Spice starten", "&Elemente/Widerstand", "Synthese/Tiefpass...",
        "Service/Gerber-Plotdatei...", "&Bearbeiten/&Ausschneiden"}) {
    const std::optional<pf::MenuItem> item = headless.MenuItemState(Frame(), path);
    ASSERT_TRUE(item) << path;
    EXPECT_FALSE(item->enabled) << path;
    EXPECT_FALSE(headless.MenuCommand(Frame(), path)) << path;
  }
}

// Each entry of "&Ansicht" hides its bar while it shows and brings it back, ticked exactly
// while the bar shows; the circuit window takes the room a hidden bar leaves.
TEST_F(AppTest, ViewMenuHidesAndShowsEachBarTickedWhileItShows) {
  Start();
  const struct {
    const char* path;
    pf::Window* bar;
  } cases[] = {
      {"&Ansicht/&Symbolleiste", Frame().GetToolBar()},
      {"&Ansicht/Elementleiste", Frame().GetElementBar()},
      {"&Ansicht/&Statusleiste", Frame().GetStatusBar()},
  };
  for (const auto& c : cases) {
    ASSERT_NE(c.bar, nullptr) << c.path;
    const pf::Rect shownArea = Frame().ClientArea();
    for (int step = 0; step < 3; ++step) {
      const bool shown = step != 1;
      if (step > 0) {
        EXPECT_TRUE(headless.MenuCommand(Frame(), c.path)) << c.path;
      }
      EXPECT_EQ(c.bar->IsVisible(), shown) << c.path;
      const std::optional<pf::MenuItem> item = headless.MenuItemState(Frame(), c.path);
      ASSERT_TRUE(item) << c.path;
      EXPECT_TRUE(item->enabled) << c.path;
      EXPECT_EQ(item->check, shown ? 1 : 0) << c.path;
      EXPECT_EQ(Frame().ClientArea() == shownArea, shown) << c.path;
      EXPECT_EQ(Frame().MdiGetActive()->GetRect(), Frame().ClientArea()) << c.path;
    }
  }
}

TEST_F(AppTest, ModalDialogBlocksMenuCommandsAndAccelerators) {
  Start();
  headless.ExpectDialog(about_ids::kTemplate, [&](pf::DialogDriver& about) {
    EXPECT_FALSE(headless.MenuCommand(Frame(), "&Datei/&Neu"));
    headless.KeyDown(Frame(), 'N', pf::kMkControl);
    about.Ok();
  });
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&?/&Info über Vostrane..."));
  EXPECT_EQ(app->DocTemplates().front()->Documents().size(), 1u);
}

TEST_F(AppTest, ClosingAModifiedDocumentAsksAndAbbrechenKeepsIt) {
  Start();
  ActiveDoc()->SetModifiedFlag();
  headless.Ui().QueueAnswer(pf::MsgResult::Cancel);
  headless.MenuCommand(Frame(), "&Datei/&Schließen");
  headless.Ui().QueueAnswer(pf::MsgResult::Cancel);
  headless.Close(Frame());

  ASSERT_EQ(headless.Ui().Messages().size(), 2u);
  for (const auto& asked : headless.Ui().Messages()) {
    EXPECT_EQ(asked.text, "Änderungen in Schaltung1 speichern?");
    EXPECT_EQ(asked.buttons, pf::MsgButtons::YesNoCancel);
  }
  EXPECT_TRUE(Frame().IsCreated());
  ASSERT_NE(ActiveDoc(), nullptr);
  EXPECT_TRUE(ActiveDoc()->IsModified());
}

// "Neues Fenster": each window of a circuit follows what the other places and deletes, and the
// symbols placed in a window outlive it.
TEST_F(AppTest, WindowsOfOneCircuitFollowEachOther) {
  const ElementFactory registered = ElementFactory::Global();
  ElementFactory::Global().Register(4, "ZweiPolSymbol", ElementFactory::PlacingOf<ZweiPolSymbol>());
  Start();
  ASSERT_TRUE(headless.Command(Frame(), pf::kIdWindowNew));
  CVostraneDoc& doc = *ActiveDoc();
  ASSERT_EQ(doc.Views().size(), 2u);
  auto& first = dynamic_cast<CVostraneView&>(*doc.Views()[0]);
  auto& second = dynamic_cast<CVostraneView&>(*doc.Views()[1]);
  const auto place = [&](CVostraneView& view, pf::Point from, pf::Point to) {
    view.SetElementType(4);
    headless.MouseDown(view, from);
    headless.MouseMove(view, to);
    headless.MouseUp(view, to);
  };
  place(second, {100, 100}, {150, 100});
  ASSERT_EQ(doc.Symbols().GetCount(), 1);
  EXPECT_FALSE(first.GetGrid().IsFreeAt({125, 100}));
  headless.Click(first, {125, 100});
  ASSERT_NE(first.GetSelected(), nullptr);
  headless.Click(second, {125, 100});
  headless.KeyDown(second, pf::kVkDelete);
  EXPECT_EQ(first.GetSelected(), nullptr);
  EXPECT_TRUE(first.GetGrid().IsFreeAt({125, 100}));

  place(second, {100, 100}, {150, 100});
  headless.Close(*second.GetParentFrame());
  // A pin of the symbol placed in the closed window gets connected and repainted.
  place(first, {175, 100}, {225, 100});
  headless.RunIdle();
  EXPECT_EQ(doc.Symbols().GetCount(), 2);
  ElementFactory::Global() = registered;
}

TEST_F(AppTest, FailedSaveLeavesTheOldFileAndReports) {
  Start();
  const std::string path = dir / "kreis.vqe";
  ASSERT_TRUE(ActiveDoc()->DoSave(path));
  const std::string before = ReadFile(path);
  ActiveDoc()->AddSymbol(CVostraneDoc::CreateSymbolByKey("ExKnotenSymbol").release());
  {
    AsFolderOwner owner(dir.Path());
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    headless.KeyDown(Frame(), 'S', pf::kMkControl);
    chmod(dir.Path().c_str(), 0755);
  }

  EXPECT_EQ(ReadFile(path), before);
  ASSERT_EQ(headless.Ui().Messages().size(), 1u);
  EXPECT_EQ(headless.Ui().Messages()[0].text, "Fehler beim Speichern der Datei " + path);
  EXPECT_TRUE(ActiveDoc()->IsModified());
}

TEST_F(AppTest, FourRecentFilesSurviveARestart) {
  Start();
  for (const char* name : {"a.vqe", "b.vqe", "c.vqe", "d.vqe", "e.vqe"}) {
    ASSERT_TRUE(app->OnFileNew()->DoSave(dir / name));
  }
  app->ExitInstance();
  const pf::MemoryProfile saved = app->GetProfile();
  app.reset();

  Start({}, saved);
  EXPECT_EQ(app->RecentFiles(),
            (std::vector<std::string>{dir / "e.vqe", dir / "d.vqe", dir / "c.vqe", dir / "b.vqe"}));
  ASSERT_TRUE(headless.Command(Frame(), pf::kIdFileMru1 + 3));
  EXPECT_EQ(ActiveDoc()->GetPathName(), dir / "b.vqe");
}

// A file given at start-up that cannot be opened is reported once, and the program goes on
// with a new circuit; nothing stays queued for the error window of a later run.
// Started with it or opened later, a file that cannot be opened gives one box with the
// document's reason, never a second report from the error window.
TEST_F(AppTest, AStartFileThatCannotBeOpenedIsReportedOnceAndANewCircuitOpens) {
  const struct {
    const char* name;
    const char* bytes;  // nullptr: missing
    const char* reason;
  } cases[] = {{"fehlt.vqe", nullptr, "Datei kann nicht geöffnet werden: "},
               {"kaputt.vqe", "keine Schaltung", "Datei ist beschädigt: "}};
  for (const auto& c : cases) {
    if (c.bytes != nullptr) dir.WriteFile(c.name, c.bytes);
    const std::string reason = c.reason + (dir / c.name);
    headless.Ui().Reset();
    Start({dir / c.name});
    ASSERT_EQ(headless.Ui().Messages().size(), 1u) << c.name;
    EXPECT_EQ(headless.Ui().Messages()[0].text, reason);
    EXPECT_EQ(VS_Error::MessageCount(), 0) << c.name;
    EXPECT_TRUE(Frame().IsWindowVisible()) << c.name;
    ASSERT_NE(ActiveDoc(), nullptr) << c.name;
    EXPECT_EQ(ActiveDoc()->GetTitle(), "Schaltung1") << c.name;
    headless.Advance(60000);
    headless.RunIdle();
    EXPECT_EQ(headless.Ui().Messages().size(), 1u) << c.name;
    EXPECT_EQ(app->OpenDocumentFile(dir / c.name), nullptr) << c.name;
    headless.Advance(60000);
    headless.RunIdle();
    ASSERT_EQ(headless.Ui().Messages().size(), 2u) << c.name;
    EXPECT_EQ(headless.Ui().Messages()[1].text, reason);
    app.reset();
  }
}

// A file named relative to the start folder is kept with its absolute path: the recent files
// reopen it from anywhere. A drive's path is the file below the drive root, titled by its name.
TEST_F(AppTest, StartFilesAreRecentFilesWithAbsolutePaths) {
  const std::filesystem::path start = std::filesystem::current_path();
  std::filesystem::create_directory(dir / "sub");
  Start();
  ASSERT_TRUE(app->OnFileNew()->DoSave(dir / "kreis.vqe"));
  app.reset();
  std::filesystem::current_path(dir / "sub");
  Start({"../kreis.vqe"});
  std::filesystem::current_path(start);
  ASSERT_FALSE(app->RecentFiles().empty());
  EXPECT_EQ(app->RecentFiles().front(), dir / "kreis.vqe");
  EXPECT_EQ(ActiveDoc()->GetPathName(), dir / "kreis.vqe");
  ASSERT_TRUE(headless.MenuCommand(Frame(), "&Datei/&Schließen"));
  ASSERT_TRUE(headless.Command(Frame(), pf::kIdFileMru1));
  ASSERT_NE(ActiveDoc(), nullptr);
  EXPECT_EQ(ActiveDoc()->GetPathName(), dir / "kreis.vqe");
  app.reset();

  const std::string root = pf::DriveRoot();
  pf::SetDriveRoot(dir.Path().string());
  Start({"C:\\sub\\..\\..\\kreis.vqe"});
  pf::SetDriveRoot(root);
  EXPECT_TRUE(headless.Ui().Messages().empty());
  ASSERT_NE(ActiveDoc(), nullptr);
  EXPECT_EQ(ActiveDoc()->GetPathName(), dir / "kreis.vqe");
  EXPECT_EQ(ActiveDoc()->GetTitle(), "kreis.vqe");
  EXPECT_EQ(app->RecentFiles(), std::vector<std::string>{dir / "kreis.vqe"});
  app.reset();

  // ".." behind a link is the folder above its target, as the system takes it.
  std::filesystem::create_directories(dir / "sub/deep");
  std::filesystem::copy_file(dir / "kreis.vqe", dir / "sub/kreis.vqe");
  std::filesystem::remove(dir / "kreis.vqe");
  std::filesystem::create_directory_symlink(dir / "sub/deep", dir / "link");
  Start({dir / "link/../kreis.vqe"});
  EXPECT_TRUE(headless.Ui().Messages().empty());
  ASSERT_NE(ActiveDoc(), nullptr);
  EXPECT_EQ(ActiveDoc()->GetPathName(), dir / "sub/kreis.vqe");
}

TEST_F(AppTest, SplashGoesOnTheFourthTick) {
  Start();
  ASSERT_NE(app->GetSplash(), nullptr);
  EXPECT_TRUE(app->GetSplash()->IsWindowVisible());
  EXPECT_EQ(app->GetSplash()->GetWindowText(), "Info über Vostrane");
  for (int tick = 1; tick <= 3; ++tick) {
    headless.Advance(500);
    EXPECT_NE(app->GetSplash(), nullptr) << tick;
  }
  headless.Advance(500);
  EXPECT_EQ(app->GetSplash(), nullptr);
  app->ShowSplash();
  EXPECT_EQ(app->GetSplash(), nullptr) << "once only";
}

TEST_F(AppTest, EmptySpiceDirectoryTurnsSpiceOff) {
  Start();
  app->SetSpiceHome("/opt/spice/");
  EXPECT_EQ(app->GetSpiceSettings().enabled, 1);
  app->SetSpiceHome("");
  app->ExitInstance();
  EXPECT_EQ(app->GetProfile().GetProfileInt("Vostra_Str", "SpiceSim", -1), 0);
  EXPECT_EQ(app->GetProfile().GetProfileString("Vostra_Str", "SpiceHome", "?"), "");
}

// Idle time collects a started run once it has ended. Only a run that ended well and wrote
// its raw file has results; a run that takes too long is stopped and has none.
TEST_F(AppTest, IdleCollectsOnlyEndedSpiceRuns) {
  Start();
  SpiceManager& spice = ActiveDoc()->GetSpiceManager();
  headless.RunIdle();
  EXPECT_EQ(VS_Error::MessageCount(), 0) << "no run started";

  const std::string home = dir.Path().string() + "/";
  const std::string raw =
      "Title: Schaltung1\nDate: heute\nPlotname: Operating Point\nFlags: real\n"
      "No. Variables: 2\nNo. Points: 1\nCommand: x\nVariables:\n0\tv(v-sweep)\tvoltage\n"
      "1\tV(1)\tvoltage\nValues:\n0\t0\n\t1.5\n";
  const struct {
    const char* name;
    int exitCode;
    bool writes;
    bool hangs;
    std::vector<std::string> messages;
  } kCases[] = {
      {"good run", 0, true, false, {}},
      {"exit code with a stale file", 3, false, false,
       {"Spice endete mit Fehlercode 3, siehe " + home + "vosspice.log",
        "Fehler beim laden des SpiceRwafiles"}},
      {"no raw file", 0, false, false,
       {"Kein RawFile mit Namen: " + home + "rawspice.raw", "Fehler beim laden des SpiceRwafiles"}},
      {"never ends", 0, true, true, {"Spice antwortet nicht"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    VS_Error::ResetQueue();
    // Left from an earlier run: it must not pass for this one.
    dir.WriteFile("rawspice.raw", raw);
    bool running = true;
    bool stopped = false;
    SpiceManager::InstallStarter([&](const MyStrng&, const MyStrng&) {
      EXPECT_FALSE(std::filesystem::exists(home + "rawspice.raw"));
      if (c.writes) dir.WriteFile("rawspice.raw", raw);
      return std::make_unique<FakeRun>(running, c.exitCode, stopped);
    });
    spice.SetNetlistPath(MyStrng(home + "Schaltung1.cir"));
    spice.SetNetlistName("Schaltung1.cir");
    ASSERT_TRUE(spice.StartSimulator(MyStrng(home), 10));
    headless.NoteMessage();
    headless.RunIdle();
    EXPECT_TRUE(spice.ResultsPending());
    if (c.hangs) {
      headless.Advance(10000);
    } else {
      running = false;
    }
    headless.NoteMessage();
    headless.RunIdle();
    EXPECT_FALSE(spice.ResultsPending());
    EXPECT_EQ(stopped, c.hangs);
    std::vector<std::string> messages;
    for (int i = 0; i < VS_Error::MessageCount(); ++i) {
      messages.push_back(VS_Error::Message(i).ToCString());
    }
    EXPECT_EQ(messages, c.messages);
    EXPECT_EQ(spice.HasLoadedResults(), c.messages.empty());
    EXPECT_EQ(spice.GetNodeVoltage(1).GetSize(), c.messages.empty() ? 1 : 0);
  }
  SpiceManager::InstallStarter(nullptr);
  EXPECT_EQ(app->GetErrorPending(), 1);
}

// An ended run is collected for its own circuit when another is active: the raw file is its
// results, and until they are read no other circuit may start.
TEST_F(AppTest, IdleCollectsTheEndedRunOfACircuitThatIsNotActive) {
  Start();
  CVostraneDoc* first = ActiveDoc();
  SpiceManager& spice = first->GetSpiceManager();
  const std::string home = dir.Path().string() + "/";
  bool running = true;
  bool stopped = false;
  SpiceManager::InstallStarter([&](const MyStrng&, const MyStrng&) {
    dir.WriteFile("rawspice.raw",
                  "Title: Schaltung1\nDate: heute\nPlotname: Operating Point\nFlags: real\n"
                  "No. Variables: 2\nNo. Points: 1\nCommand: x\nVariables:\n0\tv(v-sweep)\t"
                  "voltage\n1\tV(1)\tvoltage\nValues:\n0\t0\n\t1.5\n");
    return std::make_unique<FakeRun>(running, 0, stopped);
  });
  spice.SetNetlistPath(MyStrng(home + "Schaltung1.cir"));
  spice.SetNetlistName("Schaltung1.cir");
  spice.SetCircuitName("Schaltung1");
  ASSERT_TRUE(spice.StartSimulator(MyStrng(home)));
  app->OnFileNew();
  CVostraneDoc* second = ActiveDoc();
  ASSERT_NE(second, first);
  EXPECT_EQ(second->GetSpiceManager().StartRefusal(),
            "Spice läuft bereits für Schaltung: Schaltung1");
  running = false;
  headless.RunIdle();
  EXPECT_FALSE(spice.ResultsPending());
  ASSERT_EQ(spice.GetNodeVoltage(1).GetSize(), 1);
  EXPECT_EQ(spice.GetNodeVoltage(1)[0], 1.5);
  EXPECT_TRUE(second->GetSpiceManager().StartRefusal().IsEmpty());
  EXPECT_FALSE(second->GetSpiceManager().HasLoadedResults());
  SpiceManager::InstallStarter(nullptr);
}

// A circuit saved under another name while its SPICE run goes is named by that file when
// another circuit's start is refused; a save that fails keeps the name it had.
TEST_F(AppTest, ARunningCircuitSavedAsAnotherFileIsRefusedByThatName) {
  Start();
  CVostraneDoc* running = ActiveDoc();
  ASSERT_TRUE(running->DoSave(dir / "erst.vqe"));
  SpiceManager& spice = running->GetSpiceManager();
  bool going = true;
  bool stopped = false;
  SpiceManager::InstallStarter([&](const MyStrng&, const MyStrng&) {
    return std::make_unique<FakeRun>(going, 0, stopped);
  });
  spice.SetNetlistPath(MyStrng(dir / "erst.cir"));
  spice.SetCircuitName(MyStrng(dir / "erst.vqe"));
  ASSERT_TRUE(spice.StartSimulator(MyStrng(dir.Path().string() + "/")));
  app->OnFileNew();
  CVostraneDoc* other = ActiveDoc();
  ASSERT_NE(other, running);
  const struct {
    std::string saveAs;
    std::string named;
  } kCases[] = {
      {dir / "zweit.vqe", dir / "zweit.vqe"},
      {dir / "fehlt/dritt.vqe", dir / "zweit.vqe"},
      {dir / "dritt ä.vqe", dir / "dritt ä.vqe"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.saveAs);
    running->DoSave(c.saveAs);
    EXPECT_EQ(other->GetSpiceManager().StartRefusal(),
              MyStrng("Spice läuft bereits für Schaltung: " + c.named));
  }
  spice.StopSimulator();
  SpiceManager::InstallStarter(nullptr);
}

// The busy window holds the mouse while it is open, wraps its progress to 0 after the limit and
// beeps when it goes.
TEST_F(AppTest, BusyWindowWrapsItsProgressAndBeepsWhenItGoes) {
  Start();
  auto busy = std::make_unique<BusyDialog>(&Frame(), 2);
  ASSERT_TRUE(busy->Create());
  EXPECT_EQ(pf::Window::GetCapture(), busy.get());
  EXPECT_EQ(busy->GetWindowText(), "Geduld... Ich arbeite...");
  std::vector<int> shown;
  for (int i = 0; i < 5; ++i) {
    busy->Tick();
    shown.push_back(busy->GetControl<pf::Progress>(busy_ids::kProgress)->GetPos());
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 0, 1, 2}));
  EXPECT_TRUE(headless.Ui().Beeps().empty());
  busy.reset();
  EXPECT_EQ(headless.Ui().Beeps().size(), 1u);
  EXPECT_EQ(pf::Window::GetCapture(), nullptr);
}

TEST(DateStringTest, FollowsSourceDateEpoch) {
  const struct {
    const char* epoch;
    const char* expected;
  } cases[] = {
      {"1173085625", "5.3.2007  9:7:5"},
      {"0", "1.1.1970  0:0:0"},
  };
  for (const auto& c : cases) {
    pf::test::ScopedEnv epoch("SOURCE_DATE_EPOCH", c.epoch);
    EXPECT_EQ(GeneratedFileDate(), c.expected) << c.epoch;
  }
}

}  // namespace
