#include <gtest/gtest.h>

#include "pf/backend.h"
#include "pf/recording_dc.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

class MouseLog : public Window {
 public:
  std::vector<std::string> log;

 protected:
  void OnLButtonDown(unsigned flags, Point p) override { Note("down", flags, p); }
  void OnLButtonUp(unsigned flags, Point p) override { Note("up", flags, p); }
  void OnMouseMove(unsigned flags, Point p) override { Note("move", flags, p); }
  void OnKeyDown(int key, unsigned) override { log.push_back("key " + std::to_string(key)); }
  void OnSize(int cx, int cy) override {
    log.push_back("size " + std::to_string(cx) + " " + std::to_string(cy));
  }
  void OnPaint(Dc&) override { log.push_back("paint"); }

 private:
  void Note(const char* what, unsigned flags, Point p) {
    log.push_back(std::string(what) + " " + std::to_string(flags) + " " + std::to_string(p.x) +
                  "," + std::to_string(p.y));
  }
};

class WindowTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    top.CreateTopLevel(nullptr, {100, 50, 500, 350}, "Oben");
    top.ShowWindow(true);
    child.CreateChild(top, 7, {10, 20, 110, 70});
    grandChild.CreateChild(child, 8, {5, 5, 25, 25});
  }
  MouseLog top, child, grandChild;
};

TEST_F(WindowTest, ChildCoordinatesAreRelativeToTheParent) {
  EXPECT_EQ(grandChild.GetWindowRect(), (Rect{115, 75, 135, 95}));
  EXPECT_EQ(grandChild.ScreenToClient({120, 80}), (Point{5, 5}));
  EXPECT_EQ(child.GetClientRect(), (Rect{0, 0, 100, 50}));
  EXPECT_EQ(top.GetDlgItem(7), &child);
  EXPECT_EQ(top.GetDlgItem(8), nullptr) << "only direct children";
  child.MoveWindow({0, 0, 40, 30});
  child.MoveWindow({5, 5, 45, 35});  // moved, same size: no OnSize
  EXPECT_EQ(child.log, (std::vector<std::string>{"size 40 30"}));
}

TEST_F(WindowTest, VisibilityAndEnablingFollowTheParents) {
  EXPECT_TRUE(grandChild.IsWindowVisible());
  top.ShowWindow(false);
  EXPECT_TRUE(grandChild.IsVisible());
  EXPECT_FALSE(grandChild.IsWindowVisible());
  top.ShowWindow(true);
  EXPECT_FALSE(child.EnableWindow(false));
  EXPECT_TRUE(child.EnableWindow(false)) << "returns whether it was disabled";
  EXPECT_FALSE(grandChild.IsWindowEnabled());
  headless.MouseDown(grandChild, {1, 1});
  headless.KeyDown(grandChild, kVkDelete);
  EXPECT_TRUE(grandChild.log.empty()) << "a disabled window takes no input";
}

TEST_F(WindowTest, WindowsCentreOverTheirOwnerOrInTheirParent) {
  Window owned;
  owned.CreateTopLevel(&grandChild, {0, 0, 100, 50});  // owned through a child: its top level
  owned.CenterWindow();
  EXPECT_EQ(owned.GetRect(), (Rect{250, 175, 350, 225}));
  grandChild.CenterWindow();
  EXPECT_EQ(grandChild.GetRect(), (Rect{40, 15, 60, 35}));
}

TEST_F(WindowTest, FontsComeFromTheNearestWindowThatHasOne) {
  EXPECT_EQ(grandChild.GetFont(), StockFont());
  top.SetFont(Font{"Arial", 30});
  EXPECT_EQ(grandChild.GetFont().height, 30);
  child.SetFont(Font{"Arial", 8});
  EXPECT_EQ(grandChild.GetFont().height, 8);
}

TEST_F(WindowTest, CaptureTakesAllMouseInput) {
  child.SetCapture();
  headless.MouseMove(grandChild, {1, 2}, kMkLButton);
  headless.MouseUp(top, {300, 300});
  Window::ReleaseCapture();
  headless.MouseDown(grandChild, {1, 2});
  EXPECT_EQ(child.log, (std::vector<std::string>{"move 1 6,7", "up 0 290,280"}));
  EXPECT_EQ(grandChild.log, (std::vector<std::string>{"down 1 1,2"}));
  child.SetCapture();
  child.DestroyWindow();
  EXPECT_EQ(Window::GetCapture(), nullptr);
}

TEST_F(WindowTest, InvalidationCollectsTheUpdateRectangleUntilPainted) {
  top.Paint(*headless.GetDC(top));
  EXPECT_FALSE(top.GetUpdateRect());
  top.InvalidateRect({10, 10, 20, 20});
  top.InvalidateRect({30, 5, 40, 15});
  top.InvalidateRect({390, 290, 900, 900});  // cut to the client area
  EXPECT_EQ(top.GetUpdateRect(), (Rect{10, 5, 400, 300}));
  top.UpdateWindow();
  top.UpdateWindow();  // nothing invalid: no paint
  EXPECT_FALSE(top.GetUpdateRect());
  EXPECT_EQ(std::count(top.log.begin(), top.log.end(), "paint"), 2);
}

TEST_F(WindowTest, DestroyingAParentDestroysAndDeletesOwnedChildren) {
  Window& owned = top.AdoptChild(std::make_unique<Window>());
  owned.CreateChild(top, 9, {0, 0, 10, 10});
  owned.SetTimer(1, 10);
  EXPECT_EQ(top.Children().size(), 2u);
  top.DestroyWindow();
  EXPECT_FALSE(child.IsCreated());
  EXPECT_FALSE(grandChild.IsCreated());
  EXPECT_TRUE(top.Children().empty());
  headless.Advance(100);  // the owned child's timer went with it
}

// The visibility changes a backend is told of, by window.
class VisibilityLog : public Backend {
 public:
  void WindowChanged(Window& window, WindowChange change) override {
    if (change == WindowChange::Visibility) shown.push_back(&window);
  }
  std::vector<const Window*> shown;
};

// Showing a shown top-level window asks the backend again, which brings it to the top; a child
// shown again, or a hidden window hidden again, changes nothing.
TEST_F(WindowTest, ShowingAShownTopLevelWindowBringsItUpAgain) {
  VisibilityLog log;
  InstallBackend(&log);
  top.ShowWindow(true);
  child.ShowWindow(true);
  child.ShowWindow(false);
  child.ShowWindow(false);
  top.ShowWindow(false);
  top.ShowWindow(false);
  InstallBackend(&headless);
  EXPECT_EQ(log.shown, (std::vector<const Window*>{&top, &child, &top}));
}

TEST_F(WindowTest, WithoutABackendContextsRecordAndModalDialogsCancel) {
  InstallBackend(nullptr);
  EXPECT_NE(dynamic_cast<RecordingDc*>(top.GetDC().get()), nullptr);
  EXPECT_EQ(RecordingDialog().DoModal(), kIdCancel);
  InstallBackend(&headless);
}

}  // namespace
}  // namespace pf::test
