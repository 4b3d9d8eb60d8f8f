#include "pf/document.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/core/tests/temp_dir.h"
#include "pf/app.h"
#include "pf/archive.h"
#include "pf/command_ids.h"
#include "pf/file_dialog.h"
#include "pf/frame.h"
#include "pf/path_map.h"
#include "pf/recording_dc.h"
#include "pf/resource.h"
#include "pf/view.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

enum Commands { kByView = 20, kByDoc, kByApp, kDisabled, kGroupA = 30, kGroupB, kUnhandled = 40 };

std::vector<std::string> journal;

// Menu 128 without a document, 129 (the template's) with one; the accelerators of 128 serve both.
constexpr MenuItemTemplate kFileAlone[] = {
    {kIdFileNew, "&Neu\tStrg+N"}, {0, nullptr}, {kIdFileMru1, "Zuletzt geöffnete Datei"},
    {kIdFileMru1 + 1, "Zuletzt geöffnete Datei"}};
constexpr MenuItemTemplate kFileWithDocument[] = {
    {kIdFileNew, "&Neu\tStrg+N"}, {kIdFileClose, "&Schließen"}, {kIdFilePrint, "&Drucken..."}};
constexpr MenuItemTemplate kEdit[] = {
    {kDisabled, "&Gesperrt\tStrg+G"}, {kByDoc, "&Dokument\tStrg+D"}, {kGroupA, "Spannungs/Strom"}};
constexpr MenuItemTemplate kMenuAlone[] = {{0, "&Datei", kFileAlone}};
constexpr MenuItemTemplate kMenuWithDocument[] = {{0, "&Datei", kFileWithDocument},
                                                  {0, "&Bearbeiten", kEdit}};
constexpr MenuTemplate kMenus[] = {{128, kMenuAlone}, {129, kMenuWithDocument}};
constexpr Accelerator kKeys[] = {{'G', kMkControl, kDisabled},
                                 {'D', kMkControl, kByDoc},
                                 {kVkDelete, 0, kByDoc}};
constexpr AcceleratorTemplate kAccelerators[] = {{128, kKeys}};
constexpr StringTemplate kStrings[] = {{kByDoc, "Tut etwas im Dokument\nDokument"}};

class TextDoc : public Document {
 public:
  TextDoc() {
    MapCommand(kByView, [] { journal.push_back("doc 20"); });
    MapCommand(kByDoc, [] { journal.push_back("doc 21"); });
    MapUpdate(kDisabled, [](CmdUI& ui) { ui.Enable(false); });
    MapCommandRange(kGroupA, kGroupB,
                    [](int id) { journal.push_back("doc " + std::to_string(id)); });
  }
  void DeleteContents() override { text.clear(); }
  void Serialize(Archive& ar) override {
    if (ar.IsStoring()) {
      ar << static_cast<int32_t>(text.size());
      if (failWrite) throw ArchiveError(ArchiveError::Kind::WriteFailed, "injected");
      ar.Write(text.data(), text.size());
    } else {
      int32_t n = 0;
      ar >> n;
      ar.CheckCount(n, 1000);
      text.resize(static_cast<std::size_t>(n));
      ar.Read(text.data(), text.size());
    }
  }
  std::string text;
  bool failWrite = false;
};

class TextView : public ScrollView {
 public:
  TextView() {
    MapCommand(kByView, [] { journal.push_back("view 20"); });
    MapCommand(kDisabled, [] { journal.push_back("view 23"); });
  }
  void OnDraw(Dc& dc) override { dc.TextOut(0, 0, "x"); }
  void OnInitialUpdate() override {
    journal.push_back("initial update");
    SetScrollSizes(MapMode::Text, {1255, 1255});
  }
  void OnUpdate(View*, long hint) override { journal.push_back("update " + std::to_string(hint)); }
  void OnActivateView(bool activate, View*, View*) override {
    journal.push_back(activate ? "activated" : "deactivated");
  }
  bool OnPreparePrinting(PrintInfo&) override { return Note("prepare"), true; }
  void OnBeginPrinting(Dc&, PrintInfo&) override { Note("begin"); }
  void OnPrint(Dc& dc, PrintInfo& info) override {
    Note("page " + std::to_string(info.currentPage));
    OnDraw(dc);
  }
  void OnEndPrinting(Dc&, PrintInfo&) override { Note("end"); }

