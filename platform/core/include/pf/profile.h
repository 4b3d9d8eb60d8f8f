#pragma once
// Per-user settings by section and key, as the program's registry use needs them.

#include <string>
#include <string_view>
#include <vector>

namespace pf {

// Settings held in memory; section and key names compare case-insensitively.
class Profile {
 public:
  virtual ~Profile() = default;

  int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
  std::string GetProfileString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const;
  // False when the value could not be made persistent; it is kept in memory all the same.
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);
  bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value);

 protected:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  virtual bool Persist() { return true; }
  const std::vector<Section>& Sections() const { return sections_; }
  void Set(std::string_view section, std::string_view key, std::string_view value);

 private:
  const std::string* Find(std::string_view section, std::string_view key) const;

  std::vector<Section> sections_;
};

using MemoryProfile = Profile;

// Settings in an INI file, rewritten as a whole on every change.
class IniProfile : public Profile {
 public:
  explicit IniProfile(std::string path);
  const std::string& Path() const { return path_; }

 protected:
  bool Persist() override;

 private:
  void Load();
  std::string path_;
};

// $XDG_CONFIG_HOME (or ~/.config) / registryKey / appName.ini
std::string ProfilePath(std::string_view registryKey, std::string_view appName);

}  // namespace pf
