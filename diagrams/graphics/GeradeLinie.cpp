#include "diagrams/graphics/GeradeLinie.h"

#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

GeradeLinie::GeradeLinie(pf::Window* owner, int px, int py, int length) : GrafElement(owner) {
  name = "GeradeLinie";
  colour = RgbColor(0, 255, 0);
  x = px;
  y = py;
  width = length;
  height = 1;
}

void GeradeLinie::Draw(pf::Dc* dc) {
  const PenScope pen(dc, ElementPen());
  dc->MoveTo(x, y);
  if (orientation == 'H') {
    dc->LineTo(x + width, y);
  } else {
    dc->LineTo(x, y - height);
  }
  drawn = 1;
}

void GeradeLinie::WritePicTex(PicTexFile& f) const {
  if (orientation == 'H') {
    f.LineRight(x, y, width);
  } else {
    f.LineUp(x, y, height);
  }
}

void GeradeLinie::MakeVertical() {
  if (orientation != 'H') return;
  orientation = 'V';
  height = width;
  width = 1;
}

RefLinie::RefLinie(pf::Window* owner, int px, int py, int length)
    : GeradeLinie(owner, px, py, length), arrow(std::make_unique<PfeilSpitze>(owner, px, py)) {
  arrow->SetColor(colour);
}

void RefLinie::SetColor(const RgbColor& c) {
  GeradeLinie::SetColor(c);
  arrow->SetColor(c);
}

void RefLinie::Draw(pf::Dc* dc) {
  GeradeLinie::Draw(dc);
  arrow->Draw(dc);
}

void RefLinie::WritePicTex(PicTexFile& f) const {
  GeradeLinie::WritePicTex(f);
  arrow->WritePicTex(f);
}

void RefLinie::SetPos(int px, int py) {
  GeradeLinie::SetPos(px, py);
  arrow->Place(px, py);
}

void RefLinie::Update() {
  GeradeLinie::Update();
  arrow->Update();
}

void RefLinie::MoveTo(int px, int py) {
  GeradeLinie::MoveTo(px, py);
  arrow->MoveTo(px, py);
}

void RefLinie::SetOwner(pf::Window* w) {
  GeradeLinie::SetOwner(w);
  arrow->SetOwner(w);
}

void RefLinie::MakeVertical() {
  GeradeLinie::MakeVertical();
  arrow->SetOrientation('H');
}
