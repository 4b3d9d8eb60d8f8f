#pragma once
// One to five pins placed on the grid around a picture, in one of four variants 'A' to 'D'
// (transformer, SPICE-model transistors and amplifier, sub-circuit).

#include "editor/symbols/NetSymbol.h"

class MultiPolSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(MultiPolSymbol)

 public:
  MultiPolSymbol();
  MultiPolSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  // The picture turned by the orientation, its top-left at centre - size / 2.
  virtual void DrawBitmap(pf::Dc& dc);

  // The picture turned by the orientation: 'R' as it is, 'L' by 180 degrees, 'O' and 'U' by a
  // quarter turn, which gives a w x h picture the size h x w.
  static pf::Bitmap Turned(const pf::Bitmap& picture, char orientation);

  // Pin 3 two grid steps beside the axis, halfway between pins 1 and 2.
  void PlaceThirdPin();

  char variant = 'A';
};
