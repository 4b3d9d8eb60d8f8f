#pragma once
// Circles of a diagram: a plain circle, a circle with tick marks inside or outside, and the
// reference ring of a polar grid with an arrow head at its top.

#include <memory>

#include "diagrams/graphics/GrafElement.h"
#include "diagrams/graphics/PfeilSpitze.h"

class CircleLine : public GrafElement {
 public:
  // Coordinates are clamped to this range and radii capped at its upper end.
  static constexpr int kMinCoord = -16384;
  static constexpr int kMaxCoord = 16383;

  // Without geometry: centre (0, 0), radius 10.
  explicit CircleLine(pf::Window* owner);
  CircleLine(pf::Window* owner, int cx, int cy, int r);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // Takes the centre.
  void MoveTo(int cx, int cy) override;

  void SetCentre(int cx, int cy);
  virtual void SetRadius(int r);
  // Repaints so that a shrinking circle leaves nothing behind.
  void SetRadiusAndUpdate(int r);
  int GetCentreX() const { return centreX; }
  int GetCentreY() const { return centreY; }
  int GetRadius() const { return radius; }

 protected:
  void SetBox();

  int centreX = 0;
  int centreY = 0;
  int radius = 10;
};

class CircleWithBorder : public CircleLine {
 public:
  explicit CircleWithBorder(pf::Window* owner);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetRadius(int r) override;
  // 'I' ticks point inwards, 'O' outwards (and the box grows to hold them).
  void SetSide(char c);
  int GetTickCount() const { return ticks; }

 private:
  // Tick k from its inner or outer end to the circle.
  pf::Point TickStart(int k) const;
  pf::Point TickEnd(int k) const;

  float factor = 0.8f;
  char side = 'I';
  int ticks;
};

class RefCircle : public CircleLine {
 public:
  RefCircle(pf::Window* owner, int cx, int cy, int r);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void MoveTo(int cx, int cy) override;
  // Repaints and moves the arrow head to the top of the ring.
  void SetRadius(int r) override;
  // Sets the radius and puts the arrow head on top, without a repaint.
  void Place(int r);
  void Update() override;
  void SetOwner(pf::Window* w) override;

  const PfeilSpitze& GetArrow() const { return *arrow; }

 private:
  std::unique_ptr<PfeilSpitze> arrow;
};
