#include "editor/symbols/ContinuationLines.h"

void ContinuationLines::AppendWrapped(MyStrng& netLine, const MyStrng& text) {
  MyStrng& target = lines.empty() ? netLine : lines.back();
  if (target.GetLength() + text.GetLength() > kLimit) {
    lines.push_back(MyStrng("+") + text);
  } else {
    target += text;
  }
}

MyStrng ContinuationLines::Get(int index) const {
  return (index >= 0 && index < Count()) ? lines[static_cast<size_t>(index)] : "noLines";
}

int ContinuationLines::TotalLength(const MyStrng& netLine) const {
  int total = netLine.GetLength();
  for (const MyStrng& line : lines) total += line.GetLength() + 2;
  return total;
}
