#include "canvas.h"

#include <wx/bitmap.h>
#include <wx/dcclient.h>
#include <wx/image.h>

#include <algorithm>
#include <cstdint>

#include "convert.h"
#include "pf/view.h"
#include "wx_backend.h"

namespace pf {
namespace {

// The part r of an RGB24 Cairo image as a bitmap of the screen's depth.
wxBitmap ToBitmap(cairo_surface_t* image, const wxRect& r) {
  cairo_surface_flush(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  wxImage out(r.width, r.height, false);
  unsigned char* rgb = out.GetData();
  for (int y = 0; y < r.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + (r.y + y) * stride) + r.x;
    for (int x = 0; x < r.width; ++x) {
      *rgb++ = static_cast<unsigned char>(row[x] >> 16);
      *rgb++ = static_cast<unsigned char>(row[x] >> 8);
      *rgb++ = static_cast<unsigned char>(row[x]);
    }
  }
  return wxBitmap(out);
}

// Where a scroll bar event moves the position on its axis, in the view's steps.
int ScrollTarget(const wxScrollWinEvent& event, int pos, int total, int line, int page) {
  const wxEventType type = event.GetEventType();
  if (type == wxEVT_SCROLLWIN_TOP) return 0;
  if (type == wxEVT_SCROLLWIN_BOTTOM) return total;
  if (type == wxEVT_SCROLLWIN_LINEUP) return pos - line;
  if (type == wxEVT_SCROLLWIN_LINEDOWN) return pos + line;
  if (type == wxEVT_SCROLLWIN_PAGEUP) return pos - page;
  if (type == wxEVT_SCROLLWIN_PAGEDOWN) return pos + page;
  return event.GetPosition();  // thumb track and release
}

}  // namespace

Canvas::Canvas(wxWindow* parent, bool scrollBars)
    : wxWindow(
          parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
          wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE | (scrollBars ? wxHSCROLL | wxVSCROLL : 0)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &Canvas::OnPaint, this);
  for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_LEFT_DCLICK, wxEVT_MOTION}) {
    Bind(type, &Canvas::OnMouse, this);
  }
  Bind(wxEVT_KEY_DOWN, &Canvas::OnKeyDown, this);
  // Another window or the toolkit took the mouse: a drag in the model ends without its button
  // release.
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) { Window::ReleaseCapture(); });
  if (!scrollBars) return;
  Bind(wxEVT_MOUSEWHEEL, &Canvas::OnWheel, this);
  for (const auto type :
       {wxEVT_SCROLLWIN_TOP, wxEVT_SCROLLWIN_BOTTOM, wxEVT_SCROLLWIN_LINEUP,
        wxEVT_SCROLLWIN_LINEDOWN, wxEVT_SCROLLWIN_PAGEUP, wxEVT_SCROLLWIN_PAGEDOWN,
        wxEVT_SCROLLWIN_THUMBTRACK, wxEVT_SCROLLWIN_THUMBRELEASE}) {
    Bind(type, &Canvas::OnScroll, this);
  }
}

void Canvas::MirrorScrollBars(const ScrollView& view) {
  const Rect client = view.GetClientRect();
  const Point pos = view.GetScrollPosition();
  const Size total = view.GetTotalSize();
  SetScrollbar(wxHORIZONTAL, pos.x, client.Width(), total.cx);
  SetScrollbar(wxVERTICAL, pos.y, client.Height(), total.cy);
}

void Canvas::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr) return;
  backend->PaintSurface(*window);
  cairo_surface_t* image = WxBackend::PeerOf(*window)->surface.Image();
  if (image == nullptr) return;
  const wxRect box = GetUpdateRegion().GetBox().Intersect(
      wxRect(0, 0, cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)));
  if (!box.IsEmpty()) dc.DrawBitmap(ToBitmap(image, box), box.x, box.y);
}

void Canvas::OnMouse(wxMouseEvent& event) {
  event.Skip();
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr) return;
  MouseAction action = MouseAction::Move;
  if (event.LeftDown()) {
    action = MouseAction::LButtonDown;
    // A view takes the keyboard; a dialog's background leaves it with the control that has it.
    if (GetChildren().IsEmpty()) SetFocus();
  } else if (event.LeftUp()) {
    action = MouseAction::LButtonUp;
  } else if (event.LeftDClick()) {
    action = MouseAction::LButtonDblClk;
  }
  // Mouse input carries no Alt flag.
  unsigned flags = Modifiers(event) & ~kMkAlt;
  if (event.LeftIsDown() && action != MouseAction::LButtonUp) flags |= kMkLButton;
  Point p{event.GetX(), event.GetY()};
  Window* target = Window::GetCapture();
  if (target != nullptr && target != window) {
    p = target->ScreenToClient(window->ClientToScreen(p));
  } else {
    target = window;
  }
  target->Mouse(action, p, flags);
  backend->AfterInput();
}

void Canvas::OnKeyDown(wxKeyEvent& event) {
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  const int key = VirtualKey(event.GetKeyCode());
  // Alt with a letter opens the menu of its mnemonic ("Alt+D": "Datei").
  if (window == nullptr || key == 0 || (Modifiers(event) & kMkAlt) != 0) {
    event.Skip();
    return;
  }
  window->KeyDown(key, Modifiers(event));
  backend->AfterInput();
}

void Canvas::OnScroll(wxScrollWinEvent& event) {
  WxBackend* backend = WxBackend::Current();
  auto* view = dynamic_cast<ScrollView*>(backend != nullptr ? backend->ModelOf(this) : nullptr);
  if (view == nullptr) return;
  Point pos = view->GetScrollPosition();
  const Size line = view->LineSize();
  const Size page = view->PageSize();
  if (event.GetOrientation() == wxHORIZONTAL) {
    pos.x = ScrollTarget(event, pos.x, view->GetTotalSize().cx, line.cx, page.cx);
  } else {
    pos.y = ScrollTarget(event, pos.y, view->GetTotalSize().cy, line.cy, page.cy);
  }
  view->ScrollToPosition(pos);
  backend->AfterInput();
}

void Canvas::OnWheel(wxMouseEvent& event) {
  WxBackend* backend = WxBackend::Current();
  auto* view = dynamic_cast<ScrollView*>(backend != nullptr ? backend->ModelOf(this) : nullptr);
  if (view == nullptr || event.GetWheelDelta() <= 0) {
    event.Skip();
    return;
  }
  // Fine wheels send parts of a notch, which add up. A sideways wheel turned right gives a
  // positive rotation, which scrolls right; Shift turns the wheel sideways.
  const bool sideways = event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL;
  wheelRest_ += sideways ? -event.GetWheelRotation() : event.GetWheelRotation();
  const int notches = wheelRest_ / event.GetWheelDelta();
  wheelRest_ -= notches * event.GetWheelDelta();
  if (notches == 0) return;
  view->Wheel(notches, sideways || event.ShiftDown());
  backend->AfterInput();
}

}  // namespace pf
