#include "basics/LineFile.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <istream>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "pf/archive.h"
#include "pf/clipboard.h"
#include "pf/input_file.h"
#include "pf/whole_file.h"

namespace {

int32_t Saturated(int64_t n) { return static_cast<int32_t>(std::min<int64_t>(n, INT32_MAX)); }

size_t Rest(const char* from, const char* to) { return static_cast<size_t>(to - from); }

}  // namespace

LineReader::LineReader(std::istream& in, int64_t budget) : in_(in), budget_(budget) {}

bool LineReader::Fill() {
  constexpr std::streamsize kBlock = 64 << 10;
  if (!in_) return false;
  if (!block_) block_ = std::make_unique_for_overwrite<char[]>(kBlock);
  in_.read(block_.get(), kBlock);
  at_ = block_.get();
  end_ = at_ + in_.gcount();
  blockHasCr_ = std::memchr(at_, '\r', Rest(at_, end_)) != nullptr;
  return at_ != end_;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  lineEnded_ = false;
  lineCut_ = false;
  bool started = false;
  while (at_ != end_ || Fill()) {
    started = true;
    const auto* stop = static_cast<const char*>(std::memchr(at_, '\n', Rest(at_, end_)));
    if (stop == nullptr) stop = end_;
    if (blockHasCr_) {
      if (const void* cr = std::memchr(at_, '\r', Rest(at_, stop))) {
        stop = static_cast<const char*>(cr);
      }
    }
    const int64_t length = stop - at_;
    const int64_t room = LineFile::kMaxLineLength - static_cast<int64_t>(line.size());
    line.append(at_, static_cast<size_t>(std::min(length, room)));
    if (length > room) lineCut_ = true;
    budget_ -= length;
    at_ = stop;
    if (budget_ < 0) return false;
    // The line goes on in the next block.
    if (at_ == end_) continue;
    const char lineEnd = *at_++;
    --budget_;
    if (lineEnd == '\r' && (at_ != end_ || Fill()) && *at_ == '\n') {
      ++at_;
      --budget_;
    }
    lineEnded_ = true;
    return budget_ >= 0;
  }
  return started && budget_ >= 0;
}

LineFile::LineFile() : fileName("NoName.txt") { extraText.AllocBuffer(80); }

LineFile::LineFile(const LineFile& other)
    : List<MyStrng>(), fileName(other.fileName), extraText(other.extraText) {
  AppendLines(other);
}

LineFile& LineFile::operator=(const LineFile& other) {
  if (this == &other) return *this;
  fileName = other.fileName;
  extraText = other.extraText;
  AppendLines(other);
  return *this;
}

LineFile& LineFile::AddLine(const MyStrng& line) {
  Append(line);
  return *this;
}

void LineFile::AppendLines(const LineFile& other) {
  other.ForEach([this](const MyStrng& line) { Append(line); });
}

int LineFile::ReadFile(const MyStrng& path) {
  std::vector<MyStrng> lines;
  cutAtNul.clear();
  if (ReadLines(path, lines, &cutAtNul) == 0) return 0;
  for (const MyStrng& line : lines) Append(line);
  return 1;
}

int LineFile::ReadLines(const MyStrng& path, std::vector<MyStrng>& out,
                        std::vector<MyStrng>* cut) {
  pf::InputFile file(path.GetBuffer(), kMaxBytes);
  if (!file.Refusal().empty()) {
    VS_Error().Error(MyStrng(file.Refusal()), 4);
    return 0;
  }
  if (!file.IsOpen()) return 0;
  std::istream& in = file.Stream();

  // Collected first, so a refused file leaves the lines as they were.
  std::vector<MyStrng> lines;
  LineReader reader(in, kMaxBytes);
  bool tooManyLines = false;
  std::string raw;
  while (!tooManyLines && reader.Next(raw)) {
    MyStrng line(raw.c_str());
    line.TrimLeft();
    line.TrimRight();
    if (cut != nullptr && raw.find('\0') != std::string::npos) cut->push_back(line);
    if (line.IsEmpty()) continue;
    tooManyLines = lines.size() >= static_cast<size_t>(kMaxLines);
    if (!tooManyLines) lines.push_back(std::move(line));
  }
  // The stream ends at the bound, a file that grew past it meanwhile, or at a failed read.
  if (tooManyLines) {
    VS_Error().Error(MyStrng("Datei zu groß: ") + path, 4);
    return 0;
  }
  if (!file.Refusal().empty()) {
    VS_Error().Error(MyStrng(file.Refusal()), 4);
    return 0;
  }
  if (out.empty()) {
    out.swap(lines);
  } else {
    out.insert(out.end(), std::make_move_iterator(lines.begin()),
               std::make_move_iterator(lines.end()));
  }
  return 1;
}

bool LineFile::WriteFile() const {
  return pf::WriteWholeStream(fileName.GetBuffer(), [this](std::ostream& out) {
    WriteLines(out);
    return true;
  });
}

void LineFile::WriteLines(std::ostream& os) const {
  ForEach([&os](const MyStrng& line) { line.WriteLine(os); });
}

void LineFile::Serialize(pf::Archive& ar) {
  if (ar.IsStoring()) {
    fileName.Serialize(ar);
    ar << count;
    // A copy keeps the capacity, so it stores the same bytes as the line itself.
    ForEach([&ar](const MyStrng& line) { MyStrng(line).Serialize(ar); });
    return;
  }
  fileName.Serialize(ar);
  RemoveAll();
  int32_t n = 0;
  ar >> n;
  ar.CheckCount(n, kMaxLines, sizeof(int32_t));
  for (int32_t i = 0; i < n; ++i) {
    MyStrng line;
    line.Serialize(ar);
    Append(line);
  }
  Reset();
}

int32_t LineFile::GetCharCount() const {
  int64_t sum = 0;
  ForEach([&sum](const MyStrng& line) { sum += line.GetLength(); });
  return Saturated(sum);
}

int32_t LineFile::GetTextSize() const {
  return Saturated(int64_t{GetCharCount()} + 2 * int64_t{count} + 1);
}

void LineFile::CopyToClipboard(pf::Window* window) { BuildClipboardText(window, GetTextSize()); }

void LineFile::CopyToClipboardLimited(pf::Window* window, int32_t limit) {
  BuildClipboardText(window, std::min(GetTextSize(), std::max(limit, 0)));
}

void LineFile::PutClipboardLine(const MyStrng& line) {
  const int32_t len = line.GetLength();
  if (clipWritePos == nullptr || clipBytesLeft < len + 2) return;
  std::memcpy(clipWritePos, line.GetBuffer(), static_cast<size_t>(len));
  clipWritePos[len] = '\r';
  clipWritePos[len + 1] = '\n';
  clipWritePos += len + 2;
  clipBytesLeft -= len + 2;
}

void LineFile::BuildClipboardText(pf::Window* window, int32_t budget) {
  // The platform's clipboard keeps the length: the text goes without its terminating NUL, which
  // would end up in the files it is pasted into.
  std::string block(static_cast<size_t>(budget), '\0');
  clipBytesLeft = budget;
  clipWritePos = block.data();
  ForEach([this](const MyStrng& line) { PutClipboardLine(line); });
  block.resize(static_cast<size_t>(clipWritePos - block.data()));
  clipBytesLeft = 0;
  clipWritePos = nullptr;
  if (window != nullptr) pf::TheClipboard().SetText(std::move(block));
}
