#pragma once
// A named list of text lines: read from and written to text files, kept inside documents
// through the archive, and put on the clipboard as CR LF separated text.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "basics/List.h"
#include "basics/MyStrng.h"

namespace pf {
class Archive;
class Window;
}  // namespace pf

class LineFile : public List<MyStrng> {
 public:
  // Files are untrusted: longer lines are cut, larger files are refused.
  static constexpr int32_t kMaxLineLength = 1021;
  static constexpr int32_t kMaxLines = 1000000;
  // Every byte read counts, also blanks, line ends and the skipped rest of long lines; a file
  // beyond it is refused before it is read.
  static constexpr int64_t kMaxBytes = int64_t{64} << 20;

  LineFile();
  // Copies take the name and the lines; the directory stays empty.
  LineFile(const LineFile& other);
  // Appends the other file's lines behind the ones held; clear first for a replacement.
  LineFile& operator=(const LineFile& other);

  MyStrng GetFileName() const { return fileName; }
  LineFile& AddLine(const MyStrng& line);
  void AppendLines(const LineFile& other);

  // Appends the file's lines, trimmed, without empty ones. 0 when the file cannot be read;
  // anything but a regular file, one too large and a failed read are reported (one message,
  // the reason); a file that cannot be opened is not, each caller words that.
  int ReadFile(const MyStrng& path);
  // The same lines into a vector, for readers that keep them there; out is left as it was
  // when the result is 0. A NUL byte ends its line; the lines so cut are added to cut.
  static int ReadLines(const MyStrng& path, std::vector<MyStrng>& out,
                       std::vector<MyStrng>* cut = nullptr);
  // Whole or not at all: false when the file could not be written completely, and then the
  // previous file is as it was; the caller reports it.
  bool WriteFile() const;
  void WriteLines(std::ostream& os) const;
  void Serialize(pf::Archive& ar);
  using List<MyStrng>::ForEach;

  int32_t GetCharCount() const;
  // Bytes of the clipboard block: every line with CR LF, then the NUL.
  int32_t GetTextSize() const;
  // The lines joined by CR LF, without the NUL. The clipboard is only touched when a window is
  // given.
  void CopyToClipboard(pf::Window* window);
  // Lines that do not fit into limit bytes (CR LF included) are skipped.
  void CopyToClipboardLimited(pf::Window* window, int32_t limit);
  void PutClipboardLine(const MyStrng& line);

  MyStrng fileName;   // the file that WriteFile writes
  MyStrng directory;  // the directory part at the front of fileName
  MyStrng extraText;  // for the derived file classes
  // The lines the last ReadFile cut at a NUL byte, as kept.
  std::vector<MyStrng> cutAtNul;

 private:
  void BuildClipboardText(pf::Window* window, int32_t budget);

  // Only set while a clipboard text is being built.
  int32_t clipBytesLeft = 0;
  char* clipWritePos = nullptr;
};

// The lines of a stream as the text readers take them. A line ends at LF, CR LF or CR alone, as
// files of any system end their lines. Characters beyond LineFile::kMaxLineLength are skipped up
// to the line end, so the next line starts at its beginning. Every byte taken, kept or skipped,
// is paid from the budget, so neither an endless line nor a huge file of blanks keeps a reader
// busy. The stream is read ahead in blocks of the reader's own.
class LineReader {
 public:
  LineReader(std::istream& in, int64_t budget);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line without its line end; false at the end of the stream or of the budget.
  bool Next(std::string& line);
  // The bytes the budget still allows; below 0 once a line went beyond it.
  int64_t Left() const { return budget_; }
  // Whether the last line that Next gave ended with its line end: only the stream's last line
  // may lack one, as a file cut inside that line does.
  bool LineEnded() const { return lineEnded_; }
  // Whether the last line that Next gave was longer than LineFile::kMaxLineLength: its rest
  // was skipped.
  bool LineCut() const { return lineCut_; }

 private:
  bool Fill();

  std::istream& in_;
  int64_t budget_;
  std::unique_ptr<char[]> block_;
  const char* at_ = nullptr;
  const char* end_ = nullptr;
  // The block holds a CR: a line may end there as well.
  bool blockHasCr_ = false;
  bool lineEnded_ = false;
  bool lineCut_ = false;
};