 private:
  void Note(std::string what) { journal.push_back(std::move(what)); }
};

class TestApp : public App {
 public:
  TestApp() : App("Test") {
    MapCommand(kByApp, [] { journal.push_back("app 22"); });
  }
};

ToolButton Button(int id, ToolStyle style = ToolStyle::Button) {
  ToolButton b;
  b.id = id;
  b.style = style;
  return b;
}

using Events = std::vector<std::string>;

class DocumentTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ResourceTable<MenuTemplate>::Instance().Register(kMenus);
    ResourceTable<AcceleratorTemplate>::Instance().Register(kAccelerators);
    ResourceTable<StringTemplate>::Instance().Register(kStrings);
    journal.clear();
    auto frame = std::make_unique<MdiFrameWnd>();
    frame->CreateTopLevel(nullptr, {0, 0, 800, 600});
    frame->ShowWindow(true);
    frame->SetBaseTitle("Test");
    frame->LoadMenu(128);
    main = frame.get();
    app.SetMainWnd(std::move(frame));
    app.LoadStdProfileSettings();
    app.AddDocTemplate(std::make_unique<DocTemplate>(
        129, "Text", [] { return std::make_unique<TextDoc>(); },
        [] { return std::make_unique<MdiChildWnd>(); },
        [] { return std::make_unique<TextView>(); }));
    Template().SetFileType("vqe", "Text (*.vqe)|*.vqe|");
  }
  // The save dialog moves the current directory into the temporary one.
  void TearDown() override {
    std::filesystem::current_path(start);
    UiTest::TearDown();
  }
  DocTemplate& Template() { return *app.DocTemplates().front(); }
  std::string Save(const std::string& text) {
    TextDoc doc;
    doc.text = text;
    const std::string path = temp / "text.bin";
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
  }

  TestApp app;
  MdiFrameWnd* main = nullptr;
  TempDir temp;
  std::filesystem::path start = std::filesystem::current_path();
};

TEST_F(DocumentTest, NewDocumentGetsAFrameAViewAndATitle) {
  auto* doc = dynamic_cast<TextDoc*>(app.OnFileNew());
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetTitle(), "Text1");
  ASSERT_EQ(doc->Views().size(), 1u);
  View* view = doc->Views()[0];
  EXPECT_EQ(main->MdiGetActive(), view->GetParentFrame());
  EXPECT_EQ(main->GetWindowText(), "Test - Text1");
  EXPECT_EQ(journal, (std::vector<std::string>{"initial update", "activated"}));
  journal.clear();
  EXPECT_EQ(app.OnFileNew()->GetTitle(), "Text2");
  EXPECT_EQ(journal, (std::vector<std::string>{"initial update", "deactivated", "activated"}));
}

TEST_F(DocumentTest, DocumentsReadWhatTheyWroteAndRefuseBrokenFiles) {
  const std::string path = Save("Schaltung");
  auto* doc = dynamic_cast<TextDoc*>(app.OpenDocumentFile(path));
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->text, "Schaltung");
  EXPECT_EQ(doc->GetTitle(), "text.bin");

  // 64 characters announced, two there.
  std::ofstream(temp / "broken.bin", std::ios::binary) << std::string{'\x40', 0, 0, 0, 'a', 'b'};
  EXPECT_EQ(app.OpenDocumentFile(temp / "broken.bin"), nullptr);
  EXPECT_EQ(app.OpenDocumentFile(temp / "missing.bin"), nullptr);
  EXPECT_EQ(Template().Documents().size(), 1u) << "no half-read document stays";
  EXPECT_EQ(main->Children().size(), 1u) << "nor its frame";

  Document* hidden = Template().OpenDocumentFile(path, false);
  ASSERT_NE(hidden, nullptr);
  EXPECT_TRUE(hidden->Views().empty());
  EXPECT_EQ(main->Children().size(), 1u);
  TextDoc alone;  // made by code that only needs the data
  EXPECT_TRUE(alone.OnOpenDocument(path));
  EXPECT_EQ(alone.text, "Schaltung");
  alone.OnCloseDocument();
}

