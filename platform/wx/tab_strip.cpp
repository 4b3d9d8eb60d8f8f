#include "tab_strip.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>

#include "convert.h"
#include "pf/document.h"
#include "pf/frame.h"
#include "wx_backend.h"

namespace pf {
namespace {

constexpr int kPadding = 10;
constexpr int kMarkSize = 8;
constexpr int kMaxTabWidth = 240;

std::vector<MdiChildWnd*> DocumentWindows(const MdiFrameWnd& frame) {
  std::vector<MdiChildWnd*> children;
  for (Window* w : frame.Children()) {
    if (auto* child = dynamic_cast<MdiChildWnd*>(w)) children.push_back(child);
  }
  return children;
}

}  // namespace

TabStrip::TabStrip(wxWindow* parent)
    : wxWindow(parent, wxID_ANY, wxDefaultPosition, wxSize(-1, kHeight)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &TabStrip::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &TabStrip::OnLeftDown, this);
}

void TabStrip::Sync(MdiFrameWnd& frame) {
  std::vector<Tab> tabs;
  wxClientDC dc(this);
  dc.SetFont(GetFont());
  int x = 2;
  for (const MdiChildWnd* child : DocumentWindows(frame)) {
    std::string label = child->GetWindowText();
    if (const Document* doc = child->GetActiveDocument(); doc != nullptr && doc->IsModified()) {
      label += '*';
    }
    const int text = dc.GetTextExtent(ToWx(label)).x;
    const int width = std::min(text + 3 * kPadding + kMarkSize, kMaxTabWidth);
    const wxRect rect(x, 3, width, kHeight - 3);
    const wxRect mark(rect.GetRight() - kPadding - kMarkSize + 1,
                      rect.y + (rect.height - kMarkSize) / 2, kMarkSize, kMarkSize);
    tabs.push_back({std::move(label), child == frame.MdiGetActive(), rect, mark});
    x += width + 2;
  }
  if (tabs == tabs_) return;
  tabs_ = std::move(tabs);
  Refresh(false);
}

void TabStrip::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
  const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
  dc.SetBackground(wxBrush(face));
  dc.Clear();
  dc.SetPen(wxPen(shadow));
  dc.DrawLine(0, kHeight - 1, GetClientSize().x, kHeight - 1);
  dc.SetFont(GetFont());
  for (const Tab& tab : tabs_) {
    dc.SetPen(wxPen(shadow));
    dc.SetBrush(wxBrush(tab.active ? *wxWHITE : face.ChangeLightness(95)));
    dc.DrawRectangle(tab.rect.x, tab.rect.y, tab.rect.width, tab.rect.height + (tab.active ? 1 : 0));
    dc.SetTextForeground(text);
    const wxRect textRect(tab.rect.x + kPadding, tab.rect.y, tab.closeMark.x - tab.rect.x - kPadding,
                          tab.rect.height);
    dc.SetClippingRegion(textRect);
    dc.DrawLabel(ToWx(tab.label), textRect, wxALIGN_LEFT | wxALIGN_CENTRE_VERTICAL);
    dc.DestroyClippingRegion();
    const wxRect& m = tab.closeMark;
    dc.SetPen(wxPen(text, 2));
    dc.DrawLine(m.GetLeft(), m.GetTop(), m.GetRight(), m.GetBottom());
    dc.DrawLine(m.GetLeft(), m.GetBottom(), m.GetRight(), m.GetTop());
  }
}

void TabStrip::OnLeftDown(wxMouseEvent& event) {
  WxBackend* backend = WxBackend::Current();
  auto* frame = dynamic_cast<MdiFrameWnd*>(backend != nullptr ? backend->ModelOf(GetParent())
                                                              : nullptr);
  if (frame == nullptr || !frame->IsWindowEnabled()) return;
  const std::vector<MdiChildWnd*> children = DocumentWindows(*frame);
  for (size_t i = 0; i < tabs_.size() && i < children.size(); ++i) {
    if (!tabs_[i].rect.Contains(event.GetPosition())) continue;
    // The mark's neighbourhood counts: it is small.
    if (tabs_[i].closeMark.Inflate(3).Contains(event.GetPosition())) {
      children[i]->Close();
    } else {
      frame->MdiActivate(children[i]);
    }
    break;
  }
  backend->AfterInput();
}

}  // namespace pf
