#include "pf/desktop.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>

#include <clocale>

#include "pf/app.h"
#include "pf/clipboard.h"
#include "pf/window.h"
#include "wx_backend.h"
#include "wx_clipboard.h"
#include "wx_ui_services.h"

namespace pf {
namespace {

class ToolkitApp : public wxApp {
 public:
  // The program reads its own arguments.
  bool OnInit() override { return true; }
};

}  // namespace

Desktop::Desktop(int& argc, char** argv) {
  wxApp::SetInstance(new ToolkitApp);
  if (!wxEntryStart(argc, argv)) return;
  // Numbers are read and written with the C locale's decimal point.
  std::setlocale(LC_NUMERIC, "C");
  wxTheApp->CallOnInit();
  // The program ends when its main window goes, not with the last native window.
  wxTheApp->SetExitOnFrameDelete(false);
  // Bitmaps go to the clipboard as PNG images.
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  backend_ = std::make_unique<WxBackend>();
  ui_ = std::make_unique<WxUiServices>();
  clipboard_ = std::make_unique<WxClipboard>();
  ready_ = true;
  Install();
}

Desktop::~Desktop() {
  if (!ready_) return;
  InstallBackend(nullptr);
  InstallUiServices(nullptr);
  InstallClipboard(nullptr);
  backend_.reset();
  ui_.reset();
  wxTheApp->OnExit();
  wxEntryCleanup();
}

void Desktop::Install() {
  InstallUiServices(ui_.get());
  InstallBackend(backend_.get());
  InstallClipboard(clipboard_.get());
}

int Desktop::Run(App& app) {
  if (!ready_) return 1;
  Install();
  if (app.InitInstance()) {
    const Window* main = app.GetMainWnd();
    if (main != nullptr && main->IsCreated()) {
      wxGUIEventLoop loop;
      backend_->SetMainLoop(&loop);
      loop.Run();
      backend_->SetMainLoop(nullptr);
    }
  }
  return app.ExitInstance();
}

wxWindow* NativeWindow(const Window& window) {
  const WxPeer* peer = WxBackend::PeerOf(window);
  return peer != nullptr ? peer->widget : nullptr;
}

}  // namespace pf
