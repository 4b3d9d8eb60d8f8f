#pragma once
// Two-pin symbols (resistors, capacitors, inductors, lines, instruments), with the physical
// length that a surface-mounted part has in the photoplot layout.

#include "basics/WertMitDim.h"
#include "editor/symbols/NetSymbol.h"

class ZweiPolSymbol : public NetSymbol {
  PF_DECLARE_RUNTIME(ZweiPolSymbol)

 public:
  ZweiPolSymbol();
  ZweiPolSymbol(const Point& start, const Point& end);

  void Serialize(pf::Archive& ar) override;
  void Draw(pf::Dc& dc) override;
  int WriteSpiceLines(LineFile& lines, int flag) override;
  void SetOrigin(const Point& pin, const LPoint& layout) override;
  void VisitPins(std::vector<DoublePoint>& list) const override;

  // From pin 1 to pin 2 in micrometres, layout y up; (0, 0) unless the part is SMD.
  LPoint LayoutVector() const;

  LaeWert smdLength{"5mm"};
  int32_t smdFlag = 0;
};
