#include "simulator/ElementValue.h"

#include "simulator/SymbolTable.h"

bool TakeElementValueText(NetLine& line, const SymbolTable& labels, MyStrng& text) {
  const int32_t equals = line.Find("=");
  if (equals == 0) {
    line.Error(MyStrng(line) + " = fehlt ", 4);
    return false;
  }
  line.DeleteLeft(equals);
  line.TrimLeft();
  line.GetNextValue(text, labels);
  return !(text == SymbolTable::kNotFound);
}
