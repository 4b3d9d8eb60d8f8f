#include "pf/document.h"

#include <gtest/gtest.h>

#include <fstream>

#include "../temp_dir.h"
#include "pf/app.h"
#include "pf/archive.h"
#include "pf/frame.h"
#include "pf/recording_dc.h"
#include "pf/view.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

enum Commands { kByView = 20, kByDoc, kByApp, kDisabled, kGroupA = 30, kGroupB, kUnhandled = 40 };

std::vector<std::string> journal;

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
};

class TestApp : public App {
 public:
  TestApp() : App("Test") {
    MapCommand(kByApp, [] { journal.push_back("app 22"); });
  }
};

class DocumentTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    journal.clear();
    auto frame = std::make_unique<MdiFrameWnd>();
    frame->CreateTopLevel(nullptr, {0, 0, 800, 600});
    frame->ShowWindow(true);
    frame->SetBaseTitle("Test");
    main = frame.get();
    app.SetMainWnd(std::move(frame));
    app.AddDocTemplate(std::make_unique<DocTemplate>(
        129, "Text", [] { return std::make_unique<TextDoc>(); },
        [] { return std::make_unique<MdiChildWnd>(); },
        [] { return std::make_unique<TextView>(); }));
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

TEST_F(DocumentTest, ClosingTheFrameOfTheLastViewClosesTheDocument) {
  Document* doc = app.OnFileNew();
  Document* other = app.OnFileNew();
  headless.Close(*doc->Views()[0]->GetParentFrame());
  ASSERT_EQ(Template().Documents().size(), 1u);
  EXPECT_EQ(main->GetActiveDocument(), other);
  EXPECT_EQ(main->GetWindowText(), "Test - Text2");
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
      {{kByView}, {kDisabled}, {0, ToolStyle::Separator}, {kGroupA, ToolStyle::CheckGroup},
       {kGroupB, ToolStyle::CheckGroup}, {kUnhandled}},
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
  view->MoveWindow({0, 0, 1200, 1200});  // larger window: less room to scroll
  EXPECT_EQ(view->GetScrollPosition(), (Point{55, 55}));
}

}  // namespace
}  // namespace pf::test
