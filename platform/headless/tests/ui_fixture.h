#pragma once
// Shared set-up of the window-model tests: the headless backend with failures reported to the
// test, and a test dialog that records what reaches it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pf/controls.h"
#include "pf/dialog.h"
#include "pf/headless.h"

namespace pf::test {

enum TestIds {
  kTestDialog = 9100,
  kEdit = 100,
  kEdit2 = 101,
  kLabel = 102,
  kCombo = 110,
  kList = 111,
  kRadioA1 = 120,
  kRadioA2 = 121,
  kRadioB1 = 122,
  kRadioB2 = 123,
  kCheck = 130,
  kSpin = 140,
  kProgress = 150,
  kOwnerDraw = 160,
  kPageA = 9201,
  kPageB = 9202,
  kPageEdit = 200,
};

inline constexpr ControlTemplate kTestControls[] = {
    {ControlKind::Edit, kEdit, "", 10, 10, 80, 12},
    {ControlKind::Edit, kEdit2, "", 10, 26, 80, 12},
    {ControlKind::Static, kLabel, "Beschriftung", 100, 10, 60, 8},
    {ControlKind::ComboBox, kCombo, "", 10, 42, 80, 60},
    {ControlKind::ListBox, kList, "", 100, 42, 60, 40},
    {ControlKind::GroupBox, -1, "Gruppe", 4, 88, 160, 40},
    {ControlKind::RadioButton, kRadioA1, "A1", 10, 98, 40, 10, kStyleGroup},
    {ControlKind::RadioButton, kRadioA2, "A2", 10, 110, 40, 10},
    {ControlKind::RadioButton, kRadioB1, "B1", 60, 98, 40, 10, kStyleGroup},
    {ControlKind::RadioButton, kRadioB2, "B2", 60, 110, 40, 10},
    {ControlKind::CheckBox, kCheck, "Prüfen", 110, 98, 50, 10, kStyleGroup},
    {ControlKind::UpDown, kSpin, "", 92, 10, 8, 12},
    {ControlKind::Progress, kProgress, "", 10, 132, 150, 8},
    {ControlKind::OwnerDraw, kOwnerDraw, "", 170, 10, 30, 30},
    {ControlKind::PushButton, kIdOk, "OK", 170, 112, 40, 14, kStyleDefault},
    {ControlKind::PushButton, kIdCancel, "Abbrechen", 170, 128, 40, 14},
};
inline constexpr ControlTemplate kPageAControls[] = {
    {ControlKind::Edit, kPageEdit, "", 10, 10, 80, 12}};
inline constexpr ControlTemplate kPageBControls[] = {
    {ControlKind::Edit, kPageEdit, "", 10, 30, 80, 12}};
inline constexpr DialogTemplate kTestTemplates[] = {
    {kTestDialog, "TESTDIALOG", "Testdialog", 220, 150, kTestControls},
    {kPageA, nullptr, "Seite A", 120, 60, kPageAControls},
    {kPageB, nullptr, "Seite B", 120, 70, kPageBControls},
};

// The test dialog: every handler leaves a line in events.
class RecordingDialog : public Dialog {
 public:
  explicit RecordingDialog(Window* parent = nullptr) : Dialog(kTestDialog, parent) {}

  bool OnInitDialog() override {
    events.push_back("init");
    if (onInit) onInit(*this);
    return true;
  }
  bool OnCommand(int id, Notification code) override {
    static constexpr const char* kNames[] = {"clicked", "changed", "selchanged", "dblclk",
                                             "editchanged"};
    events.push_back(std::to_string(id) + " " + kNames[static_cast<int>(code)]);
    return Dialog::OnCommand(id, code);
  }
  void OnDeltaPos(int id, int delta) override {
    events.push_back(std::to_string(id) + " delta " + std::to_string(delta));
  }
  void OnOK() override {
    events.push_back("ok");
    if (onOk) onOk();
    if (okAllowed) Dialog::OnOK();
  }
  void OnCancel() override {
    events.push_back("cancel");
    Dialog::OnCancel();
  }

  std::vector<std::string> events;
  std::function<void(RecordingDialog&)> onInit;
  std::function<void()> onOk;
  bool okAllowed = true;
};

class UiTest : public testing::Test {
 protected:
  void SetUp() override {
    DialogTemplates::Instance().Register(kTestTemplates);
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
  }
  void TearDown() override { EXPECT_EQ(headless.PendingScripts(), 0); }

  Headless headless;
};

}  // namespace pf::test
