#include "pf/view.h"

#include <algorithm>

#include "pf/app.h"
#include "pf/backend.h"
#include "pf/command_ids.h"
#include "pf/document.h"
#include "pf/frame.h"
#include "pf/print_preview.h"

namespace pf {

View::View() {
  MapCommand(kIdFilePrint, [this] { OnFilePrint(); });
  MapCommand(kIdFilePrintPreview, [this] { OnFilePrintPreview(); });
}

View::~View() { DestroyWindow(); }

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

bool View::PrintTo(PrintTarget& target) {
  PrintInfo info;
  if (!OnPreparePrinting(info)) return false;
  Dc& dc = target.GetDc();
  const Size page = target.PageSize();
  OnBeginPrinting(dc, info);
  bool ok = true;
  for (info.currentPage = info.minPage; ok && info.continuePrinting &&
                                        info.currentPage <= info.maxPage;
       ++info.currentPage) {
    info.drawRect = {0, 0, page.cx, page.cy};
    OnPrint(dc, info);
    ok = target.EndPage();
  }
  OnEndPrinting(dc, info);
  return target.Finish() && ok;
}

void View::OnFilePrint() {
  const std::string title = document_ != nullptr ? document_->GetTitle() : GetWindowText();
  const std::unique_ptr<PrintTarget> target = TheBackend().StartPrintJob(title);
  if (target == nullptr || PrintTo(*target)) return;
  const App* app = App::Current();
  TheUiServices().MessageBox("Fehler beim Drucken von " + title,
                             app != nullptr ? app->AppName() : "", MsgButtons::Ok, MsgIcon::Error);
}

void View::OnFilePrintPreview() {
  if (preview_ != nullptr && preview_->IsCreated()) return;
  preview_ = std::make_unique<PrintPreview>(*this);
  preview_->Open();
}

void View::OnDestroy() {
  if (preview_ != nullptr) preview_->DestroyWindow();
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

Size ScrollView::LineSize() const {
  return {std::max(total_.cx / 100, 1), std::max(total_.cy / 100, 1)};
}

Size ScrollView::PageSize() const {
  return {std::max(total_.cx / 10, 1), std::max(total_.cy / 10, 1)};
}

void ScrollView::Wheel(int notches, bool sideways) {
  if (!IsWindowEnabled()) return;
  const Size line = LineSize();
  const int step = std::max(kWheelLines * (sideways ? line.cx : line.cy), kWheelMinimum);
  const int by = -notches * step;
  ScrollToPosition(sideways ? Point{pos_.x + by, pos_.y} : Point{pos_.x, pos_.y + by});
}

void ScrollView::OnKeyDown(int key, unsigned modifiers) {
  if (modifiers != 0 || (key != kVkPrior && key != kVkNext)) return;
  const int page = PageSize().cy;
  ScrollToPosition({pos_.x, pos_.y + (key == kVkNext ? page : -page)});
}

void ScrollView::OnPrepareDC(Dc& dc) {
  dc.SetMapMode(mode_);
  dc.SetViewportOrg(-pos_.x, -pos_.y);
}

void ScrollView::OnSize(int, int) { ScrollToPosition(pos_); }

}  // namespace pf
