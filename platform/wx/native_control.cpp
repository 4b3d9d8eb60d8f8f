#include "native_control.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/listbox.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

#include "convert.h"
#include "pf/controls.h"
#include "wx_backend.h"

namespace pf {
namespace {

// Set while the model's state is written into a control: the events that raises are not input.
int mirroring = 0;

struct MirrorScope {
  MirrorScope() { ++mirroring; }
  ~MirrorScope() { --mirroring; }
  MirrorScope(const MirrorScope&) = delete;
  MirrorScope& operator=(const MirrorScope&) = delete;
};

// Hands the input of a native control to the model control of type T, then shows the model's
// state again (the model may refuse or cut what was typed). The model first takes the focus
// that the toolkit gave on a click: a dialog opened by a clicked key gives the keyboard back to
// it, and a key disabled by its own click passes the keyboard on.
template <class T, class Event, class Act>
void BindInput(wxWindow* widget, const wxEventTypeTag<Event>& type, Act act) {
  widget->Bind(type, [widget, act](Event&) {
    WxBackend* backend = WxBackend::Current();
    auto* control = dynamic_cast<T*>(backend != nullptr ? backend->ModelOf(widget) : nullptr);
    if (control == nullptr || mirroring > 0) return;
    backend->TakeNativeFocus(*control->GetTopLevelParent());
    act(*control);
    if (backend->ModelOf(widget) == control) MirrorNativeControl(widget, *control);
    backend->AfterInput();
  });
}

void MirrorItems(wxItemContainer& items, const ListControl& list) {
  bool same = static_cast<int>(items.GetCount()) == list.GetCount();
  for (int i = 0; same && i < list.GetCount(); ++i)
    same = items.GetString(i) == ToWx(list.GetText(i));
  if (!same) {
    items.Clear();
    for (int i = 0; i < list.GetCount(); ++i) items.Append(ToWx(list.GetText(i)));
  }
  const int sel = list.GetCurSel();
  if (items.GetSelection() != sel) items.SetSelection(sel >= 0 ? sel : wxNOT_FOUND);
}

void SetText(wxTextEntry& entry, const std::string& text) {
  if (entry.GetValue() != ToWx(text)) entry.ChangeValue(ToWx(text));
}

void SetLabel(wxWindow* widget, const std::string& text) {
  if (widget->GetLabel() != ToWx(text)) widget->SetLabel(ToWx(text));
}

}  // namespace

wxWindow* CreateNativeControl(wxWindow* parent, const Control& c) {
  const wxPoint pos = wxDefaultPosition;
  const wxSize size = wxDefaultSize;
  switch (c.Kind()) {
    case ControlKind::Static: {
      const long align = c.HasStyle(kStyleCenter)  ? wxALIGN_CENTRE_HORIZONTAL
                         : c.HasStyle(kStyleRight) ? wxALIGN_RIGHT
                                                   : wxALIGN_LEFT;
      return new wxStaticText(parent, wxID_ANY, "", pos, size, align | wxST_NO_AUTORESIZE);
    }
    case ControlKind::Edit: {
      long style = c.HasStyle(kStyleMultiline) ? wxTE_MULTILINE : 0;
      if (c.HasStyle(kStyleReadOnly)) style |= wxTE_READONLY;
      auto* edit = new wxTextCtrl(parent, wxID_ANY, "", pos, size, style);
      BindInput<Edit>(edit, wxEVT_TEXT, [edit](Edit& e) { e.UserType(FromWx(edit->GetValue())); });
      return edit;
    }
    case ControlKind::PushButton: {
      auto* button = new wxButton(parent, wxID_ANY, "", pos, size);
      if (c.HasStyle(kStyleDefault)) button->SetDefault();
      BindInput<Button>(button, wxEVT_BUTTON, [](Button& b) { b.Click(); });
      return button;
    }
    case ControlKind::CheckBox: {
      auto* check = new wxCheckBox(parent, wxID_ANY, "", pos, size);
      BindInput<Button>(check, wxEVT_CHECKBOX, [](Button& b) { b.Click(); });
      return check;
    }
    case ControlKind::GroupBox:
      return new wxStaticBox(parent, wxID_ANY, "", pos, size);
    case ControlKind::ListBox: {
      auto* list = new wxListBox(parent, wxID_ANY, pos, size, 0, nullptr, wxLB_SINGLE);
      BindInput<ListBox>(list, wxEVT_LISTBOX,
                         [list](ListBox& l) { l.UserSelect(list->GetSelection()); });
      BindInput<ListBox>(list, wxEVT_LISTBOX_DCLICK,
                         [list](ListBox& l) { l.UserDoubleClick(list->GetSelection()); });
      return list;
    }
    case ControlKind::ComboBox: {
      const bool dropList = c.HasStyle(kStyleDropDownList);
      auto* combo = new wxComboBox(parent, wxID_ANY, "", pos, size, 0, nullptr,
                                   dropList ? wxCB_READONLY : wxCB_DROPDOWN);
      BindInput<ComboBox>(combo, wxEVT_COMBOBOX,
                          [combo](ComboBox& b) { b.UserSelect(combo->GetSelection()); });
      // Choosing an item also changes the edit field; only typing is the user's edit.
      BindInput<ComboBox>(combo, wxEVT_TEXT, [combo](ComboBox& b) {
        const int sel = combo->GetSelection();
        if (sel != wxNOT_FOUND && combo->GetValue() == combo->GetString(sel)) return;
        b.UserType(FromWx(combo->GetValue()));
      });
      return combo;
    }
    case ControlKind::Progress:
      return new wxGauge(parent, wxID_ANY, 100, pos, size);
    case ControlKind::RadioButton:
    case ControlKind::UpDown:
    case ControlKind::OwnerDraw:
    case ControlKind::Bitmap:
      return nullptr;
  }
  return nullptr;
}

void MirrorNativeControl(wxWindow* widget, const Control& c) {
  const MirrorScope scope;
  const std::string& text = c.GetWindowText();
  if (auto* label = dynamic_cast<wxStaticText*>(widget)) {
    if (label->GetLabel() != ToWx(text)) {
      label->SetLabel(ToWx(text));
      label->Wrap(label->GetSize().x);
    }
  } else if (auto* combo = dynamic_cast<wxComboBox*>(widget)) {
    MirrorItems(*combo, static_cast<const ListControl&>(c));
    if (!c.HasStyle(kStyleDropDownList)) SetText(*combo, text);
  } else if (auto* edit = dynamic_cast<wxTextCtrl*>(widget)) {
    SetText(*edit, text);
    edit->SetEditable(!static_cast<const Edit&>(c).IsReadOnly());
  } else if (auto* list = dynamic_cast<wxListBox*>(widget)) {
    MirrorItems(*list, static_cast<const ListControl&>(c));
  } else if (auto* check = dynamic_cast<wxCheckBox*>(widget)) {
    SetLabel(check, text);
    check->SetValue(static_cast<const Button&>(c).GetCheck() != 0);
  } else if (auto* gauge = dynamic_cast<wxGauge*>(widget)) {
    const auto& p = static_cast<const Progress&>(c);
    const int span = std::abs(p.GetUpper() - p.GetLower());
    gauge->SetRange(span > 0 ? span : 1);
    gauge->SetValue(span > 0 ? std::abs(p.GetPos() - p.GetLower()) : 0);
  } else {
    SetLabel(widget, text);  // push buttons and group boxes
  }
}

int NativeControlHeight(wxWindow* widget, const Control& c) {
  const int height = c.GetRect().Height();
  if (c.Kind() != ControlKind::ComboBox) return height;
  const int closed = widget->GetBestSize().y;
  return closed < height ? closed : height;
}

}  // namespace pf
