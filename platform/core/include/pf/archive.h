#pragma once
// Binary archive: little-endian fixed-size numbers and raw byte blocks on a stream.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>

namespace pf {

// The only exception of the system: a document catches it and reports the failed file.
class ArchiveError : public std::runtime_error {
 public:
  // NotFinite: a loaded float or double that is no finite number; what() is its text.
  enum class Kind { ShortRead, BadCount, WriteFailed, WrongMode, NotFinite };
  ArchiveError(Kind kind, const std::string& what) : std::runtime_error(what), kind_(kind) {}
  Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

class Archive {
 public:
  explicit Archive(std::ostream& out);  // store mode
  explicit Archive(std::istream& in);   // load mode
  Archive(const Archive&) = delete;
  Archive& operator=(const Archive&) = delete;

  bool IsStoring() const { return out_ != nullptr; }
  bool IsLoading() const { return in_ != nullptr; }

  Archive& operator<<(char v) { return Put(static_cast<uint8_t>(v), 1); }
  Archive& operator<<(int8_t v) { return Put(static_cast<uint8_t>(v), 1); }
  Archive& operator<<(uint8_t v) { return Put(v, 1); }
  Archive& operator<<(int16_t v) { return Put(static_cast<uint16_t>(v), 2); }
  Archive& operator<<(uint16_t v) { return Put(v, 2); }
  Archive& operator<<(int32_t v) { return Put(static_cast<uint32_t>(v), 4); }
  Archive& operator<<(uint32_t v) { return Put(v, 4); }
  Archive& operator<<(float v);
  Archive& operator<<(double v);

  Archive& operator>>(char& v);
  Archive& operator>>(int8_t& v);
  Archive& operator>>(uint8_t& v);
  Archive& operator>>(int16_t& v);
  Archive& operator>>(uint16_t& v);
  Archive& operator>>(int32_t& v);
  Archive& operator>>(uint32_t& v);
  // Numbers in an archive are results and the values behind them: loading one that is NaN or
  // infinite throws NotFinite, so no damaged file passes one on.
  Archive& operator>>(float& v);
  Archive& operator>>(double& v);

  void Write(const void* data, std::size_t size);
  // Reads exactly size bytes or throws ShortRead.
  void Read(void* data, std::size_t size);

  // Loading: consumes the next four bytes when they are this mark and says so; otherwise, or
  // where the stream cannot tell what is left, leaves the stream as it was. A record that grew
  // puts its new part behind a mark that no older record can begin with, so older files load.
  bool TakeMark(uint32_t mark);

  // Bytes left to load, when the stream can tell.
  std::optional<uint64_t> Remaining() const;
  // Throws BadCount unless 0 <= count <= maxCount and, where the stream can tell,
  // count * elementSize bytes are still there. Call it before allocating for a count.
  void CheckCount(int64_t count, int64_t maxCount, std::size_t elementSize = 1) const;

 private:
  Archive& Put(uint64_t bits, int bytes);
  uint64_t Get(int bytes);
  static void CheckFinite(double v);

  std::ostream* out_ = nullptr;
  std::istream* in_ = nullptr;
  std::optional<uint64_t> remaining_;
};

}  // namespace pf
