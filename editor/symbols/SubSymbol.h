#pragma once
// The substrate definition: names a board with its material values for the line elements.

#include <cstdint>

#include "basics/WertMitDim.h"
#include "editor/symbols/EinPolSymbol.h"

struct SubstrateData;

class SubSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(SubSymbol)

 public:
  static constexpr const char* kClassKey = "SUBSTRAT";

  SubSymbol();
  SubSymbol(const Point& start, const Point& end);

  // The extents are stored from version 2 on; older files keep the defaults.
  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  // Names and material values, not the extents.
  void CopyParameters(const NetSymbol& other) override;
  MyStrng GetElementName() const override;
  // The line of the netlist's data block.
  void WriteNetLine() override;
  std::ostream& WriteText(std::ostream& os) override;
  std::istream& ReadText(std::istream& is) override;
  bool IsDataItem() const override;

  // The record that the line dimensioning dialogs read; the names are cut to its fields.
  void GetSubstrateParams(SubstrateData& record) const;

  float permittivity = 2.3f;
  float lossTangent = 1e-4f;
  float height = 0.000625f;  // metres
  float metalThickness = 1.7e-5f;
  LaeWert extentX = LaeWert(0.02);  // board size for the layout
  LaeWert extentY = LaeWert(0.02);
  MyStrng substrateName = "RTDuroid";
  MyStrng metalName = "Gold";  // "Gold" or "Kupfer"

 private:
  void Init();
};
