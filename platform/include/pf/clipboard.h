#pragma once
// The process's clipboard. Headless it lives in memory; a desktop backend installs its own.

#include <optional>
#include <string>

#include "pf/bitmap.h"

namespace pf {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces the whole content by a text block (bytes as given, no conversion).
  virtual bool SetText(std::string bytes);
  virtual std::optional<std::string> GetText() const;
  // Replaces the whole content by a picture; an empty bitmap is refused.
  virtual bool SetBitmap(Bitmap picture);
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
