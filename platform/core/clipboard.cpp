#include "pf/clipboard.h"

namespace pf {
namespace {
Clipboard* installed = nullptr;
}

bool Clipboard::SetText(std::string bytes) {
  bitmap_.reset();
  text_ = std::move(bytes);
  return true;
}

bool Clipboard::SetBitmap(const Bitmap& bitmap) {
  if (bitmap.IsEmpty()) return false;
  text_.reset();
  bitmap_ = bitmap;
  return true;
}

std::optional<std::string> Clipboard::GetText() const { return text_; }

std::optional<Bitmap> Clipboard::GetBitmap() const { return bitmap_; }

void Clipboard::Empty() {
  text_.reset();
  bitmap_.reset();
}

Clipboard& TheClipboard() {
  static Clipboard memory;
  return installed ? *installed : memory;
}

void InstallClipboard(Clipboard* clipboard) { installed = clipboard; }

}  // namespace pf
