#include "wx_backend.h"

#include <gtk/gtk.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/textentry.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>

#include "canvas.h"
#include "convert.h"
#include "drawn_control.h"
#include "menu_bar.h"
#include "native_control.h"
#include "native_modal.h"
#include "pf/app.h"
#include "pf/cairo_dc.h"
#include "pf/controls.h"
#include "pf/dialog.h"
#include "pf/frame.h"
#include "pf/picture_print.h"
#include "pf/timers.h"
#include "pf/view.h"
#include "print_dialog.h"
#include "tab_strip.h"

namespace pf {
namespace {

WxBackend* current = nullptr;

wxRect ToWx(const Rect& r) { return {r.left, r.top, r.Width(), r.Height()}; }

// The dialog's keys (Tab, Space, Enter, Escape, the arrows) are the model's, from the control
// that has the focus on the screen; what the model leaves goes on to that control.
void OnDialogKey(wxWindow* top, wxKeyEvent& event) {
  WxBackend* backend = WxBackend::Current();
  auto* dialog = dynamic_cast<Dialog*>(backend != nullptr ? backend->ModelOf(top) : nullptr);
  const int key = VirtualKey(event.GetKeyCode());
  if (dialog == nullptr || key == 0) {
    event.Skip();
    return;
  }
  backend->TakeNativeFocus(*dialog);
  if (!dialog->TranslateAccelerator(key, Modifiers(event))) {
    event.Skip();
    return;
  }
  backend->AfterInput();
}

// A focused text field keeps its clipboard and undo keys.
bool TakesEditingKey(const wxWindow* focus, int key, unsigned modifiers) {
  if (dynamic_cast<const wxTextEntry*>(focus) == nullptr) return false;
  return modifiers == kMkControl && std::string_view("XCVAZY").find(static_cast<char>(key)) !=
                                        std::string_view::npos;
}

// The frame that a window belongs to through its owners; nullptr when there is none.
FrameWnd* OwnerFrame(const Window& window) {
  for (Window* w = window.GetOwner(); w != nullptr; w = w->GetOwner()) {
    w = w->GetTopLevelParent();
    if (auto* frame = dynamic_cast<FrameWnd*>(w)) return frame;
  }
  return nullptr;
}

// A modeless dialog leaves the shortcuts of its frame (keys with Ctrl or Alt) to the frame while
// no modal window is open; true when one of them took the key. A plain key stays the dialog's:
// Entf on a panel's key must not delete in the circuit behind it.
bool OnOwnerFrameKey(wxWindow* top, wxKeyEvent& event) {
  WxBackend* backend = WxBackend::Current();
  const auto* dialog = dynamic_cast<Dialog*>(backend != nullptr ? backend->ModelOf(top) : nullptr);
  const int key = VirtualKey(event.GetKeyCode());
  const unsigned modifiers = Modifiers(event);
  if (dialog == nullptr || dialog->IsModal() || backend->InModal() || key == 0 ||
      (modifiers & (kMkControl | kMkAlt)) == 0) {
    return false;
  }
  FrameWnd* frame = OwnerFrame(*dialog);
  if (frame == nullptr || !frame->IsWindowEnabled() ||
      TakesEditingKey(wxWindow::FindFocus(), key, modifiers) ||
      !frame->TranslateAccelerator(key, modifiers)) {
    return false;
  }
  backend->AfterInput();
  return true;
}

// The rows of the native frame above the model's client area.
int Decoration(const WxPeer& peer) { return peer.tabs != nullptr ? TabStrip::kHeight : 0; }

// Of a frame's document windows only the active one shows, as the tabs tell.
bool ShownNatively(const Window& window) {
  if (!window.IsVisible()) return false;
  const auto* child = dynamic_cast<const MdiChildWnd*>(&window);
  const MdiFrameWnd* frame = child != nullptr ? child->GetMdiFrame() : nullptr;
  return frame == nullptr || frame->MdiGetActive() == child;
}

// The frame's active view, of its active document window in a multiple-document frame.
View* ActiveViewOf(Window& frame) {
  if (auto* mdi = dynamic_cast<MdiFrameWnd*>(&frame)) {
    return mdi->MdiGetActive() != nullptr ? mdi->MdiGetActive()->GetActiveView() : nullptr;
  }
  auto* plain = dynamic_cast<FrameWnd*>(&frame);
  return plain != nullptr ? plain->GetActiveView() : nullptr;
}

// Puts the keyboard focus of the native window's top-level window on it. The toolkit's own
// call also activates that top-level window, which only bringing the window up may do (the last
// of the windows enabled again after a dialog would take the keyboard from the dialog's
// opener): a window that is not active keeps the focus for when it is.
void FocusWithin(wxWindow* widget) {
  const wxWindow* top = wxGetTopLevelParent(widget);
  auto* native = top != nullptr ? static_cast<GtkWidget*>(top->GetHandle()) : nullptr;
  if (native == nullptr || !GTK_IS_WINDOW(native) || gtk_window_is_active(GTK_WINDOW(native))) {
    widget->SetFocus();
    return;
  }
  // Where the toolkit's call puts it.
  GtkWidget* focus = widget->m_wxwindow != nullptr ? widget->m_wxwindow : widget->m_focusWidget;
  if (focus == nullptr) return;
  if (GTK_IS_CONTAINER(focus) && !gtk_widget_get_can_focus(focus)) {
    gtk_widget_child_focus(focus, GTK_DIR_TAB_FORWARD);
  } else {
    gtk_widget_grab_focus(focus);
  }
}

// An activated frame hands the keyboard to its active view (its bars, tabs and client area
// take none), so that the view's keys (Entf, the page keys) act at the start and after a dialog
// without a click into it first.
void FocusActiveView(wxWindow* top) {
  WxBackend* backend = WxBackend::Current();
  Window* frame = backend != nullptr ? backend->ModelOf(top) : nullptr;
  View* view = frame != nullptr ? ActiveViewOf(*frame) : nullptr;
  const WxPeer* peer = view != nullptr ? WxBackend::PeerOf(*view) : nullptr;
  if (peer != nullptr && wxWindow::FindFocus() != peer->widget) FocusWithin(peer->widget);
}

// Accelerators come before the window with the focus sees the key: that window and its parents
// are asked, or the frame when the focus is on none of its windows.
void OnFrameKey(wxWindow* top, wxKeyEvent& event) {
  WxBackend* backend = WxBackend::Current();
  Window* frame = backend != nullptr ? backend->ModelOf(top) : nullptr;
  const int key = VirtualKey(event.GetKeyCode());
  if (frame == nullptr || key == 0) {
    event.Skip();
    return;
  }
  Window* target = backend->ModelOf(wxWindow::FindFocus());
  if (target == nullptr || target->GetTopLevelParent() != frame) target = frame;
  for (Window* w = target; w != nullptr; w = w->GetParent()) {
    if (w->TranslateAccelerator(key, Modifiers(event))) {
      backend->AfterInput();
      return;
    }
  }
  event.Skip();
}

// Files dropped on a multiple-document frame open as documents.
void OnDropFiles(wxDropFilesEvent& event) {
  App* app = App::Current();
  for (int i = 0; app != nullptr && i < event.GetNumberOfFiles(); ++i) {
    app->OpenDocumentFile(FromWx(event.GetFiles()[i]));
  }
  if (WxBackend* backend = WxBackend::Current()) backend->AfterInput();
}

}  // namespace

void WxBackend::TimerPump::Notify() {
  if (current != nullptr) current->DispatchTimers();
}

WxBackend::WxBackend() {
  current = this;
  wxTheApp->Bind(wxEVT_IDLE, &WxBackend::OnIdle, this);
}

WxBackend::~WxBackend() {
  timer_.Stop();
  wxTheApp->Unbind(wxEVT_IDLE, &WxBackend::OnIdle, this);
  DestroyAll();
  current = nullptr;
}

WxBackend* WxBackend::Current() { return current; }

WxPeer* WxBackend::PeerOf(const Window& window) { return dynamic_cast<WxPeer*>(window.peer.get()); }

Window* WxBackend::ModelOf(const wxWindow* widget) const {
  const auto it = models_.find(widget);
  return it == models_.end() ? nullptr : it->second;
}

void WxBackend::Link(wxWindow* widget, Window& window) {
  models_[widget] = &window;
  widget->Bind(wxEVT_DESTROY, [widget](wxWindowDestroyEvent& event) {
    event.Skip();
    if (current != nullptr && event.GetEventObject() == widget) {
      current->OnNativeDestroyed(widget);
    }
  });
}

void WxBackend::OnNativeDestroyed(wxWindow* widget) {
  const auto it = models_.find(widget);
  if (it == models_.end()) return;
  if (captured_ == widget) captured_ = nullptr;
  if (WxPeer* peer = PeerOf(*it->second)) {
    if (peer->widget == widget) peer->widget = nullptr;
    if (peer->client == widget) peer->client = nullptr;
  }
  models_.erase(it);
}

void WxBackend::Forget(Window& window) {
  if (WxPeer* peer = PeerOf(window)) {
    models_.erase(peer->widget);
    models_.erase(peer->client);
    peer->widget = nullptr;
    peer->client = nullptr;
  }
  for (Window* child : window.Children()) Forget(*child);
}

void WxBackend::DestroyAll() {
  std::vector<wxWindow*> tops;
  for (const auto& entry : models_) {
    if (entry.first->IsTopLevel()) tops.push_back(const_cast<wxWindow*>(entry.first));
  }
  models_.clear();
  for (wxWindow* top : tops) top->Destroy();
}

void WxBackend::CreateTopLevel(Window& window, WxPeer& peer) {
  wxWindow* owner = nullptr;
  if (window.GetOwner() != nullptr) {
    if (const WxPeer* ownerPeer = PeerOf(*window.GetOwner())) owner = ownerPeer->widget;
  }
  const wxString title = pf::ToWx(window.GetWindowText());
  wxTopLevelWindow* top;
  if (dynamic_cast<Dialog*>(&window) != nullptr) {
    top = new wxDialog(owner, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                       wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    top->Bind(wxEVT_CHAR_HOOK, [top](wxKeyEvent& event) {
      if (!OnOwnerFrameKey(top, event)) OnDialogKey(top, event);
    });
  } else {
    auto* frame =
        new wxFrame(owner, wxID_ANY, title, wxDefaultPosition, wxDefaultSize,
                    wxDEFAULT_FRAME_STYLE | (owner != nullptr ? wxFRAME_FLOAT_ON_PARENT : 0));
    top = frame;
    if (dynamic_cast<FrameWnd*>(&window) != nullptr) {
      BindMenuBar(*frame);
      top->Bind(wxEVT_CHAR_HOOK, [top](wxKeyEvent& event) { OnFrameKey(top, event); });
      top->Bind(wxEVT_ACTIVATE, [top](wxActivateEvent& event) {
        event.Skip();
        if (event.GetActive() && top->IsEnabled()) top->CallAfter([top] { FocusActiveView(top); });
      });
    }
    if (dynamic_cast<MdiFrameWnd*>(&window) != nullptr) {
      peer.tabs = new TabStrip(top);
      top->DragAcceptFiles(true);
      top->Bind(wxEVT_DROP_FILES, OnDropFiles);
    }
  }
  peer.widget = top;
  peer.client = new Canvas(top, false);
  if (peer.tabs != nullptr) {
    auto* rows = new wxBoxSizer(wxVERTICAL);
    rows->Add(peer.tabs, 0, wxEXPAND);
    rows->Add(peer.client, 1, wxEXPAND);
    top->SetSizer(rows);
  }
  Link(top, window);
  Link(peer.client, window);

  // The model learns which window the user activated at once, before a key that follows opens
  // a native dialog from it. A window that a modal window holds passes its activation on to
  // that window, as on the platform (a click on it under a window manager must not leave the
  // keyboard where no key acts), once the toolkit has done with this activation; by then the
  // dialog may have ended and brought up its opener, which keeps the keyboard.
  top->Bind(wxEVT_ACTIVATE, [top](wxActivateEvent& event) {
    event.Skip();
    Window* model = current != nullptr ? current->ModelOf(top) : nullptr;
    if (!event.GetActive() || model == nullptr) return;
    if (model->IsWindowEnabled()) {
      model->UserActivated();
      return;
    }
    top->CallAfter([top] {
      Window* held = current != nullptr ? current->ModelOf(top) : nullptr;
      if (held != nullptr && !held->IsWindowEnabled()) held->UserActivated();
    });
  });
  top->Bind(wxEVT_CLOSE_WINDOW, [top](wxCloseEvent& event) {
    Window* model = current != nullptr ? current->ModelOf(top) : nullptr;
    if (model == nullptr) {
      event.Skip();
      return;
    }
    if (event.CanVeto()) event.Veto();
    model->Close();
    if (!event.CanVeto() && current->ModelOf(top) == model) model->DestroyWindow();
    current->AfterInput();
  });
  // The user moved or resized the window (the client canvas follows by itself).
  const auto moved = [top](wxEvent& event) {
    event.Skip();
    if (current != nullptr && current->applying_ == 0) current->TakeNativeRect(top);
  };
  top->Bind(wxEVT_SIZE, moved);
  top->Bind(wxEVT_MOVE, moved);
}

void WxBackend::CreateChild(Window& window, WxPeer& peer) {
  const WxPeer* parentPeer = PeerOf(*window.GetParent());
  wxWindow* parent = parentPeer != nullptr ? parentPeer->client : nullptr;
  if (parent == nullptr) return;
  wxWindow* widget = nullptr;
  if (const auto* control = dynamic_cast<const Control*>(&window)) {
    switch (control->Kind()) {
      case ControlKind::RadioButton:
        widget = new DrawnControl(parent, DrawnControl::Look::Radio);
        break;
      case ControlKind::UpDown:
        widget = new DrawnControl(parent, DrawnControl::Look::UpDown);
        break;
      case ControlKind::Bitmap:
        widget = new DrawnControl(parent, DrawnControl::Look::Picture);
        break;
      case ControlKind::OwnerDraw:
        widget = peer.client = new Canvas(parent, false);
        break;
      default:
        widget = CreateNativeControl(parent, *control);
    }
  } else if (dynamic_cast<const ToolBar*>(&window) != nullptr) {
    widget = new DrawnControl(parent, DrawnControl::Look::ToolBar);
  } else if (dynamic_cast<const StatusBar*>(&window) != nullptr) {
    widget = new DrawnControl(parent, DrawnControl::Look::StatusBar);
  } else {
    widget = peer.client = new Canvas(parent, dynamic_cast<const ScrollView*>(&window) != nullptr);
  }
  // The model's rectangle rules, not the size the toolkit would like best.
  widget->SetMinSize(wxDefaultSize);
  peer.widget = widget;
  Link(widget, window);
}

void WxBackend::WindowCreated(Window& window) {
  auto owned = std::make_unique<WxPeer>();
  WxPeer& peer = *owned;
  window.peer = std::move(owned);
  if (window.GetParent() == nullptr) {
    CreateTopLevel(window, peer);
  } else {
    CreateChild(window, peer);
  }
  if (peer.widget == nullptr) return;
  ApplyGeometry(window, peer);
  ApplyFont(window);
  for (const auto change : {WindowChange::ControlState, WindowChange::Enabled, WindowChange::Icon}) {
    WindowChanged(window, change);
  }
  peer.widget->Show(ShownNatively(window));
}

void WxBackend::WindowDestroyed(Window& window) {
  if (App* app = App::Current(); app != nullptr && app->GetMainWnd() == &window &&
                                 mainLoop_ != nullptr && mainLoop_->IsRunning()) {
    mainLoop_->ScheduleExit();
  }
  WxPeer* peer = PeerOf(window);
  if (peer == nullptr || peer->widget == nullptr) return;
  wxWindow* widget = peer->widget;
  if (captured_ != nullptr && (captured_ == widget || captured_ == peer->client)) {
    if (captured_->HasCapture()) captured_->ReleaseMouse();
    captured_ = nullptr;
  }
  Forget(window);
  // The native window may be in the middle of handling the input that destroys the model's:
  // it goes when the toolkit is idle.
  widget->Hide();
  if (widget->IsTopLevel()) {
    widget->Destroy();
  } else {
    wxTheApp->ScheduleForDestruction(widget);
  }
}

void WxBackend::WindowChanged(Window& window, WindowChange change) {
  WxPeer* peer = PeerOf(window);
  if (peer == nullptr || peer->widget == nullptr) return;
  wxWindow* widget = peer->widget;
  switch (change) {
    case WindowChange::Text:
    case WindowChange::ControlState:
      if (widget->IsTopLevel()) {
        widget->SetLabel(pf::ToWx(window.GetWindowText()));
        if (auto* frame = dynamic_cast<FrameWnd*>(&window)) {
          MirrorMenuBar(static_cast<wxFrame&>(*widget), *frame);
        }
      } else if (auto* canvas = dynamic_cast<Canvas*>(widget)) {
        if (const auto* view = dynamic_cast<const ScrollView*>(&window)) {
          canvas->MirrorScrollBars(*view);
        }
      } else if (dynamic_cast<DrawnControl*>(widget) != nullptr) {
        widget->Refresh(false);
      } else if (const auto* control = dynamic_cast<const Control*>(&window)) {
        MirrorNativeControl(widget, *control);
      }
      break;
    case WindowChange::Geometry:
      ApplyGeometry(window, *peer);
      break;
    case WindowChange::Visibility: {
      const bool wasShown = widget->IsShown();
      widget->Show(ShownNatively(window));
      if (!window.IsVisible() || !widget->IsTopLevel()) break;
      widget->Raise();
      // Shown, also again, it takes the keyboard: a dialog gives it to the control that had it
      // last.
      if (Window* focus = window.GetFocusedWindow()) {
        ShowFocus(*focus, true);
      } else if (wasShown) {
        widget->SetFocus();
      }
      break;
    }
    case WindowChange::Enabled:
      widget->Enable(window.IsEnabled());
      if (dynamic_cast<DrawnControl*>(widget) != nullptr) widget->Refresh(false);
      // The toolkit forgets the focus of a window that it disables (every window while a
      // modal one runs): enabled again, the window has the model's focus back for when it is
      // active, and is not brought up by it.
      if (widget->IsTopLevel() && window.IsEnabled()) {
        if (Window* focus = window.GetFocusedWindow()) ShowFocus(*focus, false);
      }
      break;
    case WindowChange::Font:
      ApplyFont(window);
      break;
    case WindowChange::Focus:
      if (takingFocus_ == 0) ShowFocus(window, false);
      break;
    case WindowChange::Icon:
      if (auto* top = dynamic_cast<wxTopLevelWindow*>(widget); top && !window.GetIcon().IsEmpty()) {
        wxIcon icon;
        icon.CopyFromBitmap(wxBitmap(ToWxImage(window.GetIcon())));
        top->SetIcon(icon);
      }
      break;
  }
}

void WxBackend::ShowFocus(Window& window, bool bringUp) {
  const WxPeer* peer = PeerOf(window);
  const WxPeer* topPeer = PeerOf(*window.GetTopLevelParent());
  if (peer == nullptr || peer->widget == nullptr || topPeer == nullptr ||
      topPeer->widget == nullptr || !topPeer->widget->IsShown()) {
    return;
  }
  wxWindow* widget = peer->widget;
  // The toolkit gives a dialog being shown the focus of its first child afterwards: this comes
  // after that. A top-level window takes the keys itself while none of its windows has them.
  widget->CallAfter([this, widget, &window, bringUp] {
    if (ModelOf(widget) != &window) return;
    const Window* focus = window.GetFocusedWindow();
    if (focus != &window && (focus != nullptr || !widget->IsTopLevel())) return;
    if (bringUp) {
      widget->SetFocus();
    } else {
      FocusWithin(widget);
    }
    const auto* edit = dynamic_cast<const Edit*>(&window);
    if (auto* text = dynamic_cast<wxTextCtrl*>(widget); text != nullptr && edit != nullptr) {
      if (edit->IsAllSelected()) text->SelectAll();
    }
  });
}

void WxBackend::TakeNativeFocus(Window& top) {
  Window* focus = ModelOf(wxWindow::FindFocus());
  if (focus == nullptr || focus == &top || focus->GetTopLevelParent() != &top) return;
  ++takingFocus_;
  focus->SetFocus();
  --takingFocus_;
}

void WxBackend::ApplyGeometry(Window& window, WxPeer& peer) {
  const Rect& r = window.GetRect();
  ++applying_;
  if (peer.widget->IsTopLevel()) {
    wxWindow* top = peer.widget;
    top->SetClientSize(r.Width(), r.Height() + Decoration(peer));
    top->Move(wxPoint(r.left, r.top), wxSIZE_ALLOW_MINUS_ONE);
    // A frame as large as the screen keeps its menu bar and bars on it; the model then takes
    // the client size that fits.
    const wxRect screen = wxDisplay(top).GetClientArea();
    const wxSize outer = top->GetSize();
    if (outer.x > screen.width || outer.y > screen.height) {
      top->SetSize(screen.x, screen.y, std::min(outer.x, screen.width),
                   std::min(outer.y, screen.height));
      top->CallAfter([this, top] { TakeNativeRect(top); });
    }
  } else {
    const auto* control = dynamic_cast<const Control*>(&window);
    const int height = control != nullptr && peer.client == nullptr
                           ? NativeControlHeight(peer.widget, *control)
                           : r.Height();
    peer.widget->SetSize(r.left, r.top, r.Width(), height, wxSIZE_ALLOW_MINUS_ONE);
  }
  --applying_;
}

void WxBackend::TakeNativeRect(wxWindow* top) {
  Window* model = ModelOf(top);
  if (model == nullptr) return;
  const wxPoint pos = top->GetPosition();
  const wxSize size = top->GetClientSize();
  Rect r{pos.x, pos.y, pos.x + size.x, pos.y + size.y - Decoration(*PeerOf(*model))};
  if (dynamic_cast<wxDialog*>(top) != nullptr) {
    // A dialog keeps the size of its template, which no user changes: a size that a window
    // manager passes on while it maps the window (seen: 1 pixel wide) is set back, and only
    // the place is taken.
    const Rect& kept = model->GetRect();
    r.right = r.left + kept.Width();
    r.bottom = r.top + kept.Height();
    if (size != wxSize(kept.Width(), kept.Height())) {
      top->CallAfter([top, kept] { top->SetClientSize(kept.Width(), kept.Height()); });
    }
  }
  if (r == model->GetRect()) return;
  ++applying_;
  model->MoveWindow(r, false);
  --applying_;
  AfterInput();
}

Rect WxBackend::CoveringRect(const Window& top) {
  const WxPeer* peer = PeerOf(top);
  auto* frame = dynamic_cast<wxFrame*>(peer != nullptr ? peer->widget : nullptr);
  if (frame == nullptr) return Backend::CoveringRect(top);
  // The native client holds the tabs; the menu bar lies above it.
  const wxSize client = frame->GetClientSize();
  const int menu = frame->GetMenuBar() != nullptr ? frame->GetMenuBar()->GetSize().y : 0;
  const Rect r = top.GetWindowRect();
  return {r.left, r.top, r.left + client.x, r.top + client.y + menu};
}

void WxBackend::ApplyFont(Window& window) {
  const WxPeer* peer = PeerOf(window);
  if (peer != nullptr && peer->widget != nullptr && peer->client == nullptr) {
    peer->widget->SetFont(ToWxFont(window.GetFont()));
    if (const auto* control = dynamic_cast<const Control*>(&window);
        control != nullptr && dynamic_cast<DrawnControl*>(peer->widget) == nullptr) {
      MirrorNativeControl(peer->widget, *control);
    }
  }
  for (Window* child : window.Children()) ApplyFont(*child);
}

void WxBackend::Invalidated(Window& window) {
  const WxPeer* peer = PeerOf(window);
  if (peer == nullptr || peer->widget == nullptr) return;
  if (peer->client == nullptr) {
    // The toolkit paints its controls itself, and this backend the drawn ones.
    window.ValidateRect();
    if (dynamic_cast<DrawnControl*>(peer->widget) != nullptr) peer->widget->Refresh(false);
    return;
  }
  if (const auto& update = window.GetUpdateRect()) peer->client->RefreshRect(ToWx(*update), false);
}

void WxBackend::UpdateWindow(Window& window) {
  const WxPeer* peer = PeerOf(window);
  const std::optional<Rect> update = window.GetUpdateRect();
  if (peer == nullptr || peer->client == nullptr || !update) {
    window.ValidateRect();
    return;
  }
  PaintSurface(window);
  peer->client->RefreshRect(ToWx(*update), false);
  peer->client->Update();
}

void WxBackend::PaintSurface(Window& window) {
  if (WxPeer* peer = PeerOf(window)) peer->surface.PaintInvalid(window);
}

std::unique_ptr<Dc> WxBackend::GetDC(Window& window) {
  WxPeer* peer = PeerOf(window);
  if (!window.IsCreated() || peer == nullptr || peer->client == nullptr) {
    return Backend::GetDC(window);
  }
  // Shown once the caller has drawn and the toolkit paints again.
  peer->client->Refresh(false);
  return CairoDc::ForImageSurface(peer->surface.Fit(window));
}

void WxBackend::RunModalLoop(Dialog& dialog) {
  if (dialog.HasEnded()) return;
  wxGUIEventLoop loop;
  modalLoops_.push_back({&dialog, &loop});
  ++modalDepth_;
  loop.Run();
  --modalDepth_;
  modalLoops_.pop_back();
}

void WxBackend::AfterInput() {
  if (App* app = App::Current()) app->NoteMessage();
  SyncCapture();
  SyncFrames();
  wxWakeUpIdle();
  if (modalLoops_.empty()) return;
  const ModalLoop& top = modalLoops_.back();
  if ((top.dialog->HasEnded() || !top.dialog->IsCreated()) && top.loop->IsRunning()) {
    top.loop->ScheduleExit();
  }
}

void WxBackend::OnIdle(wxIdleEvent& event) {
  event.Skip();
  SyncFrames();
  App* app = App::Current();
  if (modalDepth_ == 0 && app != nullptr && app->RunIdleStep()) event.RequestMore();
}

void WxBackend::SyncCapture() {
  wxWindow* wanted = nullptr;
  if (const Window* window = Window::GetCapture()) {
    if (const WxPeer* peer = PeerOf(*window)) {
      wanted = peer->client != nullptr ? peer->client : peer->widget;
    }
  }
  if (wanted == captured_) return;
  if (captured_ != nullptr && captured_->HasCapture()) captured_->ReleaseMouse();
  captured_ = wanted;
  if (wanted != nullptr) wanted->CaptureMouse();
}

void WxBackend::SyncFrames() {
  for (Window* top : Window::TopLevelWindows()) {
    auto* frame = dynamic_cast<MdiFrameWnd*>(top);
    WxPeer* peer = frame != nullptr ? PeerOf(*frame) : nullptr;
    if (peer != nullptr && peer->widget != nullptr) SyncMdiFrame(*frame, *peer);
  }
}

void WxBackend::SyncMdiFrame(MdiFrameWnd& frame, WxPeer& peer) {
  MirrorMenuBar(static_cast<wxFrame&>(*peer.widget), frame);
  if (peer.tabs != nullptr) peer.tabs->Sync(frame);
  for (Window* child : frame.Children()) {
    const WxPeer* childPeer = PeerOf(*child);
    if (dynamic_cast<MdiChildWnd*>(child) == nullptr || childPeer == nullptr ||
        childPeer->widget == nullptr) {
      continue;
    }
    const bool shown = ShownNatively(*child);
    if (childPeer->widget->IsShown() != shown) childPeer->widget->Show(shown);
  }
}

std::unique_ptr<PrintTarget> WxBackend::StartPrintJob(const std::string& documentName) {
  App* app = App::Current();
  const WxPeer* main = app != nullptr && app->GetMainWnd() != nullptr
                           ? PeerOf(*app->GetMainWnd())
                           : nullptr;
  const NativeModal holdsTheProgram;
  return ShowPrintDialog(main != nullptr ? main->widget : nullptr, documentName);
}

// Off-screen pictures (the circuit copied to the clipboard) are drawn as headless ones are.
std::unique_ptr<Dc> WxBackend::CreateMemoryDc(Size size) {
  return CairoDc::CreateImage(size.cx, size.cy);
}

std::unique_ptr<PreviewTarget> WxBackend::StartPreviewJob(Size box, int keep) {
  return PicturePrintTarget::Create(box, keep);
}

void WxBackend::TimersChanged() { ScheduleTimers(); }

void WxBackend::ScheduleTimers() {
  const uint64_t next = Timers::Instance().NextDue();
  if (next == UINT64_MAX) {
    timer_.Stop();
    return;
  }
  const uint64_t now = TheUiServices().TickCount();
  timer_.StartOnce(next <= now ? 1 : static_cast<int>(std::min<uint64_t>(next - now, INT_MAX)));
}

void WxBackend::DispatchTimers() {
  Timers& timers = Timers::Instance();
  timers.MarkDue(TheUiServices().TickCount());
  // A tick may open a modal loop, inside which the other timers go on.
  ScheduleTimers();
  while (timers.DispatchOne()) AfterInput();
  ScheduleTimers();
}

}  // namespace pf