// A path names one file however it is spelt: a drive's path, given or chosen in the open
// dialog, opens the mapped file, once, kept in the recent files by the file's path, and the title
// is that file's own name; a name with '\' and no drive is the file it names.
TEST_F(DocumentTest, ADocumentIsItsFileHoweverThePathIsSpelt) {
  const std::string root = DriveRoot();
  SetDriveRoot(temp / "drive");
  std::filesystem::create_directories(temp.Path() / "drive/proj.v2");
  std::filesystem::copy_file(Save("Verstärker"), temp / "drive/proj.v2/amp.bin");
  std::filesystem::copy_file(temp / "text.bin", temp / "back\\slash.bin");
  const std::string amp = temp / "drive/proj.v2/amp.bin";
  const std::string slash = temp / "back\\slash.bin";
  const struct {
    std::string spelt;
    bool byDialog;
    std::string path;
    const char* title;
  } cases[] = {
      {"C:\\proj.v2\\amp.bin", false, amp, "amp.bin"},
      {"c:/x/../../proj.v2/./amp.bin", false, amp, "amp.bin"},
      {"C:\\..\\proj.v2\\amp.bin", true, amp, "amp.bin"},
      {slash, false, slash, "back\\slash.bin"},
  };
  for (const auto& c : cases) {
    Document* doc = nullptr;
    if (c.byDialog) {
      headless.Ui().QueueFileAnswer(c.spelt);
      app.OnFileOpen();
      doc = main->GetActiveDocument();
    } else {
      doc = app.OpenDocumentFile(c.spelt);
    }
    ASSERT_NE(doc, nullptr) << c.spelt;
    EXPECT_EQ(dynamic_cast<TextDoc&>(*doc).text, "Verstärker") << c.spelt;
    EXPECT_EQ(doc->GetPathName(), c.path) << c.spelt;
    EXPECT_EQ(doc->GetTitle(), c.title) << c.spelt;
  }
  EXPECT_EQ(Template().Documents().size(), 2u) << "one document per file";
  EXPECT_EQ(app.RecentFiles(), (std::vector<std::string>{slash, amp}));
  SetDriveRoot(root);
}

// "Neues Fenster" adds a window of the active document; only closing its last window asks.
TEST_F(DocumentTest, ClosingTheFrameOfTheLastViewClosesTheDocument) {
  EXPECT_FALSE(headless.Command(*main, kIdWindowNew)) << "no document";
  Document* other = app.OnFileNew();
  Document* doc = app.OnFileNew();
  journal.clear();
  ASSERT_TRUE(headless.Command(*main, kIdWindowNew));
  ASSERT_EQ(doc->Views().size(), 2u);
  EXPECT_EQ(main->MdiGetActive(), doc->Views()[1]->GetParentFrame());
  EXPECT_EQ(journal, (std::vector<std::string>{"initial update", "deactivated", "activated"}));
  doc->SetModifiedFlag();
  headless.Close(*doc->Views()[1]->GetParentFrame());
  EXPECT_TRUE(headless.Ui().Messages().empty());
  ASSERT_EQ(doc->Views().size(), 1u);
  EXPECT_EQ(main->MdiGetActive(), doc->Views()[0]->GetParentFrame());
  headless.Ui().QueueAnswer(MsgResult::No);
  headless.Close(*doc->Views()[0]->GetParentFrame());
  EXPECT_EQ(headless.Ui().Messages().size(), 1u);
  ASSERT_EQ(Template().Documents().size(), 1u);
  EXPECT_EQ(main->GetActiveDocument(), other);
  EXPECT_EQ(main->GetWindowText(), "Test - Text1");
}

// Several windows of one document are told apart by their numbers, which close up when one
// goes; the main window's title follows the active window.
TEST_F(DocumentTest, WindowsOfOneDocumentAreNumberedWhileThereAreSeveral) {
  Document* doc = app.OnFileNew();
  const auto frameOf = [&](std::size_t i) { return doc->Views()[i]->GetParentFrame(); };
  const struct {
    const char* step;
    std::function<void()> act;
    std::vector<std::string> titles;
    const char* main;
  } cases[] = {
      {"one window", [] {}, {"Text1"}, "Test - Text1"},
      {"Neues Fenster", [&] { headless.Command(*main, kIdWindowNew); }, {"Text1:1", "Text1:2"},
       "Test - Text1:2"},
      {"a third", [&] { headless.Command(*main, kIdWindowNew); },
       {"Text1:1", "Text1:2", "Text1:3"}, "Test - Text1:3"},
      {"the second closes", [&] { headless.Close(*frameOf(1)); }, {"Text1:1", "Text1:2"},
       "Test - Text1:2"},
      {"a new name", [&] { doc->SetTitle("kreis.vqe"); }, {"kreis.vqe:1", "kreis.vqe:2"},
       "Test - kreis.vqe:2"},
      {"the active one closes", [&] { headless.Close(*frameOf(1)); }, {"kreis.vqe"},
       "Test - kreis.vqe"},
  };
  for (const auto& c : cases) {
    c.act();
    std::vector<std::string> titles;
    for (const View* v : doc->Views()) titles.push_back(v->GetParentFrame()->GetWindowText());
    EXPECT_EQ(titles, c.titles) << c.step;
    EXPECT_EQ(main->GetWindowText(), c.main) << c.step;
  }
}

