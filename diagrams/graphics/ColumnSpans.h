#pragma once

#include <span>
#include <vector>

#include "pf/geometry.h"

// The points of a polyline that draw what all of them draw. Where consecutive points fall on one
// pixel column the pen only runs up and down it, so the column keeps its first point, its lowest
// and highest in their order and its last; the joins to the neighbouring columns stay as they
// were. A thin pen covers whole pixels on a column, so the pixels stay the same too: where the
// column's last point repeats its later extreme, that extreme keeps the step that left it, lest
// its pixel go unpainted.
std::vector<pf::Point> ThinToColumns(std::span<const pf::Point> points);
