#include "pf/property_sheet.h"

#include <algorithm>

#include "pf/dc.h"

namespace pf {

std::string PropertyPage::GetCaption() const {
  const DialogTemplate* t = FindTemplate();
  return t != nullptr && t->caption != nullptr ? t->caption : "";
}

bool PropertyPage::CreatePage(PropertySheet& sheet, Point origin) {
  return Build(nullptr, &sheet, origin);
}

PropertySheet::PropertySheet(std::string caption, Window* parent, int selectPage)
    : Dialog(parent), caption_(std::move(caption)), startPage_(selectPage) {}

void PropertySheet::AddPage(PropertyPage& page) { pages_.push_back(&page); }

PropertyPage* PropertySheet::GetPage(int index) const {
  return index >= 0 && index < GetPageCount() ? pages_[index] : nullptr;
}

bool PropertySheet::SetActivePage(int index) {
  PropertyPage* next = GetPage(index);
  if (next == nullptr) return false;
  if (index == active_) return true;
  if (PropertyPage* current = GetActivePage()) {
    if (!current->OnKillActive()) return false;
    current->ShowWindow(false);
  }
  if (!next->IsCreated() &&
      !next->CreatePage(
          *this, {DialogUnitsToPixelsX(kMargin), DialogUnitsToPixelsY(kMargin + kTabHeight)})) {
    return false;
  }
  active_ = index;
  next->OnSetActive();
  next->ShowWindow(true);
  // The focus left with the page that was hidden.
  if (const Window* focus = GetFocusedWindow(); focus == nullptr || !focus->IsWindowVisible()) {
    FocusFirstStop();
  }
  ControlStateChanged();
  return true;
}

std::vector<Rect> PropertySheet::TabRects() const {
  std::vector<Rect> tabs;
  const int top = DialogUnitsToPixelsY(kMargin);
  const int bottom = DialogUnitsToPixelsY(kMargin + kTabHeight);
  int left = DialogUnitsToPixelsX(kMargin);
  for (const PropertyPage* page : pages_) {
    // Four dialog units per character and a margin: the dialog font's average width.
    const int chars = static_cast<int>(page->GetCaption().size());
    const int right = left + DialogUnitsToPixelsX(4 * chars + 8);
    tabs.push_back({left, top, right, bottom});
    left = right;
  }
  return tabs;
}

int PropertySheet::DoModal() {
  int cx = 0;
  int cy = 0;
  for (const PropertyPage* page : pages_) {
    if (const DialogTemplate* t = page->FindTemplate()) {
      cx = std::max(cx, t->cx);
      cy = std::max(cy, t->cy);
    }
  }
  cx += 2 * kMargin;
  cy += kMargin + kTabHeight + kButtonRow;
  const int buttonsTop = cy - kButtonRow + 4;
  buttons_ = {ControlTemplate{ControlKind::PushButton, kIdOk, "OK", cx - 2 * (50 + kMargin),
                              buttonsTop, 50, 14, kStyleDefault},
              ControlTemplate{ControlKind::PushButton, kIdCancel, "Abbrechen", cx - 50 - kMargin,
                              buttonsTop, 50, 14, 0}};
  template_ = {0, nullptr, caption_.c_str(), cx, cy, buttons_};
  SetOwnTemplate(&template_);
  active_ = -1;
  // Pages store what they read when the user leaves them: only the sheet's OK keeps it.
  std::vector<Restore> kept = TakeKept();
  const int result = Dialog::DoModal();
  if (result != kIdOk) RunRestores(kept);
  return result;
}

std::vector<Window*> PropertySheet::TabOrder() {
  std::vector<Window*> order = Dialog::TabOrder();
  std::stable_partition(order.begin(), order.end(),
                        [this](const Window* w) { return w->GetParent() != this; });
  return order;
}

bool PropertySheet::OnInitDialog() {
  if (!SetActivePage(startPage_)) SetActivePage(0);
  return true;
}

void PropertySheet::OnOK() {
  if (PropertyPage* current = GetActivePage(); current != nullptr && !current->OnKillActive()) {
    return;
  }
  for (PropertyPage* page : pages_) {
    if (page->IsCreated()) page->OnOK();
  }
  EndDialog(kIdOk);
}

void PropertySheet::OnCancel() {
  for (PropertyPage* page : pages_) {
    if (page->IsCreated()) page->OnCancel();
  }
  EndDialog(kIdCancel);
}

void PropertySheet::OnPaint(Dc& dc) {
  const std::vector<Rect> tabs = TabRects();
  dc.SelectObject(GetFont());
  dc.SetBkMode(BkMode::Transparent);
  for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
    const Rect& r = tabs[i];
    const Brush face{BrushStyle::Solid, i == active_ ? Rgb(255, 255, 255) : Rgb(225, 225, 225)};
    dc.SelectObject(face);
    dc.SelectObject(Pen{PenStyle::Solid, 1, Rgb(160, 160, 160)});
    dc.Rectangle(i == active_ ? r.Offset(0, -2) : r);
    const std::string caption = pages_[i]->GetCaption();
    const Size extent = dc.GetTextExtent(caption);
    dc.TextOut(r.left + (r.Width() - extent.cx) / 2, r.top + (r.Height() - extent.cy) / 2, caption);
  }
}

void PropertySheet::OnLButtonDown(unsigned, Point p) {
  const std::vector<Rect> tabs = TabRects();
  for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
    if (tabs[i].Contains(p)) SetActivePage(i);
  }
}

}  // namespace pf
