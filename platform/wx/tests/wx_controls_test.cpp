// Dialogs on the desktop: the native controls show the model's state, the user's input reaches
// the model, the model's keyboard focus is the screen's, and a modal loop keeps the timers going
// but not the idle processing.

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/gauge.h>
#include <wx/app.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <memory>
#include <string>
#include <vector>

#include "pf/app.h"
#include "pf/controls.h"
#include "pf/dialog.h"
#include "pf/frame.h"
#include "pf/property_sheet.h"
#include "wx_test.h"

namespace pf::test {
namespace {

enum Ids {
  kDialog = 9300,
  kPage = 9301,
  kEdit = 10,
  kCheck,
  kRadioA,
  kRadioB,
  kList,
  kCombo,
  kSpin,
  kBar
};

constexpr ControlTemplate kControls[] = {
    {ControlKind::Edit, kEdit, "", 10, 10, 80, 12},
    {ControlKind::CheckBox, kCheck, "Prüfen", 10, 26, 60, 10},
    {ControlKind::RadioButton, kRadioA, "A", 10, 40, 40, 10, kStyleGroup},
    {ControlKind::RadioButton, kRadioB, "B", 60, 40, 40, 10},
    {ControlKind::ListBox, kList, "", 100, 10, 60, 40},
    {ControlKind::ComboBox, kCombo, "", 100, 54, 60, 60, kStyleDropDownList},
    {ControlKind::UpDown, kSpin, "", 92, 10, 8, 12},
    {ControlKind::Progress, kBar, "", 10, 80, 150, 8},
    {ControlKind::PushButton, kIdOk, "OK", 10, 94, 40, 14, kStyleDefault},
};
constexpr ControlTemplate kPageControls[] = {{ControlKind::Edit, kEdit, "", 10, 10, 80, 12}};
constexpr DialogTemplate kTemplates[] = {{kDialog, nullptr, "Probe", 170, 112, kControls},
                                         {kPage, nullptr, "Seite", 100, 40, kPageControls}};

class ProbeDialog : public Dialog {
 public:
  explicit ProbeDialog(Window* parent = nullptr) : Dialog(kDialog, parent) {
    DialogTemplates::Instance().Register(kTemplates);
  }
  bool OnCommand(int id, Notification code) override {
    events.push_back(std::to_string(id) + (code == Notification::Clicked ? " clicked" : " other"));
    return Dialog::OnCommand(id, code);
  }
  void OnDeltaPos(int id, int delta) override {
    events.push_back(std::to_string(id) + " delta " + std::to_string(delta));
  }
  bool OnInitDialog() override {
    if (onTimer) SetTimer(1, 20);
    return true;
  }
  void OnTimer(int) override { onTimer(); }

