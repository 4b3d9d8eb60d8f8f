#include "pf/path_map.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pf {
namespace {

std::optional<std::string>& Root() {
  static std::optional<std::string> root;
  return root;
}

std::string DefaultRoot() {
  if (const char* r = std::getenv("VOSTRANE_DRIVE_ROOT"); r && *r) return r;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    return std::string(xdg) + "/vostrane";
  }
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::string(home) + "/.local/share/vostrane";
  }
  return ".";
}

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string ProgramDirectory() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : program.parent_path().string();
}

const std::string& DriveRoot() {
  if (!Root()) SetDriveRoot(DefaultRoot());
  return *Root();
}

void SetDriveRoot(std::string root) {
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  Root() = std::move(root);
}

bool IsDrivePath(std::string_view path) {
  return path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':';
}

std::string MapWindowsPath(std::string_view path) {
  if (!IsDrivePath(path)) return std::string(path);
  // Windows resolves "." and ".." by the name alone, and ".." of the root is the root.
  std::vector<std::string_view> parts;
  std::string_view rest = path.substr(2);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find_first_of("\\/"), rest.size());
    const std::string_view part = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
  }
  const std::string& root = DriveRoot();
  std::string mapped = root == "/" ? std::string() : root;
  for (const std::string_view part : parts) (mapped += '/') += part;
  const char last = path.back();
  if (parts.empty() || last == '\\' || last == '/') mapped += '/';
  return mapped;
}

std::string AbsolutePath(std::string_view name) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path absolute = fs::absolute(MapWindowsPath(name), ec);
  if (ec) return std::string();
  fs::path resolved = absolute.root_path();
  for (const fs::path& step : absolute.relative_path()) {
    if (step.empty() || step == ".") continue;
    if (step != "..") {
      resolved /= step;
      continue;
    }
    if (fs::is_symlink(resolved, ec)) {
      const fs::path target = fs::canonical(resolved, ec);
      if (!ec) resolved = target;
    }
    resolved = resolved.parent_path();
  }
  return resolved.string();
}

std::string FileKey(std::string_view name) {
  struct stat info {};
  if (::stat(MapWindowsPath(name).c_str(), &info) == 0) {
    // An absolute path starts with '/', so the two kinds of key never meet.
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
  }
  return AbsolutePath(name);
}

}  // namespace pf
