#include "simulator/ValueReader.h"

#include "simulator/SymbolTable.h"

void ExpectKeys(NetLine& check, std::initializer_list<const char*> keys, bool stopAtFirstError) {
  for (const char* key : keys) {
    if (stopAtFirstError && check.GetErrorCode() != 0) return;
    ExpectLabel(check, key);
  }
}

bool ValueReader::NextText(MyStrng& text) {
  line.DeleteLeft(line.Find("="));
  line.TrimLeft();
  line.GetNextValue(text, labels);
  return text != SymbolTable::kNotFound;
}
