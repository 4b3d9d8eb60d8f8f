#pragma once
// The base of the rectangular and plane diagrams: a raster grid of divisions x divisions cells
// whose pitch follows the screen size, start and stop labels under the grid, header lines
// above it and a curve marker whose read-out stands at the grid's upper right.

#include "diagrams/Diagramm.h"

class RectDiag : public Diagramm {
 public:
  // With a raster grid of its defaults, for loading from an archive.
  RectDiag();
  RectDiag(pf::Window* owner, int x, int y, int width, int height);
  // The settings and the pitch; no grid, labels or curves until the next SetRect.
  RectDiag(const RectDiag& other) = default;
  RectDiag& operator=(const RectDiag& other) = default;

  // The diagram, then the two pitches. Throws pf::ArchiveError on a pitch outside the
  // coordinate range; the grid is placed on the loaded area.
  void Serialize(pf::Archive& ar) override;
  // A raster grid when there is none.
  void SetRect(const pf::Rect& r) override;
  // The curve marker on the current curve's point with its read-out, while curves are shown.
  void CreateMarker() override;
  // Also the start and stop labels.
  void SetFont(const std::optional<pf::Font>& f) override;
  void WritePicTex() override;

  // The text WriteHeader puts into header line 1.
  virtual MyStrng HeaderText() const { return ""; }
  void WriteHeader(pf::Dc* dc) override;

  int GetDivPixelsX() const { return divPixelsX; }
  int GetDivPixelsY() const { return divPixelsY; }
  int GetGridLeft() const { return gridLeft; }
  int GetGridTop() const { return gridTop; }
  int GetGridWidth() const { return gridWidth; }
  float GetXRefValue() const { return xRefValue; }
  int GetXRefPos() const { return xRefPos; }
  const OutText* GetStartLabel() const { return extraLabel1.get(); }
  const OutText* GetStopLabel() const { return extraLabel2.get(); }

 protected:
  // The read-outs of the point's x (line 1) and y (line 2), each with its unit, and the number
  // of lines (2, or 3 with the frequency of the third column).
  virtual MyStrng XReadout(float px) const;
  virtual MyStrng YReadout(float py) const;
  virtual int ReadoutLines() const { return 2; }
  // All its lines, wherever the marker went.
  void WriteReadout(bool withFrequency) override;

  // The layout of the frequency and time kinds: the pitch from the screen size, a new raster
  // grid with its reference line at refPos and the reference value 0 there, the start and stop
  // labels, header lines (the third only when asked), the title. The value unit stays: a kept
  // diagram laid out on a window's screen reads out in its kind's unit.
  void LayOutRaster(int refPos, bool thirdHeader);
  // Grid size and origin around the centre from the pitches.
  void PlaceGrid();
  // A new raster grid on the centre and pitches with its horizontal reference line (and the
  // vertical one when asked) at the reference positions.
  void BuildRaster(bool xRefLine);
  // Header lines 1 and 2 (and 3) of grid width above the grid.
  void PlaceHeaderLines(bool third);
  // Label i (0 start, 1 stop) of 50 x 10, created or moved.
  void PlaceAxisLabel(int i, int px, int py);
  OutText* AxisLabel(int i) const { return i == 0 ? extraLabel1.get() : extraLabel2.get(); }
  void SetAxisLabels(const MyStrng& start, const MyStrng& stop);
  void DrawAxisLabels(pf::Dc* dc);
  void PlaceTitle();
  // Whether the mapped point lies on the grid (mapped points are clamped, so always).
  bool MapsIntoGrid(float x, float y);
  // The grid's edges: x from the left edge, y from the top edge, at most divisions cells.
  int ClampX(int px) const;
  int ClampY(int py) const;
  // Value v at the reference line, larger values higher, clamped to the grid.
  int MapValueY(float v) const;
  // Value t at the left edge, ppu pixels per unit, clamped to the grid.
  int MapLinearX(float t, float start) const;
  // A pixel of the plane: a magnitude of 32767 or more, or NaN, saturates to 16 bits.
  static int Saturate16(float v);

  int divPixelsX = 0;
  int divPixelsY = 0;
};
