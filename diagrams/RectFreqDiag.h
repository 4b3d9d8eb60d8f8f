#pragma once
// The rectangular diagrams over frequency: a linear or logarithmic frequency axis from the start
// to the stop frequency, the value axis at the kind's scale. The kinds differ in name, header,
// value unit and scale table.

#include "diagrams/RectDiag.h"

struct FreqKind;

class RectFreqDiag : public RectDiag {
 public:
  // The layout anew; the value per division and its scale index stay.
  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  // A frequency outside the sweep, or at or below 0 on a logarithmic axis, lands on the
  // grid's edge.
  int MapX(float f, float v) override;
  int MapY(float v, float f) override;
  // Only frequencies from the start to the stop frequency.
  bool IsInGrid(float f, float v) override;
  void DrawLabels(pf::Dc* dc) override;
  // The x value per division: the tenth of the span on a linear axis, the ratio stop / start
  // on a logarithmic one.
  void UpdateXAxis() override;
  void UpdateScale() override;
  MyStrng HeaderText() const override;
  pf::Size SmallestSize() const override;

 protected:
  explicit RectFreqDiag(const FreqKind& kind);
  RectFreqDiag(const FreqKind& kind, pf::Window* owner, int x, int y, int width, int height);
  MyStrng XReadout(float f) const override;

 private:
  void LayOut();
  // The kind's name, scale, reference and unit.
  void SetUp();

  const FreqKind* kind;
};

class LogMagDiag : public RectFreqDiag {
 public:
  LogMagDiag();
  LogMagDiag(pf::Window* owner, int x, int y, int width, int height);
};

class LinMagDiag : public RectFreqDiag {
 public:
  LinMagDiag();
  LinMagDiag(pf::Window* owner, int x, int y, int width, int height);
  // A larger scale moves the reference up by whole divisions until the bottom line is not
  // negative; no beep at the top of the table.
  void YScaleUp() override;
};

class PhaseDiag : public RectFreqDiag {
 public:
  PhaseDiag();
  PhaseDiag(pf::Window* owner, int x, int y, int width, int height);
};

class LinRealDiag : public RectFreqDiag {
 public:
  LinRealDiag();
  LinRealDiag(pf::Window* owner, int x, int y, int width, int height);
};

class LinImagDiag : public RectFreqDiag {
 public:
  LinImagDiag();
  LinImagDiag(pf::Window* owner, int x, int y, int width, int height);
};

// The spectrum analyser's diagram: its labels show the sweep limits, its unit is "dBm" ("dB"
// when made for loading).
class SpecLogMag : public RectFreqDiag {
 public:
  SpecLogMag();
  SpecLogMag(pf::Window* owner, int x, int y, int width, int height);
  // The settings; the scale and the axis labels recomputed.
  SpecLogMag(const SpecLogMag& other);
  SpecLogMag& operator=(const SpecLogMag& other) = default;
  // Also the start and stop labels from the sweep limits.
  void UpdateXAxis() override;
};
