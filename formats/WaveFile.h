#pragma once
// WAVE audio files (RIFF form "WAVE") read and written chunk by chunk on plain file I/O. Each
// function answers 0 on success or one of the result codes below. The reader trusts no size in
// the file: chunks that run past their parent are not followed, odd chunks are skipped with their
// pad byte, and a file is never left open behind a failure. A file the reader refuses (no regular
// file, too large) and a failed read are queued with their reason (code 4).

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

// Result codes of the WAVE functions.
inline constexpr uint32_t kWaveNoMemory = 57344;
inline constexpr uint32_t kWaveCannotOpen = 57600;
inline constexpr uint32_t kWaveNotWave = 57601;
inline constexpr uint32_t kWaveFormatUnreadable = 57602;
inline constexpr uint32_t kWaveDataEnded = 57603;
inline constexpr uint32_t kWaveCannotWrite = 57604;
// Codes of the file layer below, with the numbers of the multimedia file functions.
inline constexpr uint32_t kWaveFileCannotRead = 261;
inline constexpr uint32_t kWaveFileCannotWrite = 262;
inline constexpr uint32_t kWaveFileCannotSeek = 263;
inline constexpr uint32_t kWaveChunkNotFound = 265;

// The format record; PCM (tag 1) has no extra bytes.
struct WaveFormat {
  static constexpr uint16_t kPcm = 1;
  uint16_t formatTag = kPcm;
  uint16_t channels = 1;
  uint32_t samplesPerSec = 22050;
  uint32_t avgBytesPerSec = 22050;
  uint16_t blockAlign = 1;
  uint16_t bitsPerSample = 8;
  std::vector<uint8_t> extra;
};

// A chunk: its id, the size of its data (what is left of it while reading), the form type of a
// "RIFF" chunk and where its data starts in the file.
struct WaveChunk {
  uint32_t id = 0;
  uint32_t size = 0;
  uint32_t formType = 0;
  uint64_t dataOffset = 0;
};

// An open file; destroying it closes the file.
class WaveFile {
 public:
  explicit WaveFile(std::FILE* file) : file(file) {}
  ~WaveFile();
  WaveFile(const WaveFile&) = delete;
  WaveFile& operator=(const WaveFile&) = delete;

  std::FILE* file;
  // Bytes in the file when it was opened for reading.
  uint64_t length = 0;
  // The file read, for the message of a failed read.
  std::string path;
  // A write failed, or a read did (and was reported).
  bool failed = false;
};
using WaveHandle = std::unique_ptr<WaveFile>;

// The write buffer: bytes collect here and go to the file when it is full.
struct WaveIoInfo {
  static constexpr size_t kBufferSize = 8192;
  std::vector<uint8_t> buffer;
  size_t used = 0;
};

// A file that does not open is reported, its reason with its path, and gives kWaveCannotOpen.
uint32_t WaveOpenRead(const std::string& path, WaveHandle& handle,
                      std::unique_ptr<WaveFormat>& format, WaveChunk& riff);
uint32_t WaveSeekData(WaveHandle& handle, WaveChunk& data, const WaveChunk& riff);
// At most the bytes left in the data chunk; count is what was read.
uint32_t WaveReadData(WaveHandle& handle, uint32_t bytes, uint8_t* buffer, WaveChunk& data,
                      uint32_t& count);
uint32_t WaveCloseRead(WaveHandle& handle, std::unique_ptr<WaveFormat>& format);

uint32_t WaveCreate(const std::string& path, WaveHandle& handle, const WaveFormat& format,
                    WaveChunk& chunk, WaveChunk& riff);
uint32_t WaveStartData(WaveHandle& handle, WaveChunk& data, WaveIoInfo& io);
uint32_t WaveWriteData(WaveHandle& handle, uint32_t bytes, const uint8_t* buffer,
                       uint32_t& count, WaveIoInfo& io);
// Finishes the chunk sizes, records the sample count in "fact" and closes the file.
uint32_t WaveCloseWrite(WaveHandle& handle, WaveChunk& data, WaveChunk& riff, WaveIoInfo& io,
                        uint32_t samples);
