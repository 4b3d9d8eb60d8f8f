#include "app/cli/Output.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>

namespace {

namespace fs = std::filesystem;

// What a failed write may have changed: a regular file's size and time; nullopt for anything
// else (nothing there, a device, a link).
struct Stamp {
  std::uintmax_t size;
  fs::file_time_type time;
  bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> StampOf(const std::string& path) {
  std::error_code ec;
  if (!fs::is_regular_file(fs::symlink_status(path, ec))) return std::nullopt;
  const std::uintmax_t size = fs::file_size(path, ec);
  const fs::file_time_type time = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  return Stamp{size, time};
}

}  // namespace

int CheckStandardOutput(int status) {
  std::cout.flush();
  const bool lost = std::fflush(stdout) != 0 || std::ferror(stdout) != 0 || !std::cout;
  if (!lost) return status;
  std::fputs("Ausgabe konnte nicht geschrieben werden\n", stderr);
  return std::max(status, 1);
}

bool WriteOutputFile(const std::string& path, const char* message,
                     const std::function<bool(const std::string& path)>& write) {
  const std::optional<Stamp> before = StampOf(path);
  if (write(path)) return true;
  std::fprintf(stderr, "%s%s\n", message, path.c_str());
  // A file that the write never opened is the user's and stays.
  if (const std::optional<Stamp> after = StampOf(path); after && after != before) {
    std::error_code ec;
    fs::remove(path, ec);
  }
  return false;
}
