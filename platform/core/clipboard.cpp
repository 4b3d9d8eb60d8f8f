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

std::optional<std::string> Clipboard::GetText() const { return text_; }

bool Clipboard::SetBitmap(Bitmap picture) {
  if (picture.IsEmpty()) return false;
  text_.reset();
  bitmap_ = std::move(picture);
  return true;
}

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
