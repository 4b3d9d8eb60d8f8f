#pragma once
// The lines a PiCTeX writer holds.

#include <sstream>
#include <string>
#include <vector>

#include "diagrams/pictex/PicTexFile.h"

inline std::vector<std::string> PicTexLines(const PicTexFile& f) {
  std::ostringstream os;
  f.WriteLines(os);
  std::istringstream is(os.str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(is, line);) lines.push_back(line);
  return lines;
}
