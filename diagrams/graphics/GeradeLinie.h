#pragma once
// Straight lines of a diagram: a plain horizontal or vertical line, and the reference line
// that carries an arrow head at its start.

#include <memory>

#include "diagrams/graphics/GrafElement.h"
#include "diagrams/graphics/PfeilSpitze.h"

class GeradeLinie : public GrafElement {
 public:
  GeradeLinie(pf::Window* owner, int px, int py, int length);

  // 'H' runs right from (x, y); a vertical line runs up from (x, y).
  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;

  // Turns a horizontal line upright with the same length.
  virtual void MakeVertical();
  char GetOrientation() const { return orientation; }

 protected:
  char orientation = 'H';
};

class RefLinie : public GeradeLinie {
 public:
  RefLinie(pf::Window* owner, int px, int py, int length);

  void SetColor(const RgbColor& c) override;
  void Draw(pf::Dc* dc) override;
  void WritePicTex(PicTexFile& f) const override;
  void SetPos(int px, int py) override;
  void Update() override;
  void MoveTo(int px, int py) override;
  void SetOwner(pf::Window* w) override;
  // The arrow head then points up.
  void MakeVertical() override;

  const PfeilSpitze& GetArrow() const { return *arrow; }

 private:
  std::unique_ptr<PfeilSpitze> arrow;
};
