// Where the keyboard goes when a modal dialog ends, however it ends and whatever window opened
// it, and when the control that has it is disabled.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pf/command_ids.h"
#include "pf/frame.h"
#include "pf/modal_scope.h"
#include "pf/print_preview.h"
#include "pf/view.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

// The headless backend that notes which top-level windows it is told to show, also again.
class ShownLog : public Headless {
 public:
  void WindowChanged(Window& window, WindowChange change) override {
    if (change == WindowChange::Visibility && window.GetParent() == nullptr && window.IsVisible()) {
      shown.push_back(&window);
    }
    Headless::WindowChanged(window, change);
  }
  std::vector<const Window*> shown;
};

class FocusTest : public testing::Test {
 protected:
  void SetUp() override {
    DialogTemplates::Instance().Register(kTestTemplates);
    headless.SetFailureHandler([](const std::string& m) { ADD_FAILURE() << m; });
  }
  void TearDown() override { EXPECT_EQ(headless.PendingScripts(), 0); }

  static int FocusId(Window& top) {
    const Window* focus = top.GetFocusedWindow();
    return focus != nullptr ? focus->GetDlgCtrlID() : 0;
  }

  ShownLog headless;
};

struct Closing {
  const char* what;
  std::function<void(DialogDriver&)> close;
};

const Closing kClosings[] = {
    {"OK", [](DialogDriver& d) { d.Ok(); }},
    {"Escape", [](DialogDriver& d) { d.Key(kVkEscape); }},
    {"Abbrechen", [](DialogDriver& d) { d.Cancel(); }},
    {"the window's close", [](DialogDriver& d) { d.Close(); }},
};

// A dialog opened from a modeless dialog, from a modal one and from a frame's view: once it has
// ended, its owner's window is brought up again and the control that opened it has the keyboard.
// A window hidden, or still held by an outer modal dialog, is not brought up.
TEST_F(FocusTest, ADialogGivesTheKeyboardBackToTheControlThatOpenedIt) {
  for (const Closing& closing : kClosings) {
    SCOPED_TRACE(closing.what);
    // Opens the dialog over the owner, whose window has the opener focused: the owner's window
    // was shown last and the opener has the focus again after it.
    const auto openOver = [&](Window& owner, Window& opener) {
      Window::FocusControl(opener);
      RecordingDialog dialog(&owner);
      headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
        EXPECT_EQ(d.GetDialog().GetFocusedWindow(), d.GetDialog().GetDlgItem(kEdit));
        closing.close(d);
      });
      dialog.DoModal();
      EXPECT_EQ(owner.GetFocusedWindow(), &opener);
      ASSERT_FALSE(headless.shown.empty());
      EXPECT_EQ(headless.shown.back(), owner.GetTopLevelParent());
    };

    RecordingDialog modeless;
    ASSERT_TRUE(modeless.Create());
    modeless.ShowWindow(true);
    openOver(modeless, *modeless.GetDlgItem(kCheck));

    RecordingDialog modal;
    headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
      openOver(modal, *modal.GetDlgItem(kIdCancel));
      d.Cancel();
    });
    modal.DoModal();

    FrameWnd frame;
    frame.CreateTopLevel(nullptr, {0, 0, 800, 600}, "Rahmen");
    frame.ShowWindow(true);
    Window view;
    view.CreateChild(frame, 1, {0, 40, 800, 600});
    openOver(view, view);
  }

  RecordingDialog hidden;
  ASSERT_TRUE(hidden.Create());
  RecordingDialog disabled;
  ASSERT_TRUE(disabled.Create());
  disabled.ShowWindow(true);
  disabled.EnableWindow(false);
  for (Window* owner : {static_cast<Window*>(&hidden), static_cast<Window*>(&disabled)}) {
    RecordingDialog dialog(owner);
    headless.ExpectDialog(kTestDialog, [](DialogDriver& d) { d.Cancel(); });
    dialog.DoModal();
    EXPECT_EQ(headless.shown.back(), &dialog);
  }
}

// A window that goes while a dialog waits and is created again in its place (as the next window
// made may take a freed one's address) is another window: when the dialog ends, it is neither
// enabled where the program disabled it (as a print preview disables its frame) nor brought up
// as the dialog's owner.
TEST_F(FocusTest, AWindowCreatedAgainWhileADialogWaitsIsNotTheOneThatWent) {
  Window owner;
  Window other;
  for (Window* w : {&owner, &other}) {
    ASSERT_TRUE(w->CreateTopLevel(nullptr, {0, 0, 300, 200}));
    w->ShowWindow(true);
  }
  RecordingDialog dialog(&owner);
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    for (Window* w : {&owner, &other}) {
      w->DestroyWindow();
      ASSERT_TRUE(w->CreateTopLevel(nullptr, {0, 0, 300, 200}));
      w->ShowWindow(true);
    }
    other.EnableWindow(false);
    d.Ok();
  });
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_FALSE(other.IsWindowEnabled());
  EXPECT_TRUE(owner.IsWindowEnabled());
  ASSERT_FALSE(headless.shown.empty());
  EXPECT_EQ(headless.shown.back(), &other);
}

