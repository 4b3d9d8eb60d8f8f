#pragma once
// The lines a PiCTeX writer holds, the first of them that TeX could not compute, and the dots
// PiCTeX sets for them.

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
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

// The dots PiCTeX sets for the lines (rules in a \put counted as 2, the memory they take), as
// its macros place them: with \setdots given, a \plot list sets one at its start and one every
// pitch (the spacing when wider) along it; before, each stretch sets (its length over the
// spacing, at least 1) + 1. A \circulararc sets one at its start and one every pitch along it.
inline double PiCTeXDots(const std::vector<std::string>& lines) {
  double spacing = 0.4 * 25.4 / 72.27;
  double pitch = 0.0;
  bool dashed = false;
  double dots = 0.0;
  std::vector<std::pair<double, double>> list;
  bool inPlot = false;
  const auto step = [&] { return std::fmax(pitch, spacing); };
  const auto endList = [&] {
    double length = 0.0;
    for (size_t i = 1; i < list.size(); ++i) {
      const double stretch =
          std::hypot(list[i].first - list[i - 1].first, list[i].second - list[i - 1].second);
      length += stretch;
      if (!dashed) dots += std::fmax(1.0, std::floor(stretch / spacing)) + 1.0;
    }
    if (dashed && list.size() >= 2) dots += std::floor(length / step()) + 1.0;
    list.clear();
    inPlot = false;
  };
  for (const std::string& line : lines) {
    double a = 0, b = 0, c = 0, d = 0, angle = 0;
    if (std::sscanf(line.c_str(), "\\plotsymbolspacing=%lfmm", &a) == 1) {
      spacing = a;
    } else if (line == "\\setdots <0pt>") {
      pitch = 0.0;
      dashed = true;
    } else if (std::sscanf(line.c_str(), "\\setdots <%lfmm>", &a) == 1) {
      pitch = a;
      dashed = true;
    } else if (std::sscanf(line.c_str(),
                           "\\circulararc %lf degrees  from %lf %lf center  at %lf %lf", &angle,
                           &a, &b, &c, &d) == 5) {
      const double length = std::hypot(a - c, b - d) * std::fabs(angle) * M_PI / 180.0;
      dots += std::floor(length / (dashed ? step() : spacing)) + 1.0;
    } else if (line.rfind("\\put {\\vrule", 0) == 0) {
      dots += 2.0;
    }
    const bool starts = line.rfind("\\plot ", 0) == 0;
    inPlot = inPlot || starts;
    if (!inPlot) continue;
    std::istringstream words(starts ? line.substr(6) : line);
    for (std::string x, y; words >> x;) {
      if (x == "/" || !(words >> y)) break;
      list.emplace_back(std::stod(x), std::stod(y));
    }
    if (line.size() >= 2 && line.compare(line.size() - 2, 2, " /") == 0) endList();
  }
  return dots;
}
