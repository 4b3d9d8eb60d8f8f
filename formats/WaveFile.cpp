#include "formats/WaveFile.h"

#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>

#include "basics/VS_Error.h"
#include "pf/input_file.h"

namespace {

constexpr uint32_t FourCc(const char (&s)[5]) {
  return static_cast<uint32_t>(static_cast<uint8_t>(s[0])) |
         static_cast<uint32_t>(static_cast<uint8_t>(s[1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(s[3])) << 24;
}

constexpr uint32_t kRiff = FourCc("RIFF");
constexpr uint32_t kWave = FourCc("WAVE");
constexpr uint32_t kFmt = FourCc("fmt ");
constexpr uint32_t kFact = FourCc("fact");
constexpr uint32_t kData = FourCc("data");
constexpr uint32_t kPcmRecordSize = 16;

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

void Put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

void Put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}

bool Seek(WaveFile& f, uint64_t offset) {
  return fseeko(f.file, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool Read(WaveFile& f, void* buffer, size_t bytes) {
  if (std::fread(buffer, 1, bytes, f.file) == bytes) return true;
  // A failed read is said once, with the file; the caller's code tells what went missing.
  if (std::ferror(f.file) != 0 && !f.failed) {
    f.failed = true;
    VS_Error().Error(MyStrng("Lesefehler: ") + MyStrng(f.path), 4);
  }
  return false;
}

bool Write(WaveFile& f, const void* buffer, size_t bytes) {
  if (std::fwrite(buffer, 1, bytes, f.file) != bytes) f.failed = true;
  return !f.failed;
}

// The chunk with this id among the children of the parent whose data runs from begin to end.
// A child that would run past the parent ends the search.
uint32_t FindChunk(WaveFile& f, uint32_t id, uint64_t begin, uint64_t end, WaveChunk& found) {
  uint64_t pos = begin;
  while (pos + 8 <= end) {
    std::array<uint8_t, 8> header{};
    if (!Seek(f, pos)) return kWaveFileCannotSeek;
    if (!Read(f, header.data(), header.size())) return kWaveChunkNotFound;
    const uint32_t size = Le32(header.data() + 4);
    if (Le32(header.data()) == id) {
      found.id = id;
      found.size = size;
      found.dataOffset = pos + 8;
      return 0;
    }
    pos += 8 + static_cast<uint64_t>(size) + (size & 1U);
  }
  return kWaveChunkNotFound;
}

// Where the RIFF chunk's data ends: its stated size, but never past the file.
uint64_t RiffEnd(const WaveFile& f, const WaveChunk& riff) {
  return std::min<uint64_t>(riff.dataOffset + riff.size, f.length);
}

uint32_t CheckAndReadFormat(WaveFile& f, std::unique_ptr<WaveFormat>& format, WaveChunk& riff) {
  std::array<uint8_t, 12> header{};
  if (!Read(f, header.data(), header.size())) return kWaveChunkNotFound;
  riff.id = Le32(header.data());
  riff.size = Le32(header.data() + 4);
  riff.formType = Le32(header.data() + 8);
  riff.dataOffset = 8;
  if (riff.id != kRiff || riff.formType != kWave) return kWaveNotWave;

  WaveChunk fmt;
  if (const uint32_t r = FindChunk(f, kFmt, riff.dataOffset + 4, RiffEnd(f, riff), fmt)) return r;
  // A short data chunk is a cut recording; a format that runs past the file is no format.
  if (fmt.size < kPcmRecordSize || fmt.dataOffset + fmt.size > RiffEnd(f, riff)) {
    return kWaveNotWave;
  }
  std::array<uint8_t, kPcmRecordSize> record{};
  if (!Seek(f, fmt.dataOffset) || !Read(f, record.data(), record.size())) {
    return kWaveFormatUnreadable;
  }
  uint16_t extraSize = 0;
  const uint16_t tag = Le16(record.data());
  if (tag != WaveFormat::kPcm) {
    std::array<uint8_t, 2> size{};
    if (fmt.size < kPcmRecordSize + 2 || !Read(f, size.data(), size.size())) {
      return kWaveFormatUnreadable;
    }
    extraSize = Le16(size.data());
    if (kPcmRecordSize + 2 + static_cast<uint32_t>(extraSize) > fmt.size) return kWaveNotWave;
  }
  format.reset(new (std::nothrow) WaveFormat);
  if (!format) return kWaveNoMemory;
  format->formatTag = tag;
  format->channels = Le16(record.data() + 2);
  format->samplesPerSec = Le32(record.data() + 4);
  format->avgBytesPerSec = Le32(record.data() + 8);
  format->blockAlign = Le16(record.data() + 12);
  format->bitsPerSample = Le16(record.data() + 14);
  // Nobody can play a format without channels or samples, or divide by its rate.
  if (format->channels == 0 || format->samplesPerSec == 0) return kWaveNotWave;
  format->extra.resize(extraSize);
  if (extraSize != 0 && !Read(f, format->extra.data(), extraSize)) return kWaveNotWave;
  return 0;
}

}  // namespace

WaveFile::~WaveFile() {
  if (file != nullptr) std::fclose(file);
}

uint32_t WaveOpenRead(const std::string& path, WaveHandle& handle,
                      std::unique_ptr<WaveFormat>& format, WaveChunk& riff) {
  format.reset();
  handle.reset();
  // The RIFF chunk counts its bytes in 32 bits: no WAVE file is larger than its header and that.
  constexpr std::uintmax_t kMaxFileBytes = 8 + std::uintmax_t{UINT32_MAX};
  pf::InputFile input(path, kMaxFileBytes);
  // A file that is not there, or not opened, is no damaged recording: the reason is said.
  if (!input.Refusal().empty() || !input.IsOpen()) {
    const std::string why = !input.Refusal().empty() ? input.Refusal()
                            : input.Missing()        ? "Keine Datei: " + path
                                                     : "Datei kann nicht geöffnet werden: " + path;
    VS_Error().Error(MyStrng(why), 4);
    return kWaveCannotOpen;
  }
  const int fd = input.Release();
  std::FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
  if (file == nullptr) {
    if (fd >= 0) ::close(fd);
    return kWaveCannotOpen;
  }
  auto opened = std::make_unique<WaveFile>(file);
  opened->path = path;
  // The size when opened, which the bound held; nothing is read beyond it.
  opened->length = input.Size();
  if (const uint32_t r = CheckAndReadFormat(*opened, format, riff)) {
    format.reset();
    return r;
  }
  handle = std::move(opened);
  return 0;
}

uint32_t WaveSeekData(WaveHandle& handle, WaveChunk& data, const WaveChunk& riff) {
  if (!handle) return kWaveFileCannotSeek;
  WaveFile& f = *handle;
  if (const uint32_t r = FindChunk(f, kData, riff.dataOffset + 4, RiffEnd(f, riff), data)) return r;
  return Seek(f, data.dataOffset) ? 0 : kWaveFileCannotSeek;
}

uint32_t WaveReadData(WaveHandle& handle, uint32_t bytes, uint8_t* buffer, WaveChunk& data,
                      uint32_t& count) {
  count = 0;
  if (!handle) return kWaveFileCannotRead;
  const uint32_t n = std::min(bytes, data.size);
  data.size -= n;
  if (n != 0 && !Read(*handle, buffer, n)) return kWaveDataEnded;
  count = n;
  return 0;
}

uint32_t WaveCloseRead(WaveHandle& handle, std::unique_ptr<WaveFormat>& format) {
  format.reset();
  if (!handle) return 0;
  std::FILE* file = handle->file;
  handle->file = nullptr;
  handle.reset();
  return std::fclose(file) == 0 ? 0 : kWaveFileCannotRead;
}

uint32_t WaveCreate(const std::string& path, WaveHandle& handle, const WaveFormat& format,
                    WaveChunk& chunk, WaveChunk& riff) {
  handle.reset();
  std::FILE* file = std::fopen(path.c_str(), "w+b");
  if (file == nullptr) return kWaveCannotWrite;
  auto created = std::make_unique<WaveFile>(file);
  WaveFile& f = *created;

  std::vector<uint8_t> record(kPcmRecordSize);
  Put16(record.data(), format.formatTag);
  Put16(record.data() + 2, format.channels);
  Put32(record.data() + 4, format.samplesPerSec);
  Put32(record.data() + 8, format.avgBytesPerSec);
  Put16(record.data() + 12, format.blockAlign);
  Put16(record.data() + 14, format.bitsPerSample);
  if (format.formatTag != WaveFormat::kPcm) {
    const auto extra = static_cast<uint16_t>(std::min<size_t>(format.extra.size(), 0xFFFF));
    record.resize(kPcmRecordSize + 2);
    Put16(record.data() + kPcmRecordSize, extra);
    record.insert(record.end(), format.extra.begin(), format.extra.begin() + extra);
  }
  const auto recordSize = static_cast<uint32_t>(record.size());

  std::vector<uint8_t> head(12 + 8);
  Put32(head.data(), kRiff);
  Put32(head.data() + 8, kWave);
  Put32(head.data() + 12, kFmt);
  Put32(head.data() + 16, recordSize);
  if (recordSize % 2 != 0) record.push_back(0);
  std::array<uint8_t, 12> fact{};
  Put32(fact.data(), kFact);
  Put32(fact.data() + 4, 4);
  Put32(fact.data() + 8, 0xFFFFFFFFU);
  if (!Write(f, head.data(), head.size()) || !Write(f, record.data(), record.size()) ||
      !Write(f, fact.data(), fact.size())) {
    return kWaveCannotWrite;
  }
  riff = WaveChunk{kRiff, 0, kWave, 8};
  chunk = WaveChunk{kFmt, recordSize, 0, 20};
  handle = std::move(created);
  return 0;
}

uint32_t WaveStartData(WaveHandle& handle, WaveChunk& data, WaveIoInfo& io) {
  if (!handle) return kWaveCannotWrite;
  std::array<uint8_t, 8> header{};
  Put32(header.data(), kData);
  const off_t at = ftello(handle->file);
  if (at < 0 || !Write(*handle, header.data(), header.size())) return kWaveFileCannotWrite;
  data = WaveChunk{kData, 0, 0, static_cast<uint64_t>(at) + 8};
  io.buffer.assign(WaveIoInfo::kBufferSize, 0);
  io.used = 0;
  return 0;
}

uint32_t WaveWriteData(WaveHandle& handle, uint32_t bytes, const uint8_t* buffer,
                       uint32_t& count, WaveIoInfo& io) {
  count = 0;
  if (!handle) return kWaveFileCannotWrite;
  if (io.buffer.empty()) io.buffer.assign(WaveIoInfo::kBufferSize, 0);
  for (uint32_t i = 0; i < bytes; ++i) {
    if (io.used == io.buffer.size()) {
      if (!Write(*handle, io.buffer.data(), io.used)) return kWaveFileCannotWrite;
      io.used = 0;
    }
    io.buffer[io.used++] = buffer[i];
    ++count;
  }
  return 0;
}

uint32_t WaveCloseWrite(WaveHandle& handle, WaveChunk& data, WaveChunk& riff, WaveIoInfo& io,
                        uint32_t samples) {
  if (!handle) return 0;
  WaveFile& f = *handle;
  uint32_t result = 0;
  auto fail = [&result](uint32_t code) {
    if (result == 0) result = code;
  };
  if (io.used != 0 && !Write(f, io.buffer.data(), io.used)) fail(kWaveFileCannotWrite);
  io.used = 0;
  const off_t end = ftello(f.file);
  if (end < 0 || static_cast<uint64_t>(end) < data.dataOffset) {
    fail(kWaveFileCannotSeek);
  } else {
    const uint64_t dataSize = static_cast<uint64_t>(end) - data.dataOffset;
    // Sizes are 32 bits: a longer file cannot be described.
    if (dataSize + data.dataOffset > 0xFFFFFFFFULL) fail(kWaveCannotWrite);
    data.size = static_cast<uint32_t>(dataSize);
    const uint8_t pad = 0;
    if ((data.size & 1U) != 0 && !Write(f, &pad, 1)) fail(kWaveFileCannotWrite);
    riff.size = static_cast<uint32_t>(std::min<uint64_t>(
        static_cast<uint64_t>(end) + (data.size & 1U) - riff.dataOffset, 0xFFFFFFFFULL));
    std::array<uint8_t, 4> v{};
    auto patch = [&](uint64_t at, uint32_t value) {
      Put32(v.data(), value);
      if (!Seek(f, at) || !Write(f, v.data(), v.size())) fail(kWaveFileCannotWrite);
    };
    patch(data.dataOffset - 4, data.size);
    patch(riff.dataOffset - 4, riff.size);
    f.length = static_cast<uint64_t>(end) + (data.size & 1U);
    WaveChunk fact;
    if (FindChunk(f, kFact, riff.dataOffset + 4, RiffEnd(f, riff), fact) == 0 && fact.size >= 4) {
      patch(fact.dataOffset, samples);
    }
  }
  if (std::fflush(f.file) != 0) fail(kWaveCannotWrite);
  std::FILE* file = f.file;
  f.file = nullptr;
  handle.reset();
  if (std::fclose(file) != 0) fail(kWaveCannotWrite);
  return result;
}
