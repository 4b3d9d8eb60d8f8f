#include <gtest/gtest.h>

#include <cstdlib>

#include "pf/backend.h"
#include "pf/clipboard.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

// The owner-drawn control is painted by its dialog.
class DrawingDialog : public RecordingDialog {
 public:
  void OnDrawItem(int id, Dc& dc, const Rect& rect) override {
    events.push_back("draw " + std::to_string(id));
    dc.FillRect(rect, Brush{BrushStyle::Solid, Rgb(255, 0, 0)});
  }
};

class Canvas : public Window {
 protected:
  void OnPaint(Dc& dc) override {
    ++paints;
    dc.FillRect(GetClientRect(), Brush{BrushStyle::Solid, Rgb(0, 0, 255)});
  }

 public:
  int paints = 0;
};

class RenderTest : public UiTest {};

TEST_F(RenderTest, DialogRendersAtItsTemplateSizeWithItsControls) {
  DrawingDialog dlg;
  dlg.onInit = [](RecordingDialog& self) {
    self.SetDlgItemText(kEdit, "4.7kohm");
    self.CheckDlgButton(kRadioA1, 1);
    self.CheckDlgButton(kCheck, 1);
    self.GetControl<ListBox>(kList)->AddString("Eins");
    self.GetControl<Progress>(kProgress)->SetPos(40);
  };
  ASSERT_TRUE(dlg.Create());
  dlg.ShowWindow(true);
  const auto image = headless.Render(dlg);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Width(), 330);   // 220 dialog units
  EXPECT_EQ(image->Height(), 244);  // 150 dialog units
  if (const char* dir = std::getenv("VOSTRANE_RENDER_DIR")) {
    image->WritePng(std::string(dir) + "/testdialog.png");
  }
  // The owner-drawn control at (255, 16) .. (300, 65) is the dialog's red.
  EXPECT_EQ(image->GetPixel(270, 30), Rgb(255, 0, 0));
  EXPECT_EQ(std::count(dlg.events.begin(), dlg.events.end(), "draw 160"), 1);
  // The default button has the accent border, the dialog its grey.
  const Rect ok = DialogUnitsToPixels(170, 112, 40, 14);
  EXPECT_EQ(image->GetPixel(ok.left, ok.top + 5), Rgb(0, 120, 215));
  EXPECT_EQ(image->GetPixel(ok.left - 2, ok.top + 5), dlg.GetBackgroundColor());
  // Hidden controls are left out.
  dlg.GetDlgItem(kOwnerDraw)->ShowWindow(false);
  EXPECT_EQ(headless.Render(dlg)->GetPixel(270, 30), dlg.GetBackgroundColor());
}

TEST_F(RenderTest, PaintingReachesOnlyTheInvalidPart) {
  Canvas canvas;
  canvas.CreateTopLevel(nullptr, {0, 0, 40, 30});
  headless.Render(canvas);
  EXPECT_EQ(canvas.paints, 1);
  {
    // Drawing outside painting stays on the surface...
    auto dc = canvas.GetDC();
    dc->FillRect({0, 0, 40, 30}, Brush{BrushStyle::Solid, Rgb(0, 255, 0)});
  }
  // ...where the next paint does not reach.
  canvas.InvalidateRect({0, 0, 10, 10});
  const auto image = headless.Render(canvas);
  EXPECT_EQ(canvas.paints, 2);
  EXPECT_EQ(image->GetPixel(5, 5), Rgb(0, 0, 255));
  EXPECT_EQ(image->GetPixel(20, 20), Rgb(0, 255, 0));
  // A new size repaints everything.
  canvas.MoveWindow({0, 0, 50, 30});
  EXPECT_EQ(headless.Render(canvas)->GetPixel(20, 20), Rgb(0, 0, 255));
  EXPECT_EQ(headless.Render(canvas)->Width(), 50);
}

TEST_F(RenderTest, ChildrenAreClippedToTheirParent) {
  Canvas parent;
  parent.CreateTopLevel(nullptr, {0, 0, 40, 40});
  Window child;  // paints nothing: its white surface
  child.CreateChild(parent, 1, {30, 30, 60, 60});
  const auto image = headless.Render(parent);
  EXPECT_EQ(image->GetPixel(10, 10), Rgb(0, 0, 255));
  EXPECT_EQ(image->GetPixel(35, 35), Rgb(255, 255, 255));
  EXPECT_EQ(image->Width(), 40);
}

// A copy of the screen goes through a memory context to the clipboard as a bitmap; a static
// picture shows its bitmap.
TEST_F(RenderTest, ScreenPixelsReachTheClipboardThroughAMemoryContext) {
  Canvas parent;
  parent.CreateTopLevel(nullptr, {0, 0, 40, 40});
  StaticBitmap picture(ControlKind::Bitmap);
  picture.CreateChild(parent, 1, {0, 0, 2, 2});
  picture.SetBitmap(Bitmap(2, 2, Rgb(255, 0, 0)));
  EXPECT_EQ(headless.Render(parent)->GetPixel(1, 1), Rgb(255, 0, 0));
  const auto memory = CreateMemoryDc({10, 10});
  ASSERT_TRUE(memory->BitBlt(0, 0, 10, 10, *parent.GetDC(), 20, 20));
  ASSERT_TRUE(TheClipboard().SetBitmap(*memory->ReadBitmap({0, 0, 10, 10})));
  EXPECT_EQ(TheClipboard().GetBitmap()->GetPixel(9, 9), Rgb(0, 0, 255));
  TheClipboard().Empty();
}

}  // namespace
}  // namespace pf::test
