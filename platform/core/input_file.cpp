#include "pf/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "pf/path_map.h"

namespace pf {
namespace {

constexpr std::size_t kBufferBytes = std::size_t{64} << 10;

}  // namespace

InputFile::InputFile(const std::string& path, std::uintmax_t maxBytes)
    : path_(path), maxBytes_(maxBytes) {
  stream_.setstate(std::ios::failbit);
  const int fd =
      ::open(MapWindowsPath(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    openError_ = errno;
    // A socket cannot be opened at all, nor a device node without its device; a device that
    // fails the open is read no better than one that fails a read.
    if (errno == ENXIO || errno == ENODEV) refusal_ = "Keine Datei: " + path;
    if (errno == EIO) refusal_ = "Lesefehler: " + path;
    return;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    ::close(fd);
    return;
  }
  if (!S_ISREG(info.st_mode)) {
    refusal_ = "Keine Datei: " + path;
  } else if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    refusal_ = "Datei zu groß: " + path;
  }
  if (!refusal_.empty()) {
    ::close(fd);
    return;
  }
  // A regular file's reads never wait; the flag goes for a reader that takes the descriptor.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  size_ = static_cast<std::uintmax_t>(info.st_size);
  stream_.clear();
}

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool InputFile::ReadAll(std::string& bytes) {
  bytes.clear();
  if (!IsOpen()) return false;
  char chunk[8192];
  std::streamsize got;
  while ((got = buffer_.sgetn(chunk, sizeof chunk)) > 0) {
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  return refusal_.empty();
}

void InputFile::ReadOn() {
  if (!IsOpen()) return;
  stream_.clear();
  stream_.peek();
}

int InputFile::Release() {
  const int fd = fd_;
  fd_ = -1;
  stream_.setstate(std::ios::failbit);
  return fd;
}

void InputFile::Refuse(const char* why) {
  refusal_ = why + path_;
  ::close(fd_);
  fd_ = -1;
}

InputFile::Buffer::int_type InputFile::Buffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (file_.fd_ < 0) return traits_type::eof();
  if (!bytes_) bytes_ = std::make_unique_for_overwrite<char[]>(kBufferBytes);
  // One byte beyond the bound is asked for: it tells a file that has grown past it.
  const std::uintmax_t room = file_.maxBytes_ - static_cast<std::uintmax_t>(end_);
  const std::size_t want = room < kBufferBytes ? static_cast<std::size_t>(room) + 1 : kBufferBytes;
  ssize_t got;
  do {
    got = ::read(file_.fd_, bytes_.get(), want);
  } while (got < 0 && errno == EINTR);
  // A failed read is no end of the file: what came before it is not the whole file.
  if (got < 0) file_.Refuse("Lesefehler: ");
  if (got <= 0) return traits_type::eof();
  if (static_cast<std::uintmax_t>(got) > room) {
    file_.Refuse("Datei zu groß: ");
    return traits_type::eof();
  }
  end_ += got;
  setg(bytes_.get(), bytes_.get(), bytes_.get() + got);
  return traits_type::to_int_type(*gptr());
}

InputFile::Buffer::pos_type InputFile::Buffer::seekoff(off_type off, std::ios::seekdir dir,
                                                       std::ios::openmode which) {
  const pos_type failed(off_type(-1));
  if (file_.fd_ < 0 || (which & std::ios::in) == 0) return failed;
  off_type base = 0;
  if (dir == std::ios::cur) {
    base = end_ - (egptr() - gptr());
    if (off == 0) return pos_type(base);
  } else if (dir == std::ios::end) {
    // The size now, not when opened: one that has grown past the bound is refused here.
    struct stat info {};
    if (::fstat(file_.fd_, &info) != 0) return failed;
    if (static_cast<std::uintmax_t>(info.st_size) > file_.maxBytes_) {
      file_.Refuse("Datei zu groß: ");
      setg(nullptr, nullptr, nullptr);
      return failed;
    }
    base = info.st_size;
  }
  return seekpos(pos_type(base + off), which);
}

InputFile::Buffer::pos_type InputFile::Buffer::seekpos(pos_type pos, std::ios::openmode which) {
  const pos_type failed(off_type(-1));
  const off_type at(pos);
  if (file_.fd_ < 0 || (which & std::ios::in) == 0 || at < 0 ||
      static_cast<std::uintmax_t>(at) > file_.maxBytes_ ||
      ::lseek(file_.fd_, at, SEEK_SET) != at) {
    return failed;
  }
  end_ = at;
  setg(nullptr, nullptr, nullptr);
  return pos;
}

}  // namespace pf
