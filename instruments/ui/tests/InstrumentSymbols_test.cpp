// How the instrument symbols look in the four directions of a drag, as the view places them:
// which way the bitmap instruments turn their picture, and the plotter's labels.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/symbols/NetSymbol.h"
#include "editor/symbols/SymbolRegistry.h"
#include "instruments/ui/PlotterSymbol.h"
#include "pf/recording_dc.h"

namespace {

struct Drag {
  char orientation;
  Point by;
};
const Drag kDrags[] = {{'R', {50, 0}}, {'L', {-50, 0}}, {'O', {0, -50}}, {'U', {0, 50}}};
const Point kStart{200, 200};

// Where a call drew, from a point of the symbol.
Point From(const pf::Point& drawn, const Point& origin) {
  return Point(drawn.x - origin.x, drawn.y - origin.y);
}

// Keeps the last bitmap drawn.
class PictureDc : public pf::RecordingDc {
 public:
  pf::Bitmap picture;

 protected:
  bool DoDrawBitmap(const pf::Rect& dst, const pf::Bitmap& bitmap, const pf::Rect& src) override {
    picture = bitmap;
    return RecordingDc::DoDrawBitmap(dst, bitmap, src);
  }
};

// The picture a quarter turn counter-clockwise: its top row becomes its left column, read
// upwards.
pf::Bitmap QuarterLeft(const pf::Bitmap& picture) {
  const int w = picture.Width();
  pf::Bitmap turned(picture.Height(), w);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < w; ++x) turned.SetPixel(y, w - 1 - x, picture.GetPixel(x, y));
  }
  return turned;
}

// Lying, a bitmap instrument shows its picture as drawn, never upside down; standing, pointing
// up or down, the same quarter turn. The copy is centred on the symbol.
TEST(InstrumentSymbols, BitmapInstrumentsTurnTheirPictureOneWay) {
  for (const char* key : {"ImpulsGeneratorSymbol", "DataGeneratorSymbol", "AudioSourceSymbol",
                          "SpecAnaSymbol", "SpeakerSymbol", "OsziSymbol"}) {
    for (const Drag& drag : kDrags) {
      SCOPED_TRACE(std::string(key) + " " + drag.orientation);
      const std::unique_ptr<NetSymbol> symbol = SymbolRegistry::Global().Create(key);
      ASSERT_TRUE(symbol);
      symbol->pins[0] = kStart;
      symbol->pins[1] = kStart + drag.by;
      symbol->orientation = 'K';
      symbol->UpdateGeometry();
      ASSERT_EQ(symbol->orientation, drag.orientation);
      ASSERT_TRUE(symbol->bitmap);
      const pf::Bitmap& source = *symbol->bitmap;
      // Oblong: a quarter turn shows in the size of the copy as well.
      ASSERT_NE(source.Width(), source.Height());
      PictureDc dc;
      symbol->Draw(dc);
      const bool lying = drag.orientation == 'R' || drag.orientation == 'L';
      const pf::Bitmap expected = lying ? source : QuarterLeft(source);
      EXPECT_TRUE(dc.picture == expected);
      const pf::DcCall& copy = dc.Calls().back();
      ASSERT_EQ(copy.op, "BitBlt");
      const Point c = symbol->GetCentre();
      EXPECT_EQ(From(copy.points[0], c), Point(-expected.Width() / 2, -expected.Height() / 2));
    }
  }
}

// A dragged plotter is placed by its constructor and once more as the view inserts it. Lying,
// it writes its name above the centre, and pointing right also its inputs' quantities ("Ix"
// below, "Uy" at the left end); standing, only its name, upwards, left of the centre.
TEST(InstrumentSymbols, PlotterLabelsInEveryDirection) {
  struct Label {
    std::string text;
    Point offset;  // of the text's corner from the symbol's centre (8 x 12 per character)
    int escapement;
  };
  struct Case {
    char orientation;
    std::vector<Label> labels;
  };
  const Case cases[] = {
      {'R', {{"Plot", {-16, -22}, 0}, {"Ix", {-8, 16}, 0}, {"Uy", {-24, 0}, 0}}},
      {'L', {{"Plot", {-16, -22}, 0}}},
      {'O', {{"Plot", {-26, -12}, 900}}},
      {'U', {{"Plot", {-26, -12}, 900}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orientation);
    Point end = kStart;
    for (const Drag& drag : kDrags) {
      if (drag.orientation == c.orientation) end = kStart + drag.by;
    }
    PlotterSymbol plotter(kStart, end);
    plotter.UpdateGeometry();
    ASSERT_EQ(plotter.orientation, c.orientation);
    plotter.SetXCurrent();
    pf::RecordingDc dc;
    plotter.Draw(dc);
    std::vector<Label> drawn;
    for (const pf::DcCall& call : dc.Calls()) {
      if (call.op != "TextOut") continue;
      drawn.push_back({call.text, From(call.points[0], plotter.GetCentre()), call.font.escapement});
    }
    EXPECT_EQ(drawn.size(), c.labels.size());
    for (size_t i = 0; i < std::min(drawn.size(), c.labels.size()); ++i) {
      EXPECT_EQ(drawn[i].text, c.labels[i].text);
      EXPECT_EQ(drawn[i].offset, c.labels[i].offset) << drawn[i].text;
      EXPECT_EQ(drawn[i].escapement, c.labels[i].escapement) << drawn[i].text;
    }
  }
}

}  // namespace
