#include "pf/controls.h"

#include <algorithm>
#include <charconv>

#include "pf/dc.h"
#include "pf/resource.h"

namespace pf {
namespace {

// Lower case for ASCII and the Latin-1 letters (two-byte UTF-8 sequences C3 80..9E, × aside),
// which covers the German texts of the system.
std::string Fold(std::string_view s) {
  std::string out(s);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < out.size()) {
      const auto d = static_cast<unsigned char>(out[i + 1]);
      if (d >= 0x80 && d <= 0x9E && d != 0x97) out[i + 1] = static_cast<char>(d + 0x20);
      ++i;
    }
  }
  return out;
}

// The first maxChars code points of a UTF-8 text.
std::string_view CutToChars(std::string_view s, int maxChars) {
  int chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
    if (chars == maxChars) return s.substr(0, i);
    ++chars;
  }
  return s;
}

}  // namespace

std::unique_ptr<Control> Control::Make(ControlKind kind, unsigned style) {
  switch (kind) {
    case ControlKind::Static:
    case ControlKind::OwnerDraw:
      return std::make_unique<Static>(kind, style);
    case ControlKind::Edit:
      return std::make_unique<Edit>(kind, style);
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::GroupBox:
      return std::make_unique<Button>(kind, style);
    case ControlKind::ListBox:
      return std::make_unique<ListBox>(kind, style);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBox>(kind, style);
    case ControlKind::Progress:
      return std::make_unique<Progress>(kind, style);
    case ControlKind::UpDown:
      return std::make_unique<UpDown>(kind, style);
    case ControlKind::Bitmap:
      return std::make_unique<StaticBitmap>(kind, style);
  }
  return nullptr;
}

void Control::NotifyParent(Notification code) {
  if (GetParent() != nullptr) GetParent()->OnCommand(GetDlgCtrlID(), code);
}

void Static::OnPaint(Dc& dc) {
  if (Kind() == ControlKind::OwnerDraw && GetParent() != nullptr) {
    GetParent()->OnDrawItem(GetDlgCtrlID(), dc, GetClientRect());
  }
}

void StaticBitmap::SetBitmap(Bitmap bitmap) {
  bitmap_ = std::move(bitmap);
  ControlStateChanged();
}

Bitmap StaticBitmap::GetBitmap() const {
  if (bitmap_) return *bitmap_;
  const std::string& text = GetWindowText();
  int id = 0;
  std::from_chars(text.data(), text.data() + text.size(), id);
  return LoadBitmap(id);
}

void Button::SetCheck(int state) {
  if (check_ == state) return;
  check_ = state;
  ControlStateChanged();
}

void Button::Click() {
  if (!TakesInput() || Kind() == ControlKind::GroupBox) return;
  if (Kind() == ControlKind::CheckBox) {
    SetCheck(check_ == 0 ? 1 : 0);
  } else if (Kind() == ControlKind::RadioButton) {
    const auto& siblings = GetParent()->Children();
    const auto [first, end] = GroupSpan();
    for (std::size_t i = first; i < end; ++i) {
      auto* radio = dynamic_cast<Button*>(siblings[i]);
      if (radio != nullptr && radio != this && radio->Kind() == ControlKind::RadioButton) {
        radio->SetCheck(0);
      }
    }
    SetCheck(1);
  }
  NotifyParent(Notification::Clicked);
}

