#pragma once
// The output marker: its pin's node becomes the output node of the first input port.

#include <cstdint>

#include "editor/symbols/EinPolSymbol.h"

class OutSymbol : public EinPolSymbol {
  PF_DECLARE_RUNTIME(OutSymbol)

 public:
  static constexpr const char* kClassKey = "OUTPUT";

  OutSymbol();
  OutSymbol(const Point& start, const Point& end);

  void Draw(pf::Dc& dc) override;
  // Its record is the class key alone before the base record; the base reader reads it.
  std::ostream& WriteText(std::ostream& os) override;

  int32_t marker = 0;  // part of the class since its first files; nothing reads it

 private:
  void Init();
};
