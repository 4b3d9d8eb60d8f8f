#include "diagrams/elements/SmithPlane.h"

#include "diagrams/elements/StabCircle.h"

SmithPlane::SmithPlane(pf::Window* owner, DiagramMapping* diagram)
    : DiagBaseElement(owner, diagram), grid(std::make_unique<SmithGit>(owner, 0, 0, 1)) {}

void SmithPlane::Draw(pf::Dc* dc) {
  if (grid) grid->Draw(dc);
}

void SmithPlane::WritePicTex(PicTexFile& f) const {
  if (grid) grid->WritePicTex(f);
}

void SmithPlane::Update() {
  if (!grid || diagram == nullptr) return;
  // The old chart repaints its place as it goes.
  grid.reset();
  int cx = 0;
  int cy = 0;
  int x1 = 0;
  {
    const ClipOffScope unclipped(*diagram);
    cx = diagram->MapX(0.0f, 0.0f);
    cy = diagram->MapY(0.0f, 0.0f);
    x1 = diagram->MapX(1.0f, 0.0f);
  }
  grid = std::make_unique<SmithGit>(owner, cx, cy, PixelDistance(x1, cx));
  grid->Update();
}

void SmithPlane::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  if (grid) grid->SetOwner(w);
}
