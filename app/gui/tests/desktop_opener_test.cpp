// Where the keyboard goes when a dialog closes while other windows are open, played with xdotool
// keys and clicks, with and without a window manager (managed.sh): it goes to the window and
// the control that opened the dialog, whatever else is open and wherever the user clicked while
// the dialog waited. Dialogs of the circuit (an element's by a double click, the file and print
// dialogs by keys and the menu) give it back to the circuit beside the analyser's panel and a
// second circuit, so Page Down scrolls it; the panel's key dialogs give it back to their key
// after a click on the main window, so Tab goes on from that key; the question before a
// circuit closes takes the keyboard when it opens, so the same keys give the same answer.

#include <gtest/gtest.h>
#include <wx/window.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop_driver.h"
#include "elements/lumped/ResSymbol.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/command_ids.h"
#include "pf/document.h"
#include "resources/AnalyserIds.h"
#include "tab_strip.h"

namespace {

using namespace desktop_driver;
namespace fs = std::filesystem;

// How the user closes the dialog.
enum class Closer { Ok, Escape, Cancel, TitleBar };

// The model's waiting dialog by a click on its key, the window manager's close of the
// toolkit's or the model's dialog of the title, or Esc at the focus.
bool CloseDialog(Closer closer, const std::string& title) {
  pf::Dialog* dialog = WaitingDialog();
  switch (closer) {
    case Closer::Ok:
    case Closer::Cancel: {
      pf::Window* key = dialog != nullptr
                            ? dialog->GetDlgItem(closer == Closer::Ok ? pf::kIdOk : pf::kIdCancel)
                            : nullptr;
      return key != nullptr && Click(OnScreen(*key, {8, 8}));
    }
    case Closer::Escape:
      return Press({"Escape"});
    case Closer::TitleBar:
      return CloseByWindowManager(title);
  }
  return false;
}

// A step that waits for the windows to settle and for the keys typed to act, which a busy
// machine may delay, then runs; when they do not act within a few seconds it runs all the same.
DrivenApp::Step Awaited(std::string what, std::function<bool()> acted, std::function<bool()> run) {
  auto ticks = std::make_shared<int>(0);
  return {std::move(what), [ticks, acted = std::move(acted), run = std::move(run)] {
            if (++*ticks < 4 || (!acted() && *ticks < 16)) return false;
            const bool done = run();
            if (done) *ticks = 0;
            return done;
          }};
}

// The main window made narrower than the circuit, so that Page Down scrolls it, and the
// analyser's panel opened beside it.
std::vector<DrivenApp::Step> PanelBesideTheCircuit(DrivenApp& app) {
  return {
      {"the main window is made narrower",
       [] {
         return Input(
             {"search", "--onlyvisible", "--name", "^Vostrane - ", "windowsize", "640", "700"});
       }},
      Settled("the analyser's panel opens",
              [&app] {
                auto* vna = FindSymbol<VecNetAnaSymbol>(*app.Doc());
                if (vna == nullptr) return false;
                app.View().OpenSymbol(*vna);
                return true;
              }),
      Settled("it is moved beside the main window",
              [&app] {
                return Panel(app) != nullptr && Input({"search", "--onlyvisible", "--name",
                                                       "^VNA1$", "windowmove", "660", "0"});
              }),
  };
}

struct CircuitCase {
  const char* what;
  std::vector<std::string> keys;  // typed into the circuit; none: the capacitor clicked twice
  std::string title;              // of the dialog
  Closer closer;
};

// A dialog opened from the circuit, while the analyser's panel and a second circuit are open,
// gives the keyboard back to the circuit however it closes: Page Down scrolls it.
TEST(DesktopWindows, CircuitHasTheKeyboardAfterItsDialogs) {
  const CircuitCase cases[] = {
      {"a capacitor's dialog, OK", {}, "Kapazität", Closer::Ok},
      {"a capacitor's dialog, Esc", {}, "Kapazität", Closer::Escape},
      {"a capacitor's dialog, Abbrechen", {}, "Kapazität", Closer::Cancel},
      {"a capacitor's dialog, the title bar", {}, "Kapazität", Closer::TitleBar},
      {"Strg+O, Esc", {"ctrl+o"}, "Öffnen", Closer::Escape},
      {"Strg+O, the title bar", {"ctrl+o"}, "Öffnen", Closer::TitleBar},
      {"Datei/Speichern unter, Esc", {"alt+d", "u"}, "Speichern unter", Closer::Escape},
      {"Strg+P, Esc", {"ctrl+p"}, "Drucken", Closer::Escape},
      {"Strg+P, the title bar", {"ctrl+p"}, "Drucken", Closer::TitleBar},
  };
  std::vector<std::string> scrolled;
  const std::string failed = Drive(VOSTRANE_ANALYSER_EXAMPLE, "circuit", [&](DrivenApp& app) {
    std::vector<DrivenApp::Step> run{
        {"Strg+N opens a second circuit", [] { return Keys("^Vostrane - ", {"ctrl+n"}); }},
        Settled("the first circuit's tab is clicked",
                [&app] {
                  const pf::TabStrip* tabs = Tabs(*app.GetMainFrame());
                  const wxRect mark = tabs != nullptr ? tabs->CloseMark(0) : wxRect();
                  return app.GetMainFrame()->MdiGetActive() != nullptr && !mark.IsEmpty() &&
                         app.Doc()->GetTitle() != "vna_lowpass.vqe" &&
                         Click(tabs->GetScreenPosition() + mark.GetPosition() + wxPoint(-30, 4));
                }),
    };
    for (DrivenApp::Step& step : PanelBesideTheCircuit(app)) run.push_back(std::move(step));
    auto before = std::make_shared<pf::Point>();
    for (const CircuitCase& c : cases) {
      run.push_back(Settled(std::string(c.what) + ": opened", [&app, &c] {
        if (app.Doc()->GetTitle() != "vna_lowpass.vqe") return false;
        if (c.keys.empty()) {
          const auto* cap = FindSymbol<CapSymbol>(*app.Doc());
          return cap != nullptr && DoubleClick(app.View(), *cap);
        }
        // Typed where a click into the circuit leaves the keyboard.
        const wxPoint at = OnScreen(app.View(), FreePoint(app.View()));
        std::vector<std::string> args{"mousemove", At(at.x), At(at.y), "click",   "1",
                                      "sleep",     "0.3",    "key",    "--delay", "150"};
        args.insert(args.end(), c.keys.begin(), c.keys.end());
        return Input(args);
      }));
      run.push_back(Settled(std::string(c.what) + ": shown, closed", [&c] {
        return WindowShown(c.title) && CloseDialog(c.closer, c.title);
      }));
      run.push_back(Settled(std::string(c.what) + ": gone, Page Down", [&app, &c, before] {
        if (WindowShown(c.title) || !app.GetMainFrame()->IsWindowEnabled()) return false;
        *before = app.View().GetScrollPosition();
        return Press({"Next"});
      }));
      const auto down = [&app, before] { return app.View().GetScrollPosition().y > before->y; };
      run.push_back(Awaited(std::string(c.what) + ": Page Up", down, [&c, &scrolled, down] {
        scrolled.push_back(std::string(c.what) + (down() ? "" : ": not scrolled"));
        return Press({"Prior"});
      }));
    }
    return run;
  });
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  std::vector<std::string> expected;
  for (const CircuitCase& c : cases) expected.emplace_back(c.what);
  EXPECT_EQ(scrolled, expected);
}

// The stop of the window's tab order after the control: where Tab goes from it.
int NextStop(pf::Window& top, int id) {
  const std::vector<pf::Window*> order = top.TabOrder();
  for (size_t i = 0, n = order.size(), at = n; i < 2 * n; ++i) {
    pf::Window* w = order[i % n];
    if (at == n) {
      if (w->GetDlgCtrlID() == id) at = i;
    } else if (pf::Window::IsTabStop(*w)) {
      return w->GetDlgCtrlID();
    }
  }
  return 0;
}

struct PanelCase {
  const char* what;
  int opener;
  bool byClick;  // else by Enter on the focused key
  const char* title;
  Closer closer;
};

// A panel's key dialog, with a click on the main window while it waits, gives the keyboard
// back to its key however it closes: Tab goes on from the key.
TEST(DesktopWindows, PanelKeyHasTheKeyboardWhereverTheUserClicked) {
  const PanelCase cases[] = {
      {"Parameter by Enter, Esc", analyser_ids::kParameter, false, "Parameter", Closer::Escape},
      {"Parameter by Enter, the title bar", analyser_ids::kParameter, false, "Parameter",
       Closer::TitleBar},
      {"Frequenz by a click, Abbrechen", analyser_ids::kFrequency, true, "Frequenz",
       Closer::Cancel},
      {"Frequenz by a click, OK", analyser_ids::kFrequency, true, "Frequenz", Closer::Ok},
  };
  std::vector<std::string> focused;
  std::vector<std::string> expected;
  const std::string failed = Drive(VOSTRANE_ANALYSER_EXAMPLE, "panel-click", [&](DrivenApp& app) {
    std::vector<DrivenApp::Step> run = PanelBesideTheCircuit(app);
    for (const PanelCase& c : cases) {
      if (!c.byClick) {
        run.push_back(Settled(std::string(c.what) + ": the key focused", [&app, &c] {
          pf::Dialog* panel = Panel(app);
          if (panel == nullptr) return false;
          pf::Window::FocusControl(*panel->GetDlgItem(c.opener));
          return true;
        }));
      }
      // Enter only once the toolkit has the focus where the model put it: on a busy machine the
      // key may come before, and press what Tab focused last.
      run.push_back(Settled(std::string(c.what) + ": opened", [&app, &c] {
        pf::Dialog* panel = Panel(app);
        if (panel == nullptr) return false;
        pf::Window& key = *panel->GetDlgItem(c.opener);
        if (c.byClick) return Click(OnScreen(key, {10, 8}));
        return wxWindow::FindFocus() == pf::NativeWindow(key) && Keys("^VNA1$", {"Return"});
      }));
      run.push_back(Settled(std::string(c.what) + ": the main window clicked", [&app] {
        return WaitingDialog() != nullptr && Click(OnScreen(app.View(), FreePoint(app.View())));
      }));
      run.push_back(Settled(std::string(c.what) + ": closed", [&c] {
        return WaitingDialog() != nullptr && CloseDialog(c.closer, c.title);
      }));
      run.push_back(Settled(std::string(c.what) + ": gone, Tab",
                            [] { return WaitingDialog() == nullptr && Press({"Tab"}); }));
      const auto moved = [&app, &c] {
        pf::Dialog* panel = Panel(app);
        const pf::Window* focus = panel != nullptr ? panel->GetFocusedWindow() : nullptr;
        return focus == nullptr || focus->GetDlgCtrlID() != c.opener;
      };
      run.push_back(
          Awaited(std::string(c.what) + ": where Tab went", moved, [&app, &c, &focused, &expected] {
            pf::Dialog* panel = Panel(app);
            if (panel == nullptr) return false;
            const pf::Window* focus = panel->GetFocusedWindow();
            const std::string what = std::string(c.what) + ": ";
            focused.push_back(what + std::to_string(focus != nullptr ? focus->GetDlgCtrlID() : 0));
            expected.push_back(what + std::to_string(NextStop(*panel, c.opener)));
            return true;
          }));
    }
    return run;
  });
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_EQ(focused, expected);
}

// The question before a changed circuit closes takes the keyboard as it opens, also without a
// window manager, while the analyser's panel is open: Esc answers "Abbrechen" and the circuit
// has the keyboard again; Tab, Tab, Enter answers "Nein" and nothing is saved.
TEST(DesktopWindows, SaveQuestionTakesTheKeyboard) {
  const std::string title = "Vostrane";
  fs::file_time_type written;
  std::string circuit;
  pf::Point before;
  bool scrolled = false;
  bool keptOnEscape = false;
  size_t circuitsAfter = 1;
  const std::string failed = Drive(VOSTRANE_ANALYSER_EXAMPLE, "question", [&](DrivenApp& app) {
    std::vector<DrivenApp::Step> run = PanelBesideTheCircuit(app);
    // Asked when the circuit's tab is closed: the circuit is clicked into first, the close
    // mark next.
    const auto closeTab = [&app] {
      app.Doc()->SetModifiedFlag(true);
      const pf::TabStrip* tabs = Tabs(*app.GetMainFrame());
      const wxRect mark = tabs != nullptr ? tabs->CloseMark(0) : wxRect();
      const wxPoint free = OnScreen(app.View(), FreePoint(app.View()));
      const wxPoint onMark = tabs != nullptr
                                 ? tabs->GetScreenPosition() + mark.GetPosition() + wxPoint(4, 4)
                                 : wxPoint();
      return !mark.IsEmpty() &&
             Input({"mousemove", At(free.x), At(free.y), "click", "1", "sleep", "0.5", "mousemove",
                    At(onMark.x), At(onMark.y), "click", "1"});
    };
    run.push_back(Settled("the circuit's tab is closed", [&, closeTab] {
      circuit = app.Doc()->GetPathName();
      written = fs::last_write_time(circuit);
      return closeTab();
    }));
    run.push_back(
        Settled("asked; Esc", [&title] { return WindowShown(title) && Press({"Escape"}); }));
    run.push_back(Settled("Page Down", [&] {
      if (WindowShown(title)) return false;
      keptOnEscape = app.Doc() != nullptr;
      if (keptOnEscape) before = app.View().GetScrollPosition();
      return !keptOnEscape || Press({"Next"});
    }));
    run.push_back(Settled("the circuit's tab is closed again", [&, closeTab] {
      if (!keptOnEscape) return true;
      scrolled = app.View().GetScrollPosition().y > before.y;
      return closeTab();
    }));
    run.push_back(Settled("asked; Tab, Tab, Enter", [&] {
      return !keptOnEscape || (WindowShown(title) && Press({"Tab", "Tab", "Return"}));
    }));
    run.push_back(Settled("answered", [&] {
      // The main window takes input again once the question has gone; it bears the same
      // title once the circuit has gone.
      if (!app.GetMainFrame()->IsWindowEnabled()) return false;
      circuitsAfter = app.GetMainFrame()->MdiGetActive() != nullptr ? 1 : 0;
      return true;
    }));
    return run;
  });
  EXPECT_EQ(failed, "") << "see vostrane-failed.png";
  EXPECT_TRUE(keptOnEscape);
  EXPECT_TRUE(scrolled);
  EXPECT_EQ(circuitsAfter, 0u);
  EXPECT_EQ(fs::last_write_time(circuit), written) << "the circuit was saved";
}

}  // namespace
