#include "simulator/NetlistBlocks.h"

#include "simulator/ElementRegistry.h"

void BlanksForTabs(MyStrng& line) {
  const int32_t n = line.GetLength();
  for (int32_t k = 0; k < n; ++k) {
    if (line.GetBuffer()[k] == '\t') line.SetAt(k, ' ');
  }
}

std::string_view BlockKeyword(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  for (const char* keyword : kBlockKeywords) {
    if (line == keyword) return keyword;
  }
  return {};
}

void ForEachBlockLine(const LineFile& text, const BlockLineVisit& visit) {
  std::string_view block;
  text.ForEach([&](const MyStrng& read) {
    MyStrng line(read);
    BlanksForTabs(line);
    const std::string_view keyword = BlockKeyword(line);
    visit(line, keyword, block);
    if (!keyword.empty()) block = keyword == "END" ? std::string_view() : keyword;
  });
}