  std::vector<std::string> events;
  std::function<void()> onTimer;
};

template <class Native>
Native* NativeOf(const Dialog& dialog, int id) {
  return dynamic_cast<Native*>(NativeWindow(*dialog.GetDlgItem(id)));
}

class WxControls : public testing::Test {
 protected:
  void SetUp() override { desktop->Install(); }
};

TEST_F(WxControls, NativeControlsShowTheModel) {
  ProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(kEdit, "50 Ω");
  dialog.CheckDlgButton(kCheck, 1);
  auto* list = dialog.GetControl<ListBox>(kList);
  list->AddString("eins");
  list->AddString("zwei");
  list->SetCurSel(1);
  dialog.GetControl<ComboBox>(kCombo)->AddString("drei");
  dialog.GetControl<Progress>(kBar)->SetRange(10, 30);
  dialog.GetControl<Progress>(kBar)->SetPos(15);
  dialog.GetDlgItem(kEdit)->EnableWindow(false);

  EXPECT_EQ(NativeOf<wxTextCtrl>(dialog, kEdit)->GetValue().utf8_string(), "50 Ω");
  EXPECT_FALSE(NativeOf<wxTextCtrl>(dialog, kEdit)->IsEnabled());
  // Read-only set by the program, not by the template.
  for (const bool readOnly : {true, false}) {
    dialog.GetControl<Edit>(kEdit)->SetReadOnly(readOnly);
    EXPECT_EQ(NativeOf<wxTextCtrl>(dialog, kEdit)->IsEditable(), !readOnly);
  }
  EXPECT_TRUE(NativeOf<wxCheckBox>(dialog, kCheck)->GetValue());
  EXPECT_EQ(NativeOf<wxListBox>(dialog, kList)->GetCount(), 2u);
  EXPECT_EQ(NativeOf<wxListBox>(dialog, kList)->GetSelection(), 1);
  EXPECT_EQ(NativeOf<wxComboBox>(dialog, kCombo)->GetString(0), "drei");
  EXPECT_EQ(NativeOf<wxGauge>(dialog, kBar)->GetRange(), 20);
  EXPECT_EQ(NativeOf<wxGauge>(dialog, kBar)->GetValue(), 5);
  // Dialog units to pixels: the corners 10, 26 and 70, 36 are 15, 42 and 105, 59.
  EXPECT_EQ(NativeWindow(*dialog.GetDlgItem(kCheck))->GetRect(), wxRect(15, 42, 90, 17));
  EXPECT_EQ(NativeWindow(dialog)->GetClientSize(), wxSize(255, 182));

  dialog.GetDlgItem(kCheck)->ShowWindow(false);
  EXPECT_FALSE(NativeWindow(*dialog.GetDlgItem(kCheck))->IsShown());
  dialog.DestroyWindow();
  EXPECT_EQ(NativeWindow(dialog), nullptr);
}

TEST_F(WxControls, UserInputReachesTheModel) {
  ProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.ShowWindow(true);
  dialog.GetControl<Edit>(kEdit)->LimitText(3);
  NativeOf<wxTextCtrl>(dialog, kEdit)->SetValue("abcdef");  // as if typed
  EXPECT_EQ(dialog.GetDlgItemText(kEdit), "abc");
  EXPECT_EQ(NativeOf<wxTextCtrl>(dialog, kEdit)->GetValue(), "abc");

  SendCommand(*dialog.GetDlgItem(kCheck), wxEVT_CHECKBOX);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 1);

  // Radio buttons: none is checked at first, a click checks one and clears the group.
  dialog.CheckDlgButton(kRadioA, 1);
  SendLeftDown(*dialog.GetDlgItem(kRadioB), 2, 2);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioA), 0);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kRadioB), 1);

  auto* list = dialog.GetControl<ListBox>(kList);
  list->AddString("eins");
  list->AddString("zwei");
  NativeOf<wxListBox>(dialog, kList)->SetSelection(1);
  SendCommand(*list, wxEVT_LISTBOX);
  EXPECT_EQ(list->GetCurSel(), 1);

  // The upper arrow gives -1, the lower +1.
  const int height = NativeWindow(*dialog.GetDlgItem(kSpin))->GetClientSize().y;
  SendLeftDown(*dialog.GetDlgItem(kSpin), 2, 1);
  SendLeftDown(*dialog.GetDlgItem(kSpin), 2, height - 2);

  SendCommand(*dialog.GetDlgItem(kIdOk), wxEVT_BUTTON);
  EXPECT_TRUE(dialog.HasEnded());
  const std::vector<std::string> expected{"11 clicked",  "13 clicked", "14 other",
                                          "16 delta -1", "16 delta 1", "1 clicked"};
  std::vector<std::string> seen;
  for (const std::string& e : dialog.events) {
    if (e.rfind("10 ", 0) != 0) seen.push_back(e);  // the edit's change notices aside
  }
  EXPECT_EQ(seen, expected);
}

// A key as the toolkit hands it to the dialog's window before the control with the focus.
void SendKey(const Dialog& dialog, int key, bool shift = false) {
  wxWindow* native = NativeWindow(dialog);
  ASSERT_NE(native, nullptr);
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = key;
  event.SetShiftDown(shift);
  event.SetEventObject(native);
  native->HandleWindowEvent(event);
  wxYield();
}

