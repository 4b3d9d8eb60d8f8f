// A waiting dialog holds the whole desktop program, driven through the X server as a user would:
// while a dialog of the analyser's panel waits (a modeless window besides the main one), the
// main window takes no click on a tab's close mark, opens no menu and refuses the window
// manager's close; the dialog stays, no circuit goes, and keeps the keyboard: Esc closes it.
// Once it is closed the program works and ends when asked. With and without a window manager
// (VOSTRANE_WINDOW_MANAGER names it).

#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop_driver.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/dialog.h"
#include "pf/document.h"
#include "resources/AnalyserIds.h"

namespace {

using namespace desktop_driver;

namespace fs = std::filesystem;

// Where the dialog comes from.
enum class Opening {
  ParameterByEnter,  // Enter on the analyser panel's focused "Parameter"
  SecondCircuit,     // the same, with a second circuit open and active in the main window
  FrequencyByClick,  // a click on the panel's "Frequenz"
};

// What the user tries in the main window while the dialog waits.
enum class Attempt { CloseTab, MenuExit, WindowManager };

struct Outcome {
  std::string failed;
  bool asked = false;         // a message box came up
  bool dialogStayed = false;  // the dialog still waited
  bool circuitsStayed = false;
  bool worksAfter = false;  // the main window takes input, the circuits are there
  bool lingered = false;    // the program ran on after the user ended it
};

size_t Circuits(const DrivenApp& app) {
  return app.DocTemplates().empty() ? 0 : app.DocTemplates().front()->Documents().size();
}

// A click on the menu bar's first menu ("Datei").
bool ClickFileMenu(const DrivenApp& app) {
  const auto* frame = dynamic_cast<wxFrame*>(pf::NativeWindow(*app.GetMainFrame()));
  const wxMenuBar* bar = frame != nullptr ? frame->GetMenuBar() : nullptr;
  return bar != nullptr && Click(bar->GetScreenPosition() + wxPoint(20, bar->GetSize().y / 2));
}

// Steps that wait a few ticks before they act, so that the program has settled.
std::function<bool()> Settled(int ticks, std::function<bool()> run) {
  auto count = std::make_shared<int>(0);
  return [ticks, count, run] {
    if (++*count < ticks) return false;
    *count = 0;
    return run();
  };
}

Outcome HoldsTheProgram(Opening opening, Attempt attempt) {
  Outcome out;
  const std::string folder = "modal" + std::to_string(static_cast<int>(opening)) + "-" +
                             std::to_string(static_cast<int>(attempt));
  const fs::path circuit =
      CopyExample(VOSTRANE_ANALYSER_EXAMPLE, fs::current_path() / "circuits" / folder);
  DrivenApp app(circuit.string());
  CVostraneView* view = nullptr;
  pf::Dialog* dialog = nullptr;
  size_t circuits = 0;
  auto menuOpen = std::make_shared<bool>(false);
  auto& steps = app.steps;
  steps = {{"the splash closes", [&] { return app.GetSplash() == nullptr; }},
           {"the menus are followed", [&] {
              view = &app.View();
              auto* frame = pf::NativeWindow(*app.GetMainFrame());
              frame->Bind(wxEVT_MENU_OPEN, [menuOpen](wxMenuEvent& e) {
                e.Skip();
                *menuOpen = true;
              });
              frame->Bind(wxEVT_MENU_CLOSE, [menuOpen](wxMenuEvent& e) {
                e.Skip();
                *menuOpen = false;
              });
              return true;
            }}};
  if (opening == Opening::SecondCircuit) {
    steps.push_back(
        {"Ctrl+N opens a second circuit", [] { return Keys("^Vostrane - ", {"ctrl+n"}); }});
    steps.push_back({"two circuits are open", [&] { return Circuits(app) == 2; }});
  }
  auto panel = [&]() -> pf::Window* {
    auto* vna = FindSymbol<VecNetAnaSymbol>(*view->GetDocument());
    return vna != nullptr ? vna->GetWindow() : nullptr;
  };
  steps.push_back({"the analyser's panel opens", [&, panel] {
                     view->OpenSymbol(*FindSymbol<VecNetAnaSymbol>(*view->GetDocument()));
                     return panel() != nullptr;
                   }});
  if (opening == Opening::FrequencyByClick) {
    steps.push_back({"Frequenz is pressed", Settled(4, [panel] {
                       pf::Window* p = panel();
                       return p->IsVisible() &&
                              Click(OnScreen(*p->GetDlgItem(analyser_ids::kFrequency), {10, 8}));
                     })});
  } else {
    steps.push_back(
        {"Enter on its focused Parameter", Settled(4, [panel] {
           pf::Window* p = panel();
           const wxWindow* key = pf::NativeWindow(*p->GetDlgItem(analyser_ids::kParameter));
           return p->IsVisible() && wxWindow::FindFocus() == key && Input({"key", "Return"});
         })});
  }
  steps.push_back({"the dialog waits; the user tries the main window", Settled(4, [&] {
                     dialog = WaitingDialog();
                     if (dialog == nullptr) return false;
                     circuits = Circuits(app);
                     switch (attempt) {
                       case Attempt::CloseTab:
                         return CloseTab(*app.GetMainFrame(), circuits - 1);
                       case Attempt::MenuExit:
                         return ClickFileMenu(app);
                       case Attempt::WindowManager:
                         return CloseByWindowManager("Vostrane - ");
                     }
                     return false;
                   })});
  if (attempt == Attempt::MenuExit) {
    steps.push_back({"Beenden, if the menu opened", Settled(4, [menuOpen] {
                       return !*menuOpen || Input({"key", "Up", "sleep", "0.3", "key", "Return"});
                     })});
  }
  steps.push_back({"nothing happens while the dialog waits", Settled(8, [&] {
                     out.asked = MessageBoxShown();
                     out.dialogStayed = WaitingDialog() == dialog;
                     out.circuitsStayed =
                         app.GetMainFrame()->IsCreated() && Circuits(app) == circuits;
                     // "Abbrechen" to a question, which leaves everything as it is.
                     return !out.asked || Input({"key", "Escape"});
                   })});
  // Esc typed where the keyboard is: with the waiting dialog, wherever the user clicked meanwhile
  // (under a window manager the click activates the main window, which hands it on).
  steps.push_back({"Esc closes every waiting dialog", Settled(4, [] {
                     if (WaitingDialog() == nullptr) return true;
                     Input({"key", "Escape"});
                     return false;
                   })});
  steps.push_back({"the program works; the user ends it", Settled(4, [&] {
                     out.worksAfter = app.GetMainFrame()->IsCreated() &&
                                      app.GetMainFrame()->IsWindowEnabled() &&
                                      Circuits(app) == circuits;
                     app.ForgetChanges();
                     return attempt == Attempt::MenuExit ? ClickFileMenu(app)
                                                         : CloseByWindowManager("Vostrane - ");
                   })});
  if (attempt == Attempt::MenuExit) {
    steps.push_back({"Beenden", Settled(4, [menuOpen] {
                       return *menuOpen && Input({"key", "Up", "sleep", "0.3", "key", "Return"});
                     })});
  }
  steps.push_back({"the program has ended", Settled(12, [&] {
                     out.lingered = true;
                     app.ForgetChanges();
                     return true;
                   })});
  desktop->Run(app);
  out.failed = app.failed;
  return out;
}

void Expect(const Outcome& out) {
  EXPECT_EQ(out.failed, "") << "see vostrane-failed.png";
  EXPECT_FALSE(out.asked);
  EXPECT_TRUE(out.dialogStayed);
  EXPECT_TRUE(out.circuitsStayed);
  EXPECT_TRUE(out.worksAfter);
  EXPECT_FALSE(out.lingered);
}

TEST(DesktopWindows, KeyDialogHoldsTheTabs) {
  Expect(HoldsTheProgram(Opening::ParameterByEnter, Attempt::CloseTab));
}
TEST(DesktopWindows, KeyDialogHoldsTheMenu) {
  Expect(HoldsTheProgram(Opening::ParameterByEnter, Attempt::MenuExit));
}
TEST(DesktopWindows, KeyDialogHoldsTheWindowManagersClose) {
  Expect(HoldsTheProgram(Opening::ParameterByEnter, Attempt::WindowManager));
}
TEST(DesktopWindows, KeyDialogHoldsTheSecondCircuitsTab) {
  Expect(HoldsTheProgram(Opening::SecondCircuit, Attempt::CloseTab));
}
TEST(DesktopWindows, ClickedKeyDialogHoldsTheMenu) {
  Expect(HoldsTheProgram(Opening::FrequencyByClick, Attempt::MenuExit));
}
TEST(DesktopWindows, ClickedKeyDialogHoldsTheWindowManagersClose) {
  Expect(HoldsTheProgram(Opening::FrequencyByClick, Attempt::WindowManager));
}

}  // namespace
