// vostrane: the desktop program.

#include <cstdio>
#include <memory>

#include "basics/Register.h"
#include "basics/ui/ErrorDialog.h"
#include "pf/desktop.h"
#include "pf/frame.h"
#include "resources/Resources.h"

namespace {

class VostraneApp : public ErrorReportingApp {
 public:
  VostraneApp() : ErrorReportingApp("Vostrane") {}

  // The main frame covers the screen.
  bool InitInstance() override {
    auto frame = std::make_unique<pf::MdiFrameWnd>();
    const pf::Size screen = pf::TheUiServices().ScreenSize();
    if (!frame->CreateTopLevel(nullptr, {0, 0, screen.cx, screen.cy})) return false;
    pf::MdiFrameWnd& main = *frame;
    SetMainWnd(std::move(frame));
    main.SetBaseTitle("Vostrane");
    main.ShowWindow(true);
    main.UpdateWindow();
    return true;
  }
};

}  // namespace

int main(int argc, char** argv) {
  RegisterBasicsClasses();
  RegisterResources();
  pf::Desktop desktop(argc, argv);
  if (!desktop.IsReady()) {
    std::fputs("vostrane: keine Anzeige\n", stderr);
    return 1;
  }
  VostraneApp app;
  return desktop.Run(app);
}