std::pair<std::size_t, std::size_t> Button::GroupSpan() const {
  const auto& siblings = GetParent()->Children();
  const auto starts = [&siblings](std::size_t i) {
    const auto* c = dynamic_cast<const Control*>(siblings[i]);
    return c != nullptr && c->HasStyle(kStyleGroup);
  };
  std::size_t first = static_cast<std::size_t>(
      std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
  while (first > 0 && !starts(first)) --first;
  std::size_t end = first + 1;
  while (end < siblings.size() && !starts(end)) ++end;
  return {first, end};
}

bool Button::IsGroupStop() const {
  if (Kind() != ControlKind::RadioButton || GetParent() == nullptr) return true;
  if (check_ != 0) return true;
  const auto& siblings = GetParent()->Children();
  const auto [first, end] = GroupSpan();
  const Button* firstRadio = nullptr;
  for (std::size_t i = first; i < end; ++i) {
    const auto* radio = dynamic_cast<const Button*>(siblings[i]);
    if (radio == nullptr || radio->Kind() != ControlKind::RadioButton) continue;
    if (radio->GetCheck() != 0) return false;
    if (firstRadio == nullptr) firstRadio = radio;
  }
  return firstRadio == this;
}

Button& Button::NeighbourInGroup(bool backward) {
  const auto& siblings = GetParent()->Children();
  const auto [first, end] = GroupSpan();
  const std::size_t n = end - first;
  const std::size_t at = static_cast<std::size_t>(
      std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
  for (std::size_t step = 1; step < n; ++step) {
    const std::size_t i = first + (at - first + (backward ? n - step : step)) % n;
    auto* radio = dynamic_cast<Button*>(siblings[i]);
    if (radio != nullptr && radio->Kind() == ControlKind::RadioButton && radio->IsVisible() &&
        radio->IsEnabled()) {
      return *radio;
    }
  }
  return *this;
}

void Edit::LimitText(int maxChars) { limit_ = maxChars > 0 ? maxChars : kDefaultLimit; }

void Edit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  ControlStateChanged();
}

void Edit::UserType(std::string_view text) {
  if (!TakesInput() || IsReadOnly()) return;
  SetWindowText(CutToChars(text, limit_));
}

void Edit::UserTypeChars(std::string_view chars) {
  if (!TakesInput() || IsReadOnly()) return;
  SetSel(selStart_, selEnd_);  // within the text as it stands
  const std::string& text = GetWindowText();
  const std::string before = text.substr(0, selStart_) + std::string(chars);
  UserType(before + text.substr(selEnd_));
  // The caret behind the typed characters, or at the end when the limit cut them (SetSel clamps).
  const int caret = static_cast<int>(before.size());
  SetSel(caret, caret);
}

void Edit::SetSel(int start, int end) {
  const int size = static_cast<int>(GetWindowText().size());
  selEnd_ = end < 0 || end > size ? size : end;
  selStart_ = std::clamp(start, 0, selEnd_);
}

void Edit::OnTextSet() {
  selStart_ = selEnd_ = 0;
  NotifyParent(Notification::Changed);
}

int ListControl::AddString(std::string_view text) { return InsertString(-1, text); }

int ListControl::InsertString(int index, std::string_view text) {
  if (index < -1 || index > GetCount()) return kErr;
  if (index == -1) index = GetCount();
  items_.insert(items_.begin() + index, std::string(text));
  if (sel_ >= index) ++sel_;
  ControlStateChanged();
  return index;
}

int ListControl::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return kErr;
  items_.erase(items_.begin() + index);
  if (sel_ == index) {
    SetCurSel(kErr);
  } else if (sel_ > index) {
    --sel_;
  }
  ControlStateChanged();
  return GetCount();
}

void ListControl::ResetContent() {
  items_.clear();
  SetCurSel(kErr);
  ControlStateChanged();
}

std::string ListControl::GetText(int index) const {
  return index >= 0 && index < GetCount() ? items_[index] : std::string();
}

int ListControl::SetCurSel(int index) {
  const bool valid = index >= 0 && index < GetCount();
  sel_ = valid ? index : kErr;
  SelectionSet();
  ControlStateChanged();
  return valid ? index : kErr;
}

int ListControl::Find(int start, std::string_view text, bool prefix) const {
  const int n = GetCount();
  if (n == 0) return kErr;
  const std::string wanted = Fold(text);
  const int from = (start < -1 || start >= n) ? 0 : start + 1;
  for (int k = 0; k < n; ++k) {
    const int i = (from + k) % n;
    const std::string item = Fold(items_[i]);
    if (prefix ? item.starts_with(wanted) : item == wanted) return i;
  }
  return kErr;
}

int ListControl::FindString(int start, std::string_view prefix) const {
  return Find(start, prefix, true);
}

int ListControl::FindStringExact(int start, std::string_view text) const {
  return Find(start, text, false);
}

int ListControl::SelectString(int start, std::string_view prefix) {
  const int i = FindString(start, prefix);
  return i == kErr ? kErr : SetCurSel(i);
}

int ListControl::SelectEqual(std::string_view text) {
  const auto item = std::find(items_.begin(), items_.end(), text);
  return SetCurSel(item == items_.end() ? kErr : static_cast<int>(item - items_.begin()));
}

void ListControl::UserSelect(int index) {
  if (!TakesInput() || index < 0 || index >= GetCount()) return;
  SetCurSel(index);
  NotifyParent(Notification::SelChanged);
}

void ListBox::UserDoubleClick(int index) {
  if (!TakesInput() || index < 0 || index >= GetCount()) return;
  UserSelect(index);
  NotifyParent(Notification::DoubleClicked);
}

void ComboBox::SelectionSet() { SetWindowText(GetText(GetCurSel())); }

void ComboBox::UserType(std::string_view text) {
  if (!TakesInput() || HasStyle(kStyleDropDownList)) return;
  SetWindowText(text);
  NotifyParent(Notification::EditChanged);
}

void Progress::SetRange(int lower, int upper) {
  lower_ = lower;
  upper_ = upper;
  pos_ = std::clamp(pos_, std::min(lower, upper), std::max(lower, upper));
  ControlStateChanged();
}

int Progress::SetPos(int pos) {
  const int previous = pos_;
  pos_ = std::clamp(pos, std::min(lower_, upper_), std::max(lower_, upper_));
  ControlStateChanged();
  return previous;
}

void UpDown::Spin(bool up) {
  if (TakesInput() && GetParent() != nullptr) GetParent()->OnDeltaPos(GetDlgCtrlID(), up ? -1 : 1);
}

}  // namespace pf
