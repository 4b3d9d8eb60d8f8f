#pragma once
// What the window model asks of a backend. The model calls these hooks whenever state changes
// that a backend mirrors; the backend reads the new state from the window itself. Without an
// installed backend, nothing is shown, device contexts record and discard, and modal dialogs
// end at once with Cancel.

#include <memory>
#include <string>

#include "pf/print.h"
#include "pf/window.h"

namespace pf {

class Dc;
class Dialog;

class Backend {
 public:
  virtual ~Backend() = default;

  virtual void WindowCreated(Window& window) { (void)window; }
  // Called before the window loses its children and its peer.
  virtual void WindowDestroyed(Window& window) { (void)window; }
  virtual void WindowChanged(Window& window, WindowChange change) { (void)window, (void)change; }
  // The update rectangle of the window grew.
  virtual void Invalidated(Window& window) { (void)window; }
  // Paint the window's invalid part now (Window::Paint with a context on its surface).
  virtual void UpdateWindow(Window& window) { (void)window; }
  virtual std::unique_ptr<Dc> GetDC(Window& window);
  // A context on a white memory bitmap of the size, for drawing off the screen (read back with
  // ReadBitmap); nullptr for a size the backend refuses. Without pixels to hold, it records.
  virtual std::unique_ptr<Dc> CreateMemoryDc(Size size);
  // Asks where a document is printed (the print dialog); nullptr when the user cancels.
  virtual std::unique_ptr<PrintTarget> StartPrintJob(const std::string& documentName) {
    (void)documentName;
    return nullptr;
  }
  // A job for the print preview on the page that StartPrintJob's targets print, pictured as
  // large as fits in box pixels, keeping the picture of page keep (counted from 1); nullptr
  // when the backend cannot draw pictures.
  virtual std::unique_ptr<PreviewTarget> StartPreviewJob(Size box, int keep) {
    (void)box, (void)keep;
    return nullptr;
  }
  // Where a top-level window with no menu or tabs lies to cover the top-level window top on the
  // screen (a rectangle as Window::GetRect holds a top-level window's): top's own, grown by the
  // rows that the backend shows around top's client area (a menu bar, tabs).
  virtual Rect CoveringRect(const Window& top) { return top.GetWindowRect(); }
  // The set of timers or one of their periods changed (pf::Timers).
  virtual void TimersChanged() {}
  // Runs the modal loop of a shown dialog until it has ended (Dialog::HasEnded). Timers keep
  // ticking inside the loop; the application's idle processing does not run.
  virtual void RunModalLoop(Dialog& dialog);
};

Backend& TheBackend();
std::unique_ptr<Dc> CreateMemoryDc(Size size);
// Installs a backend owned by the caller; nullptr restores the one that shows nothing.
void InstallBackend(Backend* backend);

}  // namespace pf
