#include "diagrams/graphics/GrafElement.h"

#include <istream>
#include <memory>
#include <ostream>

#include "diagrams/pictex/PicTexFile.h"
#include "pf/archive.h"
#include "pf/dc.h"
#include "pf/window.h"

GrafElement::GrafElement(pf::Window* owner) : owner(owner) {}

GrafElement::~GrafElement() { InvalidateArea(RepaintRect()); }

void GrafElement::SetColor(const RgbColor& c) { colour = c; }

void GrafElement::WriteText(std::ostream& os) const {
  os << name << '\n'
     << drawn << ',' << changed << ',' << flag3 << ',' << visible << '\n'
     << x << ',' << y << ',' << width << ',' << height << '\n'
     << colour << '\n';
}

void GrafElement::ReadText(std::istream& is) {
  TextFields f;
  if (ParseText(is, f)) ApplyText(f);
}

bool GrafElement::ParseText(std::istream& is, TextFields& f) {
  is >> f.name;
  is.get();
  for (int& flag : f.flags) ReadInt(is, flag);
  for (int& b : f.box) ReadCoordinate(is, b);
  if (!(is >> f.colour)) is.setstate(std::ios::failbit);
  is.get();
  return static_cast<bool>(is);
}

void GrafElement::ApplyText(const TextFields& f) {
  name = f.name;
  drawn = f.flags[0];
  changed = f.flags[1];
  flag3 = f.flags[2];
  visible = f.flags[3];
  x = f.box[0];
  y = f.box[1];
  width = f.box[2];
  height = f.box[3];
  colour = f.colour;
}

void GrafElement::SetPos(int px, int py) {
  x = px;
  y = py;
}

void GrafElement::SetHeight(int h) { height = h; }

void GrafElement::SetWidth(int w) { width = w; }

void GrafElement::SetChanged() { changed = 1; }

void GrafElement::Update() { Invalidate(); }

void GrafElement::Invalidate() {
  drawn = 0;
  InvalidateArea(RepaintRect());
}

void GrafElement::WritePicTex(PicTexFile&) const {}

void GrafElement::MoveTo(int px, int py) {
  Update();
  x = px;
  y = py;
  Update();
}

void GrafElement::SetOwner(pf::Window* w) { owner = w; }

void GrafElement::DrawNow() {
  if (owner == nullptr) return;
  const std::unique_ptr<pf::Dc> dc = owner->GetDC();
  if (dc) Draw(dc.get());
}

void GrafElement::Serialize(pf::Archive& ar) {
  name.Serialize(ar);
  colour.Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<int32_t>(drawn) << static_cast<int32_t>(changed) << static_cast<int32_t>(x)
       << static_cast<int32_t>(y) << static_cast<int32_t>(width) << static_cast<int32_t>(height);
    return;
  }
  int32_t d = 0;
  int32_t c = 0;
  ar >> d >> c;
  drawn = d;
  changed = c;
  x = LoadCoordinate(ar);
  y = LoadCoordinate(ar);
  width = LoadCoordinate(ar);
  height = LoadCoordinate(ar);
}

void GrafElement::InvalidateArea(const pf::Rect& r) const {
  if (owner != nullptr) owner->InvalidateRect(r);
}

pf::Rect GrafElement::RepaintRect() const { return {x - 1, y - height - 1, x + width + 1, y + 1}; }

pf::Pen GrafElement::ElementPen() const { return {pf::PenStyle::Solid, 1, ElementColorRef()}; }

pf::ColorRef GrafElement::ElementColorRef() const { return colour.GetScaledRef(1.0f); }

void GrafElement::WritePolyline(PicTexFile& f, std::initializer_list<pf::Point> points) {
  f.StartPlot();
  for (const pf::Point& p : points) f.PlotPoint(p.x, p.y);
  f.EndPlot();
}

bool GrafElement::ReadInt(std::istream& is, int& v) {
  is >> v;
  is.get();
  return static_cast<bool>(is);
}

bool GrafElement::ReadCoordinate(std::istream& is, int& v) {
  if (ReadInt(is, v) && (v < -kMaxCoordinate || v > kMaxCoordinate)) {
    is.setstate(std::ios::failbit);
  }
  return static_cast<bool>(is);
}

int32_t GrafElement::LoadCoordinate(pf::Archive& ar) {
  int32_t v = 0;
  ar >> v;
  ar.CheckCount(int64_t{v} + kMaxCoordinate, 2 * kMaxCoordinate, 0);
  return v;
}

PenScope::PenScope(pf::Dc* dc, const pf::Pen& pen) : dc_(dc), old_(dc->SelectObject(pen)) {}

PenScope::~PenScope() { dc_->SelectObject(old_); }
