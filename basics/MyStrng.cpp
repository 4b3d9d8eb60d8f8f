#include "basics/MyStrng.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <ostream>
#include <vector>

#include "pf/archive.h"

using pf::Object;
PF_IMPLEMENT_SERIAL(MyStrng, Object, 1)

namespace {

// Character classes of the C locale, independent of the process locale.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlnum(char c) { return IsLetter(c) || IsDigit(c); }
bool IsSeparator(char c) { return c == ' ' || c == '=' || c == ','; }
bool IsTokenChar(char c) { return IsAlnum(c) || c == '.' || c == '-' || c == '+' || c == '_'; }

int64_t TextLength(const char* text) { return text ? static_cast<int64_t>(std::strlen(text)) : 0; }

}  // namespace

int32_t MyStrng::CapacityFor(int64_t len) {
  const int64_t cap = 16 * ((std::max<int64_t>(len, 0) + 1) / 16 + 1);
  return static_cast<int32_t>(std::min<int64_t>(cap, INT32_MAX - 15));
}

void MyStrng::Reset(const char* text, int64_t len, int32_t capacity) {
  capacity = std::max<int32_t>(capacity, 1);
  const size_t n = static_cast<size_t>(std::clamp<int64_t>(len, 0, capacity - 1));
  const size_t rest = static_cast<size_t>(capacity) - n;
  const bool onHeap = capacity_ > kInlineCapacity;
  if (capacity <= kInlineCapacity) {
    if (onHeap) {
      char* old = heap_;  // text may lie in it; inline_ overlays the pointer
      if (n > 0) std::memcpy(inline_, text, n);
      delete[] old;
    } else if (n > 0) {
      std::memmove(inline_, text, n);  // text may lie inside
    }
    std::memset(inline_ + n, 0, rest);
  } else if (onHeap && capacity == capacity_) {
    if (n > 0) std::memmove(heap_, text, n);
    std::memset(heap_ + n, 0, rest);
  } else {
    char* fresh = new char[static_cast<size_t>(capacity)];
    if (n > 0) std::memcpy(fresh, text, n);
    std::memset(fresh + n, 0, rest);
    if (onHeap) delete[] heap_;  // after the copy: text may point into it
    heap_ = fresh;
  }
  capacity_ = capacity;
}

MyStrng::MyStrng() { Reset("", 0, 16); }

MyStrng::MyStrng(const char* text) {
  const int64_t len = TextLength(text);
  Reset(text, len, CapacityFor(len));
}

MyStrng::MyStrng(int value) {
  char digits[16];
  const int len = std::snprintf(digits, sizeof digits, "%d", value);
  Reset(digits, len, 16);
}

MyStrng::MyStrng(float value, int digits) {
  static const char* const kFormats[] = {"%10.2g", "%10.3g", "%10.4g", "%10.5g",
                                         "%10.6g", "%10.7g", "%10.8g"};
  const char* format = (digits >= 1 && digits <= 7) ? kFormats[digits - 1] : "%10.5g";
  char text[64];
  const int len = std::snprintf(text, sizeof text, format, static_cast<double>(value));
  Reset(text, std::min(len, 15), 16);
}

MyStrng::MyStrng(const std::string& platformText) {
  const int64_t len = TextLength(platformText.c_str());
  Reset(platformText.c_str(), len, static_cast<int32_t>(std::min<int64_t>(len + 1, INT32_MAX)));
}

MyStrng::MyStrng(const MyStrng& other) : pf::Object(other), capacity_(other.capacity_) {
  if (capacity_ > kInlineCapacity) heap_ = new char[static_cast<size_t>(capacity_)];
  std::memcpy(Buf(), other.Buf(), static_cast<size_t>(capacity_));
}

MyStrng::MyStrng(MyStrng&& other) noexcept : pf::Object(other), capacity_(other.capacity_) {
  if (capacity_ > kInlineCapacity) {
    heap_ = other.heap_;
  } else {
    std::memcpy(inline_, other.inline_, static_cast<size_t>(capacity_));
  }
  other.capacity_ = 1;
  other.inline_[0] = '\0';
}

MyStrng::~MyStrng() {
  if (capacity_ > kInlineCapacity) delete[] heap_;
  capacity_ = 0;
}

MyStrng& MyStrng::operator=(const MyStrng& other) {
  Assign(other.Buf());
  return *this;
}

