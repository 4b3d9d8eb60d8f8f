#include "pf/view.h"

#include <algorithm>

#include "pf/document.h"
#include "pf/frame.h"

namespace pf {

FrameWnd* View::GetParentFrame() const {
  for (Window* w = GetParent(); w != nullptr; w = w->GetParent()) {
    if (auto* frame = dynamic_cast<FrameWnd*>(w)) return frame;
  }
  return nullptr;
}

void View::OnUpdate(View*, long) { Invalidate(); }

void View::OnPaint(Dc& dc) {
  OnPrepareDC(dc);
  OnDraw(dc);
}

void View::OnDestroy() {
  if (FrameWnd* frame = GetParentFrame(); frame != nullptr && frame->GetActiveView() == this) {
    frame->SetActiveView(nullptr);
  }
  if (document_ != nullptr) document_->RemoveView(*this);
}

void ScrollView::SetScrollSizes(MapMode mode, Size total) {
  mode_ = mode;
  total_ = total;
  ScrollToPosition(pos_);
  ControlStateChanged();
}

void ScrollView::ScrollToPosition(Point p) {
  const Rect client = GetClientRect();
  const Point clamped{std::clamp(p.x, 0, std::max(0, total_.cx - client.Width())),
                      std::clamp(p.y, 0, std::max(0, total_.cy - client.Height()))};
  if (clamped == pos_) return;
  pos_ = clamped;
  ControlStateChanged();
}

void ScrollView::OnPrepareDC(Dc& dc) {
  dc.SetMapMode(mode_);
  dc.SetViewportOrg(-pos_.x, -pos_.y);
}

void ScrollView::OnSize(int, int) { ScrollToPosition(pos_); }

}  // namespace pf
