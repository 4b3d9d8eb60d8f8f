#include "pf/input_file.h"

#include <sys/stat.h>

namespace pf {

std::string RefuseInput(const std::string& path, std::uintmax_t maxBytes) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return {};
  if (!S_ISREG(info.st_mode)) return "Keine Datei: " + path;
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) return "Datei zu groß: " + path;
  return {};
}

std::string OpenInput(const std::string& path, std::uintmax_t maxBytes, std::ifstream& in) {
  std::string refusal = RefuseInput(path, maxBytes);
  if (refusal.empty()) {
    in.open(path, std::ios::binary);
  } else {
    in.setstate(std::ios::failbit);
  }
  return refusal;
}

}  // namespace pf
