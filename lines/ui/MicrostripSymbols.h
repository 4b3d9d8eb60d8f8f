#pragma once
// The microstrip elements of the element bar drawn from glyphs: line, open and short-circuited
// stub, taper, corner, coupled lines, symmetric tee, width step and radial stub. Each holds its
// dimensions as length texts and the name of the substrate it lies on ("NO_SUB" until one is
// chosen), and writes one netlist line, e.g. TRL 1 2 W=1mm P=10mm NO_SUB.

#include <array>
#include <vector>

#include "editor/symbols/DreiPolSymbol.h"
#include "editor/symbols/EinPolSymbol.h"
#include "editor/symbols/VierPolSymbol.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "formats/GerberPlotFile.h"
#include "lines/ui/LayoutSupport.h"
#include "lines/ui/MicrostripSupport.h"

// A strip of width W and length P: the line and the two stubs.
template <class Base>
class StripSymbol : public msl::MicrostripSymbol<Base> {
 public:
  using msl::MicrostripSymbol<Base>::MicrostripSymbol;

  LaeWert GetLength() const { return p; }

  GerberAperture GetGerberAperture() const override {
    return layout::StripAperture(this->orientation, w, p);
  }
  // The stroke from the origin along the orientation, also for the stubs.
  void WriteGerber(GerberPlotFile& file) const override {
    Base::WriteGerber(file);
    layout::WriteStrip(file, this->layoutOrigin, layout::Direction(this->orientation),
                       Micrometres(p), Micrometres(w));
  }
  void SetWidth(float metres) { w = LaeWert(static_cast<double>(metres)); }
  void SetLength(float metres) { p = LaeWert(static_cast<double>(metres)); }

  LaeWert w{"1mm"};
  LaeWert p{"10mm"};

 protected:
  msl::Fields Fields() override { return {&w, &p, &this->substrate}; }
  // keyword W= P= substrate, drawn as a glyph of glyphLength x 6 with width and length.
  void WriteStripLine(const char* keyword);
  void DrawStrip(pf::Dc& dc, int glyphLength, bool shorted);
};

class TrlSymbol : public StripSymbol<ZweiPolSymbol> {
  PF_DECLARE_RUNTIME(TrlSymbol)

 public:
  static constexpr const char* kClassKey = "MICTRANSLINE";
  TrlSymbol() : StripSymbol(kClassKey) {}
  TrlSymbol(const Point& start, const Point& end) : StripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override { WriteStripLine("TRL"); }
  // Reached at pin 2, the origin lies the length back against the orientation.
  void SetOrigin(const Point& pin, const LPoint& layout) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
};

class OstSymbol : public StripSymbol<EinPolSymbol> {
  PF_DECLARE_RUNTIME(OstSymbol)

 public:
  static constexpr const char* kClassKey = "MICOPENSTUB";
  OstSymbol() : StripSymbol(kClassKey) {}
  OstSymbol(const Point& start, const Point& end) : StripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override { WriteStripLine("OST"); }
};

class SstSymbol : public StripSymbol<EinPolSymbol> {
  PF_DECLARE_RUNTIME(SstSymbol)

 public:
  static constexpr const char* kClassKey = "MICSHORTSTUB";
  SstSymbol() : StripSymbol(kClassKey) {}
  SstSymbol(const Point& start, const Point& end) : StripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override { WriteStripLine("SST"); }
};

class MicTaperSymbol : public msl::MicrostripSymbol<ZweiPolSymbol> {
  PF_DECLARE_RUNTIME(MicTaperSymbol)

 public:
  static constexpr const char* kClassKey = "MICTAPER";
  MicTaperSymbol() : MicrostripSymbol(kClassKey) {}
  MicTaperSymbol(const Point& start, const Point& end)
      : MicrostripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  LaeWert w1{"1mm"};
  LaeWert w2{"3mm"};
  LaeWert p{"10mm"};
  int32_t spare = 1;
  char shape = 'L';  // 'L' linear, 'E' exponential, 'C' cosine-shaped

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &p, &spare, &shape, &substrate}; }
};

// Only stored circuits hold it; the element bar places the bitmap corner.
class MicCornerSymbol : public msl::MicrostripSymbol<ZweiPolSymbol> {
  PF_DECLARE_RUNTIME(MicCornerSymbol)

