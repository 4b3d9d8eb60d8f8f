#include "formats/SpiceModelCard.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace spice_card {

namespace {

constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

bool IsGap(char c) { return c == ' ' || c == '\t' || c == ',' || c == '(' || c == ')'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameUpper(std::string_view text, std::string_view upper) {
  if (text.size() != upper.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (Upper(text[i]) != upper[i]) return false;
  }
  return true;
}

struct Scale {
  std::string_view prefix;
  double factor;
};
// "MEG" and "MIL" before 'M', which alone is milli.
constexpr Scale kScales[] = {{"MEG", 1e6}, {"MIL", 25.4e-6}, {"T", 1e12}, {"G", 1e9},
                             {"K", 1e3},   {"M", 1e-3},      {"U", 1e-6}, {"N", 1e-9},
                             {"P", 1e-12}, {"F", 1e-15}};

// Leading digits of text from at: how many.
size_t Digits(std::string_view text, size_t at) {
  size_t n = 0;
  while (at + n < text.size() && IsDigit(text[at + n])) ++n;
  return n;
}

}  // namespace

double Number(std::string_view text) {
  size_t end = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
  size_t digits = Digits(text, end);
  end += digits;
  if (end < text.size() && text[end] == '.') {
    const size_t fraction = Digits(text, end + 1);
    digits += fraction;
    end += 1 + fraction;
  }
  if (digits == 0) return kNotANumber;
  // An 'E' with digits behind it is the exponent; without, it is the first letter of a unit.
  if (end < text.size() && Upper(text[end]) == 'E') {
    size_t at = end + 1;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const size_t exponent = Digits(text, at);
    if (exponent > 0) end = at + exponent;
  }
  // from_chars takes no '+'.
  const size_t from = text[0] == '+' ? 1 : 0;
  double mantissa = 0.0;
  const auto [stop, error] = std::from_chars(text.data() + from, text.data() + end, mantissa);
  if (error != std::errc() || stop != text.data() + end) return kNotANumber;
  std::string_view rest = text.substr(end);
  double factor = 1.0;
  for (const Scale& scale : kScales) {
    if (rest.size() >= scale.prefix.size() &&
        SameUpper(rest.substr(0, scale.prefix.size()), scale.prefix)) {
      factor = scale.factor;
      break;
    }
  }
  for (const char c : rest) {
    if (!IsLetter(c)) return kNotANumber;
  }
  const double value = mantissa * factor;
  return std::isfinite(value) ? value : kNotANumber;
}

double Parameter(const LineFile& card, std::string_view key, double absent) {
  double value = absent;
  // The pair being read: a word that may be a key, and whether '=' followed it.
  std::string candidate;
  bool assigned = false;
  const auto take = [&](std::string_view word) {
    if (word == "=") {
      assigned = !candidate.empty() && !assigned;
      if (!assigned) candidate.clear();
    } else if (assigned) {
      if (SameUpper(candidate, key)) value = Number(word);
      candidate.clear();
      assigned = false;
    } else {
      candidate = word;
    }
  };
  card.ForEach([&](const MyStrng& line) {
    std::string_view text(line.GetBuffer());
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    size_t i = 0;
    while (i < text.size()) {
      if (IsGap(text[i])) {
        ++i;
      } else if (text[i] == '=') {
        take(text.substr(i++, 1));
      } else {
        const size_t start = i;
        while (i < text.size() && !IsGap(text[i]) && text[i] != '=') ++i;
        take(text.substr(start, i - start));
      }
    }
  });
  return value;
}

}  // namespace spice_card
