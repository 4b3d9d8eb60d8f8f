#pragma once
// A Smith chart laid over the complex-plane diagram, fitted to the plane's unit circle.

#include <memory>

#include "diagrams/graphics/DiagBaseElement.h"
#include "diagrams/graphics/SmithGit.h"

class SmithPlane : public DiagBaseElement {
 public:
  SmithPlane(pf::Window* owner, DiagramMapping* diagram);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // Builds the chart anew on the mapped points 0 and 1.
  void Update() override;
  void SetOwner(pf::Window* w) override;

  const SmithGit* GetGrid() const { return grid.get(); }

 private:
  std::unique_ptr<SmithGit> grid;
};
