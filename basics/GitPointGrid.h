#pragma once
// The view's placement grid: new positions snap to it, points inside placed symbols are
// occupied, and the free points are drawn as dots. Positions outside the grid have no entry.

#include <array>
#include <cstdint>

#include "basics/Point.h"

class GitPointGrid {
 public:
  static constexpr int32_t kSpacing = 25;
  static constexpr int32_t kCount = 50;  // grid points per side

  // The top row and the left column start occupied, so they never take elements.
  GitPointGrid();

  Point Snap(const Point& p) const;
  bool IsFreeAt(const Point& p) const;
  // The first free grid point within the tolerance of p, else (kSpacing, kSpacing).
  Point FindFreeNear(const Point& p) const;
  // Frees the entry at p only when its point equals p exactly.
  bool ReleaseAt(const Point& p);
  // Only entries strictly inside r change.
  void OccupyRect(const pf::Rect& r);
  void FreeRect(const pf::Rect& r);
  void Draw(pf::Dc* dc) const;

 private:
  // Null for (i, j) outside the grid.
  const GitPoint* EntryAt(int64_t i, int64_t j) const;
  GitPoint* EntryAt(int64_t i, int64_t j);
  // Of the entries (i, j), (i+1, j), (i, j+1), (i+1, j+1) around p, the first that takes
  // the hit; null when none does.
  const GitPoint* FirstHitAround(const Point& p) const;
  void MarkRect(const pf::Rect& r, bool occupied);

  int32_t tolerance = kSpacing / 5;
  std::array<GitPoint, kCount * kCount> entries;
};
