#include "diagrams/graphics/BottomLine.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

// Where each character of the UTF-8 text starts, and its end.
std::vector<size_t> CharacterStarts(std::string_view s) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) starts.push_back(i);
  }
  starts.push_back(s.size());
  return starts;
}

// head, then as many of the name's characters as fit, half from its start and half from its
// end, around "…", then tail; none when not even "…" alone fits between them.
std::optional<std::string> CutInTheMiddle(std::string_view head, std::string_view name,
                                          std::string_view tail, int width,
                                          const std::function<int(std::string_view)>& widthOf) {
  const std::vector<size_t> starts = CharacterStarts(name);
  const int count = static_cast<int>(starts.size()) - 1;
  const auto keeping = [&](int kept) {
    std::string s(head);
    s += name.substr(0, starts[static_cast<size_t>((kept + 1) / 2)]);
    s += kEllipsis;
    s += name.substr(starts[static_cast<size_t>(count - kept / 2)]);
    s += tail;
    return s;
  };
  if (count == 0 || widthOf(keeping(0)) > width) return std::nullopt;
  // Characters only add width: the most kept that fits, one at least given up.
  int fits = 0;
  int fails = count;
  while (fails - fits > 1) {
    const int kept = (fits + fails) / 2;
    (widthOf(keeping(kept)) <= width ? fits : fails) = kept;
  }
  return keeping(fits);
}

}  // namespace

BottomLine::BottomLine(pf::Window* owner, int px, int py, int w, int h, int room)
    : OutText(owner, px, py, w, h), room(room) {}

std::string BottomLine::DrawnText(pf::Dc& dc) const {
  return FitBottomLine(text.ToCString(), room,
                       [&dc](std::string_view s) { return dc.GetTextExtent(s).cx; });
}

void BottomLine::WritePicTex(PicTexFile& f) const {
  // Widths in hundredths of a millimetre: rounded towards the room's start, the texts' up.
  const float start = f.X(static_cast<float>(x));
  const float end = std::min(f.X(static_cast<float>(x + 3 + room)), f.gridRight);
  const int width = static_cast<int>(std::floor((end - start) * 100.0f));
  const std::string fitted = FitBottomLine(text.ToCString(), width, [&f](std::string_view s) {
    return static_cast<int>(std::ceil(f.TextWidth(s) * 100.0f));
  });
  f.PutLabel(x, y, MyStrng(fitted));
}

std::string FitBottomLine(const std::string& line, int width,
                          const std::function<int(std::string_view)>& widthOf) {
  if (widthOf(line) <= width) return line;
  const std::string_view all(line);
  // The road is one word before ": "; a name taken from a file holds no blank.
  const size_t colon = all.find(": ");
  const size_t nameStart = colon != std::string_view::npos && all.find(' ') > colon ? colon + 2 : 0;
  const size_t nameEnd = std::min(all.find(' ', nameStart), all.size());
  if (auto fitted =
          CutInTheMiddle(all.substr(0, nameStart), all.substr(nameStart, nameEnd - nameStart),
                         all.substr(nameEnd), width, widthOf)) {
    return *fitted;
  }
  return CutInTheMiddle({}, all, {}, width, widthOf).value_or(std::string());
}