// A window that a modal window holds hands its activation to the innermost modal window of the
// model, which the backend brings up with the keyboard; none while a native one runs innermost,
// nor once every one has ended.
TEST_F(FocusTest, TheInnermostModalWindowTakesTheActivationOfTheWindowsItHolds) {
  EXPECT_EQ(ModalScope::Holding(), nullptr);
  RecordingDialog outer;
  RecordingDialog inner(&outer);
  headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
    EXPECT_EQ(ModalScope::Holding(), &outer);
    headless.ExpectDialog(kTestDialog, [&](DialogDriver& innerDriver) {
      EXPECT_EQ(ModalScope::Holding(), &inner);
      {
        const ModalScope native;
        EXPECT_EQ(ModalScope::Holding(), nullptr);
      }
      EXPECT_EQ(ModalScope::Holding(), &inner);
      innerDriver.Ok();
    });
    inner.DoModal();
    EXPECT_EQ(ModalScope::Holding(), &outer);
    d.Ok();
  });
  outer.DoModal();
  EXPECT_EQ(ModalScope::Holding(), nullptr);
}

// Where the keyboard goes depends on the dialog's opener alone. With a main frame, a modeless
// panel and a second frame open, a dialog or a native one (a message box, a file dialog) ends
// with its opener's window brought up last, the active window, its focus on the control that
// opened it: whichever window was brought up before, and wherever the user clicked while it
// waited (a click on a held window brings up the waiting dialog of the model, nothing beside a
// native one). A native one's opener is the window active when it opened, also one the user
// activated.
TEST_F(FocusTest, TheKeyboardGoesBackToTheOpenerWhateverIsOpenAndWhereverTheUserClicked) {
  FrameWnd main;
  main.CreateTopLevel(nullptr, {0, 0, 800, 600}, "Haupt");
  main.ShowWindow(true);
  Window view;
  view.CreateChild(main, 1, {0, 40, 800, 600});
  FrameWnd second;
  second.CreateTopLevel(nullptr, {0, 0, 400, 300}, "Zweite");
  second.ShowWindow(true);
  RecordingDialog panel(&view);
  ASSERT_TRUE(panel.Create());
  panel.ShowWindow(true);
  Window* const tops[] = {&main, &second, &panel};

  enum class Modal { Dialog, Native };
  struct Case {
    const char* what;
    Window* opener;    // the top-level window the dialog is opened from
    Window* control;   // with this control focused
    Window* before;    // brought up before the opener, last but one
    Window* clicked;   // by the user while the dialog waits; nullptr: none
    Modal modal;
  };
  const Case cases[] = {
      {"the circuit's dialog, the panel up before", &main, &view, &panel, nullptr, Modal::Dialog},
      {"the circuit's dialog, the panel clicked", &main, &view, &second, &panel, Modal::Dialog},
      {"the panel's key dialog, the main window clicked", &panel, panel.GetDlgItem(kCheck),
       &main, &main, Modal::Dialog},
      {"the second frame's dialog", &second, &second, &panel, &main, Modal::Dialog},
      {"the circuit's file dialog, the panel up before", &main, &view, &panel, nullptr,
       Modal::Native},
      {"the circuit's message box, the panel clicked", &main, &view, &panel, &panel,
       Modal::Native},
      {"the panel's message box, the main window clicked", &panel, panel.GetDlgItem(kIdCancel),
       &second, &main, Modal::Native},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.before->ShowWindow(true);
    // The user activates the opener (a click into it) and focuses the control.
    c.opener->UserActivated();
    Window::FocusControl(*c.control);
    const auto clickMeanwhile = [&](Window* waiting) {
      if (c.clicked == nullptr) return;
      headless.shown.clear();
      EXPECT_FALSE(c.clicked->IsWindowEnabled());
      c.clicked->UserActivated();
      EXPECT_EQ(headless.shown, std::vector<const Window*>(waiting != nullptr ? 1 : 0, waiting));
    };
    if (c.modal == Modal::Dialog) {
      RecordingDialog dialog(c.control);
      headless.ExpectDialog(kTestDialog, [&](DialogDriver& d) {
        clickMeanwhile(&dialog);
        d.Key(kVkEscape);
      });
      dialog.DoModal();
    } else {
      const ModalScope native;
      clickMeanwhile(nullptr);
      headless.shown.clear();
    }
    ASSERT_FALSE(headless.shown.empty());
    EXPECT_EQ(headless.shown.back(), c.opener);
    EXPECT_EQ(Window::GetActiveWindow(), c.opener);
    EXPECT_EQ(c.opener->GetFocusedWindow(), c.control);
    for (Window* top : tops) EXPECT_TRUE(top->IsWindowEnabled());
  }
}

