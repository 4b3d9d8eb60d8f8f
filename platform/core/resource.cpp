#include "pf/resource.h"

#include <algorithm>
#include <cstring>

namespace pf {

std::string LoadString(int id) {
  const StringTemplate *s = ResourceTable<StringTemplate>::Instance().Find(id);
  return s != nullptr && s->text != nullptr ? s->text : "";
}

std::string CommandPrompt(int id) {
  const std::string s = LoadString(id);
  return s.substr(0, s.find('\n'));
}

std::string CommandToolTip(int id) {
  const std::string s = LoadString(id);
  const std::size_t nl = s.find('\n');
  return nl == std::string::npos ? std::string() : s.substr(nl + 1);
}

Bitmap LoadBitmap(int id) {
  const PixelMapTemplate *t =
      ResourceTable<PixelMapTemplate>::Instance().Find(id);
  if (t == nullptr || t->rows.empty() || t->rows.front() == nullptr)
    return {};
  const std::size_t width = std::strlen(t->rows.front());
  if (width == 0 || width > Bitmap::kMaxSide ||
      t->rows.size() > Bitmap::kMaxSide)
    return {};
  Bitmap bitmap(static_cast<int>(width), static_cast<int>(t->rows.size()));
  for (std::size_t y = 0; y < t->rows.size(); ++y) {
    const char *row = t->rows[y];
    if (row == nullptr || std::strlen(row) != width)
      return {};
    for (std::size_t x = 0; x < width; ++x) {
      const auto it =
          std::find_if(t->palette.begin(), t->palette.end(),
                       [&](const PixelColour &p) { return p.key == row[x]; });
      if (it == t->palette.end())
        return {};
      bitmap.SetPixel(static_cast<int>(x), static_cast<int>(y), it->colour);
    }
  }
  return bitmap;
}

std::string MenuLabel(std::string_view text) {
  return StripMnemonics(text.substr(0, text.find('\t')));
}

std::string StripMnemonics(std::string_view text) {
  std::string label;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      label += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '&') {
      label += '&'; // "&&" stands for a plain '&'
      ++i;
    }
  }
  return label;
}

} // namespace pf