MyStrng& MyStrng::operator=(const char* text) {
  Assign(text);
  return *this;
}

void MyStrng::Assign(const char* text) {
  const int64_t len = TextLength(text);
  Reset(text, len, CapacityFor(len));
}

int32_t MyStrng::GetLength() const {
  return static_cast<int32_t>(strnlen(Buf(), static_cast<size_t>(capacity_)));
}

void MyStrng::SetAt(int32_t index, char c) {
  if (index >= 0 && index < capacity_ - 1) Buf()[index] = c;
}

void MyStrng::CopyTo(char* dest, int32_t size) const {
  if (dest == nullptr || size <= 0) return;
  const int32_t n = std::min(GetLength(), size - 1);
  std::memcpy(dest, Buf(), static_cast<size_t>(n));
  std::memset(dest + n, 0, static_cast<size_t>(size - n));
}

void MyStrng::AllocBuffer(int32_t size) { Reset("", 0, size); }

void MyStrng::Clear() { std::memset(Buf(), 0, static_cast<size_t>(capacity_)); }

void MyStrng::ClearTail() {
  const int32_t len = GetLength();
  std::memset(Buf() + len, 0, static_cast<size_t>(capacity_ - len));
}

MyStrng& MyStrng::operator+=(const char* text) {
  if (text == nullptr) return *this;
  const int64_t len1 = GetLength();
  const int64_t len2 = TextLength(text);
  const int32_t capacity = CapacityFor(len1 + len2);
  if (capacity == capacity_ && len1 + len2 < capacity) {
    // Room by the rule already: in place (text may be this string itself).
    std::memmove(Buf() + len1, text, static_cast<size_t>(len2));
    std::memset(Buf() + len1 + len2, 0, static_cast<size_t>(capacity - len1 - len2));
    return *this;
  }
  std::vector<char> joined(Buf(), Buf() + len1);
  joined.insert(joined.end(), text, text + len2);
  Reset(joined.data(), static_cast<int64_t>(joined.size()), capacity);
  return *this;
}

MyStrng& MyStrng::operator+=(const MyStrng& other) { return *this += other.Buf(); }

MyStrng MyStrng::operator+(const MyStrng& other) const {
  MyStrng result(*this);
  result += other;
  return result;
}

MyStrng MyStrng::operator+(const char* text) const {
  MyStrng result(*this);
  result += text;
  return result;
}

bool MyStrng::operator==(const MyStrng& other) const {
  return std::strcmp(Buf(), other.Buf()) == 0;
}

bool MyStrng::operator==(const char* text) const {
  return std::strcmp(Buf(), text ? text : "") == 0;
}

bool MyStrng::operator<(const MyStrng& other) const {
  return std::strcmp(Buf(), other.Buf()) < 0;  // strcmp compares unsigned bytes
}

int32_t MyStrng::Find(const char* pattern) const {
  if (pattern == nullptr || *pattern == '\0') return 0;
  const char* hit = std::strstr(Buf(), pattern);
  return hit ? static_cast<int32_t>(hit - Buf()) + 1 : 0;
}

int32_t MyStrng::Find(const MyStrng& pattern) const { return Find(pattern.Buf()); }

MyStrng MyStrng::Mid(int32_t start, int32_t count) const {
  const int32_t len = GetLength();
  if (count <= 0 || start < 1 || start > len) return MyStrng();
  count = std::min(count, len - start + 1);
  return MyStrng(Buf() + start - 1, count, count >= 16 ? count + 1 : 16);
}

MyStrng MyStrng::LeftOf(const char* text) const { return Mid(1, Find(text) - 1); }

void MyStrng::Delete(int32_t pos, int32_t count) {
  const int32_t len = GetLength();
  if (pos < 1 || pos > len || count <= 0) return;
  const int64_t tail = static_cast<int64_t>(pos) - 1 + count;
  // The rest closes up in place; the capacity then follows the rule for the shorter text.
  int64_t rest = pos - 1;
  if (tail < len) {
    std::memmove(Buf() + rest, Buf() + tail, static_cast<size_t>(len - tail));
    rest += len - tail;
  }
  const int32_t capacity = CapacityFor(rest);
  const bool stays =
      capacity <= kInlineCapacity ? capacity_ <= kInlineCapacity : capacity <= capacity_;
  if (!stays) {
    Reset(Buf(), rest, capacity);
    return;
  }
  // The buffer holds the new capacity already (a heap buffer larger than its capacity serves
  // as well), so it is kept: the lines of a netlist are cut down token by token.
  capacity_ = capacity;
  std::memset(Buf() + rest, 0, static_cast<size_t>(capacity - rest));
}

