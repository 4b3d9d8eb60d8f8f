#pragma once
// The curve marker: a small triangle standing above (or hanging below) a point, and the
// marker with up to three read-out lines.

#include <array>
#include <memory>
#include <optional>

#include "diagrams/graphics/GrafElement.h"
#include "diagrams/graphics/OutText.h"

class DiagramMarker : public GrafElement {
 public:
  DiagramMarker(pf::Window* owner, int px, int py);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  // Puts the triangle's tip on (px, py).
  void MoveTo(int px, int py) override;

  int GetPointX() const { return pointX; }
  int GetPointY() const { return pointY; }

 protected:
  // The triangle's corners, tip first and last.
  std::array<pf::Point, 4> Corners() const;

  int pointX;
  int pointY;
  int anchorX;
  int anchorY;
  int above = 1;
};

class MarkerWithDisplay : public DiagramMarker {
 public:
  static constexpr int kMaxLines = 3;

  MarkerWithDisplay(pf::Window* owner, int px, int py);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetOwner(pf::Window* w) override;

  // n transparent read-outs (at most 3), 1.5 heights apart.
  void CreateDisplay(int n, int px, int py, int w, int h);
  // Without a repaint.
  void SetLineText(int i, const MyStrng& text);
  void SetTexts(const MyStrng& text0, const MyStrng& text1);
  void UpdateTexts();
  void SetFont(const std::optional<pf::Font>& f);
  int GetLineCount() const { return lineCount; }
  // nullptr when there is no read-out i.
  const OutText* GetLine(int i) const;

 private:
  std::array<std::unique_ptr<OutText>, kMaxLines> lines;
  int lineCount = 0;
};
