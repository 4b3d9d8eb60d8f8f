#pragma once
// The polar grid: concentric rings p pixels apart, four axis lines and a reference ring.

#include <memory>

#include "diagrams/graphics/CircleLine.h"
#include "diagrams/graphics/DiagGitter.h"

class CircleGit : public DiagGitter {
 public:
  CircleGit(pf::Window* owner, int cx, int cy, int pitch, int rings);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetOwner(pf::Window* w) override;

  void CreateYRefLine() override;
  void CreateXRefLine() override {}
  void ToggleYRefLine() override;
  void ToggleXRefLine() override {}
  // Up grows the ring by one pitch, down shrinks it (never to radius 0).
  void YRefLineUp() override;
  void YRefLineDown() override;
  void XRefLineRight() override {}
  void XRefLineLeft() override {}
  void SetYRefPos(int i) override;

  const RefCircle* GetRefRing() const { return refRing.get(); }

 private:
  int RingRadius(int index) const { return (divisions - index) * pitch; }

  int centreX;
  int centreY;
  int pitch;
  int outerRadius;
  std::unique_ptr<RefCircle> refRing;
};
