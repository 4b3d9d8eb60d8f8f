#include "diagrams/graphics/GrafikSymbol.h"

#include <array>
#include <istream>
#include <ostream>

#include "diagrams/pictex/PicTexFile.h"
#include "pf/archive.h"
#include "pf/dc.h"

GrafikSymbol::GrafikSymbol(pf::Window* owner, int cx, int cy)
    : GrafElement(owner), centreX(cx), centreY(cy) {
  name = "GrafikSymbol";
  width = size;
  height = size;
  x = cx - 3;
  y = cy + 3;
}

void GrafikSymbol::Draw(pf::Dc* dc) {
  const PenScope pen(dc, ElementPen());
  const int h = size / 2;
  switch (shape) {
    case 'C': {
      const pf::Point start{centreX + h, centreY};
      dc->Arc({centreX - h, centreY - h, centreX + h, centreY + h}, start, start);
      break;
    }
    case 'K':
      dc->MoveTo(centreX - h, centreY);
      dc->LineTo(centreX - h + size, centreY);
      dc->MoveTo(centreX, centreY - h);
      dc->LineTo(centreX, centreY - h + size);
      break;
    case 'R': {
      const std::array<pf::Point, 5> diamond{{{centreX - h, centreY},
                                              {centreX, centreY - h},
                                              {centreX + h, centreY},
                                              {centreX, centreY + h},
                                              {centreX - h, centreY}}};
      dc->Polyline(diamond);
      break;
    }
    default:
      break;
  }
}

void GrafikSymbol::WriteText(std::ostream& os) const {
  GrafElement::WriteText(os);
  os << centreX << ',' << centreY << ',' << shape << '\n';
}

void GrafikSymbol::ReadText(std::istream& is) {
  TextFields f;
  int cx = 0;
  int cy = 0;
  char s = 0;
  if (!ParseText(is, f) || !ReadCoordinate(is, cx) || !ReadCoordinate(is, cy) || !(is >> s)) {
    is.setstate(std::ios::failbit);
    return;
  }
  is.get();
  ApplyText(f);
  centreX = cx;
  centreY = cy;
  shape = s;
}

void GrafikSymbol::SetPos(int px, int py) {
  GrafElement::SetPos(px, py);
  centreX = px + size / 2;
  centreY = py - size / 2;
}

void GrafikSymbol::WritePicTex(PicTexFile& f) const {
  switch (shape) {
    case 'C': f.Circle(centreX, centreY, size / 2); break;
    case 'K': f.Cross(centreX, centreY, size); break;
    case 'R': f.Diamond(centreX, centreY, size); break;
    default: break;
  }
}

void GrafikSymbol::MoveTo(int cx, int cy) {
  Update();
  SetCentre(cx, cy);
  Update();
}

void GrafikSymbol::SetCentre(int cx, int cy) {
  centreX = cx;
  centreY = cy;
  x = cx - size / 2;
  y = cy + size / 2;
}

void GrafikSymbol::Serialize(pf::Archive& ar) {
  GrafElement::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(centreX) << static_cast<int32_t>(centreY)
       << static_cast<int32_t>(size) << shape;
    return;
  }
  centreX = LoadCoordinate(ar);
  centreY = LoadCoordinate(ar);
  int32_t s = 0;
  ar >> s;
  ar.CheckCount(s, kMaxCoordinate, 0);
  size = s;
  ar >> shape;
  x = centreX - size / 2;
  y = centreY + size / 2;
  height = size;
}
