#include "diagrams/graphics/DiagramMarker.h"

#include <algorithm>

#include "basics/Saturate.h"
#include "diagrams/pictex/PicTexFile.h"
#include "pf/dc.h"

DiagramMarker::DiagramMarker(pf::Window* owner, int px, int py)
    : GrafElement(owner), pointX(px), pointY(py), anchorX(px), anchorY(py) {
  width = 8;
  height = 8;
  x = px - 4;
  y = py;
}

std::array<pf::Point, 4> DiagramMarker::Corners() const {
  if (above != 0) {
    return {{{pointX, pointY}, {x + width, y - height}, {x, y - height}, {pointX, pointY}}};
  }
  return {{{pointX, pointY}, {x + width, y}, {x, y}, {pointX, pointY}}};
}

void DiagramMarker::Draw(pf::Dc* dc) {
  const PenScope pen(dc, pf::StockPen(pf::StockObject::BlackPen));
  dc->Polyline(Corners());
}

void DiagramMarker::WritePicTex(PicTexFile& f) const {
  const std::array<pf::Point, 4> c = Corners();
  WritePolyline(f, {c[0], c[1], c[2], c[3]});
}

void DiagramMarker::MoveTo(int px, int py) {
  Update();
  pointX = anchorX = px;
  pointY = anchorY = py;
  x = px - width / 2;
  y = above != 0 ? py : py + height;
  Update();
}

MarkerWithDisplay::MarkerWithDisplay(pf::Window* owner, int px, int py)
    : DiagramMarker(owner, px, py) {}

void MarkerWithDisplay::Draw(pf::Dc* dc) {
  DiagramMarker::Draw(dc);
  for (const auto& line : lines) {
    if (line) line->Draw(dc);
  }
}

void MarkerWithDisplay::WritePicTex(PicTexFile& f) const {
  DiagramMarker::WritePicTex(f);
  for (const auto& line : lines) {
    if (line) line->WritePicTex(f);
  }
}

void MarkerWithDisplay::SetOwner(pf::Window* w) {
  DiagramMarker::SetOwner(w);
  for (const auto& line : lines) {
    if (line) line->SetOwner(w);
  }
}

void MarkerWithDisplay::CreateDisplay(int n, int px, int py, int w, int h) {
  n = std::clamp(n, 0, kMaxLines);
  for (int i = 0; i < n; ++i) {
    auto& line = lines[static_cast<size_t>(i)];
    if (!line) line = std::make_unique<OutText>(owner, px, TruncToInt32(py + h * 1.5 * i), w, h);
    line->SetChanged();
  }
  lineCount = static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [](const auto& line) { return line != nullptr; }));
}

void MarkerWithDisplay::SetLineText(int i, const MyStrng& text) {
  if (i >= 0 && i < kMaxLines && lines[static_cast<size_t>(i)]) {
    lines[static_cast<size_t>(i)]->StoreText(text);
  }
}

void MarkerWithDisplay::SetTexts(const MyStrng& text0, const MyStrng& text1) {
  SetLineText(0, text0);
  SetLineText(1, text1);
}

void MarkerWithDisplay::UpdateTexts() {
  for (const auto& line : lines) {
    if (line) line->Update();
  }
}

void MarkerWithDisplay::SetFont(const std::optional<pf::Font>& f) {
  for (const auto& line : lines) {
    if (line) line->SetFont(f);
  }
}

const OutText* MarkerWithDisplay::GetLine(int i) const {
  return i >= 0 && i < kMaxLines ? lines[static_cast<size_t>(i)].get() : nullptr;
}