// The active window follows the windows brought up and the user's activation of a window that
// takes input, and is none once it has gone.
TEST_F(FocusTest, TheActiveWindowIsTheOneBroughtUpOrActivatedLast) {
  RecordingDialog first;
  ASSERT_TRUE(first.Create());
  RecordingDialog second;
  ASSERT_TRUE(second.Create());
  EXPECT_EQ(Window::GetActiveWindow(), nullptr);
  first.ShowWindow(true);
  second.ShowWindow(true);
  EXPECT_EQ(Window::GetActiveWindow(), &second);
  first.UserActivated();
  EXPECT_EQ(Window::GetActiveWindow(), &first);
  // A disabled window, held by none, is not made active.
  second.EnableWindow(false);
  second.UserActivated();
  EXPECT_EQ(Window::GetActiveWindow(), &first);
  first.DestroyWindow();
  EXPECT_EQ(Window::GetActiveWindow(), nullptr);
}

// A control disabled while it has the focus hands it to the next stop of its window, round the
// end; a disabled window holding the focus does the same; with no stop left the window itself
// takes the keys. A top-level window keeps its focus for when it takes input again.
TEST_F(FocusTest, ADisabledControlHandsTheFocusToTheNextStop) {
  struct Case {
    const char* what;
    int focus;
    std::vector<int> disabled;  // in this order
    int focusAfter;             // 0: none
  };
  const Case cases[] = {
      {"the next stop", kEdit2, {kEdit2}, kCombo},
      {"a disabled stop passed over", kCombo, {kList, kCombo}, kRadioA1},
      {"round the end", kIdCancel, {kIdCancel}, kEdit},
      {"another control disabled", kEdit, {kEdit2}, kEdit},
      {"no stop left",
       kEdit,
       {kEdit2, kCombo, kList, kRadioA1, kRadioB1, kCheck, kIdOk, kIdCancel, kEdit},
       0},
      {"the dialog itself disabled", kCheck, {0}, kCheck},
  };
  for (const Case& c : cases) {
    RecordingDialog dialog;
    ASSERT_TRUE(dialog.Create());
    dialog.ShowWindow(true);
    Window::FocusControl(*dialog.GetDlgItem(c.focus));
    for (const int id : c.disabled) {
      (id == 0 ? static_cast<Window&>(dialog) : *dialog.GetDlgItem(id)).EnableWindow(false);
    }
    EXPECT_EQ(FocusId(dialog), c.focusAfter) << c.what;
  }
  // A window holding the focused control, disabled with its contents.
  Window top;
  top.CreateTopLevel(nullptr, {0, 0, 300, 200});
  Window bar;
  bar.CreateChild(top, 1, {0, 0, 300, 30});
  Button inBar(ControlKind::PushButton);
  inBar.CreateChild(bar, 2, {0, 0, 80, 24});
  Button after(ControlKind::PushButton);
  after.CreateChild(top, 3, {0, 40, 80, 64});
  inBar.SetFocus();
  bar.EnableWindow(false);
  EXPECT_EQ(top.GetFocusedWindow(), &after);
}

// "Vergrößern" pressed until it turns grey passes the keyboard to "Verkleinern": Escape, typed
// where the focus is, closes the preview.
TEST_F(FocusTest, ThePreviewsZoomTurningGreyPassesTheKeyboardOn) {
  class PageView : public View {
   public:
    void OnDraw(Dc&) override {}
    void OnPrint(Dc&, PrintInfo&) override {}
  };
  FrameWnd frame;
  frame.CreateTopLevel(nullptr, {0, 0, 800, 600}, "Rahmen");
  frame.ShowWindow(true);
  PageView view;
  view.CreateChild(frame, 1, {0, 0, 800, 600});
  frame.SetActiveView(&view);
  ASSERT_TRUE(headless.Command(frame, kIdFilePrintPreview));
  auto* preview = dynamic_cast<PrintPreview*>(Window::TopLevelWindows().back());
  ASSERT_NE(preview, nullptr);
  auto& zoomIn = *static_cast<Button*>(preview->GetDlgItem(kIdPreviewZoomIn));
  Window::FocusControl(zoomIn);
  while (zoomIn.IsWindowEnabled()) zoomIn.Click();
  EXPECT_EQ(FocusId(*preview), kIdPreviewZoomOut);
  Window* focus = preview->GetFocusedWindow();
  headless.KeyDown(focus != nullptr ? *focus : *preview, kVkEscape);
  EXPECT_EQ(dynamic_cast<PrintPreview*>(Window::TopLevelWindows().back()), nullptr);
}

}  // namespace
}  // namespace pf::test
