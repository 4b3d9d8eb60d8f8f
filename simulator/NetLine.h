#pragma once
// One netlist line with its own error state. Models take tokens, node lists and "KEY =" pairs
// off the front of the line; every syntax error is reported on the line, so that the reader can
// tell afterwards whether the line was accepted.

#include "basics/MyStrng.h"
#include "basics/VS_Error.h"

class SymbolTable;

class NetLine : public MyStrng, public VS_Error {
 public:
  // Longest node list: the run of digits and blanks at the front of a line.
  static constexpr int kMaxNodeListLength = 81;

  NetLine() = default;
  NetLine(const char* text) : MyStrng(text) {}     // NOLINT: implicit like any C text
  NetLine(const MyStrng& text) : MyStrng(text) {}  // NOLINT: a line is its text
  NetLine(const NetLine& other) = default;
  NetLine& operator=(const NetLine& other);
  NetLine& operator=(const MyStrng& text);

  // The code of the first error stays; later errors are queued as well.
  void Error(const MyStrng& message, int code) override;

  // The next token, the line unchanged. A token that begins with a letter is a label: its value
  // from the table, or "NOT_FOUND" and the token followed by " Label nicht gefunden".
  void GetNextValue(MyStrng& value, const SymbolTable& labels);
};

// The line loses its text through its next '=' and the blanks behind it; false, the line
// unchanged, when it holds no further '='.
bool SkipPastEquals(MyStrng& line);
// Tests that key stands in the line (first occurrence, plain text, sought from the 1-based
// position from on) followed by '='. On success the line loses everything up to its first '='
// and the blanks behind it. Reports on the line.
bool ExpectLabel(NetLine& line, const char* key, int32_t from = 1);
// The name that a line element's line ends in, "TRL 1 2 W=1mm P=10mm FR-4" giving "FR-4": the
// substrate or data entry it refers to. It is the last word of letters, digits and ". - + _"
// (the characters of a substrate name), begins with a letter (as every DATA name does) and
// stands as a word of its own; a key's value ("... A=0.5", "A = X1") is no name. Empty when the
// line ends otherwise.
MyStrng GetTrailingName(const MyStrng& line);
// The leading run of digits and blanks, at most kMaxNodeListLength characters.
MyStrng GetNodeList(const MyStrng& line);
int CountTokens(const MyStrng& text);
// 0 when the list holds exactly n or 2n numbers and is not a lone ground node, else 1.
int CheckNodeList(const MyStrng& nodeList, int portCount);
// Reads up to maxNodes numbers of a node list as GetNodeList gives it (digits and blanks) into
// nodes; returns how many it read.
int ReadNodes(const MyStrng& text, int* nodes, int maxNodes);
