#pragma once
// How the netlist reader parts a text into its blocks, for the reader and for whoever writes a
// netlist from lines it did not make (a sub-network's): a line then means the same to both,
// whatever names it holds.

#include <functional>
#include <string_view>

#include "basics/LineFile.h"
#include "basics/MyStrng.h"

// Tabs end tokens without separating them; the reader reads them as blanks.
void BlanksForTabs(MyStrng& line);

// The block keyword ("BLK", "DATA", "FREQ", "END", "OUT") that the line is, or empty: the
// whole line is the keyword as written, blanks and tabs after it aside ("DATA" is one; "Data",
// " DATA" and "DATA: 2POR 1 2" are not).
std::string_view BlockKeyword(std::string_view line);
inline std::string_view BlockKeyword(const MyStrng& line) {
  return BlockKeyword(std::string_view(line.GetBuffer()));
}

// Visits each line of the text, its tabs as blanks, with its keyword (BlockKeyword) and the
// block open before it: for a plain line the block it stands in, for a keyword line the block it
// ends. A block runs from its keyword line to the next keyword line of any kind; outside blocks
// the block is empty.
using BlockLineVisit =
    std::function<void(const MyStrng& line, std::string_view keyword, std::string_view block)>;
void ForEachBlockLine(const LineFile& text, const BlockLineVisit& visit);
