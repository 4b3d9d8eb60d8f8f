#include "diagrams/graphics/RectanGit.h"

#include <array>
#include <cmath>

#include "basics/Saturate.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

RectanGit::RectanGit(pf::Window* owner) : RectanGit(owner, 0, 0, 10, 10, 10, 'L') {}

RectanGit::RectanGit(pf::Window* owner, int cx, int cy, int px, int py, int divs, char mode)
    : DiagGitter(owner), centreX(cx), centreY(cy), pitchX(px), pitchY(py), xMode(mode) {
  colour = RgbColor(0, 0, 255);
  divisions = divs;
  yRefIndex = divs / 2;
  xRefIndex = divs / 2;
  SetBox();
}

void RectanGit::SetBox() {
  width = pitchX * divisions;
  height = pitchY * divisions;
  x = centreX - width / 2;
  y = centreY + height / 2;
}

void RectanGit::SetCentre(int cx, int cy) {
  centreX = cx;
  centreY = cy;
  SetBox();
}

void RectanGit::SetPitch(int px, int py) {
  pitchX = px;
  pitchY = py;
  SetBox();
}

void RectanGit::Draw(pf::Dc* dc) {
  const int x0 = Left();
  const int y0 = Top();
  const int x1 = x0 + width;
  const int y1 = y0 + height;
  {
    const PenScope pen(dc, ElementPen());
    const std::array<pf::Point, 5> frame{{{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}}};
    dc->Polyline(frame);
    for (int i = 0; i < divisions; ++i) {
      dc->MoveTo(x0, y0 + pitchY * i);
      dc->LineTo(x1 + 1, y0 + pitchY * i);
    }
    if (xMode == 'L') {
      for (int i = 0; i <= divisions; ++i) {
        dc->MoveTo(x0 + pitchX * i, y0);
        dc->LineTo(x0 + pitchX * i, y1);
      }
    } else {
      // One decade: the lines of 1, 2, ..., 10 with ten divisions.
      for (int k = 1; k <= divisions; ++k) {
        const int xk = x0 + TruncToInt32(std::log10(k * 10.0 / divisions) * width);
        dc->MoveTo(xk, y0);
        dc->LineTo(xk, y1);
      }
    }
  }
  if (yRefLine) yRefLine->Draw(dc);
  if (xRefLine) xRefLine->Draw(dc);
}

void RectanGit::WritePicTex(PicTexFile& f) const {
  const int x0 = Left();
  const int y0 = Top();
  f.SetPlotArea(x0, x0 + width, y0 + height, y0);
  f.Grid(1, 1);
  f.SetDots(1);
  f.Grid(divisions, divisions);
  f.SetSolid();
  if (yRefLine) yRefLine->WritePicTex(f);
  if (xRefLine) xRefLine->WritePicTex(f);
}

void RectanGit::Update() {
  DiagGitter::Update();
  if (yRefLine) yRefLine->Update();
  if (xRefLine) xRefLine->Update();
}

void RectanGit::SetOwner(pf::Window* w) {
  DiagGitter::SetOwner(w);
  if (yRefLine) yRefLine->SetOwner(w);
  if (xRefLine) xRefLine->SetOwner(w);
}

pf::Point RectanGit::YLineStart(int i) const { return {Left(), Top() + pitchY * i}; }

pf::Point RectanGit::XLineStart(int i) const { return {Left() + pitchX * i, Top() + height}; }

void RectanGit::CreateYRefLine() {
  if (yRefLine) return;
  const pf::Point p = YLineStart(yRefIndex);
  yRefLine = std::make_unique<RefLinie>(owner, p.x, p.y, width);
}

void RectanGit::CreateXRefLine() {
  if (xRefLine) return;
  const pf::Point p = XLineStart(xRefIndex);
  xRefLine = std::make_unique<RefLinie>(owner, p.x, p.y, height);
  xRefLine->MakeVertical();
}

void RectanGit::Toggle(std::unique_ptr<RefLinie>& line, void (RectanGit::*create)()) {
  if (line) {
    line.reset();
    return;
  }
  (this->*create)();
  line->DrawNow();
}

void RectanGit::ToggleYRefLine() { Toggle(yRefLine, &RectanGit::CreateYRefLine); }

void RectanGit::ToggleXRefLine() { Toggle(xRefLine, &RectanGit::CreateXRefLine); }

void RectanGit::MoveYLine(int i) {
  if (!yRefLine || i < 0 || i > divisions) return;
  yRefIndex = i;
  const pf::Point p = YLineStart(i);
  yRefLine->MoveTo(p.x, p.y);
}

void RectanGit::MoveXLine(int i) {
  if (!xRefLine || i < 0 || i > divisions) return;
  xRefIndex = i;
  const pf::Point p = XLineStart(i);
  xRefLine->MoveTo(p.x, p.y);
}

void RectanGit::YRefLineUp() { MoveYLine(yRefIndex - 1); }

void RectanGit::YRefLineDown() { MoveYLine(yRefIndex + 1); }

void RectanGit::XRefLineRight() { MoveXLine(xRefIndex + 1); }

void RectanGit::XRefLineLeft() { MoveXLine(xRefIndex - 1); }

void RectanGit::SetYRefPos(int i) {
  DiagGitter::SetYRefPos(i);
  if (!yRefLine) return;
  const pf::Point p = YLineStart(i);
  yRefLine->SetPos(p.x, p.y);
}

void RectanGit::SetXRefPos(int i) {
  DiagGitter::SetXRefPos(i);
  if (!xRefLine) return;
  const pf::Point p = XLineStart(i);
  xRefLine->SetPos(p.x, p.y);
}
