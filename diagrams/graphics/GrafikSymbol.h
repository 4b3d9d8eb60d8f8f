#pragma once
// A point symbol around a centre: 'R' diamond, 'C' circle, 'K' upright cross.

#include "diagrams/graphics/GrafElement.h"

class GrafikSymbol : public GrafElement {
 public:
  explicit GrafikSymbol(pf::Window* owner = nullptr, int cx = 0, int cy = 0);

  void Draw(pf::Dc* dc) override;
  // Adds a fifth line: cx, cy and the shape.
  void WriteText(std::ostream& os) const override;
  void ReadText(std::istream& is) override;
  // Takes the box corner and derives the centre.
  void SetPos(int px, int py) override;
  void WritePicTex(PicTexFile& f) const override;
  // Takes the centre.
  void MoveTo(int cx, int cy) override;

  // Without a repaint.
  void SetCentre(int cx, int cy);
  void SetShape(char c) { shape = c; }
  char GetShape() const { return shape; }
  int GetCentreX() const { return centreX; }
  int GetCentreY() const { return centreY; }

  // The base's archive part, then cx, cy, size and the shape byte.
  void Serialize(pf::Archive& ar);

 private:
  int centreX;
  int centreY;
  int size = 6;
  char shape = 'R';
};
