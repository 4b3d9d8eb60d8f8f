#pragma once
// The plane diagrams: one value against another on a square grid with a reference value and a
// reference line on each axis. RecPlanDiag shows complex values (real part across, imaginary
// part up) with their frequencies, stability and gain circles and a Smith overlay;
// PlotPlaneDiag is the x-y recorder's plane with its own x scale and units.

#include "diagrams/RectDiag.h"

class PlaneDiag : public RectDiag {
 public:
  void SetRect(const pf::Rect& r) override;
  // Without clipping a point off the grid keeps its pixel, saturated to 16 bits.
  int MapX(float vx, float vy) override;
  int MapY(float vy, float vx) override;
  // The frequencies of curve 0's first and last point become the start and stop texts.
  void DrawLabels(pf::Dc* dc) override;
  // Bottom line 1 only: the plotter's plane never shows its symbol labels.
  bool ShowsBottomLine(int i) const override { return i == 0; }
  void UpdateXAxis() override { UpdateScale(); }
  // The letter only: the plane's grid is linear.
  void SetXAxisMode(char mode) override { xAxisMode = mode; }

 protected:
  PlaneDiag() = default;
  PlaneDiag(pf::Window* owner, int x, int y, int width, int height);
  // The square grid of trunc(0.07 height) pitch with both reference lines, the soft labels,
  // header lines, the two symbol labels and the title.
  void LayOut();
  virtual const char* const* SoftLabelTexts() const = 0;
  // The x reference line a division right or left; a beep at the grid's edge.
  void MoveXRefPos(int delta);
  // The x reference value by one step; it snaps to whole steps after a scale change.
  void StepXRefValue(int delta, float step);
  // The x and y reference positions and values of both kinds.
  void SetReferences();
  // Whether curve 0 has a frequency column.
  bool HasFrequencies() const;
};

class RecPlanDiag : public PlaneDiag {
 public:
  RecPlanDiag(pf::Window* owner, int x, int y, int width, int height);

  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  // Also the start and stop frequencies of curve 0 in the two symbol labels.
  void DrawLabels(pf::Dc* dc) override;
  // The symbol labels with the frequencies they show.
  bool ShowsBottomLine(int i) const override;
  // With the point's frequency as the third read-out line. The marker keys also step a shown
  // free marker.
  void MarkerNext() override;
  void MarkerPrev() override;
  // Both axes at the y value per division.
  void UpdateScale() override;
  MyStrng HeaderText() const override;
  pf::Size SmallestSize() const override { return {336, 336}; }
  void CreateCircleSets(char kind, int n) override;
  void RebuildCircleSets(char kind, int n) override;
  // The x reference keys step the x reference value by the y value per division; the
  // auxiliary keys move the x reference line.
  void XRefPosInc() override { StepXRefValue(1, yScale); }
  void XRefPosDec() override { StepXRefValue(-1, yScale); }
  void AuxKeyUp() override { MoveXRefPos(1); }
  void AuxKeyDown() override { MoveXRefPos(-1); }

 protected:
  const char* const* SoftLabelTexts() const override;
  int ReadoutLines() const override { return 3; }
};

class PlotPlaneDiag : public PlaneDiag {
 public:
  // The plotter's diagram before it has an area.
  PlotPlaneDiag();
  PlotPlaneDiag(pf::Window* owner, int x, int y, int width, int height);
  // The settings with both scales; no parts until the next SetRect.
  PlotPlaneDiag(const PlotPlaneDiag& other);
  PlotPlaneDiag& operator=(const PlotPlaneDiag& other);

  // Also the label of the x axis under the grid.
  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  void UpdateScale() override;
  // The y axis's reference and scale; the x axis's stand under the grid, since both together
  // are wider than the screen leaves beside the soft-key labels.
  MyStrng HeaderText() const override;
  pf::Size SmallestSize() const override { return {241, 240}; }
  // Also the x axis's reference and scale in their label.
  void WriteHeader(pf::Dc* dc) override;
  // The x reference position keys move the line; the x reference value keys step by the x
  // value per division.
  void XRefPosInc() override { MoveXRefPos(1); }
  void XRefPosDec() override { MoveXRefPos(-1); }
  void XRefValueUp() override { StepXRefValue(1, xScale); }
  void XRefValueDown() override { StepXRefValue(-1, xScale); }

 protected:
  const char* const* SoftLabelTexts() const override;
  // In the units of the plotter's ranges.
  MyStrng XReadout(float px) const override;
  MyStrng YReadout(float py) const override;
  // The plotter's points have no frequency.
  int ReadoutLines() const override { return 2; }

 private:
  void SetUp();
  // The x axis's label under the grid, where the frequency kinds have their start label.
  void PlaceXAxisLabel();
};
