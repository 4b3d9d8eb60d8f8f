#pragma once
// A diagram mapping for the element tests: values to pixels by a fixed linear map around an
// origin pixel, settable trace breaks, grid and soft-key mode.

#include <set>

#include "basics/Saturate.h"
#include "diagrams/graphics/DiagramMapping.h"

class TestPlane : public DiagramMapping {
 public:
  int MapX(float x, float) override {
    pen = breaks.count(x) != 0 ? 'M' : 'L';
    return TruncToInt32(originX + x * pixelsPerUnit);
  }
  int MapY(float y, float) override { return TruncToInt32(originY - y * pixelsPerUnit); }
  bool IsPenLine() override { return pen == 'L'; }
  bool IsPenMove() override { return pen == 'M'; }
  int GetGridBottom() override { return gridBottom; }
  bool IsInGrid(float x, float) override { return x <= gridRight; }
  void ClipOn() override {}
  void ClipOff() override {}
  bool IsLoadStabMode() override { return mode == 'L'; }
  bool IsGenStabMode() override { return mode == 'G'; }
  bool IsLoadGainMode() override { return mode == 'A'; }
  bool IsGenGainMode() override { return mode == 'B'; }
  float GetYScale() override { return yScale; }
  float GetXScale() override { return xScale; }

  double originX = 200.0;
  double originY = 150.0;
  double pixelsPerUnit = 100.0;
  // x values at which a new trace starts.
  std::set<float> breaks;
  int gridBottom = 250;
  float gridRight = 1e30f;
  char mode = 'K';
  float xScale = 1.0f;
  float yScale = 1.0f;
  char pen = 'L';
};
