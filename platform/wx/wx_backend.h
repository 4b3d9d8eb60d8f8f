#pragma once
// The desktop backend: a native window (peer) per model window, kept in step with the model
// through the backend hooks, and the user's input handed back to the model. Windows that the
// model paints show a Cairo backing surface; radio buttons, up-down controls and toolbars are
// drawn here; the other controls are the toolkit's own.

#include <wx/timer.h>
#include <wx/window.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "backing_surface.h"
#include "pf/backend.h"

class wxEventLoopBase;
class wxIdleEvent;

namespace pf {

class MdiFrameWnd;
class TabStrip;

// What the backend keeps for a model window.
struct WxPeer : Window::Peer {
  // Placed, shown, enabled; nullptr once the native window is gone.
  wxWindow* widget = nullptr;
  // Where the children go and the model paints (the client area); nullptr for controls.
  wxWindow* client = nullptr;
  // The pixels of a window that the model paints.
  BackingSurface surface;
  // A frame: the menu its menu bar shows (MirrorMenuBar), and the tabs of its documents.
  int menuId = 0;
  TabStrip* tabs = nullptr;
};

class WxBackend : public Backend {
 public:
  WxBackend();
  ~WxBackend() override;

  static WxBackend* Current();
  static WxPeer* PeerOf(const Window& window);

  void WindowCreated(Window& window) override;
  void WindowDestroyed(Window& window) override;
  void WindowChanged(Window& window, WindowChange change) override;
  void Invalidated(Window& window) override;
  void UpdateWindow(Window& window) override;
  std::unique_ptr<Dc> GetDC(Window& window) override;
  std::unique_ptr<Dc> CreateMemoryDc(Size size) override;
  void TimersChanged() override;
  void RunModalLoop(Dialog& dialog) override;
  std::unique_ptr<PrintTarget> StartPrintJob(const std::string& documentName) override;
  std::unique_ptr<PreviewTarget> StartPreviewJob(Size box, int keep) override;
  Rect CoveringRect(const Window& top) override;

  // The model's focus of the top-level window becomes the control that has it on the screen
  // (the user may have clicked into another).
  void TakeNativeFocus(Window& top);

  // The model window that a native window shows; nullptr once that window is gone.
  Window* ModelOf(const wxWindow* widget) const;
  // After every piece of input handed to the model: a new idle phase starts, and a modal loop
  // whose dialog has ended returns.
  void AfterInput();
  // Native modal windows (message boxes, file dialogs) stop idle processing as the model's
  // modal loops do.
  void EnterNativeModal() { ++modalDepth_; }
  void LeaveNativeModal() { --modalDepth_; }
  // A modal loop of the model or a native modal window runs.
  bool InModal() const { return modalDepth_ > 0; }
  // Brings the backing surface of a window that the model paints up to date.
  void PaintSurface(Window& window);
  // The main loop ends when the application's main window is destroyed.
  void SetMainLoop(wxEventLoopBase* loop) { mainLoop_ = loop; }
  // Shows the frames' document windows, tabs and menus as the model has them now.
  void SyncFrames();

 private:
  class TimerPump : public wxTimer {
   public:
    void Notify() override;
  };
  struct ModalLoop {
    Dialog* dialog;
    wxEventLoopBase* loop;
  };

  void CreateTopLevel(Window& window, WxPeer& peer);
  void CreateChild(Window& window, WxPeer& peer);
  void Link(wxWindow* widget, Window& window);
  void Forget(Window& window);
  void ApplyGeometry(Window& window, WxPeer& peer);
  // Puts the keyboard focus on the window's native control, once its top-level window shows;
  // brings that window up too, or leaves it where it is.
  void ShowFocus(Window& window, bool bringUp);
  // The model's window takes the place and client size of its native top-level window.
  void TakeNativeRect(wxWindow* top);
  void ApplyFont(Window& window);
  // The toolkit stops: every native window left goes, and no model window is reached again.
  void DestroyAll();
  void OnIdle(wxIdleEvent& event);
  void SyncMdiFrame(MdiFrameWnd& frame, WxPeer& peer);
  // The native mouse capture follows the model's.
  void SyncCapture();
  void OnNativeDestroyed(wxWindow* widget);
  void ScheduleTimers();
  void DispatchTimers();

  std::unordered_map<const wxWindow*, Window*> models_;
  std::vector<ModalLoop> modalLoops_;
  int modalDepth_ = 0;
  // Set while the backend moves a native window, so the size and move events that follow are
  // not taken for the user's.
  int applying_ = 0;
  // Set while the model takes the focus from the screen, which it need not be shown again.
  int takingFocus_ = 0;
  wxEventLoopBase* mainLoop_ = nullptr;
  wxWindow* captured_ = nullptr;
  TimerPump timer_;
};

}  // namespace pf
