#include "diagrams/graphics/SmithPlane.h"

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
  const MappedCircle unit = MapCircle(*diagram, 0.0f, 0.0f, 1.0f);
  grid = std::make_unique<SmithGit>(owner, unit.x, unit.y, unit.r);
  grid->Update();
}

void SmithPlane::SetOwner(pf::Window* w) {
  DiagBaseElement::SetOwner(w);
  if (grid) grid->SetOwner(w);
}
