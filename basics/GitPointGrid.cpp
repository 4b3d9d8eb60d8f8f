#include "basics/GitPointGrid.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "pf/dc.h"

namespace {

// Index of the grid line nearest to v; a tie keeps the lower one (toward zero).
int64_t NearestIndex(int32_t v) {
  const int64_t s = GitPointGrid::kSpacing;
  int64_t i = v / s;
  if (std::llabs((i + 1) * s - v) < std::llabs(v - i * s)) ++i;
  return std::clamp<int64_t>(i, 0, GitPointGrid::kCount - 1);
}

}  // namespace

GitPointGrid::GitPointGrid() {
  for (int32_t i = 0; i < kCount; ++i) {
    for (int32_t j = 0; j < kCount; ++j) {
      GitPoint& e = entries[static_cast<size_t>(i * kCount + j)];
      e = Point(i * kSpacing, j * kSpacing);
      e.occupied = i == 0 || j == 0;
    }
  }
}

const GitPoint* GitPointGrid::EntryAt(int64_t i, int64_t j) const {
  if (i < 0 || j < 0 || i >= kCount || j >= kCount) return nullptr;
  return &entries[static_cast<size_t>(i * kCount + j)];
}

GitPoint* GitPointGrid::EntryAt(int64_t i, int64_t j) {
  return const_cast<GitPoint*>(std::as_const(*this).EntryAt(i, j));
}

Point GitPointGrid::Snap(const Point& p) const {
  return *EntryAt(NearestIndex(p.x), NearestIndex(p.y));
}

const GitPoint* GitPointGrid::FirstHitAround(const Point& p) const {
  const int64_t i = p.x / kSpacing;
  const int64_t j = p.y / kSpacing;
  for (const auto& [di, dj] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) {
    const GitPoint* e = EntryAt(i + di, j + dj);
    if (e != nullptr && e->HitTest(p, tolerance)) return e;
  }
  return nullptr;
}

bool GitPointGrid::IsFreeAt(const Point& p) const { return FirstHitAround(p) != nullptr; }

Point GitPointGrid::FindFreeNear(const Point& p) const {
  const GitPoint* e = FirstHitAround(p);
  return e != nullptr ? Point(*e) : Point(kSpacing, kSpacing);
}

bool GitPointGrid::ReleaseAt(const Point& p) {
  GitPoint* e = EntryAt(p.x / kSpacing, p.y / kSpacing);
  if (e == nullptr || !(*e == p)) return false;
  e->occupied = false;
  return true;
}

void GitPointGrid::OccupyRect(const pf::Rect& r) { MarkRect(r, true); }
void GitPointGrid::FreeRect(const pf::Rect& r) { MarkRect(r, false); }

void GitPointGrid::MarkRect(const pf::Rect& r, bool occupied) {
  const int64_t i0 = std::max<int64_t>(r.left / kSpacing, 0);
  const int64_t i1 = std::min<int64_t>(r.right / kSpacing, kCount - 1);
  const int64_t j0 = std::max<int64_t>(r.top / kSpacing, 0);
  const int64_t j1 = std::min<int64_t>(r.bottom / kSpacing, kCount - 1);
  for (int64_t i = i0; i <= i1; ++i) {
    for (int64_t j = j0; j <= j1; ++j) {
      GitPoint* e = EntryAt(i, j);
      if (e->IsInsideRect(r)) e->occupied = occupied;
    }
  }
}

void GitPointGrid::Draw(pf::Dc* dc) const {
  const pf::GdiObject oldBrush = dc->SelectStockObject(pf::StockObject::WhiteBrush);
  const int32_t size = kCount * kSpacing;
  dc->FillRect(pf::Rect{0, 0, size, size}, dc->GetBrush());
  dc->MoveTo(0, 0);
  dc->LineTo(size, 0);
  dc->LineTo(size, size);
  dc->LineTo(0, size);
  dc->LineTo(0, 0);
  for (const GitPoint& e : entries) e.Draw(dc);  // column by column
  dc->SelectObject(oldBrush);
}
