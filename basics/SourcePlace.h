#pragma once
// Where a call was made, as std::source_location tells it; clang's libstdc++ headers of this
// system lack that type, so the compilers' own builtins give it. As a default argument it takes
// the caller's file and line.

struct SourcePlace {
  static constexpr SourcePlace current(const char* file = __builtin_FILE(),
                                       int line = __builtin_LINE()) {
    return SourcePlace{file, line};
  }
  constexpr const char* file_name() const { return file_; }
  constexpr int line() const { return line_; }

  const char* file_ = "";
  int line_ = 0;
};
