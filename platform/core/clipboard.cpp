#include "pf/clipboard.h"

namespace pf {
namespace {
Clipboard* installed = nullptr;
}

bool Clipboard::SetText(std::string bytes) {
  text_ = std::move(bytes);
  return true;
}

std::optional<std::string> Clipboard::GetText() const { return text_; }

void Clipboard::Empty() { text_.reset(); }

Clipboard& TheClipboard() {
  static Clipboard memory;
  return installed ? *installed : memory;
}

void InstallClipboard(Clipboard* clipboard) { installed = clipboard; }

}  // namespace pf
