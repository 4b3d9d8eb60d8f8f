#pragma once
// The rectangular grid: a raster of divisions x divisions cells around a centre, linear or
// one decade logarithmic in x, with a horizontal and a vertical reference line.

#include <memory>

#include "diagrams/graphics/DiagGitter.h"
#include "diagrams/graphics/GeradeLinie.h"

class RectanGit : public DiagGitter {
 public:
  // Centre (0, 0), 10 x 10 divisions of 10 pixels, linear.
  explicit RectanGit(pf::Window* owner);
  // mode 'L' linear, 'E' logarithmic.
  RectanGit(pf::Window* owner, int cx, int cy, int px, int py, int divs, char mode);

  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void Update() override;
  void SetOwner(pf::Window* w) override;

  void CreateYRefLine() override;
  void CreateXRefLine() override;
  void ToggleYRefLine() override;
  void ToggleXRefLine() override;
  void YRefLineUp() override;
  void YRefLineDown() override;
  void XRefLineRight() override;
  void XRefLineLeft() override;
  void SetYRefPos(int i) override;
  void SetXRefPos(int i) override;

  void SetCentre(int cx, int cy);
  void SetPitch(int px, int py);
  void SetXAxisMode(char mode) { xMode = mode; }
  char GetXAxisMode() const { return xMode; }
  const RefLinie* GetYRefLine() const { return yRefLine.get(); }
  const RefLinie* GetXRefLine() const { return xRefLine.get(); }

 private:
  void SetBox();
  int Left() const { return centreX - pitchX * divisions / 2; }
  int Top() const { return centreY - pitchY * divisions / 2; }
  // Where the reference lines start for an index.
  pf::Point YLineStart(int i) const;
  pf::Point XLineStart(int i) const;
  // Deletes the line or creates and draws it.
  void Toggle(std::unique_ptr<RefLinie>& line, void (RectanGit::*create)());
  // Moves the line to index i when it exists and i lies within 0..divisions.
  void MoveYLine(int i);
  void MoveXLine(int i);

  int centreX;
  int centreY;
  int pitchX;
  int pitchY;
  char xMode;
  int spare = 10;
  std::unique_ptr<RefLinie> yRefLine;
  std::unique_ptr<RefLinie> xRefLine;
};
