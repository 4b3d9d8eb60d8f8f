#pragma once
// The circles of constant gain of a two-port for the load or the generator side: one set per
// frequency, of which the current one is drawn, with the first circle's centre and gain in the
// label. The free marker reads the current two-port matrix through it.

#include <memory>
#include <vector>

#include "basics/Cmplx.h"
#include "basics/Vektor.h"
#include "diagrams/graphics/CircleLine.h"
#include "diagrams/graphics/DiagBaseElement.h"
#include "simulator/PortMatrix.h"

class ConstGainCircles : public DiagBaseElement {
 public:
  // A set holds no more frequencies than a sweep has points.
  static constexpr int kMaxSets = 1 << 16;

  ConstGainCircles(pf::Window* owner, DiagramMapping* diagram);

  // Room for n frequencies (0..kMaxSets), replacing what was there; the fill index starts at 0.
  void Allocate(int n);
  void Free();
  // Fills the next place while there is room.
  void Add(float f, const CmplxRecVektor& parameters, const PortMatrix& matrix);
  // Move the current set and recompute; false (unchanged) at the last or the first.
  bool Next();
  bool Prev();
  // Back to the first place: the next Add fills it, or the first set becomes the current one.
  void ResetIndex() { index = 0; }
  // Recomputation does nothing while not shown.
  void SetShown(bool s) { shown = s ? 1 : 0; }

  // Rebuilds the circles of the current set.
  void Update() override;
  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetOwner(pf::Window* w) override;

  // S11 + S12 S21 G / (1 - S22 G) and S22 + S12 S21 G / (1 - S11 G) of the current matrix; 0
  // unless it is a two-port S matrix.
  Cmplx InputReflection(const Cmplx& g) const;
  Cmplx OutputReflection(const Cmplx& g) const;

  int GetIndex() const { return index; }
  int GetCircleCount() const { return static_cast<int>(circles.size()); }

 private:
  // The current matrix when it is a two-port S matrix.
  const PortMatrix* CurrentTwoPort() const;

  std::vector<CmplxRecVektor> parameterSets;
  std::vector<PortMatrix> matrices;
  std::vector<float> frequencies;
  int capacity = 0;
  int index = 0;
  int shown = 0;
  std::vector<std::unique_ptr<CircleLine>> circles;
};
