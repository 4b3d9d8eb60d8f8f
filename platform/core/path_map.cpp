#include "pf/path_map.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

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

std::string MapWindowsPath(std::string_view path) {
  if (path.size() < 2 || !IsDriveLetter(path[0]) || path[1] != ':') return std::string(path);
  std::string rest(path.substr(2));
  std::replace(rest.begin(), rest.end(), '\\', '/');
  if (rest.empty() || rest.front() != '/') rest.insert(rest.begin(), '/');
  const std::string& root = DriveRoot();
  return (root == "/" ? std::string() : root) + rest;
}

}  // namespace pf
