#include "drawn_control.h"

#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <string>
#include <utility>
#include <vector>

#include "convert.h"
#include "pf/controls.h"
#include "pf/frame.h"
#include "wx_backend.h"

namespace pf {
namespace {

// The buttons of a toolbar with their rectangles, as the model places them.
std::vector<std::pair<int, wxRect>> ToolLayout(const ToolBar& bar) {
  std::vector<std::pair<int, wxRect>> layout;
  for (int i = 0; i < static_cast<int>(bar.Buttons().size()); ++i) {
    if (bar.Buttons()[i].style == ToolStyle::Separator) continue;
    const Rect r = bar.ButtonRect(i);
    layout.emplace_back(i, wxRect(r.left, r.top, r.Width(), r.Height() - 1));
  }
  return layout;
}

// A button's picture; a disabled button shows its drawn pixels grey.
wxBitmap Picture(const Bitmap& picture, bool enabled) {
  const wxImage image = ToWxImage(picture);
  return wxBitmap(enabled ? image : image.ConvertToDisabled());
}

void Arrow(wxDC& dc, const wxRect& r, bool up, const wxColour& colour) {
  const int cx = r.x + r.width / 2;
  const int cy = r.y + r.height / 2;
  const int d = up ? -1 : 1;
  const wxPoint points[] = {{cx - 3, cy - d * 2}, {cx + 3, cy - d * 2}, {cx, cy + d}};
  dc.SetPen(wxPen(colour));
  dc.SetBrush(wxBrush(colour));
  dc.DrawPolygon(3, points);
}

void DrawRadio(wxWindow* win, wxDC& dc, const Button& b, const wxSize& size) {
  wxRendererNative& renderer = wxRendererNative::Get();
  const wxSize box = renderer.GetCheckBoxSize(win);
  int flags = b.GetCheck() != 0 ? int{wxCONTROL_CHECKED} : 0;
  if (!b.IsWindowEnabled()) flags |= wxCONTROL_DISABLED;
  if (win->HasFocus()) flags |= wxCONTROL_FOCUSED;
  renderer.DrawRadioBitmap(win, dc, wxRect(wxPoint(0, (size.y - box.y) / 2), box), flags);
  dc.SetFont(win->GetFont());
  dc.SetTextForeground(wxSystemSettings::GetColour(b.IsWindowEnabled() ? wxSYS_COLOUR_WINDOWTEXT
                                                                       : wxSYS_COLOUR_GRAYTEXT));
  const wxString label = ToWx(b.GetWindowText());
  const wxSize extent = dc.GetTextExtent(label);
  dc.DrawText(label, box.x + 4, (size.y - extent.y) / 2);
  if (win->HasFocus()) {
    renderer.DrawFocusRect(win, dc, wxRect(box.x + 2, (size.y - extent.y) / 2 - 1, extent.x + 4,
                                           extent.y + 2));
  }
}

void DrawUpDown(wxWindow* win, wxDC& dc, const Control& c, const wxSize& size) {
  wxRendererNative& renderer = wxRendererNative::Get();
  const int flags = c.IsWindowEnabled() ? 0 : int{wxCONTROL_DISABLED};
  const wxColour arrow = wxSystemSettings::GetColour(c.IsWindowEnabled() ? wxSYS_COLOUR_BTNTEXT
                                                                         : wxSYS_COLOUR_GRAYTEXT);
  const wxRect upper(0, 0, size.x, size.y / 2);
  const wxRect lower(0, size.y / 2, size.x, size.y - size.y / 2);
  renderer.DrawPushButton(win, dc, upper, flags);
  renderer.DrawPushButton(win, dc, lower, flags);
  Arrow(dc, upper, true, arrow);
  Arrow(dc, lower, false, arrow);
}

void DrawToolBar(wxWindow* win, wxDC& dc, const ToolBar& bar) {
  wxRendererNative& renderer = wxRendererNative::Get();
  dc.SetFont(win->GetFont());
  for (const auto& [index, r] : ToolLayout(bar)) {
    const ToolButton& b = bar.Buttons()[index];
    int flags = b.check != 0 ? int{wxCONTROL_PRESSED} : 0;
    if (!b.enabled || !bar.IsWindowEnabled()) flags |= wxCONTROL_DISABLED;
    renderer.DrawPushButton(win, dc, r, flags);
    const bool enabled = (flags & wxCONTROL_DISABLED) == 0;
    if (!b.picture.IsEmpty()) {
      dc.DrawLabel("", Picture(b.picture, enabled), r, wxALIGN_CENTRE);
      continue;
    }
    // A button without a picture shows its command number.
    dc.SetTextForeground(
        wxSystemSettings::GetColour(enabled ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT));
    dc.DrawLabel(std::to_string(b.id % 100), r, wxALIGN_CENTRE);
  }
}

void DrawStatusBar(wxWindow* win, wxDC& dc, const Window& bar, const wxSize& size) {
  dc.SetPen(wxPen(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW)));
  dc.DrawLine(0, 0, size.x, 0);
  dc.SetFont(win->GetFont());
  dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
  dc.DrawLabel(ToWx(bar.GetWindowText()), wxRect(4, 1, size.x - 8, size.y - 1),
               wxALIGN_LEFT | wxALIGN_CENTRE_VERTICAL);
}

FrameWnd* FrameOfBar(const Window& bar) { return dynamic_cast<FrameWnd*>(bar.GetParent()); }

}  // namespace

