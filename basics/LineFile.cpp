#include "basics/LineFile.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "basics/VS_Error.h"
#include "pf/archive.h"
#include "pf/clipboard.h"
#include "pf/input_file.h"
#include "pf/path_map.h"
#include "pf/whole_file.h"

namespace {

int32_t Saturated(int64_t n) { return static_cast<int32_t>(std::min<int64_t>(n, INT32_MAX)); }

}  // namespace

bool LineFile::ReadLine(std::istream& in, std::string& line, int64_t& budget) {
  // One more than is kept, to tell a line of the kept length and its '\r' from a longer one.
  constexpr int64_t kKept = kMaxLineLength + 1;
  char text[kKept + 2];
  line.clear();
  // The stream's own line search scans its buffer, much faster than a byte at a time.
  in.getline(text, sizeof text);
  int64_t taken = in.gcount();
  if (taken == 0) return false;
  int64_t length = in.eof() ? taken : taken - 1;
  if (in.fail() && !in.eof()) {
    // A longer line: its rest is skipped, as far as the budget reaches.
    in.clear();
    length = taken;
    if (budget - taken + 1 > 0) in.ignore(budget - taken + 1, '\n');
    taken += in.gcount();
  }
  budget -= taken;
  if (budget < 0) return false;
  line.assign(text, static_cast<size_t>(std::min(length, kKept)));
  if (length <= kKept && !line.empty() && line.back() == '\r') line.pop_back();
  if (line.size() > static_cast<size_t>(kMaxLineLength)) line.resize(kMaxLineLength);
  return true;
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

MyStrng LineFile::GetFileNameWithoutPath() const {
  MyStrng name(fileName);
  name.Delete(1, directory.GetLength());
  name.TrimLeft();
  return name;
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
  if (ReadLines(path, lines) == 0) return 0;
  for (const MyStrng& line : lines) Append(line);
  return 1;
}

int LineFile::ReadLines(const MyStrng& path, std::vector<MyStrng>& out) {
  const std::string mapped = pf::MapWindowsPath(path.GetBuffer());
  std::ifstream in;
  if (const std::string refusal = pf::OpenInput(mapped, kMaxBytes, in); !refusal.empty()) {
    VS_Error().Error(MyStrng(refusal), 4);
    return 0;
  }
  if (!in) return 0;

  // Collected first, so a refused file leaves the lines as they were.
  std::vector<MyStrng> lines;
  int64_t budget = kMaxBytes;
  bool tooManyLines = false;
  std::string raw;
  while (!tooManyLines && ReadLine(in, raw, budget)) {
    MyStrng line(raw.c_str());
    line.TrimLeft();
    line.TrimRight();
    if (line.IsEmpty()) continue;
    tooManyLines = lines.size() >= static_cast<size_t>(kMaxLines);
    if (!tooManyLines) lines.push_back(std::move(line));
  }
  if (tooManyLines || budget < 0) {
    VS_Error().Error(MyStrng("Datei zu groß: ") + path, 4);
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
  return pf::WriteWholeStream(pf::MapWindowsPath(fileName.GetBuffer()), [this](std::ostream& out) {
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