TEST_F(DocumentTest, UpdateAllViewsSkipsTheSender) {
  Document* doc = Template().OpenDocumentFile("");
  View* view = doc->Views()[0];
  journal.clear();
  doc->UpdateAllViews(nullptr, 5);
  doc->UpdateAllViews(view, 6);
  EXPECT_EQ(journal, (std::vector<std::string>{"update 5"}));
}

TEST_F(DocumentTest, CommandsGoAlongViewDocumentFrameApplication) {
  app.OnFileNew();
  const struct {
    int id;
    bool enabled;
    const char* ranBy;
  } cases[] = {
      {kByView, true, "view 20"},  // the view comes before the document
      {kByDoc, true, "doc 21"},     {kByApp, true, "app 22"},
      {kDisabled, false, nullptr},  // the document's update handler outranks the view's handler
      {kUnhandled, false, nullptr},
  };
  for (const auto& c : cases) {
    journal.clear();
    CmdUI ui{c.id, true, 0, std::nullopt};
    main->UpdateCommand(ui);
    EXPECT_EQ(ui.enabled, c.enabled) << c.id;
    EXPECT_EQ(headless.Command(*main, c.id), c.ranBy != nullptr) << c.id;
    EXPECT_EQ(journal, c.ranBy ? std::vector<std::string>{c.ranBy} : std::vector<std::string>{})
        << c.id;
  }
}

TEST_F(DocumentTest, ToolbarButtonsTakeTheirStateInIdleTime) {
  ToolBar& bar = main->AddToolBar(
      0xE800,
      {Button(kByView), Button(kDisabled), Button(0, ToolStyle::Separator),
       Button(kGroupA, ToolStyle::CheckGroup), Button(kGroupB, ToolStyle::CheckGroup),
       Button(kUnhandled)},
      {0, 0, 800, 26});
  app.OnFileNew();
  headless.RunIdle();
  std::vector<bool> enabled;
  for (const ToolButton& b : bar.Buttons()) enabled.push_back(b.enabled);
  EXPECT_EQ(enabled, (std::vector<bool>{true, false, true, true, true, false}));

  journal.clear();
  EXPECT_FALSE(bar.PressButton(1));  // disabled
  EXPECT_TRUE(bar.PressButton(3) && bar.PressButton(4));
  EXPECT_EQ(bar.Buttons()[3].check, 0);
  EXPECT_EQ(bar.Buttons()[4].check, 1);
  EXPECT_EQ(journal, (std::vector<std::string>{"doc 30", "doc 31"}));
}

TEST_F(DocumentTest, ScrollViewMovesTheOriginAndStaysInsideTheDrawing) {
  Document* doc = app.OnFileNew();
  auto* view = dynamic_cast<TextView*>(doc->Views()[0]);
  view->MoveWindow({0, 0, 400, 300});
  view->ScrollToPosition({2000, -5});
  EXPECT_EQ(view->GetScrollPosition(), (Point{855, 0}));
  view->ScrollToPosition({100, 200});
  RecordingDc dc;
  view->OnPrepareDC(dc);
  EXPECT_EQ(dc.LogicalToDevice(Point{100, 200}), (Point{0, 0}));
  EXPECT_EQ(view->ClientToLogical({5, 5}), (Point{105, 205}));
  EXPECT_EQ(view->LogicalToClient(Point{105, 205}), (Point{5, 5}));
  view->MoveWindow({0, 0, 1200, 1200});  // larger window: less room to scroll
  EXPECT_EQ(view->GetScrollPosition(), (Point{55, 55}));
}

