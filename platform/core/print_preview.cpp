#include "pf/print_preview.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "pf/backend.h"
#include "pf/command_ids.h"
#include "pf/dc.h"
#include "pf/document.h"

namespace pf {
namespace {

struct BarButton {
  int id;
  const char* text;
  int width;
};

constexpr BarButton kBarButtons[] = {
    {kIdPreviewPrint, "&Drucken...", 90},      {kIdPreviewNext, "&Nächste Seite", 110},
    {kIdPreviewPrev, "&Vorherige Seite", 120}, {kIdPreviewZoomIn, "Ver&größern", 90},
    {kIdPreviewZoomOut, "Ver&kleinern", 90},   {kIdPreviewClose, "&Schließen", 90},
};
constexpr int kGap = 6;
constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 24;
constexpr int kPageNumberWidth = 140;

}  // namespace

void PreviewPage::SetPicture(Bitmap picture) {
  picture_ = std::move(picture);
  SetScrollSizes(MapMode::Text, {picture_.Width() + 2 * kMargin, picture_.Height() + 2 * kMargin});
  Invalidate();
}

Rect PreviewPage::PictureRect() const {
  // Centred while it is smaller than the area, else a margin from the edge.
  const Rect client = GetClientRect();
  const int left = std::max(kMargin, (client.Width() - picture_.Width()) / 2);
  const int top = std::max(kMargin, (client.Height() - picture_.Height()) / 2);
  return {left, top, left + picture_.Width(), top + picture_.Height()};
}

void PreviewPage::OnDraw(Dc& dc) {
  const Rect client = GetClientRect();
  const Point at = GetScrollPosition();
  const Rect seen = client.Offset(at.x, at.y);
  dc.FillRect(seen, Brush{BrushStyle::Solid, kGround});
  if (picture_.IsEmpty()) return;
  const Rect r = PictureRect();
  const Pen oldPen = dc.SelectObject(Pen{PenStyle::Solid, 1, Rgb(0, 0, 0)});
  const GdiObject oldBrush = dc.SelectStockObject(StockObject::NullBrush);
  dc.Rectangle({r.left - 1, r.top - 1, r.right + 1, r.bottom + 1});
  dc.SelectObject(oldPen);
  dc.SelectObject(oldBrush);
  // Only the part in sight: a zoomed picture is large.
  const Rect part{std::max(r.left, seen.left), std::max(r.top, seen.top),
                  std::min(r.right, seen.right), std::min(r.bottom, seen.bottom)};
  if (part.IsEmpty()) return;
  dc.BitBlt(part.left, part.top, part.Width(), part.Height(), picture_, part.left - r.left,
            part.top - r.top);
}

PrintPreview::PrintPreview(View& view) : view_(view) {
  for (std::size_t i = 0; i < std::size(kBarButtons); ++i) {
    buttons_.push_back(std::make_unique<Button>(ControlKind::PushButton));
  }
  MapCommand(kIdPreviewPrint, [this] { Print(); });
  MapCommand(kIdPreviewNext, [this] { Show(current_ + 1, zoom_); });
  MapCommand(kIdPreviewPrev, [this] { Show(current_ - 1, zoom_); });
  MapCommand(kIdPreviewZoomIn, [this] { Show(current_, zoom_ + 1); });
  MapCommand(kIdPreviewZoomOut, [this] { Show(current_, zoom_ - 1); });
  MapCommand(kIdPreviewClose, [this] { Close(); });
  MapUpdate(kIdPreviewNext, [this](CmdUI& ui) { ui.Enable(current_ < pages_); });
  MapUpdate(kIdPreviewPrev, [this](CmdUI& ui) { ui.Enable(current_ > 1); });
  MapUpdate(kIdPreviewZoomIn,
            [this](CmdUI& ui) { ui.Enable(zoom_ + 1 < static_cast<int>(kZoomFactors.size())); });
  MapUpdate(kIdPreviewZoomOut, [this](CmdUI& ui) { ui.Enable(zoom_ > 0); });
}

bool PrintPreview::Open() {
  Window* frame = view_.GetTopLevelParent();
  const Document* doc = view_.GetDocument();
  const std::string title = doc != nullptr ? doc->GetTitle() : view_.GetWindowText();
  if (!CreateTopLevel(frame, TheBackend().CoveringRect(*frame), title + " - Seitenansicht")) {
    return false;
  }
  int x = kGap;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const BarButton& b = kBarButtons[i];
    buttons_[i]->CreateChild(*this, b.id, {x, kButtonTop, x + b.width, kButtonTop + kButtonHeight},
                             b.text);
    x += b.width + kGap;
  }
  pageNumber_.CreateChild(
      *this, 0,
      {x + kGap, kButtonTop + 5, x + kGap + kPageNumberWidth, kButtonTop + kButtonHeight});
  page_.CreateChild(*this, 0, {});
  OnSize(GetRect().Width(), GetRect().Height());
  if (!Render()) {
    DestroyWindow();
    return false;
  }
  UpdateBar();
  frame->EnableWindow(false);
  ShowWindow(true);
  return true;
}

bool PrintPreview::Render() {
  const Rect area = page_.GetClientRect();
  const int factor = kZoomFactors[zoom_];
  const Size box{std::max(1, (area.Width() - 2 * PreviewPage::kMargin) * factor),
                 std::max(1, (area.Height() - 2 * PreviewPage::kMargin) * factor)};
  std::unique_ptr<PreviewTarget> target = TheBackend().StartPreviewJob(box, current_);
  if (target == nullptr || !view_.PrintTo(*target) || target->Picture().IsEmpty()) {
    return false;
  }
  pages_ = target->Pages();
  page_.SetPicture(target->Picture());
  return true;
}

void PrintPreview::Show(int page, int zoom) {
  const int oldPage = current_;
  const int oldZoom = zoom_;
  current_ = std::clamp(page, 1, std::max(pages_, 1));
  zoom_ = std::clamp(zoom, 0, static_cast<int>(kZoomFactors.size()) - 1);
  if (current_ == oldPage && zoom_ == oldZoom) return;
  // A page that cannot be pictured leaves the one shown.
  if (!Render()) {
    current_ = oldPage;
    zoom_ = oldZoom;
  }
  UpdateBar();
}

void PrintPreview::Print() {
  // The print dialog comes over the frame, which takes input again.
  Close();
  view_.Command(kIdFilePrint);
}

void PrintPreview::UpdateBar() {
  for (const auto& button : buttons_) {
    CmdUI ui{button->GetDlgCtrlID(), true, 0, std::nullopt};
    UpdateCommand(ui);
    button->EnableWindow(ui.enabled);
  }
  pageNumber_.SetWindowText("Seite " + std::to_string(current_) + " von " + std::to_string(pages_));
}

bool PrintPreview::TranslateAccelerator(int key, unsigned modifiers) {
  if (key != kVkEscape || modifiers != 0) return false;
  Close();
  return true;
}

void PrintPreview::OnSize(int cx, int cy) {
  page_.MoveWindow({0, kBarHeight, cx, std::max(kBarHeight, cy)});
  // The whole page stays in sight at the first step of the zoom.
  if (pages_ > 0) Render();
}

void PrintPreview::OnDestroy() {
  if (Window* frame = GetOwner()) frame->EnableWindow(true);
}

}  // namespace pf
