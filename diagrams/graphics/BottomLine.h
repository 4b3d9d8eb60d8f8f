#pragma once
// The screen's bottom line, which names what the screen shows: "ROAD: NAME DATE" after a run,
// "NAME  DATE" for a curve file, the circuit's name alone before any run. It keeps the whole
// text; only what it draws and writes is fitted to its room.

#include <functional>
#include <string>
#include <string_view>

#include "diagrams/graphics/OutText.h"

class BottomLine : public OutText {
 public:
  // Its text starts 3 pixels into the box and must end within room pixels of that start.
  BottomLine(pf::Window* owner, int px, int py, int w, int h, int room);

  // Fitted as on the screen, in TeX's widths, to its room and the grid's right end, so that a
  // long name never makes the picture wider.
  void WritePicTex(PicTexFile& f) const override;

 protected:
  std::string DrawnText(pf::Dc& dc) const override;

 private:
  int room;
};

// The line shortened to fit width (as widthOf measures it): the name, the word after the road
// ("WORD: ", when there is one), loses characters from its middle, marked by "…", so that the
// road before it and the date after it stay whole. A line that does not fit even so is
// shortened in its own middle. The line itself when it fits.
std::string FitBottomLine(const std::string& line, int width,
                          const std::function<int(std::string_view)>& widthOf);
