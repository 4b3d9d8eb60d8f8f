// The frame on the desktop: the menu bar follows the active document and shows the command
// route's state, accelerators and tabs reach the model, the mouse capture is native, and the
// clipboard is the system's.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/toplevel.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pf/app.h"
#include "pf/backend.h"
#include "pf/clipboard.h"
#include "pf/dc.h"
#include "pf/gdi.h"
#include "pf/document.h"
#include "pf/frame.h"
#include "pf/menu.h"
#include "pf/view.h"
#include "wx_test.h"

namespace pf::test {
namespace {

class Sheet : public Document {};

class SheetView : public View {
 public:
  void OnDraw(Dc&) override {}

 protected:
  void OnLButtonDown(unsigned, Point) override { SetCapture(); }
  void OnLButtonUp(unsigned, Point) override { ReleaseCapture(); }
};

// The main frame with menu 128 and a template of menu 129; the user's answers are scripted.
class ShellApp : public App {
 public:
  ShellApp() : App("Vostrane") {
    InstallUiServices(&TheScriptedUiServices());
    TheScriptedUiServices().Reset();
    AddDocTemplate(std::make_unique<DocTemplate>(
        129, "Blatt", [] { return std::make_unique<Sheet>(); },
        [] { return std::make_unique<MdiChildWnd>(); },
        [] { return std::make_unique<SheetView>(); }));
    auto frame = std::make_unique<MdiFrameWnd>();
    frame->CreateTopLevel(nullptr, {0, 0, 500, 400});
    main = frame.get();
    SetMainWnd(std::move(frame));
    main->SetBaseTitle("Vostrane");
    main->LoadMenu(128);
    main->AddStatusBar();
    main->ShowWindow(true);
  }
  ~ShellApp() override {
    TheScriptedUiServices().QueueAnswer(MsgResult::No);
    TheScriptedUiServices().QueueAnswer(MsgResult::No);
    CloseAllDocuments();
    main->DestroyWindow();
    desktop->Install();
  }

  wxFrame& Top() const { return static_cast<wxFrame&>(*NativeWindow(*main)); }
  std::vector<std::string> MenuTitles() const {
    std::vector<std::string> titles;
    const wxMenuBar* bar = Top().GetMenuBar();
    for (size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i) {
      titles.push_back(bar->GetMenuLabel(i).utf8_string());
    }
    return titles;
  }
  wxMenu* BarMenu(const std::string& title) const {
    const int index = Top().GetMenuBar()->FindMenu(wxString::FromUTF8(title));
    return index == wxNOT_FOUND ? nullptr : Top().GetMenuBar()->GetMenu(index);
  }
  void Send(wxEvent& event) const {
    event.SetEventObject(&Top());
    Top().HandleWindowEvent(event);
  }
  void OpenMenu(const std::string& title) const {
    wxMenuEvent event(wxEVT_MENU_OPEN, 0, BarMenu(title));
    Send(event);
  }
  void Choose(int id) const {
    wxCommandEvent event(wxEVT_MENU, id);
    Send(event);
  }
  void Key(int code, bool control) const {
    wxKeyEvent event(wxEVT_CHAR_HOOK);
    event.m_keyCode = code;
    event.m_controlDown = control;
    Send(event);
  }
  size_t Documents() const { return DocTemplates()[0]->Documents().size(); }
  MdiChildWnd* Active() const { return main->MdiGetActive(); }