 public:
  static constexpr const char* kClassKey = "MICCORNER";
  MicCornerSymbol() : MicrostripSymbol(kClassKey) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  LaeWert w1{"1mm"};
  LaeWert w2{"1mm"};
  int32_t spare = 1;
  char form = 'N';  // 'N' no chamfer, 'C' chamfered, 'O' optimal chamfer

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &spare, &form, &substrate}; }
};

class CplSymbol : public msl::MicrostripSymbol<VierPolSymbol> {
  PF_DECLARE_RUNTIME(CplSymbol)

 public:
  static constexpr const char* kClassKey = "MICCOUPLEDLINE";
  CplSymbol() : MicrostripSymbol(kClassKey) {}
  CplSymbol(const Point& start, const Point& end) : MicrostripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // Pins 3 and 4 lie S + W to the right of pins 1 and 2.
  void SetOrigin(const Point& pin, const LPoint& layout) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  // Both strips, each inset by half its width at both ends.
  void WriteGerber(GerberPlotFile& file) const override;
  // The layout positions of the four pins for the origin given.
  std::array<LPoint, 4> LayoutPins(const LPoint& origin) const;

  LaeWert w{"1mm"};
  LaeWert s{"0.1mm"};  // gap
  LaeWert p{"10mm"};

 protected:
  msl::Fields Fields() override { return {&w, &s, &p, &substrate}; }
};

// Only stored circuits hold it; the element bar places the bitmap tee.
class TeeSymbol : public msl::MicrostripSymbol<DreiPolSymbol> {
  PF_DECLARE_RUNTIME(TeeSymbol)

 public:
  static constexpr const char* kClassKey = "MICTEE";
  TeeSymbol() : MicrostripSymbol(kClassKey) {}
  void Draw(pf::Dc& dc) override;
  // A new tee starts from the defaults.
  void CopyParameters(const NetSymbol&) override {}
  bool EditDialog(pf::Window* parent) override;
  // The tee is symmetric: the through width stands for W1 and W2, the stored W2 is not used.
  void WriteNetLine() override;

  LaeWert w1{"0.5mm"};
  LaeWert w2{"0.5mm"};
  LaeWert w3{"1mm"};  // branch
  int32_t spare = 1;

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &w3, &spare, &substrate}; }
};

class StepSymbol : public msl::MicrostripSymbol<ZweiPolSymbol> {
  PF_DECLARE_RUNTIME(StepSymbol)

 public:
  static constexpr const char* kClassKey = "MICSTEP";
  StepSymbol() : MicrostripSymbol(kClassKey) {}
  StepSymbol(const Point& start, const Point& end) : MicrostripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  LaeWert w1{"0.5mm"};
  LaeWert w2{"1mm"};
  int32_t model = 1;  // MO: 0, 1 or 2

 protected:
  msl::Fields Fields() override { return {&w1, &w2, &model, &substrate}; }
};

class RadStubSymbol : public msl::MicrostripSymbol<EinPolSymbol> {
  PF_DECLARE_RUNTIME(RadStubSymbol)

 public:
  static constexpr const char* kClassKey = "MICRADIALSTUB";
  RadStubSymbol() : MicrostripSymbol(kClassKey) {}
  RadStubSymbol(const Point& start, const Point& end)
      : MicrostripSymbol(kClassKey, start, end) {}
  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // The stub ends the layout walk.
  void VisitPins(std::vector<DoublePoint>&) const override {}
  GerberAperture GetGerberAperture() const override;
  // The outline, the arc, the sector fill and the feed fill, with the thin round aperture.
  void WriteGerber(GerberPlotFile& file) const override;

  // The feed corners a, d at the pin, the outer corners b, c and the sector centre.
  struct Outline {
    LPoint a, b, c, d, centre;
  };
  Outline LayoutOutline() const;

  LaeWert offset{"1mm"};  // of the sector's centre from the pin, derived from angle and feed
  LaeWert rl{"5mm"};      // radius
  LaeWert wi{"1mm"};      // feed width
  LaeWert fourth{"1mm"};
  FloatWert angle{"80.0"};  // degrees, strictly between 0 and 360
  int32_t spare = 0;

 protected:
  msl::Fields Fields() override {
    return {&offset, &rl, &wi, &fourth, &angle, &spare, &substrate};
  }
  // The archive keeps the angle between radius and feed width.
  msl::Fields ArchiveFields() override {
    return {&spare, &offset, &rl, &angle, &wi, &fourth, &substrate};
  }
};
