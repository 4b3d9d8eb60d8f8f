#pragma once
// The frame of the two-pin lumped symbols whose values S::Values() names: each starts ideal and
// known by its class key (S::kClassKey, or the one a family of kinds passes), keeps its value
// texts in the archive in that order, reads them from its text record and takes them over from
// a symbol of its own class. It has no run-time class of its own: each symbol reports the
// two-pole base as its parent.

#include <istream>

#include "editor/symbols/StoredValues.h"
#include "editor/symbols/ZweiPolSymbol.h"
#include "elements/lumped/LumpedSupport.h"

template <class S>
class LumpedValueSymbol : public ZweiPolSymbol {
 public:
  LumpedValueSymbol() : LumpedValueSymbol(S::kClassKey) {}
  LumpedValueSymbol(const Point& start, const Point& end)
      : LumpedValueSymbol(start, end, S::kClassKey) {}

  void Serialize(pf::Archive& ar) override {
    ZweiPolSymbol::Serialize(ar);
    SerializeValueTexts(ar, *this, Self().Values());
  }
  // The values of another symbol of the same class; any other symbol leaves them alone.
  void CopyParameters(const NetSymbol& other) override {
    if (const auto* same = dynamic_cast<const S*>(&other)) Self().Values() = same->Values();
  }
  std::istream& ReadText(std::istream& is) override {
    return lumped::ReadRecord(is, *this, Self().Values());
  }

 protected:
  explicit LumpedValueSymbol(const char* classKey) { lumped::InitElement(*this, classKey); }
  LumpedValueSymbol(const Point& start, const Point& end, const char* classKey)
      : ZweiPolSymbol(start, end) {
    lumped::InitElement(*this, classKey);
  }

 private:
  S& Self() { return static_cast<S&>(*this); }
};
