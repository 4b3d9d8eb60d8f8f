#pragma once
// The circular diagrams of reflection and transmission values: the polar diagrams with a
// radial scale (linear magnitude, or magnitude in dB) and the Smith chart. Their curves carry
// x = angle in degrees, value column 1 = magnitude, column 2 = frequency in Hz.

#include "diagrams/Diagramm.h"

// The radial scale shared by the polar kinds: rings one step apart, a reference value on the
// reference ring (counted from the outer ring inward) and the kind's scale table.
class CircleDiag : public Diagramm {
 public:
  CircleDiag(pf::Window* owner, int x, int y, int width, int height);

  void SetRect(const pf::Rect& r) override;
  void Draw(pf::Dc* dc) override;
  // Magnitudes are clamped to the chart, the value hi of the outer ring down to the centre.
  int MapX(float angle, float v) override;
  int MapY(float v, float angle) override;
  void WriteHeader(pf::Dc* dc) override = 0;
  // The start and stop frequencies of curve 0 beside the chart's foot.
  void DrawLabels(pf::Dc* dc) override;
  void CreateMarker() override;
  void UpdateXAxis() override {}
  void UpdateScale() override;

  int GetRingStep() const { return ringStep; }
  int GetRadius() const { return radius; }

 protected:
  // The innermost ring: the reference ring never shrinks to the centre.
  int LastYRefPos() const override { return divisions - 1; }
  // The defaults of a kind, its header lines and reference ring.
  void SetUp(const char* kindName, std::span<const float> table, int index, float reference,
             int refPos, const char* unit);
  // Header lines 1 and 2 (and 3 when asked) at the inner area's top left.
  void BuildHeaderLines(bool third);
  void PlaceReferenceRing();
  // Header line 1 gets the text and is drawn.
  void DrawHeader(pf::Dc* dc, const MyStrng& text);

  int ringStep = 0;
  int radius = 0;
  // The unit of the marker's magnitude, again after SetRect.
  MyStrng kindUnit;

 private:
  void Layout();
  // One pixel coordinate of magnitude v clamped to the chart, c the direction's component on
  // that axis: from the centre out to the reference ring, then v's distance from it.
  int MapAlong(int centre, float c, float v) const;
};

class LinPolDiag : public CircleDiag {
 public:
  LinPolDiag(pf::Window* owner, int x, int y, int width, int height);
  // "LinPol  >REF: " with the reference value and the value per division.
  void WriteHeader(pf::Dc* dc) override;
  pf::Size SmallestSize() const override { return {298, 158}; }
};

class LogPolDiag : public CircleDiag {
 public:
  LogPolDiag(pf::Window* owner, int x, int y, int width, int height);
  // "LogPol  >REF: " with the reference value and the dB per division.
  void WriteHeader(pf::Dc* dc) override;
  pf::Size SmallestSize() const override { return {322, 158}; }
};
