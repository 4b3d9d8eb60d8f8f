#pragma once
// The transition from a microstrip (pins 1 and 2) to a slotline (pin 3); the fourth pin has no
// node on the line, which keeps two blanks before the widths:
//   MSTSL 1 2 3  M=1mm S=150um K=0.99 KNR ALU

#include "editor/symbols/MultiPolSymbol.h"
#include "lines/ui/MicrostripSupport.h"

class MslToSlotSymbol : public msl::MicrostripSymbol<MultiPolSymbol> {
 public:
  static constexpr const char* kClassKey = "MslToSlotSymbol";

  MslToSlotSymbol();
  MslToSlotSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;

  void Draw(pf::Dc& dc) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;

  LaeWert m{0.001};     // microstrip width
  LaeWert s{0.00015};   // slot width
  FloatWert k{"0.99"};
  // 'K' after Knorr, 'D' after Das, 'S' the lumped model (no radio sets it)
  char model = 'K';

 protected:
  msl::Fields Fields() override { return {&m, &s, &k, &substrate, &model}; }

 private:
  void Init();
};
