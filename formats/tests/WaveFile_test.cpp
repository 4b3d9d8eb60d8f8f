#include "formats/WaveFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "basics/VS_Error.h"
#include "platform/core/tests/locked_terminal.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutId(Bytes& b, const char* id) { b.insert(b.end(), id, id + 4); }

uint32_t Get32(const Bytes& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

// A chunk with its stated size (which may lie) and its bytes, padded when odd.
void PutChunk(Bytes& b, const char* id, const Bytes& data, int64_t statedSize = -1) {
  PutId(b, id);
  Put32(b, statedSize < 0 ? static_cast<uint32_t>(data.size()) : static_cast<uint32_t>(statedSize));
  b.insert(b.end(), data.begin(), data.end());
  if (data.size() % 2 != 0) b.push_back(0);
}

Bytes PcmFormat(uint16_t channels, uint16_t bits) {
  Bytes f;
  f.push_back(1), f.push_back(0), f.push_back(static_cast<uint8_t>(channels)), f.push_back(0);
  Put32(f, 8000);
  Put32(f, 8000U * channels * bits / 8);
  f.push_back(static_cast<uint8_t>(channels * bits / 8)), f.push_back(0);
  f.push_back(static_cast<uint8_t>(bits)), f.push_back(0);
  return f;
}

Bytes Riff(const char* form, const Bytes& chunks, int64_t statedSize = -1) {
  Bytes b;
  PutId(b, "RIFF");
  Put32(b, statedSize < 0 ? static_cast<uint32_t>(chunks.size() + 4)
                          : static_cast<uint32_t>(statedSize));
  PutId(b, form);
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

int OpenDescriptors() {
  const int probe = dup(0);
  if (probe >= 0) close(probe);
  return probe;
}

class WaveFileTest : public testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("vostrane_wave_" + std::to_string(getpid()));
    fs::create_directories(dir);
    descriptors = OpenDescriptors();
  }
  void TearDown() override {
    EXPECT_EQ(OpenDescriptors(), descriptors) << "a file was left open";
    fs::remove_all(dir);
  }

  std::string File(const Bytes& content, const std::string& name = "in.wav") {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(content.data()),
                                              static_cast<std::streamsize>(content.size()));
    return p.string();
  }

  static Bytes Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  // Opens, seeks and reads up to `wanted` bytes; the codes of each step go to `codes`.
  Bytes ReadAll(const std::string& path, std::vector<uint32_t>& codes, uint32_t wanted = 1000) {
    WaveHandle handle;
    std::unique_ptr<WaveFormat> format;
    WaveChunk riff;
    Bytes out(wanted);
    uint32_t count = 0;
    codes.push_back(WaveOpenRead(path, handle, format, riff));
    if (codes.back() == 0) {
      WaveChunk data;
      codes.push_back(WaveSeekData(handle, data, riff));
      if (codes.back() == 0) codes.push_back(WaveReadData(handle, wanted, out.data(), data, count));
      codes.push_back(WaveCloseRead(handle, format));
    } else {
      EXPECT_FALSE(handle || format);
    }
    out.resize(count);
    return out;
  }

  fs::path dir;
  int descriptors = 0;
};