// A wheel notch scrolls three lines (a hundredth of the drawing each), at least 30 pixels,
// sideways on request; Page Down and Page Up scroll by a page (a tenth); both stay inside the
// drawing.
TEST_F(DocumentTest, WheelAndPageKeysScrollByTheViewsSteps) {
  Document* doc = app.OnFileNew();
  auto* view = dynamic_cast<TextView*>(doc->Views()[0]);
  view->MoveWindow({0, 0, 400, 300});
  const struct {
    Size total;
    std::function<void()> input;
    Point position;
  } cases[] = {
      {{1255, 1255}, [&] { view->Wheel(-1, false); }, {0, 36}},
      {{1255, 1255}, [&] { view->Wheel(-2, false); }, {0, 108}},
      {{1255, 1255}, [&] { view->Wheel(1, false); }, {0, 72}},
      {{1255, 1255}, [&] { view->Wheel(-1, true); }, {36, 72}},
      {{1255, 1255}, [&] { headless.KeyDown(*view, kVkNext); }, {36, 197}},
      {{1255, 1255}, [&] { headless.KeyDown(*view, kVkPrior); }, {36, 72}},
      {{1255, 1255}, [&] { headless.KeyDown(*view, kVkNext, kMkShift); }, {36, 72}},
      {{1255, 1255}, [&] { view->Wheel(-40, false); }, {36, 955}},
      {{1255, 1255}, [&] { view->Wheel(5, true); }, {0, 955}},
      // Small drawings: three lines are less than 30 pixels.
      {{600, 500}, [&] { view->Wheel(-1, false); }, {0, 30}},
      {{600, 500}, [&] { view->Wheel(-1, true); }, {30, 30}},
      {{600, 500}, [&] { headless.KeyDown(*view, kVkNext); }, {30, 80}},
  };
  Size total;
  for (const auto& c : cases) {
    if (c.total != total) {
      view->SetScrollSizes(MapMode::Text, total = c.total);
      view->ScrollToPosition({0, 0});
    }
    c.input();
    EXPECT_EQ(view->GetScrollPosition(), c.position) << c.total.cx << " " << c.position.y;
  }
}

// A bar breaks its rows after its wrap buttons and where the next button would pass its width,
// so that every button stays inside; the frame lays out its windows below all rows.
TEST_F(DocumentTest, ToolbarRowsBreakAtTheFramesWidth) {
  std::vector<ToolButton> buttons(30, Button(kByView));
  buttons[3] = Button(0, ToolStyle::Separator);
  buttons[19].wrap = true;
  ToolBar& bar = main->AddToolBar(0xE800, buttons, {0, 0, 800, 26});
  const int row = ToolBar::kButtonSize;
  const struct {
    int width;
    int rows;
  } cases[] = {
      {800, 2},  // the wrap button alone breaks
      {300, 3},  // 13 buttons, then 7 to the wrap, then 10
      {200, 5},  // 9, 8, 3 to the wrap, 8, 2
      {10, 30},  // one a row, however narrow
  };
  for (const auto& c : cases) {
    main->MoveWindow({0, 0, c.width, 600});
    EXPECT_EQ(bar.BarHeight(), 2 * ToolBar::kBorder + c.rows * row) << c.width;
    for (int i = 0; i < static_cast<int>(bar.Buttons().size()); ++i) {
      const Rect r = bar.ButtonRect(i);
      EXPECT_TRUE(r.left == ToolBar::kBorder || r.right <= c.width - ToolBar::kBorder)
          << c.width << " " << i;
    }
    EXPECT_EQ(main->ClientArea().top, bar.BarHeight()) << c.width;
  }
}

TEST_F(DocumentTest, TheMenuFollowsTheActiveDocumentAndAsksTheRoute) {
  EXPECT_EQ(main->GetMenu()->ResourceId(), 128);
  EXPECT_FALSE(headless.MenuItemState(*main, "&Bearbeiten/&Dokument"));
  EXPECT_TRUE(headless.MenuCommand(*main, "&Datei/&Neu"));
  EXPECT_EQ(main->GetMenu()->ResourceId(), 129);
  const auto item = headless.MenuItemState(*main, "Bearbeiten/Gesperrt");  // '&' may be left out
  ASSERT_TRUE(item);
  EXPECT_FALSE(item->enabled) << "the document's update handler decides";
  EXPECT_TRUE(headless.MenuItemState(*main, "&Bearbeiten/Spannungs/Strom")->enabled);
  EXPECT_TRUE(headless.MenuCommand(*main, "&Datei/&Schließen"));
  EXPECT_EQ(main->GetMenu()->ResourceId(), 128);
}

