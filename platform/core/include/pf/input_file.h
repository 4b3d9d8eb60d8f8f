#pragma once
// Files the program reads are opened once, without waiting (open() of a FIFO would wait for a
// writer), and judged by what was opened, not by the path, which may name something else a
// moment later: only a regular file is read (a device may never end), and never beyond what its
// kind can hold, whatever the file does while it is read (it may grow, or tell no size at all,
// as files in /proc do). Each reader names the bound of its kind.

#include <cerrno>
#include <cstdint>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace pf {

class InputFile {
 public:
  // Opens path, mapped as WholeFile maps the path it writes (MapWindowsPath), and looks at what
  // it opened: "Keine Datei: PATH" for anything but a regular file (links are followed),
  // "Datei zu groß: PATH" for one of more than maxBytes, "Lesefehler: PATH" for an open that
  // failed on the device (EIO). A file that cannot be opened otherwise (a missing one) is no
  // refusal: each reader words that as before.
  InputFile(const std::string& path, std::uintmax_t maxBytes);
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Open and not refused when opened.
  bool IsOpen() const { return fd_ >= 0; }
  // Not opened because nothing is at the path.
  bool Missing() const { return openError_ == ENOENT || openError_ == ENOTDIR; }
  // Empty, or why the file is not read; also, where the stream then ends, "Datei zu groß: PATH"
  // once a read has reached beyond maxBytes and "Lesefehler: PATH" once a read has failed (the
  // device's error, not the file's end). A reader asks again after reading.
  const std::string& Refusal() const { return refusal_; }
  // The size when opened.
  std::uintmax_t Size() const { return size_; }
  // The file's bytes, at most maxBytes of them; failed when the file is not open.
  std::istream& Stream() { return stream_; }
  // The rest of the file into bytes; false when it is not open or refused.
  bool ReadAll(std::string& bytes);
  // For a reader that found the file too short: reads on where it stopped, so that a read
  // failing there is refused (above) rather than taken for damaged content. A reader that
  // trusts the size never reads a file that tells none (as those in /proc) at all.
  void ReadOn();
  // Hands the descriptor over (it closes on exec) for a reader of its own, which then keeps to
  // the bound itself; -1 when the file is not open.
  int Release();

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(InputFile& file) : file_(file) {}

   protected:
    int_type underflow() override;
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode which) override;
    pos_type seekpos(pos_type pos, std::ios::openmode which) override;

   private:
    InputFile& file_;
    std::unique_ptr<char[]> bytes_;
    // The file offset of the end of what the buffer holds.
    off_type end_ = 0;
  };

  // Closes the file: why + path is the refusal.
  void Refuse(const char* why);

  std::string path_;
  std::uintmax_t maxBytes_;
  int fd_ = -1;
  int openError_ = 0;  // errno of a failed open
  std::uintmax_t size_ = 0;
  std::string refusal_;
  Buffer buffer_{*this};
  std::istream stream_{&buffer_};
};

}  // namespace pf
