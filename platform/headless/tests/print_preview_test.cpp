#include "pf/print_preview.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/core/tests/temp_dir.h"
#include "pf/command_ids.h"
#include "ui_fixture.h"

namespace pf::test {
namespace {

constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kWhite = Rgb(255, 255, 255);

// Page n is black over the left n tenths of its width, in the printer's device units.
class PagesView : public View {
 public:
  void OnDraw(Dc&) override {}
  bool OnPreparePrinting(PrintInfo& info) override {
    info.SetMaxPage(pages);
    return prepared;
  }
  void OnPrint(Dc& dc, PrintInfo& info) override {
    const Rect page = info.drawRect;
    dc.FillRect({0, 0, page.right * info.currentPage / 10, page.bottom},
                Brush{BrushStyle::Solid, kBlack});
  }

  int pages = 1;
  bool prepared = true;
};

// The share of the picture's middle row that is black, in tenths.
int BlackTenths(const Bitmap& picture) {
  int black = 0;
  for (int x = 0; x < picture.Width(); ++x)
    black += picture.GetPixel(x, picture.Height() / 2) == kBlack;
  return (black * 10 + picture.Width() / 2) / picture.Width();
}

class PrintPreviewTest : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    frame.CreateTopLevel(nullptr, {0, 0, 800, 600}, "Rahmen");
    frame.ShowWindow(true);
    view.CreateChild(frame, 1, {0, 0, 800, 600});
    frame.SetActiveView(&view);
  }

  // The preview that the command opened; nullptr when none is open.
  static PrintPreview* Preview() {
    for (Window* w : Window::TopLevelWindows()) {
      if (auto* preview = dynamic_cast<PrintPreview*>(w)) return preview;
    }
    return nullptr;
  }

  PrintPreview& Open() {
    EXPECT_TRUE(headless.Command(frame, kIdFilePrintPreview));
    PrintPreview* preview = Preview();
    EXPECT_NE(preview, nullptr);
    return *preview;
  }

  static bool Enabled(PrintPreview& preview, int id) {
    return preview.GetDlgItem(id)->IsWindowEnabled();
  }

  static void Press(PrintPreview& preview, int id) {
    static_cast<Button*>(preview.GetDlgItem(id))->Click();
  }

  FrameWnd frame;
  PagesView view;
};

TEST_F(PrintPreviewTest, PagesForwardAndBackWithinTheJob) {
  const struct {
    int pages;
    std::vector<int> presses;
    int page;
    bool next;
    bool prev;
  } cases[] = {
      {1, {}, 1, false, false},
      {1, {kIdPreviewNext, kIdPreviewPrev}, 1, false, false},
      {3, {}, 1, true, false},
      {3, {kIdPreviewNext}, 2, true, true},
      {3, {kIdPreviewNext, kIdPreviewNext, kIdPreviewNext}, 3, false, true},
      {3, {kIdPreviewNext, kIdPreviewNext, kIdPreviewPrev}, 2, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pages << " pages, " << c.presses.size() << " presses");
    view.pages = c.pages;
    PrintPreview& preview = Open();
    for (const int id : c.presses) Press(preview, id);
    EXPECT_EQ(preview.PageCount(), c.pages);
    EXPECT_EQ(preview.CurrentPage(), c.page);
    EXPECT_EQ(BlackTenths(preview.Page().GetPicture()), c.page);
    EXPECT_EQ(Enabled(preview, kIdPreviewNext), c.next);
    EXPECT_EQ(Enabled(preview, kIdPreviewPrev), c.prev);
    preview.Close();
  }
}

TEST_F(PrintPreviewTest, ThePageFitsTheWindowAndZoomsWithinItsSteps) {
  PrintPreview& preview = Open();
  const Rect area = preview.Page().GetClientRect();
  const Bitmap& fitted = preview.Page().GetPicture();
  // A4 upright, as large as the area allows.
  EXPECT_EQ(fitted.Height(), area.Height() - 2 * PreviewPage::kMargin);
  EXPECT_NEAR(fitted.Width() * 297.0 / 210, fitted.Height(), 2);
  const int fittedWidth = fitted.Width();

  const struct {
    int press;
    int step;
    int factor;
    bool zoomIn;
    bool zoomOut;
  } steps[] = {
      {kIdPreviewZoomOut, 0, 1, true, false},  // refused at the whole page
      {kIdPreviewZoomIn, 1, 2, true, true},   {kIdPreviewZoomIn, 2, 4, false, true},
      {kIdPreviewZoomIn, 2, 4, false, true},  // refused at the last step
      {kIdPreviewZoomOut, 1, 2, true, true},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << "to step " << s.step);
    if (preview.GetDlgItem(s.press)->IsWindowEnabled()) Press(preview, s.press);
    EXPECT_EQ(preview.ZoomStep(), s.step);
    EXPECT_NEAR(preview.Page().GetPicture().Width(), fittedWidth * s.factor, s.factor);
    EXPECT_EQ(Enabled(preview, kIdPreviewZoomIn), s.zoomIn);
    EXPECT_EQ(Enabled(preview, kIdPreviewZoomOut), s.zoomOut);
  }
  EXPECT_EQ(BlackTenths(preview.Page().GetPicture()), 1);
}

TEST_F(PrintPreviewTest, TheFrameRestsUntilThePreviewClosesByButtonOrEscape) {
  for (const bool escape : {false, true}) {
    PrintPreview& preview = Open();
    EXPECT_TRUE(preview.IsWindowVisible());
    EXPECT_FALSE(frame.IsWindowEnabled());
    EXPECT_FALSE(headless.Command(frame, kIdFilePrintPreview));
    if (escape) {
      headless.KeyDown(preview, kVkEscape);
    } else {
      Press(preview, kIdPreviewClose);
    }
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_TRUE(frame.IsWindowEnabled());
  }
}

TEST_F(PrintPreviewTest, PrintingFromThePreviewPrintsEveryPageAndReturnsToTheFrame) {
  const TempDir temp;
  view.pages = 2;
  PrintPreview& preview = Open();
  headless.QueuePrintFile(temp / "seiten.pdf");
  Press(preview, kIdPreviewPrint);
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_TRUE(frame.IsWindowEnabled());
  std::ifstream in(temp / "seiten.pdf", std::ios::binary);
  const std::string pdf(std::istreambuf_iterator<char>(in), {});
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
}

TEST_F(PrintPreviewTest, NothingOpensWhenTheViewCancelsTheJob) {
  view.prepared = false;
  headless.Command(frame, kIdFilePrintPreview);
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_TRUE(frame.IsWindowEnabled());
}

TEST_F(PrintPreviewTest, ThePictureIsShownWithinItsFrameOnTheGround) {
  PrintPreview& preview = Open();
  const std::unique_ptr<CairoDc> image = headless.Render(preview);
  ASSERT_NE(image, nullptr);
  const Rect r = preview.Page().PictureRect().Offset(0, PrintPreview::kBarHeight);
  EXPECT_EQ(image->GetPixel(r.left + 1, r.top + 1), kBlack);
  EXPECT_EQ(image->GetPixel(r.right - 2, r.bottom - 2), kWhite);
  EXPECT_EQ(image->GetPixel(r.right, r.top), kBlack);  // the frame
  EXPECT_EQ(image->GetPixel(r.right + 2, r.top), PreviewPage::kGround);
}

}  // namespace
}  // namespace pf::test