TEST_F(DocumentTest, ADisabledItemRunsNeitherByMenuNorByAccelerator) {
  View* view = app.OnFileNew()->Views()[0];
  const struct {
    const char* path;
    int key;
    unsigned modifiers;
    bool runs;
  } cases[] = {
      {"&Bearbeiten/&Gesperrt", 'G', kMkControl, false},
      {"&Bearbeiten/&Dokument", 'D', kMkControl, true},
      {nullptr, 'D', kMkControl | kMkShift, false},  // the modifiers must match exactly
      {nullptr, kVkDelete, 0, true},
  };
  for (const auto& c : cases) {
    journal.clear();
    if (c.path != nullptr) {
      EXPECT_EQ(headless.MenuCommand(*main, c.path), c.runs) << c.path;
    }
    headless.KeyDown(*view, c.key, c.modifiers);
    EXPECT_EQ(journal.size(), c.runs ? (c.path != nullptr ? 2u : 1u) : 0u) << c.key;
  }
}

TEST_F(DocumentTest, AModalDialogBlocksTheCommandsOfItsOwnersWindows) {
  View* view = app.OnFileNew()->Views()[0];
  ToolBar& bar = main->AddToolBar(0xE800, {Button(kByDoc)}, {0, 0, 800, 26});
  Window owned;  // a modeless window of the program
  owned.CreateTopLevel(main, {0, 0, 100, 100});
  journal.clear();
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    EXPECT_FALSE(headless.MenuCommand(*main, "&Bearbeiten/&Dokument"));
    headless.KeyDown(*view, 'D', kMkControl);
    EXPECT_FALSE(bar.PressButton(0));
    EXPECT_FALSE(owned.IsWindowEnabled());
    d.Ok();
  });
  RecordingDialog(view).DoModal();
  EXPECT_TRUE(journal.empty());
  EXPECT_TRUE(main->IsWindowEnabled() && owned.IsWindowEnabled());
  EXPECT_TRUE(headless.MenuCommand(*main, "&Bearbeiten/&Dokument"));
}

TEST_F(DocumentTest, ClosingAModifiedDocumentAsksAndAbbrechenKeepsIt) {
  const struct {
    MsgResult answer;
    bool closed;
    bool saved;
  } cases[] = {
      {MsgResult::Cancel, false, false},
      {MsgResult::No, true, false},
      {MsgResult::Yes, true, true},  // untitled: the save dialog asks for the name
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    headless.Ui().Reset();
    Document* doc = app.OnFileNew();
    doc->SetModifiedFlag();
    headless.Ui().QueueAnswer(c.answer);
    headless.Ui().QueueFileAnswer(temp / "neu");
    const std::string title = doc->GetTitle();
    headless.Close(*doc->Views()[0]->GetParentFrame());
    ASSERT_EQ(headless.Ui().Messages().size(), 1u);
    EXPECT_EQ(headless.Ui().Messages()[0].text, "Änderungen in " + title + " speichern?");
    EXPECT_EQ(Template().Documents().empty(), c.closed);
    EXPECT_EQ(std::filesystem::exists(temp / "neu.vqe"), c.saved);
    if (!c.closed) {
      headless.Ui().QueueAnswer(MsgResult::Cancel);
      headless.Close(*main);  // the main window asks too
      EXPECT_TRUE(main->IsCreated());
      doc->SetModifiedFlag(false);
      doc->OnCloseDocument();
    }
  }
}

// The old file stays as it was whatever fails, and nothing is left in its folder.
TEST_F(DocumentTest, AFailedSaveLeavesTheOldFileAndReports) {
  const std::string old = Save("alt");
  const std::string folder = temp / "ordner";
  std::filesystem::create_directories(folder + "/inhalt");
  TextDoc doc;
  doc.text = "neu";
  doc.SetModifiedFlag();
  const struct {
    const char* what;
    std::string path;
    bool failWrite;
  } cases[] = {
      {"the writing fails", old, true},
      {"the target is a folder", folder, false},
  };
  for (const auto& c : cases) {
    headless.Ui().Reset();
    doc.failWrite = c.failWrite;
    EXPECT_FALSE(doc.OnSaveDocument(c.path)) << c.what;
    EXPECT_TRUE(doc.IsModified()) << c.what;
    ASSERT_EQ(headless.Ui().Messages().size(), 1u) << c.what;
    EXPECT_EQ(headless.Ui().Messages()[0].text, "Fehler beim Speichern der Datei " + c.path);
  }
  std::ifstream in(old, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), std::string("\3\0\0\0alt", 7));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 2);
}

