#include "pf/picture_print.h"

#include <algorithm>
#include <cmath>

#include "pf/pdf_print.h"

namespace pf {

std::unique_ptr<PicturePrintTarget> PicturePrintTarget::Create(Size box, int keep) {
  // The device units of the PDF target, so that a page looks exactly as it prints.
  constexpr Size page = PdfPrintTarget::PageDots();
  const double scale =
      std::min(static_cast<double>(box.cx) / page.cx, static_cast<double>(box.cy) / page.cy);
  const Size pixels{static_cast<int>(std::lround(page.cx * scale)),
                    static_cast<int>(std::lround(page.cy * scale))};
  if (pixels.cx > Bitmap::kMaxSide || pixels.cy > Bitmap::kMaxSide) return nullptr;
  std::unique_ptr<CairoDc> dc = CairoDc::CreateScaledImage(page.cx, page.cy, pixels);
  if (!dc) return nullptr;
  return std::unique_ptr<PicturePrintTarget>(new PicturePrintTarget(std::move(dc), keep));
}

bool PicturePrintTarget::EndPage() {
  if (++pages_ == keep_) {
    std::optional<Bitmap> picture = dc_->ReadImage();
    if (!picture) return false;
    picture_ = std::move(*picture);
  }
  return dc_->ShowPage();
}

}  // namespace pf