namespace {
// Index where the file name of a path begins.
int32_t NameStart(const char* path) {
  int32_t start = 0;
  for (int32_t i = 0; path[i] != '\0'; ++i) {
    if (path[i] == '/' || path[i] == '\\') start = i + 1;
  }
  return start;
}
}  // namespace

void MyStrng::RemoveExtension() {
  char* name = Buf() + NameStart(Buf());
  if (char* dot = std::strchr(name, '.')) {
    std::memset(dot, 0, static_cast<size_t>(Buf() + capacity_ - dot));
  }
}

bool MyStrng::HasExtension(const char* ext) const {
  const MyStrng name(Buf() + NameStart(Buf()));
  const int32_t at = name.Find(ext);
  const int32_t dot = name.Find(".");
  return at != 0 && dot != 0 && at == dot + 1;
}

void MyStrng::PadRight(int32_t n) {
  n = std::clamp(n, 0, capacity_ - 1);
  const int32_t len = GetLength();
  if (len < n) {
    std::memset(Buf() + len, ' ', static_cast<size_t>(n - len));
  } else {
    std::memset(Buf() + n, 0, static_cast<size_t>(capacity_ - n));
  }
}

void MyStrng::TrimLeft() {
  int32_t skip = 0;
  while (Buf()[skip] == ' ' || Buf()[skip] == '\t') ++skip;
  if (skip == 0) return;
  const int32_t len = GetLength();
  std::memmove(Buf(), Buf() + skip, static_cast<size_t>(len - skip));
  std::memset(Buf() + len - skip, 0, static_cast<size_t>(capacity_ - (len - skip)));
}

MyStrng MyStrng::TrimmedLeft() const {
  MyStrng copy(*this);
  copy.TrimLeft();
  copy.ClearTail();
  return copy;
}

void MyStrng::TrimRight() {
  int32_t len = GetLength();
  while (len > 1 && Buf()[len - 1] == ' ') Buf()[--len] = '\0';
}

int32_t MyStrng::TrailingWordStart() {
  TrimRight();
  int32_t start = GetLength();
  while (start > 1 && IsAlnum(Buf()[start - 1])) --start;
  return start;
}

MyStrng MyStrng::GetTrailingWord() {
  const int32_t start = TrailingWordStart();
  return MyStrng(Buf() + start);
}

void MyStrng::RemoveTrailingWord() {
  const int32_t start = TrailingWordStart();
  std::memset(Buf() + start, 0, static_cast<size_t>(capacity_ - start));
}

bool MyStrng::StartsWithLetter() {
  TrimLeft();
  return IsLetter(Buf()[0]);
}

bool MyStrng::IsZero() const {
  for (const char* p = Buf(); *p; ++p) {
    if (*p != '0') return false;
  }
  return true;
}

int32_t MyStrng::SkipSeparators() const {
  int32_t i = 0;
  while (IsSeparator(Buf()[i])) ++i;
  return i;
}

int32_t MyStrng::TokenEnd(int32_t from) const {
  while (IsTokenChar(Buf()[from])) ++from;
  return from;
}

MyStrng MyStrng::GetNextToken() const {
  const int32_t start = SkipSeparators();
  const int32_t end = TokenEnd(start);
  return MyStrng(Buf() + start, end - start, capacity_);
}

MyStrng MyStrng::RemoveNextToken() {
  const int32_t start = SkipSeparators();
  const int32_t end = TokenEnd(start);
  if (end > start) Delete(1, end);
  return TrimmedLeft();
}

int MyStrng::CountTokens() const {
  // Walks the text the way repeated RemoveNextToken would consume it.
  int count = 0;
  const char* p = Buf();
  while (*p != '\0') {
    const char* start = p;
    while (IsSeparator(*start)) ++start;
    const char* end = start;
    while (IsTokenChar(*end)) ++end;
    if (end == start) {
      // Only separators or a character that is neither: step over it, count nothing.
      p = start > p ? start : p + 1;
      continue;
    }
    for (p = end; *p == ' ' || *p == '\t'; ++p) {
    }
    ++count;
  }
  return count;
}

