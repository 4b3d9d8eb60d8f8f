// The keyboard in dialogs: the focus on opening, the tab order over the test template (texts,
// group boxes, arrows, progress bar and picture passed over, radio groups one stop each), the
// keys a dialog takes, the arrows within a radio group, and typing into the focused field.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "pf/property_sheet.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

class KeyboardTest : public UiTest {
 protected:
  static int FocusId(Dialog& dialog) {
    const Window* focus = dialog.GetFocusedWindow();
    return focus != nullptr ? focus->GetDlgCtrlID() : 0;
  }
  void Press(Dialog& dialog, int key, unsigned modifiers = 0) {
    DialogDriver(headless, dialog).Key(key, modifiers);
  }
};

TEST_F(KeyboardTest, TabAndShiftTabFollowTheTemplateOverTheStopsOnly) {
  struct Case {
    const char* what;
    std::function<void(RecordingDialog&)> setUp;
    std::vector<int> tabs;  // the focus when open, then after each Tab, round to the start
  };
  const Case cases[] = {
      {"as the template stands",
       [](RecordingDialog&) {},
       {kEdit, kEdit2, kCombo, kList, kRadioA1, kRadioB1, kCheck, kIdOk, kIdCancel, kEdit}},
      {"a checked radio is its group's stop; disabled and hidden controls are passed",
       [](RecordingDialog& d) {
         d.CheckDlgButton(kRadioA2, 1);
         d.GetDlgItem(kEdit)->EnableWindow(false);
         d.GetDlgItem(kList)->ShowWindow(false);
       },
       {kEdit2, kCombo, kRadioA2, kRadioB1, kCheck, kIdOk, kIdCancel, kEdit2}},
      {"a read-only edit is passed",
       [](RecordingDialog& d) {
         d.GetControl<Edit>(kEdit2)->SetReadOnly(true);
         d.CheckDlgButton(kRadioB2, 1);
       },
       {kEdit, kCombo, kList, kRadioA1, kRadioB2, kCheck, kIdOk, kIdCancel, kEdit}},
  };
  for (const Case& c : cases) {
    for (const bool backward : {false, true}) {
      RecordingDialog dlg;
      dlg.onInit = c.setUp;
      ASSERT_TRUE(dlg.Create());
      std::vector<int> seen{FocusId(dlg)};
      for (size_t i = 1; i < c.tabs.size(); ++i) {
        Press(dlg, kVkTab, backward ? kMkShift : 0);
        seen.push_back(FocusId(dlg));
      }
      std::vector<int> expected = c.tabs;
      // Shift+Tab walks the same round the other way.
      if (backward) std::reverse(expected.begin() + 1, expected.end() - 1);
      EXPECT_EQ(seen, expected) << c.what << (backward ? ", Shift+Tab" : ", Tab");
    }
  }
}

TEST_F(KeyboardTest, AnEditReachedByTheKeyboardHasItsTextSelectedAndTypingReplacesIt) {
  RecordingDialog dlg;
  dlg.onInit = [](RecordingDialog& d) {
    d.SetDlgItemText(kEdit, "1pF");
    d.SetDlgItemText(kEdit2, "5mm");
  };
  headless.ExpectDialog(kTestDialog, [](DialogDriver& d) {
    auto* first = d.GetDialog().GetControl<Edit>(kEdit);
    EXPECT_TRUE(first->IsAllSelected());
    d.TypeIntoFocus("2p");
    d.TypeIntoFocus("F");
    EXPECT_EQ(d.Text(kEdit), "2pF");
    d.Key(kVkTab);
    EXPECT_TRUE(d.GetDialog().GetControl<Edit>(kEdit2)->IsAllSelected());
    d.Key(kVkTab, kMkShift);
    EXPECT_TRUE(first->IsAllSelected());
    d.Key(kVkReturn);
  });
  EXPECT_EQ(dlg.DoModal(), kIdOk);
}

