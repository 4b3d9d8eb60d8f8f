#include "pf/text_wrap.h"

#include <cstddef>

namespace pf {
namespace {

std::size_t NextCharEnd(std::string_view s, std::size_t i) {
  ++i;
  while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
  return i;
}

}  // namespace

std::string_view FitText(const Dc& dc, std::string_view text, int width) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = NextCharEnd(text, end);
    if (dc.GetTextExtent(text.substr(0, next)).cx > width) break;
    end = next;
  }
  return text.substr(0, end);
}

std::vector<std::string> WrapText(const Dc& dc, std::string_view text, int width) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t nl = text.find('\n', start);
    std::string_view para = text.substr(start, nl == std::string_view::npos ? nl : nl - start);
    do {
      std::string_view fits = FitText(dc, para, width);
      if (fits.size() < para.size()) {
        const std::size_t blank = fits.rfind(' ');
        if (blank != std::string_view::npos && blank > 0) fits = fits.substr(0, blank);
        if (fits.empty()) fits = para.substr(0, NextCharEnd(para, 0));
      }
      lines.emplace_back(fits);
      para.remove_prefix(fits.size());
      while (!para.empty() && para.front() == ' ') para.remove_prefix(1);
    } while (!para.empty());
    if (nl == std::string_view::npos) break;
    start = nl + 1;
  }
  return lines;
}

}  // namespace pf
