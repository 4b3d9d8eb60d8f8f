#include "simulator/NetLine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "simulator/SymbolTable.h"

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNameChar(char c) {
  return IsLetter(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == '_';
}
}  // namespace

NetLine& NetLine::operator=(const NetLine& other) {
  MyStrng::operator=(other);
  VS_Error::operator=(other);
  return *this;
}

NetLine& NetLine::operator=(const MyStrng& text) {
  MyStrng::operator=(text);
  return *this;
}

void NetLine::Error(const MyStrng& message, int errorCode) {
  const int first = code;
  VS_Error::Error(message, errorCode);
  if (first != 0) code = first;
}

void NetLine::GetNextValue(MyStrng& value, const SymbolTable& labels) {
  const MyStrng token = GetNextToken();
  if (!IsLetter(token.GetAt(0))) {
    value = token;
    return;
  }
  value = labels.Lookup(token);
  if (value == SymbolTable::kNotFound) Error(token + " Label nicht gefunden", 4);
}

bool ExpectLabel(NetLine& line, const char* key, int32_t from) {
  MyStrng rest = from > 1 ? line.Mid(from, line.GetLength()) : MyStrng(line);
  const int32_t at = rest.Find(key);
  if (at == 0) {
    line.Error(MyStrng(line) + " " + key + " fehlt ", 4);
    return false;
  }
  rest.DeleteLeft(at - 1 + static_cast<int32_t>(std::strlen(key)));
  rest.TrimLeft();
  const bool found = rest.GetAt(0) == '=';
  if (!found) line.Error(MyStrng(line) + " = fehlt ", 4);
  if (line.GetErrorCode() == 0) SkipPastEquals(line);
  return found;
}

bool SkipPastEquals(MyStrng& line) {
  const int32_t equals = line.Find("=");
  if (equals == 0) return false;
  line.DeleteLeft(equals);
  line.TrimLeft();
  return true;
}

MyStrng GetTrailingName(const MyStrng& line) {
  const char* text = line.GetBuffer();
  int32_t end = line.GetLength();
  while (end > 0 && text[end - 1] == ' ') --end;
  int32_t start = end;
  while (start > 0 && IsNameChar(text[start - 1])) --start;
  if (start == end || !IsLetter(text[start])) return MyStrng();
  int32_t before = start;
  while (before > 0 && text[before - 1] == ' ') --before;
  if (before > 0 && text[before - 1] == '=') return MyStrng();
  return line.Mid(start + 1, end - start);
}

MyStrng GetNodeList(const MyStrng& line) {
  // The text ends at its first NUL, as GetAt would see it, without a bounds check per place.
  const char* text = line.GetBuffer();
  int32_t n = 0;
  while (n < NetLine::kMaxNodeListLength &&
         (text[n] == ' ' || (text[n] >= '0' && text[n] <= '9'))) {
    ++n;
  }
  return line.Mid(1, n);
}

int CountTokens(const MyStrng& text) { return text.CountTokens(); }

int CheckNodeList(const MyStrng& nodeList, int portCount) {
  const int count = CountTokens(nodeList);
  if (count == 0) return 1;
  if (count == 1 && nodeList.GetNextToken().IsZero()) return 1;
  return (count == portCount || count == 2 * portCount) ? 0 : 1;
}

// Scans in place rather than copying token by token: this runs for every element line.
int ReadNodes(const MyStrng& text, int* nodes, int maxNodes) {
  const char* p = text.GetBuffer();
  int n = 0;
  while (n < maxNodes) {
    while (*p == ' ') ++p;
    if (*p < '0' || *p > '9') break;
    char* end = nullptr;
    // Saturates like MyStrng::ToInt.
    const long long value = std::strtoll(p, &end, 10);
    nodes[n++] = static_cast<int>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
    p = end;
  }
  return n;
}
