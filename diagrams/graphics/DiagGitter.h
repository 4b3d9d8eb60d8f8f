#pragma once
// The grid of a diagram and its movable reference marks. The kinds: RectanGit (raster with
// horizontal and vertical reference lines), CircleGit (rings with a reference ring) and
// SmithGit (Smith chart, no reference marks).

#include "diagrams/graphics/GrafElement.h"

class DiagGitter : public GrafElement {
 public:
  explicit DiagGitter(pf::Window* owner);

  // Creating draws nothing; toggling draws a new mark at once.
  virtual void CreateYRefLine() = 0;
  virtual void CreateXRefLine() = 0;
  virtual void ToggleYRefLine() = 0;
  virtual void ToggleXRefLine() = 0;
  // Each moves its mark one division within the grid, or does nothing without a mark.
  virtual void YRefLineUp() = 0;
  virtual void YRefLineDown() = 0;
  virtual void XRefLineRight() = 0;
  virtual void XRefLineLeft() = 0;
  // Store the index and place the mark without a repaint.
  virtual void SetYRefPos(int i);
  virtual void SetXRefPos(int i);

  int GetYRefIndex() const { return yRefIndex; }
  int GetXRefIndex() const { return xRefIndex; }
  int GetDivisions() const { return divisions; }

 protected:
  int yRefIndex = 1;
  int xRefIndex = 1;
  int divisions = 1;
};
