#pragma once
// The coplanar symbols, on the bottom layer ('B'): the line or stub (CPLL, CPLS) and the
// three-port junction, which the simulator takes as an ideal tee (KTE) without dimensions.
//   CPLL 1 2 W=500um S=500um P=10mm ALU
//   KTE 1 2 3

#include <vector>

#include "editor/symbols/MultiPolSymbol.h"
#include "formats/GerberPlotFile.h"
#include "lines/ui/MicrostripSupport.h"

class CCoplanarLineModell;

class CCoplanarLineSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "CCoplanarLineSymbol";

  CCoplanarLineSymbol();
  CCoplanarLineSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;

  void Draw(pf::Dc& dc) override;
  void CopyParameters(const NetSymbol& other) override;
  void ReloadBitmap() override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  double GetGapValue() const { return LaeWert(s).Value(); }  // m
  double GetPadSpan() const override;
  // Two gaps beside the strip along the orientation; the open stub closes them at its end.
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  void WriteGerber(GerberPlotFile& file) const override;
  // Strip width, gap (both fields) and length of a dimensioned line.
  void ApplyModel(const CCoplanarLineModell& model);

  LaeWert w{0.0005};
  LaeWert s2{0.0005};  // kept equal to the gap; the layout of a neighbour reads it
  LaeWert s{0.0005};
  LaeWert p{0.01};
  char kind = 'L';  // 'L' line, 'S' short-circuited stub, 'O' open stub

 protected:
  msl::Fields Fields() override { return {&p, &s2, &s, &w, &substrate, &kind}; }

 private:
  void Init();
};

class CCoplanarCrossSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "CCoplanarCrossSymbol";

  CCoplanarCrossSymbol();
  CCoplanarCrossSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;

  void Draw(pf::Dc& dc) override;
  // Its dimensions start from the defaults.
  void CopyParameters(const NetSymbol&) override {}
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // The through arm spans the branch with its gaps; pin 3 sits on the branch's side.
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  // One slot along the through arm, and two flashes where the branch gaps meet the other.
  void WriteGerber(GerberPlotFile& file) const override;
  // Offsets from the origin: pin 2 and pin 3.
  LPoint ThroughOffset() const;
  LPoint BranchOffset() const;

  // The through arm (1) and the branch (2); the dialog sets both arms alike.
  LaeWert s1{0.0005};
  LaeWert w1{0.0005};
  LaeWert w2{0.0005};
  LaeWert s2{0.0005};

 protected:
  msl::Fields Fields() override { return {&w1, &s1, &w2, &s2, &substrate}; }

 private:
  void Init();
};
