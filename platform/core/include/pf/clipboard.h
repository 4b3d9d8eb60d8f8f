#pragma once
// The process's clipboard: a text block or a bitmap. Headless it lives in memory; a desktop
// backend installs its own.

#include <optional>
#include <string>

#include "pf/bitmap.h"

namespace pf {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Each replaces the whole content: a text block (bytes as given, no conversion), or a
  // bitmap (an empty one is refused).
  virtual bool SetText(std::string bytes);
  virtual bool SetBitmap(const Bitmap& bitmap);
  // nullopt when the clipboard holds no content of the kind.
  virtual std::optional<std::string> GetText() const;
  virtual std::optional<Bitmap> GetBitmap() const;
  virtual void Empty();

 private:
  std::optional<std::string> text_;
  std::optional<Bitmap> bitmap_;
};

Clipboard& TheClipboard();
// Installs a clipboard owned by the caller; nullptr restores the in-memory one.
void InstallClipboard(Clipboard* clipboard);

}  // namespace pf