  MdiFrameWnd* main = nullptr;
};

// The bar shows the popups of the menu table; with a document, the window menu comes before
// the last one.
std::vector<std::string> BarOf(int menuId, bool windowMenu) {
  std::vector<std::string> titles;
  const std::optional<Menu> menu = Menu::Load(menuId);
  for (const MenuItem& item : menu->Items()) titles.push_back(item.text);
  if (windowMenu) titles.insert(titles.end() - 1, "&Fenster");
  return titles;
}

TEST(WxShell, MenuBarFollowsTheActiveDocument) {
  ShellApp app;
  EXPECT_EQ(app.MenuTitles(), BarOf(128, false));
  app.OnFileNew();
  EXPECT_EQ(app.MenuTitles(), BarOf(129, true));
  app.Active()->Close();
  EXPECT_EQ(app.MenuTitles(), BarOf(128, false));
}

TEST(WxShell, PopupShowsTheRouteBeforeItOpens) {
  ShellApp app;
  app.OnFileNew();
  wxMenu* file = app.BarMenu("&Datei");
  ASSERT_NE(file, nullptr);
  // The view maps "Seitenansicht"; unused recent-file entries leave the menu.
  file->FindItem(kIdFilePrintPreview & 0x7FFF)->Enable(false);
  app.OpenMenu("&Datei");
  EXPECT_TRUE(file->FindItem(kIdFilePrintPreview & 0x7FFF)->IsEnabled());
  EXPECT_TRUE(file->FindItem(kIdFileSave & 0x7FFF)->IsEnabled());
  wxMenu* recent = file->FindItem(kIdFileMru1 & 0x7FFF)->GetMenu();
  wxMenuEvent openRecent(wxEVT_MENU_OPEN, 0, recent);
  app.Send(openRecent);
  ASSERT_EQ(recent->GetMenuItemCount(), 1u);
  EXPECT_FALSE(recent->FindItemByPosition(0)->IsEnabled());
  EXPECT_EQ(file->FindItem(kIdFileNew & 0x7FFF)->GetItemLabelText(), "Neu");
  // The prompt of the highlighted item, "Bereit" when the menu closes.
  wxMenuEvent highlight(wxEVT_MENU_HIGHLIGHT, kIdFileNew & 0x7FFF);
  app.Send(highlight);
  EXPECT_EQ(app.main->GetStatusBar()->GetWindowText(), "Erstellt ein neues Dokument");
  wxMenuEvent closed(wxEVT_MENU_CLOSE, 0, file);
  app.Send(closed);
  EXPECT_EQ(app.main->GetStatusBar()->GetWindowText(), "Bereit");
}

TEST(WxShell, MenuAcceleratorAndWindowMenuRunCommands) {
  ShellApp app;
  app.Choose(kIdFileNew & 0x7FFF);
  app.Key('N', true);
  EXPECT_EQ(app.Documents(), 2u);
  app.Key('N', false);
  EXPECT_EQ(app.Documents(), 2u);
  // The window menu lists the windows and activates the chosen one; "Neues Fenster" adds a
  // window of the active document.
  MdiChildWnd* second = app.Active();
  app.OpenMenu("&Fenster");
  wxMenu* windows = app.BarMenu("&Fenster");
  EXPECT_TRUE(windows->FindItem(0x7F01)->IsChecked());
  app.Choose(0x7F00);
  EXPECT_NE(app.Active(), second);
  ASSERT_TRUE(windows->FindItem(0x6130)->IsEnabled());
  app.Choose(0x6130);
  EXPECT_EQ(app.Documents(), 2u);
  EXPECT_EQ(app.Active()->GetActiveDocument()->Views().size(), 2u);
  // A modal dialog over the frame: no menu or accelerator command runs.
  app.main->EnableWindow(false);
  app.Key('N', true);
  app.Choose(kIdFileNew & 0x7FFF);
  EXPECT_EQ(app.Documents(), 2u);
  app.main->EnableWindow(true);
}

TEST(WxShell, TabsShowTheDocumentWindows) {
  ShellApp app;
  app.OnFileNew();
  app.OnFileNew();
  MdiChildWnd* second = app.Active();
  MdiChildWnd* first = dynamic_cast<MdiChildWnd*>(app.main->Children().back() == second
                                                      ? app.main->Children()[1]
                                                      : app.main->Children().back());
  ASSERT_NE(first, nullptr);
  wxTheApp->ProcessIdle();
  // Only the active window shows.
  EXPECT_TRUE(NativeWindow(*second)->IsShown());
  EXPECT_FALSE(NativeWindow(*first)->IsShown());
  wxWindow* tabs = app.Top().GetChildren().GetFirst()->GetData();
  ASSERT_EQ(tabs->GetSize().y, 26);
  wxMouseEvent click(wxEVT_LEFT_DOWN);
  click.SetPosition({12, 12});
  click.SetEventObject(tabs);
  tabs->HandleWindowEvent(click);
  EXPECT_EQ(app.Active(), first);
  EXPECT_TRUE(NativeWindow(*first)->IsShown());
  EXPECT_FALSE(NativeWindow(*second)->IsShown());
  // A modified document asks before its tab's close mark closes it; Abbrechen keeps it.
  first->GetActiveDocument()->SetModifiedFlag();
  TheScriptedUiServices().QueueAnswer(MsgResult::Cancel);
  const int mark = 2 + tabs->GetTextExtent("Blatt1*").x + 20;
  click.SetPosition({mark, 13});
  tabs->HandleWindowEvent(click);
  ASSERT_EQ(TheScriptedUiServices().Messages().size(), 1u);
  EXPECT_EQ(app.Documents(), 2u);
  TheScriptedUiServices().QueueAnswer(MsgResult::No);
  tabs->HandleWindowEvent(click);
  EXPECT_EQ(app.Documents(), 1u);
  EXPECT_EQ(app.Active(), second);
}

TEST(WxShell, MouseCaptureIsNative) {
  ShellApp app;
  app.OnFileNew();
  View* view = app.Active()->GetActiveView();
  SendLeftDown(*view, 5, 5);
  EXPECT_TRUE(NativeWindow(*view)->HasCapture());
  wxMouseEvent up(wxEVT_LEFT_UP);
  up.SetEventObject(NativeWindow(*view));
  NativeWindow(*view)->HandleWindowEvent(up);
  EXPECT_FALSE(NativeWindow(*view)->HasCapture());
}

TEST(WxShell, ClipboardIsTheSystems) {
  ASSERT_TRUE(TheClipboard().SetText("Größe: 50 Ω"));
  EXPECT_EQ(TheClipboard().GetText(), "Größe: 50 Ω");
  Bitmap picture(3, 2, Rgb(10, 20, 30));
  picture.SetPixel(2, 1, Rgb(250, 0, 0));
  ASSERT_TRUE(TheClipboard().SetBitmap(picture));
  EXPECT_EQ(TheClipboard().GetBitmap(), picture);
  EXPECT_EQ(TheClipboard().GetText(), std::nullopt);
}

// A top-level window's icon reaches its native window, set before or after it is created.
TEST(WxShell, IconsAreNative) {
  Bitmap picture(16, 16, Rgb(0, 0, 255));
  for (const bool before : {true, false}) {
    FrameWnd frame;
    if (before) frame.SetIcon(picture);
    frame.CreateTopLevel(nullptr, {0, 0, 100, 80});
    if (!before) frame.SetIcon(picture);
    auto* top = dynamic_cast<wxTopLevelWindow*>(NativeWindow(frame));
    ASSERT_NE(top, nullptr);
    ASSERT_EQ(top->GetIcons().GetIconCount(), 1u) << before;
    EXPECT_EQ(top->GetIcons().GetIconByIndex(0).GetWidth(), 16) << before;
    frame.DestroyWindow();
  }
}

// The circuit's picture for the clipboard is drawn off screen: its pixels must be kept.
TEST(WxShell, OffScreenDrawingKeepsItsPixels) {
  const std::unique_ptr<Dc> memory = CreateMemoryDc({8, 6});
  ASSERT_NE(memory, nullptr);
  const Brush red{BrushStyle::Solid, Rgb(250, 0, 0)};
  memory->FillRect({2, 1, 6, 5}, red);
  const std::optional<Bitmap> picture = memory->ReadBitmap({0, 0, 8, 6});
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->GetPixel(3, 2), Rgb(250, 0, 0));
  EXPECT_NE(picture->GetPixel(7, 5), Rgb(250, 0, 0));
}

}  // namespace
}  // namespace pf::test
