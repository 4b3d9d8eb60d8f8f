// The desktop program driven through the X server with xdotool as a user would: input, the
// screen, the windows shown, and a program whose timer runs a list of steps, also inside modal
// loops. Shared by the desktop test programs.
#pragma once

#include <wx/gdicmn.h>
#include <wx/timer.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/desktop/CVostraneApp.h"
#include "editor/desktop/CVostraneView.h"
#include "editor/desktop/MainFrame.h"
#include "editor/document/CVostraneDoc.h"
#include "pf/cairo_dc.h"
#include "pf/desktop.h"
#include "pf/dialog.h"
#include "pf/print_preview.h"
#include "pf/profile.h"

namespace pf {
class TabStrip;
}  // namespace pf

namespace desktop_driver {

constexpr int kTickMs = 250;
constexpr int kTicksPerStep = 60;  // 15 s

// The toolkit, set by the test program's main.
extern pf::Desktop* desktop;

// Runs a program to its end (at most 30 s); its exit status, or -1.
int RunProgram(const std::vector<std::string>& argv);
// What xdotool prints for the arguments (at most ten seconds); empty when it fails.
std::string XdotoolOutput(const std::vector<std::string>& args);

// The user's input: xdotool runs beside the program, which takes the input as it comes; the
// next step waits for it to end. It waits at most ten seconds for a window.
bool Input(std::vector<std::string> args);
bool InputPending();
// The window manager's close of the windows whose title begins with the text (the message its
// close button sends), as input.
bool CloseByWindowManager(const std::string& title);
// Keys typed into the window whose name matches, once it shows and has settled.
bool Keys(const std::string& window, const std::vector<std::string>& keys);
std::string At(int v);
bool Click(wxPoint p);
// Press, two moves, release, each in its own time: the drag that places an element.
bool Drag(wxPoint from, wxPoint to);
// Two clicks on the symbol, half a second apart: the double click that opens it.
bool DoubleClick(const CVostraneView& view, const NetSymbol& symbol);
// A click on the element bar's button of the element type.
bool PressElement(const pf::ToolBar& bar, int type);

// Keys typed at the focus, as the user types them after a window closed: no window is named.
bool Press(const std::vector<std::string>& keys);
// Whether a window of the title shows: the program's own or the toolkit's.
bool WindowShown(const std::string& title);
// The title of the window that has the keyboard; empty when none has.
std::string FocusedTitle();
// A point of the view where nothing lies, in its client area.
pf::Point FreePoint(CVostraneView& view);

// The tabs of a multiple-document frame, and a click on the close mark of one of them.
pf::TabStrip* Tabs(const pf::Window& frame);
bool CloseTab(const pf::Window& frame, size_t index);

bool MessageBoxShown();
std::unique_ptr<pf::CairoDc> Screenshot(const std::string& path);
wxPoint OnScreen(const pf::Window& window, pf::Point p);
// The title of the dialog on the screen (the program's modal loops are its own); empty when
// none is.
std::string DialogTitle();
// The modal dialog on the screen (the innermost); nullptr when none is open.
pf::Dialog* WaitingDialog();
// The shown modal dialog of the template; nullptr when none is.
pf::Dialog* ShownDialog(int templateId);
// The same for a template known by its name.
pf::Dialog* ShownNamedDialog(std::string_view name);
// The print preview on the screen; nullptr when none is open.
pf::PrintPreview* Preview();

// The pixels of the expected image's area that differ on the screen, where the area's corner
// lies at origin.
int Differences(const pf::CairoDc& screen, const pf::CairoDc& expected, wxPoint origin,
                const pf::Rect& area);
// The pixels of the expected image that differ on the screen at origin, but for the strips at
// the right and the bottom where the toolkit draws its scroll bars over the view.
int Differences(const pf::CairoDc& screen, const pf::CairoDc& expected, wxPoint origin);

CVostraneView& ActiveView(const CVostraneApp& app);
// A copy of the example in the folder, made as needed, under the example's name.
std::filesystem::path CopyExample(const std::filesystem::path& example,
                                  const std::filesystem::path& folder);

// The program with a list of steps that a timer runs in turn, also inside modal loops: a step
// returns false to be tried again at the next tick. A step that never succeeds is noted and the
// program ends.
class DrivenApp : public CVostraneApp {
 public:
  struct Step {
    std::string what;
    std::function<bool()> run;
  };

  explicit DrivenApp(std::string file)
      : CVostraneApp({std::move(file)}, [] { return std::make_unique<pf::MemoryProfile>(); }) {}

  bool InitInstance() override {
    if (!CVostraneApp::InitInstance()) return false;
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Tick(); });
    timer_.Start(kTickMs);
    return true;
  }

  CVostraneDoc* Doc() const {
    return dynamic_cast<CVostraneDoc*>(GetMainFrame()->GetActiveDocument());
  }
  CVostraneView& View() const { return ActiveView(*this); }
  // Every circuit counts as unchanged: the program ends without asking. So it ends after a
  // step that never succeeds.
  void ForgetChanges();

  std::vector<Step> steps;
  std::string failed;

 private:
  void Tick();

  wxTimer timer_;
  size_t next_ = 0;
  int tries_ = 0;
  bool running_ = false;
};

// A step that waits a few ticks for the windows to settle, then runs.
DrivenApp::Step Settled(std::string what, std::function<bool()> run);
// The analyser's panel of the active circuit when it shows; nullptr otherwise.
pf::Dialog* Panel(DrivenApp& app);

// Runs the steps on a copy of the example in its own folder under "circuits", after the splash
// has closed, and ends the program without asking; what failed, empty when every step ran.
std::string Drive(const char* example, const std::string& folder,
                  const std::function<std::vector<DrivenApp::Step>(DrivenApp&)>& steps);

template <class S>
S* FindSymbol(CVostraneDoc& doc) {
  S* found = nullptr;
  doc.Symbols().ForEach([&found](NetSymbol* s) {
    if (auto* hit = dynamic_cast<S*>(s)) found = hit;
  });
  return found;
}

}  // namespace desktop_driver