DrawnControl::DrawnControl(wxWindow* parent, Look look)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE),
      look_(look) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &DrawnControl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &DrawnControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &DrawnControl::OnLeftDown, this);
  // A radio button shows whether it has the focus.
  if (look == Look::Radio) {
    for (const auto type : {wxEVT_SET_FOCUS, wxEVT_KILL_FOCUS}) {
      Bind(type, [this](wxFocusEvent& event) {
        event.Skip();
        Refresh(false);
      });
    }
  }
  if (look == Look::ToolBar) {
    Bind(wxEVT_MOTION, &DrawnControl::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &DrawnControl::OnLeave, this);
  }
}

void DrawnControl::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  const WxBackend* backend = WxBackend::Current();
  const Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr) return;
  // The parent's background shows around what is drawn.
  const ColorRef bg = window->GetParent() != nullptr ? window->GetParent()->GetBackgroundColor()
                                                     : window->GetBackgroundColor();
  const wxSize size = GetClientSize();
  dc.SetBackground(look_ == Look::StatusBar || look_ == Look::ToolBar
                       ? wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE))
                       : wxBrush(wxColour(RedOf(bg), GreenOf(bg), BlueOf(bg))));
  dc.Clear();
  if (look_ == Look::Radio) {
    DrawRadio(this, dc, static_cast<const Button&>(*window), size);
  } else if (look_ == Look::UpDown) {
    DrawUpDown(this, dc, static_cast<const Control&>(*window), size);
  } else if (look_ == Look::Picture) {
    const Bitmap picture = static_cast<const StaticBitmap&>(*window).GetBitmap();
    if (!picture.IsEmpty()) dc.DrawBitmap(wxBitmap(ToWxImage(picture)), 0, 0);
  } else if (look_ == Look::ToolBar) {
    DrawToolBar(this, dc, static_cast<const ToolBar&>(*window));
  } else {
    DrawStatusBar(this, dc, *window, size);
  }
}

void DrawnControl::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr) return;
  if (look_ == Look::Radio) {
    SetFocus();
    backend->TakeNativeFocus(*window->GetTopLevelParent());
    static_cast<Button*>(window)->Click();
  } else if (look_ == Look::UpDown) {
    static_cast<UpDown*>(window)->Spin(event.GetY() < GetClientSize().y / 2);
  } else if (look_ == Look::ToolBar) {
    auto* bar = static_cast<ToolBar*>(window);
    for (const auto& [index, r] : ToolLayout(*bar)) {
      if (r.Contains(event.GetPosition())) {
        bar->PressButton(index);
        break;
      }
    }
  }
  backend->AfterInput();
}

void DrawnControl::OnMotion(wxMouseEvent& event) {
  event.Skip();
  WxBackend* backend = WxBackend::Current();
  auto* bar = dynamic_cast<ToolBar*>(backend != nullptr ? backend->ModelOf(this) : nullptr);
  if (bar == nullptr) return;
  const int index = bar->ButtonAt({event.GetX(), event.GetY()});
  const wxString tip = index >= 0 ? ToWx(bar->Buttons()[index].toolTip) : wxString();
  if (GetToolTipText() != tip) {
    if (tip.empty()) {
      UnsetToolTip();
    } else {
      SetToolTip(tip);
    }
  }
  bar->Mouse(MouseAction::Move, {event.GetX(), event.GetY()});
  backend->AfterInput();
}

void DrawnControl::OnLeave(wxMouseEvent& event) {
  event.Skip();
  WxBackend* backend = WxBackend::Current();
  const Window* bar = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (FrameWnd* frame = bar != nullptr ? FrameOfBar(*bar) : nullptr) frame->ShowPrompt(0);
}

}  // namespace pf
