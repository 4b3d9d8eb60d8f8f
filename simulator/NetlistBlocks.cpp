#include "simulator/NetlistBlocks.h"

#include "simulator/ElementRegistry.h"

std::string_view BlockKeyword(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  for (const char* keyword : kBlockKeywords) {
    if (line == keyword) return keyword;
  }
  return {};
}

void ForEachBlockLine(
    const LineFile& text,
    const std::function<void(const MyStrng& line, std::string_view keyword, std::string_view block)>&
        visit) {
  std::string_view block;
  text.ForEach([&](const MyStrng& line) {
    const std::string_view keyword = BlockKeyword(line);
    visit(line, keyword, block);
    if (!keyword.empty()) block = keyword == "END" ? std::string_view() : keyword;
  });
}