// The dialog shows with its first field focused and selected; Tab and Shift+Tab go on from the
// control that has the focus on the screen; Space checks the focused box once.
TEST_F(WxControls, TheKeyboardFocusIsTheModelsOnTheScreen) {
  ProbeDialog dialog;
  ASSERT_TRUE(dialog.Create());
  dialog.SetDlgItemText(kEdit, "50 Ω");
  dialog.FocusFirstStop();
  dialog.ShowWindow(true);
  wxYield();
  auto* edit = NativeOf<wxTextCtrl>(dialog, kEdit);
  EXPECT_EQ(wxWindow::FindFocus(), edit);
  EXPECT_EQ(edit->GetStringSelection(), edit->GetValue());

  NativeWindow(*dialog.GetDlgItem(kList))->SetFocus();  // the user clicks into the list
  wxYield();
  SendKey(dialog, WXK_TAB);
  EXPECT_EQ(dialog.GetFocusedWindow(), dialog.GetDlgItem(kCombo));
  EXPECT_EQ(wxWindow::FindFocus(), NativeWindow(*dialog.GetDlgItem(kCombo)));

  for (int i = 0; i < 3; ++i) SendKey(dialog, WXK_TAB, true);  // back over list and radio
  EXPECT_EQ(dialog.GetFocusedWindow(), dialog.GetDlgItem(kCheck));
  EXPECT_EQ(wxWindow::FindFocus(), NativeWindow(*dialog.GetDlgItem(kCheck)));
  SendKey(dialog, WXK_SPACE);
  EXPECT_EQ(dialog.IsDlgButtonChecked(kCheck), 1);
  EXPECT_TRUE(NativeOf<wxCheckBox>(dialog, kCheck)->GetValue());
  dialog.DestroyWindow();
}

// A property sheet that looks at itself once its modal loop runs, then ends.
class LookingSheet : public PropertySheet {
 public:
  using PropertySheet::PropertySheet;
  bool OnInitDialog() override {
    SetTimer(1, 50);
    return PropertySheet::OnInitDialog();
  }
  void OnTimer(int) override {
    KillTimer(1);
    look();
    EndDialog(kIdCancel);
  }
  std::function<void()> look;
};

// A property sheet shows its page's field focused; Tab goes on to the sheet's buttons.
TEST_F(WxControls, APropertySheetFocusesItsPageOnTheScreen) {
  DialogTemplates::Instance().Register(kTemplates);
  PropertyPage page(kPage);
  LookingSheet sheet("Blätter");
  sheet.AddPage(page);
  wxWindow* first = nullptr;
  wxWindow* second = nullptr;
  sheet.look = [&] {
    first = wxWindow::FindFocus();
    SendKey(sheet, WXK_TAB);
    second = wxWindow::FindFocus();
    EXPECT_EQ(first, NativeWindow(*page.GetDlgItem(kEdit)));
    EXPECT_EQ(second, NativeWindow(*sheet.GetDlgItem(kIdOk)));
  };
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
  EXPECT_NE(first, nullptr);
}

// A modal dialog opened from the main frame's timer; its own timer presses OK on the third tick.
class ModalApp : public App {
 public:
  ModalApp() : App("Vostrane") {}
  bool InitInstance() override {
    auto frame = std::make_unique<Ticking>();
    frame->CreateTopLevel(nullptr, {0, 0, 200, 100}, "Vostrane");
    frame->app = this;
    frame->ShowWindow(true);
    frame->SetTimer(1, 20);
    SetMainWnd(std::move(frame));
    return true;
  }
  bool OnIdle(long count) override {
    if (inModal) ++idleInModal;
    return App::OnIdle(count);
  }
  int ExitInstance() override { return 7; }

  class Ticking : public FrameWnd {
   public:
    void OnTimer(int) override {
      KillTimer(1);
      ProbeDialog dialog(this);
      dialog.onTimer = [&dialog, this] {
        if (++app->dialogTicks == 3) SendCommand(*dialog.GetDlgItem(kIdOk), wxEVT_BUTTON);
      };
      app->inModal = true;
      app->result = dialog.DoModal();
      app->inModal = false;
      Close();
    }
    ModalApp* app = nullptr;
  };

  bool inModal = false;
  int idleInModal = 0;
  int dialogTicks = 0;
  int result = 0;
};

TEST_F(WxControls, ModalLoopRunsTimersButNoIdle) {
  ModalApp app;
  EXPECT_EQ(desktop->Run(app), 7);
  EXPECT_EQ(app.result, kIdOk);
  EXPECT_EQ(app.dialogTicks, 3);
  EXPECT_EQ(app.idleInModal, 0);
}

}  // namespace
}  // namespace pf::test