TEST_F(DocumentTest, OpenedFilesBecomeRecentFilesInTheMenu) {
  EXPECT_FALSE(headless.MenuItemState(*main, "&Datei/Zuletzt geöffnete Datei")->enabled);
  const std::string path = Save("x");
  Document* doc = app.OpenDocumentFile(path);
  app.OpenDocumentFile(temp / "fehlt.vqe");
  EXPECT_EQ(headless.Ui().Messages().back().text,
            "Fehler beim Öffnen der Datei " + (temp / "fehlt.vqe"));
  EXPECT_EQ(app.RecentFiles(), std::vector<std::string>{path});
  EXPECT_TRUE(headless.MenuCommand(*main, "&Datei/&Schließen"));
  EXPECT_TRUE(headless.MenuCommand(*main, "&Datei/&1 " + path));
  EXPECT_NE(main->GetActiveDocument(), nullptr);
  EXPECT_EQ(main->GetActiveDocument()->GetPathName(), path);
  (void)doc;
}

TEST_F(DocumentTest, APrintJobRunsTheHooksAndWritesOnePdfPage) {
  app.OnFileNew();
  journal.clear();
  headless.QueuePrintFile(temp / "seite.pdf");
  EXPECT_TRUE(headless.MenuCommand(*main, "&Datei/&Drucken..."));
  EXPECT_EQ(journal, (std::vector<std::string>{"prepare", "begin", "page 1", "end"}));
  std::ifstream in(temp / "seite.pdf", std::ios::binary);
  const std::string pdf(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
  EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
  journal.clear();
  headless.Command(*main, kIdFilePrint);  // the print dialog cancelled
  EXPECT_TRUE(journal.empty());
  EXPECT_EQ(headless.PrintJobs(), (std::vector<std::string>{"Text1", "Text1"}));
}

TEST_F(DocumentTest, TheStatusBarShowsThePromptOfTheButtonUnderTheMouse) {
  StatusBar& status = main->AddStatusBar();
  ToolBar& bar = main->AddToolBar(0xE800, {Button(kByDoc), Button(kByApp)}, {0, 0, 800, 26});
  main->RecalcLayout();
  EXPECT_EQ(status.GetRect(), (Rect{0, 580, 800, 600}));
  EXPECT_EQ(main->ClientArea(), (Rect{0, 27, 800, 580}));
  headless.MouseMove(bar, {5, 5});
  EXPECT_EQ(status.GetWindowText(), "Tut etwas im Dokument");
  headless.MouseMove(bar, {30, 5});  // a command without a string
  EXPECT_EQ(status.GetWindowText(), "Bereit");
  EXPECT_TRUE(headless.Command(*main, kIdViewStatusBar));  // hidden: the client area grows
  EXPECT_EQ(main->ClientArea(), (Rect{0, 27, 800, 600}));
  bar.DestroyWindow();  // a bar destroyed leaves the frame's layout
  EXPECT_TRUE(main->ToolBars().empty());
  EXPECT_EQ(main->ClientArea(), (Rect{0, 0, 800, 600}));
  status.DestroyWindow();
  EXPECT_EQ(main->GetStatusBar(), nullptr);
}

// A modal dialog holds the whole program, whichever window opens it (an element dialog over
// the view, a panel's key dialog, an instrument window's dialog, one over a second document):
// while it waits no other window takes mouse, keys, menus or close requests (the main frame, the
// documents' windows, a modeless panel, an instrument window, a busy window opened before), and
// neither does it while a dialog of its own waits. Afterwards each takes input again, but for
// one disabled before, the opener's window is the active one, and the program ends when asked.
TEST_F(DocumentTest, AModalDialogHoldsTheWholeProgram) {
  Document* first = app.OnFileNew();
  Document* second = app.OnFileNew();
  View& view = *first->Views()[0];
  View& secondView = *second->Views()[0];
  RecordingDialog panel(&view);
  ASSERT_TRUE(panel.Create());
  panel.ShowWindow(true);
  FrameWnd instrument;
  instrument.CreateTopLevel(&panel, {0, 0, 300, 200});
  instrument.ShowWindow(true);
  RecordingDialog busy;
  ASSERT_TRUE(busy.Create());
  busy.ShowWindow(true);
  Window disabledBefore;
  disabledBefore.CreateTopLevel(main, {0, 0, 100, 100});
  disabledBefore.EnableWindow(false);
  // Goes while the first dialog waits (an error window closing on a tick): nothing touches it.
  auto goneMeanwhile = std::make_unique<Window>();
  goneMeanwhile->CreateTopLevel(nullptr, {0, 0, 100, 100});

  struct Opener {
    const char* what;
    Window* owner;
  };
  const Opener openers[] = {{"element dialog", &view},
                            {"panel's key dialog", &panel},
                            {"instrument window's dialog", &instrument},
                            {"dialog over the second document", &secondView},
                            {"busy window's dialog", &busy}};
  const std::vector<Window*> others = {main,   view.GetParentFrame(), secondView.GetParentFrame(),
                                       &view,  &panel,                &instrument,
                                       &busy,  &disabledBefore};
  for (const Opener& opener : openers) {
    SCOPED_TRACE(opener.what);
    journal.clear();
    panel.events.clear();
    RecordingDialog modal(opener.owner);
    const auto nothingElseTakesInput = [&](const Window& open) {
      for (Window* w : others) {
        EXPECT_FALSE(w->IsWindowEnabled());
        headless.Click(*w, {5, 5});
        headless.KeyDown(*w, kVkEscape);
        headless.Close(*w);
        EXPECT_TRUE(w->IsCreated());
      }
      EXPECT_FALSE(headless.Command(*main, kByDoc));
      EXPECT_FALSE(headless.Command(*main, kIdAppExit));
      EXPECT_FALSE(headless.MenuCommand(*main, "&Datei/&Schließen"));
      headless.KeyDown(*panel.GetDlgItem(test::kEdit), kVkReturn);
      EXPECT_TRUE(open.IsWindowEnabled());
    };
    headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
      goneMeanwhile.reset();
      nothingElseTakesInput(modal);
      RecordingDialog inner(&modal);
      headless.ExpectDialog(kTestDialog, [&](DialogDriver& in) {
        EXPECT_FALSE(modal.IsWindowEnabled());
        headless.Close(modal);
        nothingElseTakesInput(inner);
        in.Click(kIdOk);
      });
      EXPECT_EQ(inner.DoModal(), kIdOk);
      EXPECT_TRUE(modal.IsWindowEnabled());
      EXPECT_TRUE(modal.IsCreated());
      nothingElseTakesInput(modal);
      d.Click(kIdOk);
    });
    EXPECT_EQ(modal.DoModal(), kIdOk);
    // The keyboard is back with the opener's window, whatever else is open.
    EXPECT_EQ(Window::GetActiveWindow(), opener.owner->GetTopLevelParent());
    EXPECT_EQ(modal.events, (Events{"init", "1 clicked", "ok"}));
    EXPECT_EQ(journal, Events{});
    EXPECT_EQ(panel.events, Events{});
    EXPECT_EQ(Template().Documents().size(), 2u);
    for (Window* w : others) EXPECT_EQ(w->IsWindowEnabled(), w != &disabledBefore);
  }
  EXPECT_TRUE(headless.Command(*main, kByDoc));
  headless.Close(*secondView.GetParentFrame());
  EXPECT_EQ(Template().Documents().size(), 1u);
  headless.Close(*main);
  EXPECT_FALSE(main->IsCreated());
}

TEST(RecentFiles, FourSurviveARestart) {
  MemoryProfile kept;
  {
    App first("Test");
    first.LoadStdProfileSettings();
    for (const char* path : {"/a", "/b", "/c", "/d", "/e", "/c"}) first.AddToRecentFileList(path);
    kept = first.GetProfile();
  }
  App second("Test");
  second.SetProfile(std::make_unique<MemoryProfile>(kept));
  second.LoadStdProfileSettings();
  EXPECT_EQ(second.RecentFiles(), (std::vector<std::string>{"/c", "/e", "/d", "/b"}));
}

}  // namespace
}  // namespace pf::test
