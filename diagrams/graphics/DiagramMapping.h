#pragma once
// What curves, markers and overlays ask of the diagram they belong to: the value-to-pixel
// mapping with its clipping and pen state, the value per division and the soft-key mode. The
// diagram base implements it; the elements hold it without owning it.

#include "pf/geometry.h"

class DiagramMapping {
 public:
  virtual ~DiagramMapping() = default;

  // Pixel column and row of a value pair, saturated for any float (NaN and infinities
  // included). MapX also sets the pen state that IsPenLine reports.
  virtual int MapX(float x, float y) = 0;
  virtual int MapY(float y, float x) = 0;
  virtual bool IsPenLine() = 0;
  virtual bool IsPenMove() = 0;
  // Base line of spectral lines, and whether a value pair lies on the grid.
  virtual int GetGridBottom() = 0;
  virtual bool IsInGrid(float x, float y) = 0;
  // Mapped points are clamped into the grid only between ClipOn and ClipOff.
  virtual void ClipOn() = 0;
  virtual void ClipOff() = 0;
  // Soft-key modes 'L', 'G', 'A' and 'B'.
  virtual bool IsLoadStabMode() = 0;
  virtual bool IsGenStabMode() = 0;
  virtual bool IsLoadGainMode() = 0;
  virtual bool IsGenGainMode() = 0;
  // Value per division.
  virtual float GetYScale() = 0;
  virtual float GetXScale() = 0;
};

// Clipping is off for as long as the scope lives.
class ClipOffScope {
 public:
  explicit ClipOffScope(DiagramMapping& d) : diagram(d) { diagram.ClipOff(); }
  ~ClipOffScope() { diagram.ClipOn(); }
  ClipOffScope(const ClipOffScope&) = delete;
  ClipOffScope& operator=(const ClipOffScope&) = delete;

 private:
  DiagramMapping& diagram;
};

// The pixel of a value pair, kept within +-GrafElement::kMaxCoordinate so that the elements
// placed on it never overflow.
pf::Point MapValue(DiagramMapping& d, float x, float y);

// A circle of the value plane in pixels, mapped with clipping off so that it keeps its size.
struct MappedCircle {
  int x;
  int y;
  int r;
};
MappedCircle MapCircle(DiagramMapping& d, float cx, float cy, float r);
