#pragma once
// An open arrow head of 6 x 6 pixels whose tip marks a point: 'R' points right, 'H' up.

#include "diagrams/graphics/GrafElement.h"

class PfeilSpitze : public GrafElement {
 public:
  PfeilSpitze(pf::Window* owner, int px, int py);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // The tip moves to (px, py).
  void MoveTo(int px, int py) override;

  // Accepts 'R', 'L', 'H' and 'U'; 'R' and 'H' put the box around the tip at once.
  void SetOrientation(char c);
  // Puts the tip at (px, py) without a repaint; 'U' becomes 'H'.
  void Place(int px, int py);
  char GetOrientation() const { return orientation; }

 private:
  // The box corner that puts the tip at (px, py).
  pf::Point CornerFor(int px, int py) const;

  int tipX;
  int tipY;
  char orientation = 'R';
};
