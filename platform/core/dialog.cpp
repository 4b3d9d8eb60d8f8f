#include "pf/dialog.h"

#include <vector>

#include "pf/app.h"
#include "pf/backend.h"
#include "pf/controls.h"
#include "pf/modal_scope.h"

namespace pf {

Dialog::Dialog(int templateId, Window* parent) : templateId_(templateId), parentGiven_(parent) {}

Dialog::Dialog(std::string templateName, Window* parent)
    : templateName_(std::move(templateName)), parentGiven_(parent) {}

Dialog::Dialog(Window* parent) : parentGiven_(parent) {}

std::string Dialog::TemplateLabel() const {
  if (templateId_ != 0) return std::to_string(templateId_);
  return templateName_.empty() ? GetWindowText() : templateName_;
}

const DialogTemplate* Dialog::FindTemplate() const {
  if (ownTemplate_ != nullptr) return ownTemplate_;
  const DialogTemplates& all = DialogTemplates::Instance();
  return templateId_ != 0 ? all.Find(templateId_) : all.Find(templateName_);
}

bool Dialog::Build(Window* owner, Window* parent, Point origin) {
  const DialogTemplate* t = FindTemplate();
  if (t == nullptr) return false;
  const Size size = DialogSizeInPixels(*t);
  ended_ = false;
  result_ = 0;
  bool created;
  if (parent != nullptr) {
    created = CreateChild(*parent, 0, {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy},
                          t->caption, false);
  } else {
    // Centred over the owner, or over the screen without one.
    Rect over{0, 0, TheUiServices().ScreenSize().cx, TheUiServices().ScreenSize().cy};
    if (owner != nullptr && owner->IsCreated()) over = owner->GetWindowRect();
    const int left = over.left + (over.Width() - size.cx) / 2;
    const int top = over.top + (over.Height() - size.cy) / 2;
    created = CreateTopLevel(owner, {left, top, left + size.cx, top + size.cy}, t->caption);
  }
  if (!created) return false;
  SetFont(DialogFont());
  for (const ControlTemplate& c : t->controls) {
    Control& control = AdoptChild(Control::Make(c.kind, c.style));
    control.CreateChild(*this, c.id, DialogUnitsToPixels(c.x, c.y, c.cx, c.cy),
                        c.text != nullptr ? c.text : "", (c.style & kStyleHidden) == 0);
    if ((c.style & kStyleDisabled) != 0) control.EnableWindow(false);
  }
  // A page's focus is its sheet's to give.
  if (OnInitDialog() && parent == nullptr && !ended_) FocusFirstStop();
  return true;
}

int Dialog::DoModal() {
  Window* owner = parentGiven_;
  if (owner == nullptr && App::Current() != nullptr) owner = App::Current()->GetMainWnd();
  modal_ = true;
  if (!Build(owner, nullptr, {})) {
    modal_ = false;
    return -1;
  }
  // OnInitDialog may have ended the dialog already: it never showed.
  if (ended_) {
    DestroyWindow();
  } else {
    // As the platform's modal dialogs end: when the dialog has gone, the other windows take
    // input again and its owner's window is active, over the others, with the keyboard on the
    // control that had it, the one that opened the dialog.
    const ModalScope holdsTheProgram(*this, owner);
    ShowWindow(true);
    TheBackend().RunModalLoop(*this);
    if (!ended_) EndDialog(kIdCancel);
    DestroyWindow();
  }
  modal_ = false;
  return result_;
}

bool Dialog::Create(Window* parent) {
  modal_ = false;
  return Build(parent != nullptr ? parent : parentGiven_, nullptr, {});
}

void Dialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (!modal_) ShowWindow(false);
}

std::string Dialog::GetDlgItemText(int id) const {
  const Window* w = GetDlgItem(id);
  return w != nullptr ? w->GetWindowText() : std::string();
}

void Dialog::SetDlgItemText(int id, std::string_view text) {
  if (Window* w = GetDlgItem(id)) w->SetWindowText(text);
}