bool MyStrng::ContainsToken(const char* text) const {
  MyStrng rest(*this);
  while (!rest.IsEmpty()) {
    if (rest.GetNextToken() == text) return true;
    rest.TrimLeft();
    const int32_t before = rest.GetLength();
    rest.RemoveNextToken();
    if (rest.GetLength() == before) rest.Delete(1, 1);
  }
  return false;
}

MyStrng MyStrng::GetNumberPart() const {
  int32_t end = 0;
  while (Buf()[end] != '\0' && !IsLetter(Buf()[end])) ++end;
  return MyStrng(Buf(), end, capacity_);
}

int MyStrng::CheckNumberFormat() const {
  if (IsEmpty()) return 1;
  int offending = 0;
  int points = 0;
  int before = 0;
  int after = 0;
  for (int32_t i = 0; Buf()[i] != '\0'; ++i) {
    const char c = Buf()[i];
    if (IsDigit(c)) {
      ++(points == 0 ? before : after);
    } else if (c == '.') {
      ++points;
    } else if (c == '-' && i == 0) {
      // a sign is allowed in front only
    } else {
      offending = 1;
      break;
    }
  }
  return offending + (points >= 2) + (before >= 11) + (after >= 11);
}

float MyStrng::ToFloat() const { return static_cast<float>(std::atof(Buf())); }

int32_t MyStrng::ToInt() const {
  // Saturates like a 32-bit atol instead of wrapping.
  const long long v = std::strtoll(Buf(), nullptr, 10);
  return static_cast<int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

void MyStrng::MakeUpper() {
  for (char* p = Buf(); *p; ++p) {
    if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
  }
}

void MyStrng::MakeLower() {
  for (char* p = Buf(); *p; ++p) {
    if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
  }
}

void MyStrng::EscapeForTeX() {
  // Doubling is bounded so that repeated escaping cannot overflow the capacity.
  const int64_t outCap = std::min<int64_t>(2 * static_cast<int64_t>(capacity_), 1 << 30);
  std::vector<char> out(static_cast<size_t>(outCap), '\0');
  int64_t o = 0;
  for (const char* p = Buf(); *p; ++p) {
    const char c = *p;
    if (c == '_') continue;
    if ((c == '>' || c == '<' || c == '=' || c == '/') && o < outCap - 3) {
      out[o++] = '$';
      out[o++] = c;
      out[o++] = '$';
    } else if (o < outCap - 1) {
      out[o++] = c;
    }
  }
  Reset(out.data(), o, static_cast<int32_t>(outCap));
}

void MyStrng::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    // The text, then zeros: the bytes behind the NUL never depend on the string's history.
    const int32_t len = GetLength();
    ar << capacity_;
    ar.Write(Buf(), static_cast<size_t>(len));
    const std::vector<char> zeros(static_cast<size_t>(capacity_ - len), '\0');
    ar.Write(zeros.data(), zeros.size());
    return;
  }
  int32_t count = 0;
  ar >> count;
  if (count == 0) return;
  ar.CheckCount(count, kMaxArchivedCapacity);
  std::vector<char> bytes(static_cast<size_t>(count));
  ar.Read(bytes.data(), bytes.size());
  if (std::find(bytes.begin(), bytes.end(), '\0') == bytes.end()) bytes.back() = '\0';
  if (count <= capacity_) {
    std::memcpy(Buf(), bytes.data(), bytes.size());
    ClearTail();
  } else {
    Reset(bytes.data(), static_cast<int64_t>(std::strlen(bytes.data())), count);
  }
}

void MyStrng::WriteLine(std::ostream& os) const { os << Buf() << '\n'; }

std::ostream& operator<<(std::ostream& os, const MyStrng& s) {
  return os << '(' << s.GetLength() << ',' << s.Buf() << ')';
}

std::istream& operator>>(std::istream& is, MyStrng& s) {
  char open = 0;
  char comma = 0;
  char close = 0;
  int length = -1;
  is >> open >> length >> comma;
  if (!is || length < 0 || length >= MyStrng::kMaxArchivedCapacity) {
    is.setstate(std::ios::failbit);
    return is;
  }
  // Grows with what actually arrives, so a claimed length costs nothing by itself, and the
  // string changes only when the whole form was read.
  std::string text;
  for (int i = 0; i < length; ++i) {
    char c = 0;
    if (!(is >> c)) return is;
    text.push_back(c);
  }
  if (is >> close) s.Reset(text.data(), length, length + 1);
  return is;
}
