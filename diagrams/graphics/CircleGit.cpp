#include "diagrams/graphics/CircleGit.h"

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

CircleGit::CircleGit(pf::Window* owner, int cx, int cy, int pitch, int rings)
    : DiagGitter(owner), centreX(cx), centreY(cy), pitch(pitch), outerRadius(pitch * rings) {
  divisions = rings;
  x = cx - outerRadius;
  y = cy + outerRadius;
  width = 2 * outerRadius;
  height = 2 * outerRadius;
  colour = RgbColor(0, 0, 255);
  yRefIndex = rings / 2;
}

void CircleGit::Draw(pf::Dc* dc) {
  {
    const PenScope pen(dc, ElementPen());
    // Each smaller disc paints over the larger one.
    for (int i = divisions; i >= 1; --i) {
      const int r = pitch * i;
      dc->Ellipse({centreX - r, centreY - r, centreX + r, centreY + r});
    }
    const int p = pitch;
    const int r = outerRadius;
    dc->MoveTo(centreX + p, centreY);
    dc->LineTo(centreX + r, centreY);
    dc->MoveTo(centreX - p, centreY);
    dc->LineTo(centreX - r, centreY);
    dc->MoveTo(centreX, centreY + p);
    dc->LineTo(centreX, centreY + r);
    dc->MoveTo(centreX, centreY - p);
    dc->LineTo(centreX, centreY - r);
  }
  if (refRing) refRing->Draw(dc);
}

void CircleGit::WritePicTex(PicTexFile& f) const {
  const int r = outerRadius;
  f.SetPlotArea(centreX - r, centreX + r, centreY + r, centreY - r);
  f.Circle(centreX, centreY, r);
  f.SetDots(1);
  for (int i = divisions - 1; i >= 2; --i) f.Circle(centreX, centreY, pitch * i);
  f.SetSolid();
  f.Circle(centreX, centreY, pitch);
  const int length = (divisions - 1) * pitch;
  f.LineRight(centreX + pitch, centreY, length);
  f.LineLeft(centreX - pitch, centreY, length);
  f.LineUp(centreX, centreY - pitch, length);
  f.LineDown(centreX, centreY + pitch, length);
  if (refRing) refRing->WritePicTex(f);
}

void CircleGit::SetOwner(pf::Window* w) {
  DiagGitter::SetOwner(w);
  if (refRing) refRing->SetOwner(w);
}

void CircleGit::CreateYRefLine() {
  if (!refRing) {
    refRing = std::make_unique<RefCircle>(owner, centreX, centreY, RingRadius(yRefIndex));
  }
}

void CircleGit::ToggleYRefLine() {
  if (refRing) {
    refRing.reset();
    return;
  }
  CreateYRefLine();
  refRing->DrawNow();
}

void CircleGit::YRefLineUp() {
  if (!refRing || yRefIndex <= 0) return;
  --yRefIndex;
  refRing->SetRadius(RingRadius(yRefIndex));
}

void CircleGit::YRefLineDown() {
  if (!refRing || yRefIndex >= divisions - 1) return;
  ++yRefIndex;
  refRing->SetRadius(RingRadius(yRefIndex));
}

void CircleGit::SetYRefPos(int i) {
  DiagGitter::SetYRefPos(i);
  if (refRing) refRing->Place(RingRadius(i));
}
