#pragma once
// The slotline symbols, all on the bottom layer ('B'): the slotline as a line or stub (SLTL,
// SLTS), the slotline bend (always the closed-form model) and the covered slotline, a slot
// between two substrates that the simulator has no element for. E.g.
//   SLTL 1 2 Approx W=100um P=10mm NO_SUB
//   SLTS 3 Cohn W=100um P=10mm SHORT ALU

#include <cstdint>
#include <vector>

#include "editor/symbols/MultiPolSymbol.h"
#include "formats/GerberPlotFile.h"
#include "lines/ui/MicrostripSupport.h"

class SlotLineSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "SlotLineSymbol";

  SlotLineSymbol();
  SlotLineSymbol(const Point& start, const Point& end);

  // A version-1 record has no model letter; it loads as 'A' and is kept as version 2.
  void Serialize(pf::Archive& ar) override;
  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  void CopyParameters(const NetSymbol& other) override;
  void ReloadBitmap() override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // The slot runs the length along the orientation from pin 1.
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  void WriteGerber(GerberPlotFile& file) const override;

  LaeWert w{0.0001};
  LaeWert p{0.01};
  char model = 'A';  // 'A' closed form, 'C' Cohn
  char end = 'L';    // 'L' line, 'O' open stub, 'S' short-circuited stub

 protected:
  msl::Fields Fields() override { return {&w, &p, &substrate, &end, &model}; }

 private:
  void Init();
};

class SltBendSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "SltBendSymbol";

  SltBendSymbol();
  SltBendSymbol(const Point& start, const Point& end);

  // A version-1 record has no kink length; it loads with the default one as version 2.
  void Serialize(pf::Archive& ar) override;
  void UpdateGeometry() override;
  void Draw(pf::Dc& dc) override;
  // A new bend starts from the defaults.
  void CopyParameters(const NetSymbol&) override {}
  void ReloadBitmap() override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // Pin 2 lies R along the orientation and R towards the turn.
  void SetOrigin(const Point& pin, const LPoint& at) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;
  GerberAperture GetGerberAperture() const override;
  // The quarter circle as L / W chords, or the kink's two strokes.
  void WriteGerber(GerberPlotFile& file) const override;

  // In micrometres: the arc's centre, the kink corner and the end at pin 2.
  struct Outline {
    LPoint centre, kinkCorner, end;
  };
  Outline LayoutOutline() const;
  // The kink is a stub's form, as the dialog offers it; a line turns in the quarter circle, so
  // that its slot ends at its second pin.
  bool Kinked() const { return geometry == 'K' && end != 'L'; }

  // The radius follows: R = 2 L / pi, the quarter circle of that length.
  void SetLength(const LaeWert& length);

  LaeWert w{0.0001};
  LaeWert p{0.01};
  LaeWert r;
  LaeWert kink{0.002};
  char end = 'L';       // 'L' line, 'S' short-circuited stub
  int32_t spare = 1;
  char geometry = 'C';  // 'C' quarter circle, 'K' kink; the variant 'C' turns left, 'B' right

 protected:
  msl::Fields Fields() override {
    return {&w, &p, &r, &kink, &substrate, &end, &spare, &geometry};
  }

 private:
  void Init();
};

class CCoveredSlotLineSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "CCoveredSlotLineSymbol";

  CCoveredSlotLineSymbol();
  CCoveredSlotLineSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // Its parameters start from the defaults.
  void CopyParameters(const NetSymbol&) override {}
  void ReloadBitmap() override;
  bool EditDialog(pf::Window* parent) override;
  // Reports "NAME: kein Simulationsmodell" and writes no line.
  void WriteNetLine() override;

  LaeWert w{0.0001};
  LaeWert p{0.01};
  // The inherited substrate is the lower one.
  MyStrng upper = "NO_SUB";
  char letter = 'C';  // stored only
  char kind = 'L';    // 'L' line, 'S' short-circuited stub, 'O' open (stored circuits only)

 protected:
  msl::Fields Fields() override { return {&w, &p, &substrate, &upper, &kind, &letter, &layer}; }

 private:
  void Init();
};
