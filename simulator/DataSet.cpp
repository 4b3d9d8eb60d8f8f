#include "simulator/DataSet.h"

MyStrng DataSet::GetLine(int i) const {
  // The count is set by whoever fills the rows; a row it claims but never got is missing too.
  if (i < 0 || i >= lineCount || i >= kCapacity || !lines[static_cast<size_t>(i)]) {
    return "Kein Datensatz mit diesem Index";
  }
  return *lines[static_cast<size_t>(i)];
}
