// Feeds arbitrary bytes to the WAVE reader as a file: open, find the data, read it in pieces of
// odd sizes and close. No input may crash, hang, read past its chunks or leave the file open.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "formats/WaveFile.h"

namespace {

// Open descriptors of the process; a reader that leaks a file changes it.
int OpenDescriptors() {
  const int probe = dup(0);
  if (probe >= 0) close(probe);
  return probe;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/vostrane_wave_fuzz_" + std::to_string(getpid()) + ".wav";
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return 0;
  std::fwrite(data, 1, size, out);
  std::fclose(out);

  const int before = OpenDescriptors();
  WaveHandle handle;
  std::unique_ptr<WaveFormat> format;
  WaveChunk riff;
  if (WaveOpenRead(path, handle, format, riff) == 0) {
    WaveChunk chunk;
    if (WaveSeekData(handle, chunk, riff) == 0) {
      std::vector<uint8_t> buffer(4099);
      uint32_t count = 0;
      const uint32_t wanted = chunk.size;
      uint32_t total = 0;
      for (uint32_t piece : {1U, 7U, 4099U, 4099U}) {
        if (WaveReadData(handle, piece, buffer.data(), chunk, count) != 0) break;
        if (count > piece) std::abort();
        total += count;
      }
      if (total > wanted) std::abort();
    }
    WaveCloseRead(handle, format);
  } else if (handle || format) {
    std::abort();
  }
  if (OpenDescriptors() != before) std::abort();
  return 0;
}
