#include "pf/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace pf {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kNameRoom = 200;  // of a name's 255 bytes

// A file its owner made read-only is not replaced behind their back, whoever writes: the
// rename would take no permission of the file's own. Root passes access(), so the mode decides
// too.
bool ReadOnly(const fs::path& where) {
  struct stat st {};
  if (::stat(where.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(where.c_str(), W_OK) != 0;
}

// Where a chain of links ends, also when nothing is there yet (a dangling link is written
// through, as open() would); empty for a chain that does not end.
fs::path LinkTarget(fs::path where) {
  constexpr int kMaxLinks = 40;  // the system's own limit
  std::error_code ec;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    if (!fs::is_symlink(fs::symlink_status(where, ec))) return where;
    const fs::path next = fs::read_symlink(where, ec);
    if (ec) return {};
    where = next.is_absolute() ? next : where.parent_path() / next;
  }
  return {};
}

bool Sync(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  const bool ok = ::fsync(fd) == 0;
  ::close(fd);
  return ok;
}

}  // namespace

WholeFile::WholeFile(const std::string& target) : target_(target) {
  std::error_code ec;
  const fs::path where = LinkTarget(target);
  if (where.empty()) return;
  const fs::file_status status = fs::status(where, ec);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    path_ = target;
    return;
  }
  target_ = where.string();
  if (ReadOnly(where)) return;
  const fs::path folder = where.has_parent_path() ? where.parent_path() : fs::path(".");
  // Cut, so that a name near the system's limit still leaves room for the dot and the suffix.
  std::string name = ".";
  name += where.filename().string().substr(0, kNameRoom);
  name += ".XXXXXX";
  std::string temp = (folder / name).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return;
  ::close(fd);
  path_ = std::move(temp);
  temporary_ = true;
}

WholeFile::~WholeFile() {
  if (!temporary_) return;
  std::error_code ec;
  fs::remove(path_, ec);
}

bool WholeFile::WriteStream(const std::function<bool(std::ostream&)>& write) const {
  if (path_.empty()) return false;
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  const bool ok = out && write(out);
  out.close();
  return ok && !out.fail();
}

bool WholeFile::Commit() {
  if (path_.empty()) return false;
  if (!temporary_) return true;
  std::error_code ec;
  fs::perms perms = fs::status(target_, ec).permissions();
  if (ec || !fs::is_regular_file(target_, ec)) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    perms = static_cast<fs::perms>(0666 & ~mask);
  }
  fs::permissions(path_, perms, ec);
  bool ok = !ec && Sync(path_);
  if (ok) {
    fs::rename(path_, target_, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(path_, ec);
  temporary_ = false;
  return ok;
}

bool WriteWholeFile(const std::string& target,
                    const std::function<bool(const std::string& path)>& write) {
  WholeFile file(target);
  return !file.Path().empty() && write(file.Path()) && file.Commit();
}

bool WriteWholeStream(const std::string& target, const std::function<bool(std::ostream&)>& write) {
  WholeFile file(target);
  return file.WriteStream(write) && file.Commit();
}

}  // namespace pf
