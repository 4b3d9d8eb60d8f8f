#include "diagrams/graphics/SmithGit.h"

#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

namespace {

constexpr double kDegree = 0.0174533;

struct ArcSpec {
  int dx, dyNum, dyDen;  // centre (cx + R * dx, cy + R * dyNum / dyDen)
  int rNum, rDen;        // radius R * rNum / rDen
  float start, sweep;    // on the screen
  float texStart, texSweep;
};

// The reactance arcs.
constexpr ArcSpec kArcs[] = {
    {1, -1, 1, 1, 1, 180.0f, 90.0f, 180.5f, 89.0f},  // x = +1
    {1, 1, 1, 1, 1, 90.0f, 90.0f, 90.0f, 90.0f},     // x = -1
    {1, -1, 2, 1, 2, 144.0f, 60.0f, 144.0f, 60.0f},  // x = +2
    {1, 1, 2, 1, 2, 157.0f, 60.0f, 157.0f, 60.0f},   // x = -2
    {1, -2, 1, 2, 1, 217.0f, 34.4f, 217.0f, 34.4f},  // x = +0.5
    {1, 2, 1, 2, 1, 109.0f, 34.4f, 109.0f, 34.0f},   // x = -0.5
};

pf::Point OnCircle(int cx, int cy, int r, double degrees) {
  return {TruncToInt32(cx + r * std::cos(degrees * kDegree)),
          TruncToInt32(cy - r * std::sin(degrees * kDegree))};
}

}  // namespace

SmithGit::SmithGit(pf::Window* owner, int cx, int cy, int r)
    : DiagGitter(owner), centreX(cx), centreY(cy), radius(r) {
  x = cx - r;
  y = cy + r;
  width = 2 * r;
  height = 2 * r;
  colour = RgbColor(0, 0, 255);
}

void SmithGit::Draw(pf::Dc* dc) {
  const PenScope pen(dc, ElementPen());
  const int cx = centreX;
  const int cy = centreY;
  const int r = radius;
  const auto disc = [dc](int x, int y, int rr) { dc->Ellipse({x - rr, y - rr, x + rr, y + rr}); };
  disc(cx, cy, r);
  disc(cx + r / 3, cy, 2 * r / 3);
  disc(cx + r / 2, cy, r / 2);
  disc(cx + 2 * r / 3, cy, r / 3);
  for (const ArcSpec& a : kArcs) {
    const int ax = cx + r * a.dx;
    const int ay = cy + r * a.dyNum / a.dyDen;
    const int ar = r * a.rNum / a.rDen;
    dc->Arc({ax - ar, ay - ar, ax + ar, ay + ar}, OnCircle(ax, ay, ar, a.start),
            OnCircle(ax, ay, ar, a.start + a.sweep));
  }
  dc->MoveTo(cx - r, cy);
  dc->LineTo(cx + r, cy);
  if (font) DrawLabels(dc);
}

void SmithGit::DrawLabels(pf::Dc* dc) const {
  const int cx = centreX;
  const int cy = centreY;
  const int r = radius;
  const double cxr = cx;
  const double cyr = cy;
  const pf::Font oldFont = dc->SelectObject(*font);
  const pf::BkMode oldMode = dc->SetBkMode(pf::BkMode::Transparent);
  const auto put = [dc](const char* text, auto left, auto top) {
    dc->TextOut(TruncToInt32(left), TruncToInt32(top), text);
  };
  const auto tw = [dc](const char* text) { return dc->GetTextExtent(text).cx; };
  const auto th = [dc](const char* text) { return dc->GetTextExtent(text).cy; };
  put("0", cx - r - tw("0") - 1, cy - th("0") / 2);
  put("0.5", cx - r / 3 - tw("0.5") - 2, cy - th("0.5") - 1);
  put("1", cx - tw("1") - 1, cy - th("1") - 1);
  put("2", cx + r / 3 - tw("2") - 1, cy - th("2") - 1);
  put("j0.5", cxr - 0.62 * r - tw("j0.5"), cyr - 0.86 * r);
  put("j", cx - tw("j") / 2, cy - r - th("j") - 2);
  put("j2", cxr + 0.62 * r + 4, cyr - 0.86 * r);
  put("-j0.5", cxr - 0.62 * r - tw("-j0.5"), cyr + 0.83 * r);
  // Inside the chart, left of its lowest point: below that point runs the screen's bottom line.
  put("-j", cx - tw("-j") - 2, cy + r - th("-j") - 1);
  put("-j2", cxr + 0.62 * r + 2, cyr + 0.83 * r);
  dc->SetBkMode(oldMode);
  dc->SelectObject(oldFont);
}

void SmithGit::WritePicTex(PicTexFile& f) const {
  const int cx = centreX;
  const int cy = centreY;
  const int r = radius;
  const double cxr = cx;
  const double cyr = cy;
  f.SetPlotArea(cx - r, cx + r, cy + r, cy - r);
  f.Circle(cx, cy, r);
  f.SetDots(1);
  f.Circle(cx + r / 3, cy, 2 * r / 3);
  f.Circle(cx + r / 2, cy, r / 2);
  f.Circle(cx + 2 * r / 3, cy, r / 3);
  for (const ArcSpec& a : kArcs) {
    f.Arc(cx + r * a.dx, cy + r * a.dyNum / a.dyDen, r * a.rNum / a.rDen, a.texStart, a.texSweep);
  }
  f.LineRight(cx - r, cy, 2 * r);
  const auto put = [&f](const char* text, auto px, auto py) {
    f.PutLabel(TruncToInt32(px), TruncToInt32(py), text);
  };
  put("0", cx - r - 10, cy + 2);
  put("0.5", cx - r / 3 - 15, cy - 5);
  put("1", cx - 6, cy - 5);
  put("2", cx + r / 3 - 6, cy - 5);
  put("j0.5", cxr - 0.62 * r - 15, cyr - 0.86 * r);
  put("j", cx - 2, cy - r - 7);
  put("j2", cxr + 0.62 * r + 4, cyr - 0.86 * r);
  put("-j0.5", cxr - 0.62 * r - 15, cyr + 0.83 * r + 10);
  put("-j", cx - 2, cy + r + 12);
  put("-j2", cxr + 0.62 * r + 5, cyr + 0.83 * r + 10);
  f.SetSolid();
}
