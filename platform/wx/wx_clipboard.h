#pragma once
// The system clipboard on the desktop: text, and bitmaps as PNG images.

#include "pf/clipboard.h"

namespace pf {

class WxClipboard : public Clipboard {
 public:
  bool SetText(std::string bytes) override;
  bool SetBitmap(const Bitmap& bitmap) override;
  std::optional<std::string> GetText() const override;
  std::optional<Bitmap> GetBitmap() const override;
  void Empty() override;
};

}  // namespace pf
