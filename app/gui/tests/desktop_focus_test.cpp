// Where the keyboard goes when a dialog closes and when a focused key turns grey, played with
// xdotool keys and clicks at the focus, with and without a window manager (managed.sh): the
// analyser panel's key that opened a dialog has the keyboard again after Esc (Enter opens it
// once more, Tab goes on from it), so does the oscilloscope's "Format" clicked with the mouse;
// the print preview's "Vergrößern" pressed until it is grey passes the keyboard on, so that Esc
// closes the preview.

#include <gtest/gtest.h>
#include <wx/window.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop_driver.h"
#include "instruments/ui/OsziSymbol.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/command_ids.h"
#include "resources/AnalyserIds.h"
#include "resources/ScopeIds.h"

namespace {

using namespace desktop_driver;
namespace fs = std::filesystem;

// The id of the control with the keyboard in the model and on the screen; 0 when they differ.
int FocusedId(pf::Window& top) {
  const pf::Window* focus = top.GetFocusedWindow();
  if (focus == nullptr || pf::NativeWindow(*focus) != wxWindow::FindFocus()) return 0;
  return focus->GetDlgCtrlID();
}

struct PanelCase {
  const char* what;
  std::vector<std::string> toKey;  // from "Parameter" to the key that opens the window
  const char* title;               // of that window
  int opener;
  std::vector<std::string> after;  // once the window closed with Escape
  bool reopened;                   // the window shows again after them
  int focusAfter;                  // else the key that has the keyboard
};

// The analyser panel's key that opened a dialog or a message box has the keyboard when it
// closes: Enter opens it again, four Tabs from "Parameter" reach "Frequenz".
TEST(DesktopWindows, PanelKeyHasTheKeyboardAfterItsDialog) {
  const std::vector<std::string> tabs(8, "Tab");
  const PanelCase cases[] = {
      {"Generator, Enter, Escape, Enter",
       {tabs.begin(), tabs.begin() + 5},
       "Generator",
       analyser_ids::kGenerator,
       {"Return"},
       true,
       0},
      {"Parameter, Enter, Escape, four Tabs",
       {},
       "Parameter",
       analyser_ids::kParameter,
       {"Tab", "Tab", "Tab", "Tab"},
       false,
       analyser_ids::kFrequency},
      {"Daten without results, Enter, Escape, Enter", tabs, "Achtung", analyser_ids::kData,
       {"Return"}, true, 0},
  };
  for (const PanelCase& c : cases) {
    int focusOnReturn = -1;
    int focusAfter = -1;
    const std::string failed = Drive(
        VOSTRANE_ANALYSER_EXAMPLE, "panel", [&](DrivenApp& app) -> std::vector<DrivenApp::Step> {
          return {
              {"the analyser's panel is opened",
               [&app] {
                 auto* vna = FindSymbol<VecNetAnaSymbol>(*app.Doc());
                 if (vna == nullptr) return false;
                 app.View().OpenSymbol(*vna);
                 return true;
               }},
              Settled("its first key has the keyboard; Tab to the key, Enter",
                      [&app, &c] {
                        pf::Dialog* panel = Panel(app);
                        if (panel == nullptr || FocusedId(*panel) != analyser_ids::kParameter) {
                          return false;
                        }
                        std::vector<std::string> keys = c.toKey;
                        keys.push_back("Return");
                        return Press(keys);
                      }),
              Settled("the key's window opens; Escape",
                      [&c] { return WindowShown(c.title) && Press({"Escape"}); }),
              Settled("the window closes; the keys after it",
                      [&app, &c, &focusOnReturn] {
                        pf::Dialog* panel = Panel(app);
                        if (WindowShown(c.title) || panel == nullptr) return false;
                        focusOnReturn = FocusedId(*panel);
                        return Press(c.after);
                      }),
              Settled("where the keys led",
                      [&app, &c, &focusAfter] {
                        pf::Dialog* panel = Panel(app);
                        focusAfter = panel != nullptr ? FocusedId(*panel) : -1;
                        return !c.reopened || (WindowShown(c.title) && Press({"Escape"}));
                      }),
          };
        });
    EXPECT_EQ(failed, "") << c.what << ", see vostrane-failed.png";
    EXPECT_EQ(focusOnReturn, c.opener) << c.what;
    if (!c.reopened) {
      EXPECT_EQ(focusAfter, c.focusAfter) << c.what;
    }
  }
}

// The oscilloscope's "Format", clicked with the mouse, has the keyboard when its dialog closes:
// Enter opens the dialog again.
TEST(DesktopWindows, ScopeFormatHasTheKeyboardAfterItsDialog) {
  int focusOnReturn = -1;
  const std::string failed = Drive(
      VOSTRANE_PULSE_EXAMPLE, "scope", [&](DrivenApp& app) -> std::vector<DrivenApp::Step> {
        return {
            {"the oscilloscope is clicked twice",
             [&app] {
               const auto* scope = FindSymbol<OsziSymbol>(*app.Doc());
               return scope != nullptr && DoubleClick(app.View(), *scope);
             }},
            Settled("its window shows; Format is clicked",
                    [] {
                      pf::Dialog* scope = ShownDialog(oszi_ids::kTemplate);
                      return scope != nullptr &&
                             Click(OnScreen(*scope->GetDlgItem(oszi_ids::kFormat), {10, 8}));
                    }),
            Settled("the format dialog opens; Escape",
                    [] {
                      return ShownDialog(oszi_ids::kFormatTemplate) != nullptr &&
                             Press({"Escape"});
                    }),
            Settled("it closes; Enter",
                    [&focusOnReturn] {
                      pf::Dialog* scope = ShownDialog(oszi_ids::kTemplate);
                      if (ShownDialog(oszi_ids::kFormatTemplate) != nullptr || scope == nullptr) {
                        return false;
                      }
                      focusOnReturn = FocusedId(*scope);
                      return Press({"Return"});
                    }),
            Settled("the format dialog opens again; Escape",
                    [] {
                      return ShownDialog(oszi_ids::kFormatTemplate) != nullptr &&
                             Press({"Escape"});
                    }),
            Settled("it closes; Escape",
                    [] {
                      pf::Dialog* scope = ShownDialog(oszi_ids::kTemplate);
                      if (ShownDialog(oszi_ids::kFormatTemplate) != nullptr || scope == nullptr) {
                        return false;
                      }
                      return Press({"Escape"});
                    }),
            Settled("the oscilloscope's window is closed",
                    [] { return ShownDialog(oszi_ids::kTemplate) == nullptr; }),
        };
      });
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_EQ(focusOnReturn, oszi_ids::kFormat);
}

// "Vergrößern" pressed until it turns grey hands the keyboard to the next key that takes it:
// Escape then closes the print preview.
TEST(DesktopWindows, GreyedPreviewKeyPassesTheKeyboardOn) {
  int focusWhenGrey = -1;
  const std::string failed = Drive(VOSTRANE_EXAMPLE, "grey", [&](DrivenApp&) {
    return std::vector<DrivenApp::Step>{
        {"Datei/Seitenansicht",
         [] { return Keys("^Vostrane - ", {"alt+d", "sleep", "0.5", "key", "t"}); }},
        Settled("Vergrößern is clicked until it is grey",
                [] {
                  pf::PrintPreview* p = Preview();
                  if (p == nullptr) return false;
                  pf::Window* zoom = p->GetDlgItem(pf::kIdPreviewZoomIn);
                  if (!zoom->IsWindowEnabled()) return true;
                  Click(OnScreen(*zoom, {10, 10}));
                  return false;
                }),
        Settled("Escape",
                [&focusWhenGrey] {
                  focusWhenGrey = FocusedId(*Preview());
                  return Press({"Escape"});
                }),
        Settled("the preview is closed", [] { return Preview() == nullptr; }),
    };
  });
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_EQ(focusWhenGrey, pf::kIdPreviewZoomOut);
}

}  // namespace
