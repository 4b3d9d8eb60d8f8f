// Loads arbitrary bytes as a scattering-parameter file into a data two-port and writes its
// table. A file is either refused with a message or taken; a taken one has a data row and a
// reference above 0, every row converts, and a converted row holds only a frequency with unit
// and plain decimals, as many as the first row, one pair or four, and as many as the row's own
// words: a row is read whole, up to a '!' comment, and holds nothing but numbers.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "basics/VS_Error.h"
#include "elements/data/TwoPortSymbol.h"

namespace {

const std::string& FilePath() {
  static const std::string path = "/tmp/dataset_fuzzer_" + std::to_string(::getpid()) + ".s2p";
  return path;
}

bool IsPlainRow(const MyStrng& row) {
  const std::string text = row.ToCString();
  return text.find_first_not_of("0123456789.-+ kMGTHz") == std::string::npos;
}

// The numbers of a file's row before its comment, or -1 when it holds a character that
// belongs to no number.
std::ptrdiff_t NumbersOfRow(const MyStrng& row) {
  std::string text = row.ToCString();
  text.resize(std::min(text.size(), text.find('!')));
  if (text.find_first_not_of("0123456789.-+eE \t,=") != std::string::npos) return -1;
  std::ptrdiff_t numbers = 0;
  bool inNumber = false;
  for (const char c : text) {
    const bool separator = c == ' ' || c == '\t' || c == ',' || c == '=';
    numbers += !separator && !inNumber ? 1 : 0;
    inNumber = !separator;
  }
  return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::ofstream(FilePath(), std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  VS_Error::ResetQueue();
  TwoPortSymbol symbol;
  if (!symbol.LoadFile(FilePath(), "fuzz")) {
    if (VS_Error::MessageCount() == 0) std::abort();  // refused without a word
    return 0;
  }
  if (!(symbol.z01 > 0.0f) || VS_Error::MessageCount() != 0) std::abort();
  symbol.dataLines.Reset();
  const int32_t count = symbol.dataLines.GetCount();
  int32_t rows = 0;
  std::ptrdiff_t values = 0;
  for (int32_t i = 0; i < count; ++i) {
    symbol.currentLine = symbol.dataLines.GetNext();
    const MyStrng original = symbol.currentLine;
    const char first = symbol.currentLine.GetAt(0);
    const bool comment = first == '*' || first == '!' || first == '#';
    if (!symbol.ConvertDataLine()) std::abort();  // taken, yet a row that does not convert
    if (comment) continue;
    if (!IsPlainRow(symbol.currentLine)) std::abort();
    const std::string row = symbol.currentLine.ToCString();
    const std::ptrdiff_t blanks = std::count(row.begin(), row.end(), ' ');
    if (rows == 0) values = blanks;
    if (blanks != values || (values != 2 && values != 8)) std::abort();
    if (NumbersOfRow(original) != blanks + 1) std::abort();  // a number dropped or made up
    ++rows;
  }
  if (rows == 0) std::abort();
  return 0;
}
