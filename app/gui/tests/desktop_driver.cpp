#include "desktop_driver.h"

#include <unistd.h>
#include <wx/dialog.h>
#include <wx/window.h>

#include <algorithm>
#include <cstdio>

#include <gtest/gtest.h>

#include "app/cli/tests/page_match.h"
#include "app/startup/RegisterAll.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/desktop.h"
#include "pf/document.h"
#include "pf/process.h"
#include "resources/CommandIds.h"
#include "tab_strip.h"
#include "wx_backend.h"

namespace desktop_driver {

namespace fs = std::filesystem;
using page_match::ReadPng;

pf::Desktop* desktop = nullptr;

namespace {
std::unique_ptr<pf::Process> input;
}  // namespace

int RunProgram(const std::vector<std::string>& argv) {
  pf::Process process;
  if (!process.Start(argv, ".")) return -1;
  for (int i = 0; i < 3000 && process.Poll() == pf::Process::State::Running; ++i) usleep(10000);
  return process.Poll() == pf::Process::State::Exited ? process.ExitCode() : -1;
}

bool Input(std::vector<std::string> args) {
  args.insert(args.begin(), {"timeout", "10", "xdotool"});
  input = std::make_unique<pf::Process>();
  return input->Start(args, ".");
}

bool CloseByWindowManager(const std::string& title) {
  input = std::make_unique<pf::Process>();
  return input->Start({"timeout", "10", VOSTRANE_WM_CLOSE, title}, ".");
}

bool InputPending() { return input != nullptr && input->Poll() == pf::Process::State::Running; }

std::string XdotoolOutput(const std::vector<std::string>& args) {
  std::string command = "timeout 10 xdotool";
  // Quoted for the shell: the arguments are the test's own, without quotes.
  for (const std::string& arg : args) command += " '" + arg + "'";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  std::string output;
  char buffer[256];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
  return pclose(pipe) == 0 ? output : "";
}

bool Keys(const std::string& window, const std::vector<std::string>& keys) {
  std::vector<std::string> args{"search", "--sync",  "--onlyvisible", "--name", window,
                                "windowfocus", "--sync", "sleep", "0.5", "key"};
  args.insert(args.end(), keys.begin(), keys.end());
  return Input(args);
}

std::string At(int v) { return std::to_string(v); }

bool Click(wxPoint p) { return Input({"mousemove", At(p.x), At(p.y), "click", "1"}); }

bool Drag(wxPoint from, wxPoint to) {
  const wxPoint mid = (from + to) / 2;
  return Input({"mousemove", At(from.x), At(from.y), "sleep", "0.2", "mousedown", "1", "sleep",
                "0.2", "mousemove", At(mid.x), At(mid.y), "sleep", "0.2", "mousemove", At(to.x),
                At(to.y), "sleep", "0.2", "mouseup", "1"});
}

bool Press(const std::vector<std::string>& keys) {
  std::vector<std::string> args{"sleep", "0.3", "key", "--delay", "150"};
  args.insert(args.end(), keys.begin(), keys.end());
  return Input(args);
}

bool WindowShown(const std::string& title) {
  return RunProgram({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}) == 0;
}

std::string FocusedTitle() {
  std::string title = XdotoolOutput({"getwindowfocus", "getwindowname"});
  if (!title.empty() && title.back() == '\n') title.pop_back();
  return title;
}

pf::Point FreePoint(CVostraneView& view) {
  for (int y = 40; y < 400; y += 20) {
    for (int x = 40; x < 400; x += 20) {
      const pf::Point logical = view.ClientToLogical({x, y});
      if (view.GetGrid().IsFreeAt({logical.x, logical.y})) return {x, y};
    }
  }
  return {10, 10};
}

pf::TabStrip* Tabs(const pf::Window& frame) {
  for (wxWindow* w : pf::NativeWindow(frame)->GetChildren()) {
    if (auto* tabs = dynamic_cast<pf::TabStrip*>(w)) return tabs;
  }
  return nullptr;
}

bool CloseTab(const pf::Window& frame, size_t index) {
  const pf::TabStrip* tabs = Tabs(frame);
  const wxRect mark = tabs != nullptr ? tabs->CloseMark(index) : wxRect();
  return !mark.IsEmpty() && Click(tabs->GetScreenPosition() + mark.GetPosition() + wxPoint(4, 4));
}

bool MessageBoxShown() {
  return RunProgram({"xdotool", "search", "--onlyvisible", "--name", "^Vostrane$"}) == 0;
}

std::unique_ptr<pf::CairoDc> Screenshot(const std::string& path) {
  return RunProgram({"import", "-window", "root", path}) == 0 ? ReadPng(path) : nullptr;
}

wxPoint OnScreen(const pf::Window& window, pf::Point p) {
  return pf::NativeWindow(window)->GetScreenPosition() + wxPoint(p.x, p.y);
}

std::string DialogTitle() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsShown()) {
      return d->GetTitle().utf8_string();
    }
  }
  return "";
}

int Differences(const pf::CairoDc& screen, const pf::CairoDc& expected, wxPoint origin,
                const pf::Rect& area) {
  int differ = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      differ += screen.GetPixel(origin.x + x - area.left, origin.y + y - area.top) !=
                expected.GetPixel(x, y);
    }
  }
  return differ;
}

int Differences(const pf::CairoDc& screen, const pf::CairoDc& expected, wxPoint origin) {
  constexpr int kScrollBar = 16;
  return Differences(screen, expected, origin,
                     {0, 0, expected.Width() - kScrollBar, expected.Height() - kScrollBar});
}

