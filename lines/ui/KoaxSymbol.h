#pragma once
// The coaxial line (two pins, TKOX) or coaxial stub (one pin, SKOX), e.g.
// TKOX 1 2 GD=4.7mm KD=1.3mm P=1m ER=2.3 TD=0.0001 Silber

#include <cstdint>

#include "basics/FloatWert.h"
#include "basics/WertMitDim.h"
#include "editor/symbols/EinPolSymbol.h"

class KoaxSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(KoaxSymbol)

 public:
  static constexpr const char* kClassKey = "KOAXIALSYMBOL";

  KoaxSymbol();
  KoaxSymbol(const Point& start, const Point& end);

  // Throws pf::ArchiveError on a kind letter other than 'T', 'O', 'S'.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  void CopyParameters(const NetSymbol& other) override;
  bool EditDialog(pf::Window* parent) override;
  void WriteNetLine() override;
  // The foil is not part of the text record.
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;

  void SetLine();
  void SetOpenStub();
  void SetShortStub();

  LaeWert innerD{0.0013};
  LaeWert outerD{0.0047};
  LaeWert lineLength{1.0};
  FloatWert er{2.3};
  FloatWert tanD{0.0001};
  char kind = 'T';  // 'T' line, 'O' open stub, 'S' short-circuited stub
  MyStrng metal = "Silber";
  int32_t isLine = 1;
  // Kept, edited and copied only: the model knows no foil.
  int32_t foil = 0;
  LaeWert foilThickness{1e-6};
  FloatWert foilConductivity{1e7};

 private:
  void Init();
  void SetKind(char letter, int pins);
};
