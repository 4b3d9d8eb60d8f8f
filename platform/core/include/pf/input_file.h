#pragma once
// Files the program reads are looked at before they are opened: only a regular file is read (a
// FIFO would block open() until some writer comes, a device may never end), and only when it
// holds no more than its kind can. Each reader names the bound of its kind.

#include <cstdint>
#include <fstream>
#include <string>

namespace pf {

// "Keine Datei: PATH" when the path names anything but a regular file (links are followed),
// "Datei zu groß: PATH" when the file holds more than maxBytes. Empty when it may be read, and
// also when nothing is found there: a missing file is worded by each reader as before. The
// path is only looked at, never opened.
std::string RefuseInput(const std::string& path, std::uintmax_t maxBytes);

// RefuseInput, then the file opened in binary into in when it may be read; a refused file
// leaves in failed, as one that cannot be opened does (then with an empty answer).
std::string OpenInput(const std::string& path, std::uintmax_t maxBytes, std::ifstream& in);

}  // namespace pf
