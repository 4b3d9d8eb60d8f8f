#include "pf/profile.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "pf/input_file.h"
#include "pf/whole_file.h"

namespace pf {
namespace {

// Anything larger is not a settings file of ours.
constexpr std::uintmax_t kMaxProfileBytes = 1 << 20;

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// One line per entry: line breaks cannot be stored and become blanks.
std::string OneLine(std::string_view text) {
  std::string s(text);
  std::replace_if(s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return s;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

const std::string* Profile::Find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (!SameName(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (SameName(e.key, key)) return &e.value;
    }
  }
  return nullptr;
}

void Profile::Set(std::string_view section, std::string_view key, std::string_view value) {
  auto sec = std::find_if(sections_.begin(), sections_.end(),
                          [&](const Section& s) { return SameName(s.name, section); });
  if (sec == sections_.end()) {
    sections_.push_back({OneLine(section), {}});
    sec = sections_.end() - 1;
  }
  auto entry = std::find_if(sec->entries.begin(), sec->entries.end(),
                            [&](const Entry& e) { return SameName(e.key, key); });
  if (entry == sec->entries.end()) {
    sec->entries.push_back({OneLine(key), OneLine(value)});
  } else {
    entry->value = OneLine(value);
  }
}

int Profile::GetProfileInt(std::string_view section, std::string_view key,
                           int defaultValue) const {
  const std::string* v = Find(section, key);
  if (v == nullptr) return defaultValue;
  char* end = nullptr;
  const long long n = std::strtoll(v->c_str(), &end, 10);
  if (end == v->c_str()) return defaultValue;
  return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

std::string Profile::GetProfileString(std::string_view section, std::string_view key,
                                      std::string_view defaultValue) const {
  const std::string* v = Find(section, key);
  return v ? *v : std::string(defaultValue);
}

bool Profile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

bool Profile::WriteProfileString(std::string_view section, std::string_view key,
                                 std::string_view value) {
  Set(section, key, value);
  return Persist();
}

IniProfile::IniProfile(std::string path) : path_(std::move(path)) { Load(); }

void IniProfile::Load() {
  // A settings file that is refused is left alone, as a missing one is.
  InputFile file(path_, kMaxProfileBytes);
  std::string bytes;
  if (!file.ReadAll(bytes)) return;
  std::istringstream in(bytes);
  std::string line;
  std::string section;
  while (std::getline(in, line)) {
    std::string_view l = Trim(line);
    if (l.empty() || l.front() == ';' || l.front() == '#') continue;
    if (l.front() == '[') {
      const auto close = l.find(']');
      if (close != std::string_view::npos) section = std::string(Trim(l.substr(1, close - 1)));
      continue;
    }
    const auto eq = l.find('=');
    if (eq == std::string_view::npos || section.empty()) continue;
    Set(section, Trim(l.substr(0, eq)), Trim(l.substr(eq + 1)));
  }
}

bool IniProfile::Persist() {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path_);
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  return WriteWholeStream(path_, [this](std::ostream& out) {
    for (const Section& s : Sections()) {
      out << '[' << s.name << "]\n";
      for (const Entry& e : s.entries) out << e.key << '=' << e.value << '\n';
    }
    return true;
  });
}

std::string ProfilePath(std::string_view registryKey, std::string_view appName) {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  std::string path = (xdg && *xdg == '/')     ? std::string(xdg)
                     : (home && *home)        ? std::string(home) + "/.config"
                                              : std::string(".");
  // Appended piecewise: g++ 12 warns falsely (-Wrestrict) on chains of string operators.
  path.append("/").append(registryKey).append("/").append(appName).append(".ini");
  return path;
}

}  // namespace pf