TEST_F(WaveFileTest, RefusesWhatIsNoWaveFileAndHostileChunks) {
  Bytes fmt = PcmFormat(1, 8);
  Bytes odd;  // an odd chunk before the format, with its pad byte
  PutChunk(odd, "LIST", {1, 2, 3});
  Bytes tooShortFmt;
  PutChunk(tooShortFmt, "fmt ", Bytes(fmt.begin(), fmt.begin() + 14));
  Bytes fmtPastEnd;
  PutChunk(fmtPastEnd, "fmt ", fmt, 0x7FFFFFF0);
  Bytes zeroChannels;
  PutChunk(zeroChannels, "fmt ", PcmFormat(0, 8));
  Bytes extraTooLong;  // a float format whose extra bytes run past its chunk
  Bytes floatFmt = fmt;
  floatFmt[0] = 3;
  floatFmt.push_back(200), floatFmt.push_back(0);
  PutChunk(extraTooLong, "fmt ", floatFmt);
  Bytes plainFmt;
  PutChunk(plainFmt, "fmt ", fmt);
  Bytes noData = plainFmt;
  Bytes dataShort = plainFmt;
  PutChunk(dataShort, "data", {}, 64);  // says 64 bytes, holds none

  struct Case {
    const char* what;
    Bytes file;
    std::vector<uint32_t> codes;
  };
  const Case cases[] = {
      {"empty file", {}, {kWaveChunkNotFound}},
      {"RIFF of another form", Riff("AVI ", plainFmt), {kWaveNotWave}},
      {"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'a', 'v', 'e', '!', '!'}, {kWaveNotWave}},
      {"no format chunk", Riff("WAVE", odd), {kWaveChunkNotFound}},
      {"format chunk of 14 bytes", Riff("WAVE", tooShortFmt), {kWaveNotWave}},
      {"format chunk past the file", Riff("WAVE", fmtPastEnd), {kWaveNotWave}},
      {"no channels", Riff("WAVE", zeroChannels), {kWaveNotWave}},
      {"extra bytes past the chunk", Riff("WAVE", extraTooLong), {kWaveNotWave}},
      {"no data chunk", Riff("WAVE", noData), {0, kWaveChunkNotFound, 0}},
      {"data ends early", Riff("WAVE", dataShort), {0, 0, kWaveDataEnded, 0}},
  };
  for (const Case& c : cases) {
    std::vector<uint32_t> codes;
    ReadAll(File(c.file), codes);
    EXPECT_EQ(codes, c.codes) << c.what;
  }
  // Nothing there, a link to itself, a FIFO (whose open would wait for a writer), a device, a
  // device whose open fails, and a file larger than any RIFF (sparse): none is opened, and each
  // refusal says why.
  // A file whose read fails (EIO at 0 of /proc/self/mem) says so too.
  const std::string fifo = (dir / "fifo.wav").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = File({}, "huge.wav");
  fs::resize_file(huge, std::uintmax_t{8} << 30);
  const pf::test::LockedTerminal failing;
  const std::string missing = (dir / "missing.wav").string();
  const std::string loop = (dir / "loop.wav").string();
  fs::create_symlink(loop, loop);
  const struct {
    std::string path;
    uint32_t code;
    std::string message;  // "" for none
  } refused[] = {
      {missing, kWaveCannotOpen, "Keine Datei: " + missing},
      {loop, kWaveCannotOpen, "Datei kann nicht geöffnet werden: " + loop},
      {failing.Path(), kWaveCannotOpen, "Lesefehler: " + failing.Path()},
      {fifo, kWaveCannotOpen, "Keine Datei: " + fifo},
      {"/dev/zero", kWaveCannotOpen, "Keine Datei: /dev/zero"},
      {huge, kWaveCannotOpen, "Datei zu groß: " + huge},
      {"/proc/self/mem", kWaveChunkNotFound, "Lesefehler: /proc/self/mem"},
  };
  for (const auto& r : refused) {
    VS_Error::ResetQueue();
    std::vector<uint32_t> codes;
    ReadAll(r.path, codes);
    EXPECT_EQ(codes, std::vector<uint32_t>{r.code}) << r.path;
    ASSERT_EQ(VS_Error::MessageCount(), r.message.empty() ? 0 : 1) << r.path;
    if (!r.message.empty()) EXPECT_EQ(VS_Error::Message(0).ToCString(), r.message) << r.path;
  }
  VS_Error::ResetQueue();
}

TEST_F(WaveFileTest, FindsDataBehindOddChunksAndReadsNoMoreThanItHolds) {
  Bytes chunks;
  PutChunk(chunks, "LIST", {9, 9, 9});
  PutChunk(chunks, "fmt ", PcmFormat(1, 8));
  PutChunk(chunks, "junk", {7});
  PutChunk(chunks, "data", {10, 20, 30, 40, 50});
  // A RIFF size larger than the file, as streaming writers leave it.
  const std::string path = File(Riff("WAVE", chunks, 0x7FFFFFFF));

  WaveHandle handle;
  std::unique_ptr<WaveFormat> format;
  WaveChunk riff;
  ASSERT_EQ(WaveOpenRead(path, handle, format, riff), 0U);
  EXPECT_EQ(format->channels, 1);
  EXPECT_EQ(format->samplesPerSec, 8000U);
  EXPECT_TRUE(format->extra.empty());
  WaveChunk data;
  ASSERT_EQ(WaveSeekData(handle, data, riff), 0U);
  Bytes out(8, 0);
  uint32_t count = 0;
  EXPECT_EQ(WaveReadData(handle, 2, out.data(), data, count), 0U);
  EXPECT_EQ(count, 2U);
  EXPECT_EQ(WaveReadData(handle, 8, out.data() + 2, data, count), 0U);
  EXPECT_EQ(count, 3U);
  EXPECT_EQ(out, (Bytes{10, 20, 30, 40, 50, 0, 0, 0}));
  EXPECT_EQ(WaveReadData(handle, 8, out.data(), data, count), 0U);
  EXPECT_EQ(count, 0U);
  EXPECT_EQ(WaveCloseRead(handle, format), 0U);
  EXPECT_FALSE(handle || format);
}

TEST_F(WaveFileTest, NonPcmFormatKeepsItsExtraBytes) {
  Bytes fmt = PcmFormat(1, 8);
  fmt[0] = 3;
  fmt.push_back(3), fmt.push_back(0), fmt.push_back(0xA), fmt.push_back(0xB), fmt.push_back(0xC);
  Bytes chunks;
  PutChunk(chunks, "fmt ", fmt);
  PutChunk(chunks, "data", {1, 2});
  const std::string path = File(Riff("WAVE", chunks));
  WaveHandle handle;
  std::unique_ptr<WaveFormat> format;
  WaveChunk riff;
  ASSERT_EQ(WaveOpenRead(path, handle, format, riff), 0U);
  EXPECT_EQ(format->formatTag, 3);
  EXPECT_EQ(format->extra, (Bytes{0xA, 0xB, 0xC}));
  EXPECT_EQ(WaveCloseRead(handle, format), 0U);
}

// What the speaker writes: 8-bit mono, a "fact" of the sample count, every size filled in.
// With VOSTRANE_WAVE_OUT set the files stay there for the peers (python's wave, sox).
TEST_F(WaveFileTest, WrittenFilesReadBackWithTheirSizesAndSampleCount) {
  const char* keep = std::getenv("VOSTRANE_WAVE_OUT");
  const fs::path out = keep != nullptr ? fs::path(keep) : dir;
  struct Case {
    const char* name;
    uint32_t samples;
  };
  for (const Case& c : {Case{"tone22050.wav", 22050}, Case{"odd3.wav", 3}, Case{"empty.wav", 0}}) {
    const std::string path = (out / c.name).string();
    WaveFormat format;
    WaveHandle handle;
    WaveChunk fmt;
    WaveChunk riff;
    WaveChunk data;
    WaveIoInfo io;
    ASSERT_EQ(WaveCreate(path, handle, format, fmt, riff), 0U);
    ASSERT_EQ(WaveStartData(handle, data, io), 0U);
    Bytes samples(c.samples);
    for (uint32_t i = 0; i < c.samples; ++i) samples[i] = static_cast<uint8_t>(128 + (i % 64) - 32);
    uint32_t count = 0;
    ASSERT_EQ(WaveWriteData(handle, c.samples, samples.data(), count, io), 0U);
    EXPECT_EQ(count, c.samples);
    ASSERT_EQ(WaveCloseWrite(handle, data, riff, io, c.samples), 0U);
    EXPECT_FALSE(handle);

    const Bytes file = Contents(path);
    const uint32_t padded = c.samples + (c.samples & 1U);
    ASSERT_EQ(file.size(), 12U + 24U + 12U + 8U + padded) << c.name;
    EXPECT_EQ(Get32(file, 4), file.size() - 8) << c.name;
    EXPECT_EQ(Get32(file, 36), 0x74636166U) << c.name;  // "fact"
    EXPECT_EQ(Get32(file, 44), c.samples) << c.name;
    EXPECT_EQ(Get32(file, 52), c.samples) << c.name;

    std::vector<uint32_t> codes;
    EXPECT_EQ(ReadAll(path, codes, c.samples + 10), samples) << c.name;
    EXPECT_EQ(codes, (std::vector<uint32_t>{0, 0, 0, 0})) << c.name;
  }
}

TEST_F(WaveFileTest, CreateInAMissingFolderFails) {
  WaveHandle handle;
  WaveChunk fmt;
  WaveChunk riff;
  EXPECT_EQ(WaveCreate((dir / "no" / "x.wav").string(), handle, WaveFormat{}, fmt, riff),
            kWaveCannotWrite);
  EXPECT_FALSE(handle);
}

}  // namespace
