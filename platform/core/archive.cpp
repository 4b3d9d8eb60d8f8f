#include "pf/archive.h"

#include <bit>
#include <cmath>
#include <istream>
#include <ostream>

namespace pf {

Archive::Archive(std::ostream& out) : out_(&out) {}

Archive::Archive(std::istream& in) : in_(&in) {
  const std::streampos start = in.tellg();
  if (start == std::streampos(-1)) return;
  in.seekg(0, std::ios::end);
  const std::streampos end = in.tellg();
  in.seekg(start);
  if (end != std::streampos(-1) && end >= start && in) {
    remaining_ = static_cast<uint64_t>(end - start);
  } else {
    in.clear();
  }
}

Archive& Archive::Put(uint64_t bits, int bytes) {
  unsigned char buf[8];
  for (int i = 0; i < bytes; ++i) buf[i] = static_cast<unsigned char>(bits >> (8 * i));
  Write(buf, static_cast<std::size_t>(bytes));
  return *this;
}

uint64_t Archive::Get(int bytes) {
  unsigned char buf[8];
  Read(buf, static_cast<std::size_t>(bytes));
  uint64_t bits = 0;
  for (int i = 0; i < bytes; ++i) bits |= static_cast<uint64_t>(buf[i]) << (8 * i);
  return bits;
}

Archive& Archive::operator<<(float v) { return Put(std::bit_cast<uint32_t>(v), 4); }
Archive& Archive::operator<<(double v) { return Put(std::bit_cast<uint64_t>(v), 8); }

Archive& Archive::operator>>(char& v) { v = static_cast<char>(Get(1)); return *this; }
Archive& Archive::operator>>(int8_t& v) { v = static_cast<int8_t>(Get(1)); return *this; }
Archive& Archive::operator>>(uint8_t& v) { v = static_cast<uint8_t>(Get(1)); return *this; }
Archive& Archive::operator>>(int16_t& v) { v = static_cast<int16_t>(Get(2)); return *this; }
Archive& Archive::operator>>(uint16_t& v) { v = static_cast<uint16_t>(Get(2)); return *this; }
Archive& Archive::operator>>(int32_t& v) { v = static_cast<int32_t>(Get(4)); return *this; }
Archive& Archive::operator>>(uint32_t& v) { v = static_cast<uint32_t>(Get(4)); return *this; }
Archive& Archive::operator>>(float& v) {
  v = std::bit_cast<float>(static_cast<uint32_t>(Get(4)));
  CheckFinite(v);
  return *this;
}
Archive& Archive::operator>>(double& v) {
  v = std::bit_cast<double>(Get(8));
  CheckFinite(v);
  return *this;
}

void Archive::CheckFinite(double v) {
  if (std::isfinite(v)) return;
  throw ArchiveError(ArchiveError::Kind::NotFinite,
                     std::isnan(v) ? "nan" : (v < 0.0 ? "-inf" : "inf"));
}

void Archive::Write(const void* data, std::size_t size) {
  if (out_ == nullptr) throw ArchiveError(ArchiveError::Kind::WrongMode, "archive is not storing");
  if (size == 0) return;
  out_->write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!*out_) throw ArchiveError(ArchiveError::Kind::WriteFailed, "archive write failed");
}

void Archive::Read(void* data, std::size_t size) {
  if (in_ == nullptr) throw ArchiveError(ArchiveError::Kind::WrongMode, "archive is not loading");
  if (size == 0) return;
  if (remaining_ && *remaining_ < size) {
    throw ArchiveError(ArchiveError::Kind::ShortRead, "unexpected end of archive");
  }
  in_->read(static_cast<char*>(data), static_cast<std::streamsize>(size));
  if (static_cast<std::size_t>(in_->gcount()) != size) {
    throw ArchiveError(ArchiveError::Kind::ShortRead, "unexpected end of archive");
  }
  if (remaining_) *remaining_ -= size;
}

bool Archive::TakeMark(uint32_t mark) {
  if (in_ == nullptr) throw ArchiveError(ArchiveError::Kind::WrongMode, "archive is not loading");
  if (!remaining_ || *remaining_ < sizeof mark) return false;
  const std::streampos at = in_->tellg();
  if (at == std::streampos(-1)) return false;
  if (static_cast<uint32_t>(Get(4)) == mark) return true;
  in_->seekg(at);
  *remaining_ += sizeof mark;
  return false;
}

std::optional<uint64_t> Archive::Remaining() const { return remaining_; }

void Archive::CheckCount(int64_t count, int64_t maxCount, std::size_t elementSize) const {
  if (count < 0 || count > maxCount) {
    throw ArchiveError(ArchiveError::Kind::BadCount,
                       "implausible count " + std::to_string(count) + " in archive");
  }
  if (remaining_ && elementSize > 0 && static_cast<uint64_t>(count) > *remaining_ / elementSize) {
    throw ArchiveError(ArchiveError::Kind::BadCount,
                       "count " + std::to_string(count) + " exceeds the rest of the archive");
  }
}

}  // namespace pf