// Which key the dialog takes with the focus on which control, and what it does.
TEST_F(KeyboardTest, SpaceEnterAndEscapeActOnTheFocusedControlOrTheDialog) {
  struct Case {
    int focus;
    int key;
    bool taken;
    std::vector<std::string> events;  // after "init"
  };
  const Case cases[] = {
      {kCheck, kVkSpace, true, {"130 clicked"}},
      {kRadioA2, kVkSpace, true, {"121 clicked"}},
      {kIdCancel, kVkSpace, true, {"2 clicked", "cancel"}},
      {kEdit, kVkSpace, false, {}},  // a blank typed into the field
      {kEdit, kVkReturn, true, {"1 clicked", "ok"}},          // the default push button
      {kCheck, kVkReturn, true, {"1 clicked", "ok"}},
      {kIdCancel, kVkReturn, true, {"2 clicked", "cancel"}},  // the focused push button
      {kEdit, kVkEscape, true, {"2 clicked", "cancel"}},
      {kEdit, 'X', false, {}},
  };
  for (const Case& c : cases) {
    RecordingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.ShowWindow(true);
    dlg.GetDlgItem(c.focus)->SetFocus();
    EXPECT_EQ(dlg.TranslateAccelerator(c.key, 0), c.taken) << c.focus << " key " << c.key;
    std::vector<std::string> expected{"init"};
    expected.insert(expected.end(), c.events.begin(), c.events.end());
    EXPECT_EQ(dlg.events, expected) << c.focus << " key " << c.key;
  }
}

// The arrows move the check of a radio group with the focus, round its end and within it only;
// a list and an edit's caret take theirs; elsewhere they change nothing.
TEST_F(KeyboardTest, ArrowsMoveTheCheckWithinARadioGroup) {
  struct Case {
    int focus;
    int key;
    bool disableA1;
    int focusAfter;  // 0: the key is not the dialog's but the control's
    std::vector<std::string> events;  // after "init"
  };
  const Case cases[] = {
      {kRadioA1, kVkDown, false, kRadioA2, {"121 clicked"}},
      {kRadioA1, kVkRight, false, kRadioA2, {"121 clicked"}},
      {kRadioA2, kVkDown, false, kRadioA1, {"120 clicked"}},  // round the end, not into B
      {kRadioA1, kVkUp, false, kRadioA2, {"121 clicked"}},
      {kRadioB2, kVkLeft, false, kRadioB1, {"122 clicked"}},
      {kRadioA2, kVkUp, true, kRadioA2, {}},  // the only other one is disabled
      {kCombo, kVkDown, false, 0, {}},  // the list's own
      {kEdit, kVkLeft, false, 0, {}},   // the caret's
      {kEdit, kVkDown, false, kEdit, {}},  // taken: nothing happens, the focus stays
      {kCheck, kVkDown, false, kCheck, {}},
      {kIdOk, kVkRight, false, kIdOk, {}},
  };
  for (const Case& c : cases) {
    RecordingDialog dlg;
    ASSERT_TRUE(dlg.Create());
    dlg.ShowWindow(true);
    if (c.disableA1) dlg.GetDlgItem(kRadioA1)->EnableWindow(false);
    dlg.GetDlgItem(c.focus)->SetFocus();
    EXPECT_EQ(dlg.TranslateAccelerator(c.key, 0), c.focusAfter != 0) << c.focus << " key " << c.key;
    if (c.focusAfter != 0) {
      EXPECT_EQ(FocusId(dlg), c.focusAfter) << c.focus << " key " << c.key;
      if (c.focus != c.focusAfter) EXPECT_EQ(dlg.IsDlgButtonChecked(c.focusAfter), 1);
    }
    std::vector<std::string> expected{"init"};
    expected.insert(expected.end(), c.events.begin(), c.events.end());
    EXPECT_EQ(dlg.events, expected) << c.focus << " key " << c.key;
  }
}

TEST_F(KeyboardTest, APropertySheetFocusesItsShownPageFirstThenItsButtons) {
  PropertyPage pageA(kPageA);
  PropertyPage pageB(kPageB);
  PropertySheet sheet("Eigenschaften");
  sheet.AddPage(pageA);
  sheet.AddPage(pageB);
  headless.ExpectDialog("Eigenschaften", [&](DialogDriver& d) {
    EXPECT_EQ(sheet.GetFocusedWindow(), pageA.GetDlgItem(kPageEdit));
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
      d.Key(kVkTab);
      seen.push_back(FocusId(sheet));
    }
    EXPECT_EQ(seen, (std::vector<int>{kIdOk, kIdCancel, kPageEdit}));
    d.SelectPage(1);
    EXPECT_EQ(sheet.GetFocusedWindow(), pageB.GetDlgItem(kPageEdit));
    d.Key(kVkEscape);
  });
  EXPECT_EQ(sheet.DoModal(), kIdCancel);
}

}  // namespace
}  // namespace pf::test
