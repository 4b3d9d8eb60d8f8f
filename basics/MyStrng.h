#pragma once
// The system's heap string: a NUL-terminated byte buffer with an explicit capacity.
// The capacity is part of the archive form, so every operation sizes it by a fixed rule.

#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <string>

#include "pf/object.h"

namespace pf {
class Dc;
}

class MyStrng : public pf::Object {
  PF_DECLARE_RUNTIME(MyStrng)

 public:
  // Capacity for a text of len characters: 16 * ((len + 1) / 16 + 1).
  static int32_t CapacityFor(int64_t len);
  // Largest capacity an archive may ask for; larger counts are refused as corrupt.
  static constexpr int32_t kMaxArchivedCapacity = 1 << 24;

  MyStrng();
  MyStrng(const char* text);  // NOLINT: implicit like any C text
  explicit MyStrng(int value);
  MyStrng(float value, int digits);
  explicit MyStrng(const std::string& platformText);
  MyStrng(const MyStrng& other);
  // Takes over the buffer and its capacity; the source is left empty.
  MyStrng(MyStrng&& other) noexcept;
  ~MyStrng() override;

  // Assignment sizes by the rule; it never takes over the source's capacity.
  MyStrng& operator=(const MyStrng& other);
  MyStrng& operator=(const char* text);
  void Assign(const char* text);

  // Access and buffer
  const char* GetBuffer() const { return Buf(); }
  int32_t GetCapacity() const { return capacity_; }
  int32_t GetLength() const;
  bool IsEmpty() const { return Buf()[0] == '\0'; }
  // The character at index, NUL beyond the text. Inline: the readers ask for the first
  // character of every line several times.
  char GetAt(int32_t index) const {
    // No NUL before index: index is at most the length (the last byte is always NUL).
    const bool inside = index >= 0 && index < capacity_ &&
                        std::memchr(Buf(), '\0', static_cast<size_t>(index)) == nullptr;
    return inside ? Buf()[index] : '\0';
  }
  // The last byte of the buffer stays NUL; a NUL stored inside ends the text there.
  void SetAt(int32_t index, char c);
  void CopyTo(char* dest, int32_t size) const;
  void AllocBuffer(int32_t size);
  void Clear();
  void ClearTail();

  MyStrng& operator+=(const MyStrng& other);
  MyStrng& operator+=(const char* text);
  MyStrng operator+(const MyStrng& other) const;
  MyStrng operator+(const char* text) const;
  bool operator==(const MyStrng& other) const;
  bool operator==(const char* text) const;
  bool operator<(const MyStrng& other) const;
  std::string ToCString() const { return std::string(Buf()); }

  // Search and edit; positions are 1-based, 0 means not found.
  int32_t Find(const MyStrng& pattern) const;
  int32_t Find(const char* pattern) const;
  MyStrng Mid(int32_t start, int32_t count) const;
  MyStrng LeftOf(const char* text) const;
  void Delete(int32_t pos, int32_t count);
  void DeleteLeft(int32_t count) { Delete(1, count); }
  // Both act on the file-name part of a path only.
  void RemoveExtension();
  bool HasExtension(const char* ext) const;
  void PadRight(int32_t n);

  // Trims and words
  void TrimLeft();
  MyStrng TrimmedLeft() const;
  void TrimRight();
  MyStrng GetTrailingWord();
  void RemoveTrailingWord();
  bool StartsWithLetter();
  bool IsZero() const;

  // Token scanner: separators are ' ', '=' and ','; tokens are letters, digits and ".-+_".
  MyStrng GetNextToken() const;
  MyStrng RemoveNextToken();
  int CountTokens() const;
  bool ContainsToken(const char* text) const;

  // Numbers
  MyStrng GetNumberPart() const;
  int CheckNumberFormat() const;
  float ToFloat() const;
  int32_t ToInt() const;

  void MakeUpper();
  void MakeLower();

  void EscapeForTeX();

  // Drawing in the context's current font; the background mode is transparent meanwhile.
  int32_t GetTextWidth(pf::Dc* dc, int32_t n) const;
  int32_t GetTextHeight(pf::Dc* dc) const;
  // Align 'C' centres the text on x and ends it at y; any other puts its top-left at (x, y).
  void DrawText(pf::Dc* dc, int32_t x, int32_t y, char align) const;
  // For the rotated font that the vertical orientations of a symbol select.
  void DrawVertical(pf::Dc* dc, int32_t x, int32_t y) const;
  // Draws only the first n characters.
  void DrawClipped(pf::Dc* dc, int32_t x, int32_t y, int32_t n) const;

  void Serialize(pf::Archive& ar) override;
  void WriteLine(std::ostream& os) const;
  friend std::ostream& operator<<(std::ostream& os, const MyStrng& s);
  friend std::istream& operator>>(std::istream& is, MyStrng& s);

 private:
  // Texts of small capacity live inside the object: most netlist words and lines fit, and
  // they are copied far more often than kept.
  static constexpr int32_t kInlineCapacity = 32;

  // A part of a text in one step, without first making the empty string.
  MyStrng(const char* text, int64_t len, int32_t capacity) { Reset(text, len, capacity); }
  // Replaces the buffer by a zeroed one of the given capacity holding text.
  void Reset(const char* text, int64_t len, int32_t capacity);
  const char* Buf() const { return capacity_ > kInlineCapacity ? heap_ : inline_; }
  char* Buf() { return capacity_ > kInlineCapacity ? heap_ : inline_; }
  int32_t SkipSeparators() const;
  int32_t TokenEnd(int32_t from) const;
  int32_t TrailingWordStart();

  // The capacity tells which member holds the text.
  union {
    char* heap_;
    char inline_[kInlineCapacity];
  };
  int32_t capacity_ = 0;
};

inline bool operator!=(const MyStrng& a, const MyStrng& b) { return !(a == b); }
inline bool operator!=(const MyStrng& a, const char* b) { return !(a == b); }
