#pragma once
// The rectangular diagrams over time: the x reference value is the start time at the grid's
// left edge and the x reference steps count it in divisions. LinTimeDiag, the oscilloscope's
// diagram, adds the eye mode that folds the signal into traces of two bit periods.

#include "diagrams/RectDiag.h"

class RectTimeDiag : public RectDiag {
 public:
  void SetRect(const pf::Rect& r) override;
  // A time before the start maps to the left edge.
  int MapX(float t, float v) override;
  int MapY(float v, float t) override;
  bool IsInGrid(float t, float v) override;
  void DrawLabels(pf::Dc* dc) override;
  void UpdateXAxis() override { UpdateScale(); }
  void UpdateScale() override;

 protected:
  RectTimeDiag() = default;
  RectTimeDiag(pf::Window* owner, int x, int y, int width, int height);
  MyStrng XReadout(float t) const override;
  // The layout with the reference line on the second line from the bottom.
  void LayOut();
};

class LinTimeDiag : public RectTimeDiag {
 public:
  LinTimeDiag();
  LinTimeDiag(pf::Window* owner, int x, int y, int width, int height);
  // The settings, mode, period and saved values; the labels rewritten.
  LinTimeDiag(const LinTimeDiag& other);
  LinTimeDiag& operator=(const LinTimeDiag& other);

  // The diagram, then period, mode and the three saved values. Throws pf::ArchiveError on a
  // mode other than 'Z' and 'A' or a value that is not finite.
  void Serialize(pf::Archive& ar) override;
  // Also the labels of the start time and time per division.
  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  // In eye mode each fold of two bit periods is a trace of its own from the left edge.
  int MapX(float t, float v) override;
  MyStrng HeaderText() const override;
  pf::Size SmallestSize() const override { return {265, 157}; }
  void XScaleUp() override;
  void XScaleDown() override;
  // The start time, a division later or earlier; no limit.
  void XRefValueUp() override;
  void XRefValueDown() override;
  void WritePicTex() override;

  // The grid spans two bit periods from 0; the time-mode settings are kept.
  void SetEyeMode();
  // The kept settings back.
  void SetTimeMode();
  // The finest time per division at which the ten divisions from a whole division at or before
  // first reach last (the coarsest when none does), and the labels; for time mode. The start
  // lies within 100,000 divisions of 0.
  void ShowSpan(double first, double last);
  // Takes effect at the next SetEyeMode.
  void SetPeriod(double seconds) { period = seconds; }
  char GetMode() const { return mode; }

 private:
  // Scales, start time 0, name and unit; the labels of the start and stop time.
  void SetUp();
  void CopyModeOf(const LinTimeDiag& other);
  // Start label the start time, stop label stopTime.
  void SetTimeLabels(double stopTime);
  void RefreshLabels();
  void StepStartTime(int delta);
  bool Folds() const;

  char mode = 'Z';
  double period = 1e-9;
  int savedStartDivs = 0;
  double savedStart = 0.0;
  double savedTimePerDiv = 0.0;
  int foldIndex = 0;
};
