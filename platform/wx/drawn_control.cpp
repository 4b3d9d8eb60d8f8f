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

constexpr int kToolButton = 23;

// The buttons of a toolbar with their rectangles, in rows that break after a wrap button.
std::vector<std::pair<int, wxRect>> ToolLayout(const ToolBar& bar) {
  std::vector<std::pair<int, wxRect>> layout;
  int x = 2;
  int y = 2;
  const auto& buttons = bar.Buttons();
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
    if (buttons[i].style == ToolStyle::Separator) {
      x += 8;
    } else {
      layout.emplace_back(i, wxRect(x, y, kToolButton, kToolButton - 1));
      x += kToolButton;
    }
    if (buttons[i].wrap) {
      x = 2;
      y += kToolButton;
    }
  }
  return layout;
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
  renderer.DrawRadioBitmap(win, dc, wxRect(wxPoint(0, (size.y - box.y) / 2), box), flags);
  dc.SetFont(win->GetFont());
  dc.SetTextForeground(wxSystemSettings::GetColour(b.IsWindowEnabled() ? wxSYS_COLOUR_WINDOWTEXT
                                                                       : wxSYS_COLOUR_GRAYTEXT));
  const wxString label = ToWx(b.GetWindowText());
  const wxSize extent = dc.GetTextExtent(label);
  dc.DrawText(label, box.x + 4, (size.y - extent.y) / 2);
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
    // The buttons have no pictures yet: they show their command number.
    dc.SetTextForeground(wxSystemSettings::GetColour(
        (flags & wxCONTROL_DISABLED) != 0 ? wxSYS_COLOUR_GRAYTEXT : wxSYS_COLOUR_BTNTEXT));
    dc.DrawLabel(std::to_string(b.id % 100), r, wxALIGN_CENTRE);
  }
}

}  // namespace

DrawnControl::DrawnControl(wxWindow* parent, Look look)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxFULL_REPAINT_ON_RESIZE),
      look_(look) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &DrawnControl::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &DrawnControl::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &DrawnControl::OnLeftDown, this);
  Bind(wxEVT_KEY_DOWN, &DrawnControl::OnKeyDown, this);
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
  dc.SetBackground(wxBrush(wxColour(RedOf(bg), GreenOf(bg), BlueOf(bg))));
  dc.Clear();
  if (look_ == Look::Radio) {
    DrawRadio(this, dc, static_cast<const Button&>(*window), size);
  } else if (look_ == Look::UpDown) {
    DrawUpDown(this, dc, static_cast<const Control&>(*window), size);
  } else {
    DrawToolBar(this, dc, static_cast<const ToolBar&>(*window));
  }
}

void DrawnControl::OnLeftDown(wxMouseEvent& event) {
  event.Skip();
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr) return;
  if (look_ == Look::Radio) {
    SetFocus();
    static_cast<Button*>(window)->Click();
  } else if (look_ == Look::UpDown) {
    static_cast<UpDown*>(window)->Spin(event.GetY() < GetClientSize().y / 2);
  } else {
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

void DrawnControl::OnKeyDown(wxKeyEvent& event) {
  WxBackend* backend = WxBackend::Current();
  Window* window = backend != nullptr ? backend->ModelOf(this) : nullptr;
  if (window == nullptr || look_ != Look::Radio || event.GetKeyCode() != WXK_SPACE) {
    event.Skip();
    return;
  }
  static_cast<Button*>(window)->Click();
  backend->AfterInput();
}

}  // namespace pf
