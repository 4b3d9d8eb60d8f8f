#pragma once
// The lines a PiCTeX writer holds, and the first of them that TeX could not compute.

#include <cmath>
#include <cstdio>
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

// TeX's largest dimension, 16383.99999pt, in millimetres.
inline constexpr double kTeXMaxMm = 16383.99999 * 25.4 / 72.27;

// The first line (with a point list's first line) whose numbers make PiCTeX compute a dimension
// beyond TeX's: a point beyond the largest; a \circulararc radius whose 32-fold is; a stretch of
// a \plot whose |dx| + |dy| eightfold is; a \setplotarea whose far side plus its length (where
// \grid stops) is. Empty when there is none.
inline std::string BeyondTeX(const std::vector<std::string>& lines) {
  const auto beyond = [](double mm, double factor) {
    return !(std::fabs(mm) * factor < kTeXMaxMm);
  };
  std::string plotStart;
  bool inPlot = false;
  bool havePoint = false;
  double lastX = 0.0;
  double lastY = 0.0;
  for (const std::string& line : lines) {
    double a = 0, b = 0, c = 0, d = 0, s = 0;
    if (std::sscanf(line.c_str(), "\\circulararc %lf degrees  from %lf %lf center  at %lf %lf", &s,
                    &a, &b, &c, &d) == 5) {
      const double r = std::hypot(a - c, b - d);
      if (beyond(r, 32.0) || beyond(std::fabs(c) + r, 1.0) || beyond(std::fabs(d) + r, 1.0)) {
        return line;
      }
      continue;
    }
    if (std::sscanf(line.c_str(), "\\setplotarea x from %lf to %lf, y from %lf to %lf", &a, &b, &c,
                    &d) == 4) {
      if (beyond(std::fmax(std::fabs(a), std::fabs(b)) + std::fabs(b - a), 1.0) ||
          beyond(std::fmax(std::fabs(c), std::fabs(d)) + std::fabs(d - c), 1.0)) {
        return line;
      }
      continue;
    }
    const size_t at = line.rfind("  at ");
    if (line.rfind("\\put ", 0) == 0 && at != std::string::npos) {
      if (std::sscanf(line.c_str() + at, "  at %lf %lf", &a, &b) != 2 || beyond(a, 1.0) ||
          beyond(b, 1.0)) {
        return line;
      }
      continue;
    }
    if (line.rfind("\\plot ", 0) == 0) {
      inPlot = true;
      havePoint = false;
      plotStart = line;
    }
    if (!inPlot) continue;
    std::istringstream words(line.rfind("\\plot ", 0) == 0 ? line.substr(6) : line);
    for (std::string x, y; words >> x;) {
      if (x == "/") {
        inPlot = false;
        break;
      }
      if (!(words >> y)) return plotStart;
      const double px = std::stod(x);
      const double py = std::stod(y);
      if (beyond(px, 1.0) || beyond(py, 1.0)) return plotStart;
      if (havePoint && beyond(std::fabs(px - lastX) + std::fabs(py - lastY), 8.0)) return plotStart;
      lastX = px;
      lastY = py;
      havePoint = true;
    }
  }
  return {};
}
