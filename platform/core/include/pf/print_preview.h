#pragma once
// The print preview: a window of its own over the view's frame, covering all of it (menu and
// bars included), that shows the pages a print job of the view would print, drawn by the view's
// print hooks in the printer's device units and pictured to fit the window. The frame takes no
// input while the preview is open.

#include <array>
#include <memory>
#include <vector>

#include "pf/bitmap.h"
#include "pf/controls.h"
#include "pf/frame.h"
#include "pf/view.h"

namespace pf {

// The page area: the picture of one page on a grey ground, scrolled when it is larger.
class PreviewPage : public ScrollView {
 public:
  static constexpr int kMargin = 16;
  static constexpr ColorRef kGround = Rgb(128, 128, 128);

  void SetPicture(Bitmap picture);
  const Bitmap& GetPicture() const { return picture_; }
  // Where the picture lies, in drawing coordinates.
  Rect PictureRect() const;
  void OnDraw(Dc& dc) override;

 private:
  Bitmap picture_;
};

class PrintPreview : public FrameWnd {
 public:
  // Each step of the zoom, as a multiple of the picture that fits the page area.
  static constexpr std::array<int, 3> kZoomFactors{1, 2, 4};
  static constexpr int kBarHeight = 32;

  explicit PrintPreview(View& view);
  ~PrintPreview() override { DestroyWindow(); }

  // Opens over the whole of the view's frame at the first page, the whole page in sight; false
  // (and nothing open) when the view prepares no job or the backend pictures no page.
  bool Open();
  int PageCount() const { return pages_; }
  int CurrentPage() const { return current_; }
  int ZoomStep() const { return zoom_; }
  const PreviewPage& Page() const { return page_; }
  ColorRef GetBackgroundColor() const override { return Rgb(240, 240, 240); }
  // Escape closes the preview.
  bool TranslateAccelerator(int key, unsigned modifiers) override;

 protected:
  void OnSize(int cx, int cy) override;
  void OnDestroy() override;

 private:
  // Runs the view's print job for the current page and zoom; false when no page was pictured.
  bool Render();
  void Show(int page, int zoom);
  void Print();
  // The buttons and the page number follow the state.
  void UpdateBar();

  View& view_;
  PreviewPage page_;
  std::vector<std::unique_ptr<Button>> buttons_;
  Static pageNumber_{ControlKind::Static};
  int pages_ = 0;
  int current_ = 1;
  int zoom_ = 0;
};

}  // namespace pf
