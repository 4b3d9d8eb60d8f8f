#include "diagrams/graphics/ColumnSpans.h"

#include <algorithm>
#include <cstddef>

namespace {

// The points of one column, begin..end inclusive, that are kept, in their order.
void KeepColumn(std::span<const pf::Point> points, std::size_t begin, std::size_t end,
                std::vector<pf::Point>& kept) {
  std::size_t lo = begin;
  std::size_t hi = begin;
  for (std::size_t i = begin + 1; i <= end; ++i) {
    if (points[i].y < points[lo].y) lo = i;
    if (points[i].y > points[hi].y) hi = i;
  }
  std::size_t indices[5] = {begin, std::min(lo, hi), std::max(lo, hi), end, end};
  const int later = points[indices[2]].y;
  if (lo != hi && points[end].y == later) {
    // The pen leaves the later extreme's pixel only by a step that ends elsewhere.
    for (std::size_t j = end; j-- > indices[2];) {
      if (points[j].y == later && points[j + 1].y != later) {
        indices[2] = j;
        indices[3] = j + 1;
        break;
      }
    }
  }
  std::size_t previous = end + 1;
  for (std::size_t i : indices) {
    if (i == previous) continue;
    kept.push_back(points[i]);
    previous = i;
  }
}

}  // namespace

std::vector<pf::Point> ThinToColumns(std::span<const pf::Point> points) {
  std::vector<pf::Point> kept;
  std::size_t begin = 0;
  while (begin < points.size()) {
    std::size_t end = begin;
    while (end + 1 < points.size() && points[end + 1].x == points[begin].x) ++end;
    if (end - begin < 2) {
      kept.insert(kept.end(), points.begin() + static_cast<std::ptrdiff_t>(begin),
                  points.begin() + static_cast<std::ptrdiff_t>(end + 1));
    } else {
      KeepColumn(points, begin, end, kept);
    }
    begin = end + 1;
  }
  return kept;
}
