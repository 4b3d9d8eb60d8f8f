// The data two-port in the photoplot: a pad as wide as the coplanar line beside it.

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "editor/document/GerberDocument.h"
#include "editor/symbols/ExKnotenSymbol.h"
#include "elements/data/TwoPortSymbol.h"

namespace {

// Stands for a coplanar line, strip and gaps 1.5 mm across; with no span, for any other line.
class CoplanarStandIn : public NetSymbol {
 public:
  CoplanarStandIn() : NetSymbol(2) {}
  double GetPadSpan() const override { return span; }
  double span = 0.0015;
};

std::vector<std::string> Body(const LineFile& file) {
  std::vector<std::string> out;
  file.ForEach([&out](const MyStrng& line) { out.push_back(line.ToCString()); });
  return out;
}

TEST(DataPortGerberTest, BesideACoplanarLineItFlashesAPadOfItsSpanAtItsMiddle) {
  for (const bool coplanar : {true, false}) {
    ExKnotenSymbol port;
    port.pins[0] = Point(0, 0);
    CoplanarStandIn line;
    line.pins[0] = Point(0, 0);
    line.pins[1] = Point(100, 0);
    if (!coplanar) line.span = 0.0;
    TwoPortSymbol data;
    data.pins[0] = Point(100, 0);
    data.pins[1] = Point(200, 0);
    data.orientation = 'R';
    GerberDocument plot;
    for (NetSymbol* s : std::initializer_list<NetSymbol*>{&port, &line, &data}) plot.AddSymbol(s);
    plot.CreatePlot();
    const std::vector<std::string> bottom = Body(plot.BottomOutput());
    if (!coplanar) {
      // Without a coplanar neighbour: no aperture, so no flash with another's.
      EXPECT_TRUE(data.aperture.IsEmpty());
      EXPECT_EQ(std::count(bottom.begin(), bottom.end(), "X500Y25000D03*"), 0);
      continue;
    }
    EXPECT_EQ(data.aperture, "D12");
    EXPECT_EQ(bottom[4], "%ADD12R,1.5X1.5*%");
    EXPECT_NE(std::find(bottom.begin(), bottom.end(), "G54D12*"), bottom.end());
    // The line's base walk hands both its pins on at the port's point; the pad's middle lies
    // half its new length on.
    EXPECT_NE(std::find(bottom.begin(), bottom.end(), "X750Y25000D03*"), bottom.end());
  }
}

// Another data port at the line's end is passed over: both take the line's pad.
TEST(DataPortGerberTest, ADataPortBesideAnotherStillFindsTheLine) {
  ExKnotenSymbol port;
  port.pins[0] = Point(0, 0);
  TwoPortSymbol across;
  across.pins[0] = Point(100, 0);
  across.pins[1] = Point(100, 100);
  CoplanarStandIn line;
  line.pins[0] = Point(0, 0);
  line.pins[1] = Point(100, 0);
  TwoPortSymbol along;
  along.pins[0] = Point(100, 0);
  along.pins[1] = Point(200, 0);
  GerberDocument plot;
  for (NetSymbol* s : std::initializer_list<NetSymbol*>{&port, &across, &line, &along}) {
    plot.AddSymbol(s);
  }
  plot.CreatePlot();
  EXPECT_EQ(across.aperture, "D12");
  EXPECT_EQ(along.aperture, "D12");
  EXPECT_EQ(along.smdLength, "1.5mm");
}

}  // namespace
