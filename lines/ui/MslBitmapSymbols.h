#pragma once
// The microstrip junctions drawn from bitmaps: the tee (TEE, its branch to the left 'C' or to
// the right 'A' of the through direction), the right-angled corner (BEND, turning left 'C' or
// right 'B') and the cross, which the simulator has no model for.

#include <vector>

#include "editor/symbols/MultiPolSymbol.h"
#include "formats/GerberPlotFile.h"
#include "lines/ui/MicrostripSupport.h"

// No run-time class of its own: it reports the multi-pole base's.
class MslTeeSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "MslTeeSymbol";

  MslTeeSymbol();
  MslTeeSymbol(const Point& start, const Point& end);

  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  void ReloadBitmap() override;
  // A new tee starts from the defaults.
  void CopyParameters(const NetSymbol&) override {}
  bool EditDialog(pf::Window* parent) override;
  // The through width stands for W1 and W2; the branch side is not part of the line.
  void WriteNetLine() override;
  // Pins 1 and 2 share the origin; pin 3 lies half the through width to the branch side.
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  // No copper, not even the aperture selection.
  void WriteGerber(GerberPlotFile&) const override {}

  LaeWert w1{"1mm"};  // through
  LaeWert w2{"1mm"};  // kept equal to the through width
  LaeWert w3{"0.5mm"};  // branch
  int32_t spare = 1;

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &w3, &spare, &substrate}; }

 private:
  void Init();
  LPoint BranchOffset() const;
};

class MslCornerSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
  PF_DECLARE_RUNTIME(MslCornerSymbol)

 public:
  static constexpr const char* kClassKey = "MslCornerSymbol";

  MslCornerSymbol();
  MslCornerSymbol(const Point& start, const Point& end);

  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  void ReloadBitmap() override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  // Square: one flash; mitred: the triangle hatched with the thin round aperture.
  void WriteGerber(GerberPlotFile& file) const override;

  // In micrometres: the right-angled vertex a, the mitre b c and the second pin.
  struct Triangle {
    LPoint a, b, c, second;
  };
  Triangle LayoutTriangle(const LPoint& origin) const;

  LaeWert w1{"1mm"};
  LaeWert w2{"1mm"};  // kept equal to W1
  int32_t spare = 1;
  char form = 'N';  // 'N' square, 'O' mitred, 'C' cut (from stored circuits only)

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &spare, &form, &substrate}; }

 private:
  void Init();
};

// A drawing and layout junction only: building a netlist with it fails.
class MslCrossSymbol : public MultiPolSymbol {
 public:
  static constexpr const char* kClassKey = "MslCrossSymbol";

  MslCrossSymbol();
  MslCrossSymbol(const Point& start, const Point& end);

  // Reports "NAME: kein Simulationsmodell" and writes no line.
  void WriteNetLine() override;

 private:
  void Init();
};