int Dialog::IsDlgButtonChecked(int id) const {
  const auto* b = GetControl<Button>(id);
  return b != nullptr ? b->GetCheck() : 0;
}

void Dialog::CheckDlgButton(int id, int check) {
  if (auto* b = GetControl<Button>(id)) b->SetCheck(check);
}

void Dialog::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (Window* w : Children()) {
    auto* b = dynamic_cast<Button*>(w);
    const int id = w->GetDlgCtrlID();
    if (b != nullptr && id >= firstId && id <= lastId) b->SetCheck(id == checkId ? 1 : 0);
  }
}

bool Dialog::OnCommand(int id, Notification code) {
  if (code == Notification::Clicked && id == kIdOk) {
    std::vector<Restore> kept = TakeKept();
    OnOK();
    if (!ended_ || result_ != kIdOk) RunRestores(kept);
    return true;
  }
  if (code == Notification::Clicked && id == kIdCancel) {
    OnCancel();
    return true;
  }
  return Window::OnCommand(id, code);
}

std::vector<Dialog::Restore> Dialog::TakeKept() const {
  std::vector<Restore> restores;
  restores.reserve(keepers_.size());
  // Set back in reverse, so that targets that overlap end as they were first.
  for (auto it = keepers_.rbegin(); it != keepers_.rend(); ++it) restores.push_back((*it)());
  return restores;
}

void Dialog::RunRestores(std::vector<Restore>& restores) {
  for (Restore& restore : restores) restore();
}

void Dialog::FocusNextStop(bool backward) { FocusStopAfter(GetFocusedWindow(), backward); }

void Dialog::FocusFirstStop() { FocusStopAfter(nullptr, false); }

bool Dialog::TranslateAccelerator(int key, unsigned modifiers) {
  if (GetParent() != nullptr || (modifiers & (kMkControl | kMkAlt)) != 0) return false;
  Window* focus = GetFocusedWindow();
  auto* button = dynamic_cast<Button*>(focus);
  switch (key) {
    case kVkTab:
      FocusNextStop((modifiers & kMkShift) != 0);
      return true;
    case kVkSpace:
      if (button == nullptr || button->Kind() == ControlKind::GroupBox) return false;
      button->Click();
      return true;
    case kVkEscape:
      Command(kIdCancel);
      return true;
    case kVkLeft:
    case kVkUp:
    case kVkRight:
    case kVkDown:
      return ArrowKey(key, focus);
    case kVkReturn:
      break;
    default:
      return false;
  }
  if (const auto* edit = dynamic_cast<const Edit*>(focus);
      edit != nullptr && edit->HasStyle(kStyleMultiline)) {
    return false;  // a new line
  }
  if (button != nullptr && button->Kind() == ControlKind::PushButton) {
    button->Click();
    return true;
  }
  for (Window* w : TabOrder()) {
    auto* b = dynamic_cast<Button*>(w);
    if (b != nullptr && b->Kind() == ControlKind::PushButton && b->HasStyle(kStyleDefault)) {
      b->Click();
      return true;
    }
  }
  Command(kIdOk);
  return true;
}

bool Dialog::ArrowKey(int key, Window* focus) {
  auto* control = dynamic_cast<Control*>(focus);
  if (control == nullptr) return false;
  switch (control->Kind()) {
    case ControlKind::RadioButton: {
      Button& radio = *static_cast<Button*>(control);
      Button& next = radio.NeighbourInGroup(key == kVkLeft || key == kVkUp);
      if (&next != &radio) {
        FocusControl(next);
        next.Click();
      }
      return true;
    }
    case ControlKind::ListBox:
    case ControlKind::ComboBox:
      return false;
    case ControlKind::Edit:
      return !control->HasStyle(kStyleMultiline) && (key == kVkUp || key == kVkDown);
    default:
      return true;
  }
}

ColorRef Dialog::GetBackgroundColor() const { return Rgb(240, 240, 240); }

}  // namespace pf