CVostraneView& ActiveView(const CVostraneApp& app) {
  return *dynamic_cast<CVostraneView*>(app.GetMainFrame()->MdiGetActive()->GetActiveView());
}

fs::path CopyExample(const fs::path& example, const fs::path& folder) {
  fs::create_directories(folder);
  const fs::path copy = folder / example.filename();
  fs::copy_file(example, copy, fs::copy_options::overwrite_existing);
  return copy;
}

bool DoubleClick(const CVostraneView& view, const NetSymbol& symbol) {
  const Point centre = symbol.GetCentre();
  const wxPoint at = OnScreen(view, {centre.x, centre.y});
  return Input({"mousemove", At(at.x), At(at.y), "click", "1", "sleep", "0.5", "click", "1"});
}

bool PressElement(const pf::ToolBar& bar, int type) {
  for (int i = 0; i < static_cast<int>(bar.Buttons().size()); ++i) {
    if (bar.Buttons()[i].id == kIdElementFirst + type) {
      const pf::Rect r = bar.ButtonRect(i);
      return Click(OnScreen(bar, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
    }
  }
  return false;
}

pf::Dialog* WaitingDialog() {
  pf::Dialog* innermost = nullptr;
  for (pf::Window* w : pf::Window::TopLevelWindows()) {
    auto* dialog = dynamic_cast<pf::Dialog*>(w);
    if (dialog != nullptr && dialog->IsModal() && dialog->IsVisible()) innermost = dialog;
  }
  return innermost;
}

pf::Dialog* ShownDialog(int templateId) {
  for (pf::Window* w : pf::Window::TopLevelWindows()) {
    auto* dialog = dynamic_cast<pf::Dialog*>(w);
    if (dialog != nullptr && dialog->GetTemplateId() == templateId && dialog->IsVisible()) {
      return dialog;
    }
  }
  return nullptr;
}

pf::Dialog* ShownNamedDialog(std::string_view name) {
  for (pf::Window* w : pf::Window::TopLevelWindows()) {
    auto* dialog = dynamic_cast<pf::Dialog*>(w);
    if (dialog != nullptr && dialog->GetTemplateName() == name && dialog->IsVisible()) {
      return dialog;
    }
  }
  return nullptr;
}

pf::PrintPreview* Preview() {
  for (pf::Window* w : pf::Window::TopLevelWindows()) {
    auto* preview = dynamic_cast<pf::PrintPreview*>(w);
    if (preview != nullptr && pf::NativeWindow(*preview)->IsShown()) return preview;
  }
  return nullptr;
}

void DrivenApp::ForgetChanges() {
  for (const auto& t : DocTemplates()) {
    for (const auto& doc : t->Documents()) doc->SetModifiedFlag(false);
  }
}

void DrivenApp::Tick() {
  if (running_ || InputPending()) return;
  if (next_ == steps.size()) {
    // What a failed step left holding the main window goes first, the innermost first: a
    // dialog, the print preview, a native box (over which no window of the model takes input).
    // The main window refuses to close while it is held.
    if (pf::Dialog* waiting = WaitingDialog(); waiting != nullptr && waiting->IsWindowEnabled()) {
      waiting->EndDialog(pf::kIdCancel);
      if (pf::WxBackend* backend = pf::WxBackend::Current()) backend->AfterInput();
      // What the dialog changed is forgotten too.
      ForgetChanges();
      return;
    }
    if (pf::PrintPreview* preview = Preview(); preview != nullptr && preview->IsWindowEnabled()) {
      preview->Close();
      return;
    }
    if (!GetMainWnd()->IsWindowEnabled()) {
      Input({"key", "Escape"});
      return;
    }
    timer_.Stop();
    GetMainWnd()->Close();
    return;
  }
  // A step's input may open a modal loop, in which the timer goes on.
  running_ = true;
  const bool done = steps[next_].run();
  running_ = false;
  if (done) {
    ++next_;
    tries_ = 0;
  } else if (++tries_ > kTicksPerStep) {
    failed = steps[next_].what;
    Screenshot("vostrane-failed.png");
    next_ = steps.size();
    ForgetChanges();
  }
}

DrivenApp::Step Settled(std::string what, std::function<bool()> run) {
  auto ticks = std::make_shared<int>(0);
  return {std::move(what), [ticks, run = std::move(run)] {
            if (++*ticks < 4) return false;
            const bool done = run();
            if (done) *ticks = 0;
            return done;
          }};
}

pf::Dialog* Panel(DrivenApp& app) {
  const auto* vna = FindSymbol<VecNetAnaSymbol>(*app.Doc());
  auto* panel = vna != nullptr ? dynamic_cast<pf::Dialog*>(vna->GetWindow()) : nullptr;
  return panel != nullptr && panel->IsVisible() ? panel : nullptr;
}

std::string Drive(const char* example, const std::string& folder,
                  const std::function<std::vector<DrivenApp::Step>(DrivenApp&)>& steps) {
  const fs::path circuit = CopyExample(example, fs::current_path() / "circuits" / folder);
  DrivenApp app(circuit.string());
  app.steps = {{"the splash closes", [&app] { return app.GetSplash() == nullptr; }}};
  for (auto& step : steps(app)) app.steps.push_back(std::move(step));
  app.steps.push_back({"the program ends without asking", [&app] {
                         app.ForgetChanges();
                         return true;
                       }});
  desktop->Run(app);
  return app.failed;
}

}  // namespace desktop_driver

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  RegisterAll();
  pf::Desktop toolkit(argc, argv);
  if (!toolkit.IsReady()) {
    std::fputs("no display\n", stderr);
    return 1;
  }
  desktop_driver::desktop = &toolkit;
  return RUN_ALL_TESTS();
}
