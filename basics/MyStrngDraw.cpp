// Text drawing of the heap string. The whole text is drawn, whatever its length.

#include <algorithm>
#include <string_view>

#include "basics/MyStrng.h"
#include "pf/dc.h"

namespace {

// Text is drawn over whatever lies beneath; the caller's mode comes back afterwards.
class TransparentBackground {
 public:
  explicit TransparentBackground(pf::Dc* dc)
      : dc_(dc), old_(dc->SetBkMode(pf::BkMode::Transparent)) {}
  ~TransparentBackground() { dc_->SetBkMode(old_); }
  TransparentBackground(const TransparentBackground&) = delete;
  TransparentBackground& operator=(const TransparentBackground&) = delete;

 private:
  pf::Dc* dc_;
  pf::BkMode old_;
};

}  // namespace

int32_t MyStrng::GetTextWidth(pf::Dc* dc, int32_t n) const {
  const TransparentBackground transparent(dc);
  const int32_t count = std::clamp(n, 0, GetLength());
  return dc->GetTextExtent(std::string_view(Buf(), static_cast<size_t>(count))).cx;
}

int32_t MyStrng::GetTextHeight(pf::Dc* dc) const {
  const TransparentBackground transparent(dc);
  return dc->GetTextExtent(Buf()).cy;
}

void MyStrng::DrawText(pf::Dc* dc, int32_t x, int32_t y, char align) const {
  const TransparentBackground transparent(dc);
  if (align == 'C') {
    const pf::Size extent = dc->GetTextExtent(Buf());
    dc->TextOut(x - extent.cx / 2, y - extent.cy, Buf());
  } else {
    dc->TextOut(x, y, Buf());
  }
}

void MyStrng::DrawVertical(pf::Dc* dc, int32_t x, int32_t y) const {
  const TransparentBackground transparent(dc);
  const pf::Size extent = dc->GetTextExtent(Buf());
  dc->TextOut(x - extent.cy, y + extent.cx / 2, Buf());
}

void MyStrng::DrawClipped(pf::Dc* dc, int32_t x, int32_t y, int32_t n) const {
  const int32_t length = GetLength();
  if (n >= length) {
    DrawText(dc, x, y, 'L');
    return;
  }
  const TransparentBackground transparent(dc);
  dc->TextOut(x, y, std::string_view(Buf(), static_cast<size_t>(std::max(n, 0))));
}
