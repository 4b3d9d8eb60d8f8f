#pragma once
// The drawing area of an instrument screen: an outer rectangle in the owner window's client
// pixels, an inner area inset by a margin, and its centre. The diagrams build on it and answer
// the value-to-pixel mapping that their elements use.

#include "diagrams/graphics/DiagramMapping.h"
#include "pf/geometry.h"

namespace pf {
class Archive;
class Dc;
class Window;
}  // namespace pf

class Screen : public DiagramMapping {
 public:
  Screen() = default;
  Screen(pf::Window* owner, int x, int y, int width, int height);
  // Outer area, margin and owner; inner area and centre recomputed.
  Screen(const Screen& other);
  // As the copy, but the owner becomes none.
  Screen& operator=(const Screen& other);
  ~Screen() override = default;

  // The eleven integers of the area. Throws pf::ArchiveError on a short load or an area
  // outside the coordinate range; the inner area and the centre are derived again.
  virtual void Serialize(pf::Archive& ar);
  virtual void SetOwner(pf::Window* w) { owner = w; }
  // The margin becomes 0.
  virtual void SetRect(const pf::Rect& r);
  // White inner area with its frame lines.
  virtual void Draw(pf::Dc* dc);

  pf::Window* GetOwner() const { return owner; }
  pf::Rect GetInnerRect() const {
    return {innerX, innerY, innerX + innerWidth, innerY + innerHeight};
  }
  int GetCentreX() const { return centreX; }
  int GetCentreY() const { return centreY; }

  // Areas read from an archive lie within +-kMaxCoordinate.
  static constexpr int kMaxCoordinate = 32767;

 protected:
  void Recompute();

  pf::Window* owner = nullptr;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int margin = 0;
  int innerX = 0;
  int innerY = 0;
  int innerWidth = 0;
  int innerHeight = 0;
  int centreX = 0;
  int centreY = 0;
};
