#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "diagrams/graphics/CircleLine.h"
#include "diagrams/graphics/DiagramMarker.h"
#include "diagrams/graphics/GeradeLinie.h"
#include "diagrams/graphics/GrafikSymbol.h"
#include "diagrams/graphics/LowDisplay.h"
#include "diagrams/graphics/OutText.h"
#include "diagrams/graphics/RectElement.h"
#include "diagrams/pictex/PicTexFile.h"
#include "diagrams/tests/PicTexLines.h"
#include "pf/archive.h"
#include "pf/headless.h"
#include "pf/recording_dc.h"

namespace {

class GrafElementTest : public testing::Test {
 protected:
  void SetUp() override {
    window.CreateTopLevel(nullptr, {0, 0, 400, 300});
    window.ValidateRect();
  }
  std::vector<std::string> Drawn(GrafElement& e) {
    dc.Clear();
    e.Draw(&dc);
    return dc.Log();
  }

  pf::Headless headless;
  pf::Window window;
  pf::RecordingDc dc;
};

TEST_F(GrafElementTest, RepaintsItsBoxWidenedByOnePixelAlsoWhenItGoes) {
  const pf::Rect expected{9, 34, 31, 51};
  {
    RectElement e(&window, 10, 50, 20, 15);
    e.Invalidate();
    EXPECT_EQ(window.GetUpdateRect(), expected);
    window.ValidateRect();
  }
  EXPECT_EQ(window.GetUpdateRect(), expected);
  RectElement loose(nullptr, 10, 50, 20, 15);
  loose.MoveTo(5, 5);
  EXPECT_EQ(Drawn(loose).size(), 2u) << "outline and fill";
}

TEST_F(GrafElementTest, ElementsDrawTheirShapes) {
  CircleLine circle(nullptr);
  circle.SetCentre(20000, -20000);
  circle.SetRadius(-20);
  GrafikSymbol diamond(nullptr, 100, 50);
  GrafikSymbol cross(nullptr, 10, 10);
  cross.SetShape('K');
  PfeilSpitze arrow(nullptr, 50, 40);
  RefLinie upright(nullptr, 30, 80, 40);
  upright.MakeVertical();
  DiagramMarker marker(nullptr, 20, 30);
  const struct {
    GrafElement& e;
    std::vector<std::string> log;
  } cases[] = {
      {diamond, {"Polyline 97 50 100 47 103 50 100 53 97 50"}},
      {cross, {"Line 7 10 13 10", "Line 10 7 10 13"}},
      {arrow, {"Polyline 44 43 50 40 43 37"}},
      {upright, {"Line 30 80 30 40", "Polyline 27 86 30 80 33 87"}},
      {circle, {"Ellipse 16363 -16404 16403 -16364"}},
      {marker, {"Polyline 20 30 24 22 16 22 20 30"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Drawn(c.e), c.log) << c.log[0];
}

TEST_F(GrafElementTest, BoxesDrawOnceUntilInvalidatedButGreyOnesAlways) {
  RectElement once(nullptr, 0, 10, 10, 10);
  GreyRectangle grey(nullptr, 0, 10, 10, 10);
  EXPECT_FALSE(Drawn(once).empty());
  EXPECT_TRUE(Drawn(once).empty());
  once.Invalidate();
  EXPECT_FALSE(Drawn(once).empty());
  EXPECT_FALSE(Drawn(grey).empty());
  EXPECT_FALSE(Drawn(grey).empty());
}

TEST_F(GrafElementTest, ReadOutShowsTheLeadingCharactersThatFit) {
  LowDisplay display(&window, 0, 20, 40);
  display.SetText("ABCDEFGH");
  Drawn(display);
  EXPECT_EQ(dc.Calls().back().ToString(), "TextOut 2 6 ABCD");  // 8 pixels a character
  window.ValidateRect();
  display.SetText("ABCDEFGH");
  EXPECT_FALSE(window.GetUpdateRect()) << "the same text again";
  display.SetText("X");
  EXPECT_EQ(window.GetUpdateRect(), (pf::Rect{1, 8, 38, 19})) << "only the text field";
}

TEST_F(GrafElementTest, MarkerKeepsAtMostThreeTransparentReadOuts) {
  MarkerWithDisplay marker(nullptr, 50, 50);
  marker.CreateDisplay(5, 10, 20, 30, 10);
  ASSERT_EQ(marker.GetLineCount(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(marker.GetLine(i)->GetY(), 20 + 15 * i);
    EXPECT_EQ(marker.GetLine(i)->IsChanged(), 1);
  }
  marker.SetTexts("a", "b");
  marker.SetLineText(7, "ignored");
  EXPECT_EQ(marker.GetLine(1)->GetText(), "b");
}

TEST_F(GrafElementTest, ElementsWriteTheirPicTexForms) {
  TextWithSymbol label(nullptr, 20, 30, 40, 10);
  label.SetText("f=1");
  label.SetSymbolShape(2);
  GeradeLinie upright(nullptr, 5, 6, 7);
  upright.MakeVertical();
  PicTexFile f;
  f.fontLetter = 'L';
  label.WritePicTex(f);
  upright.WritePicTex(f);
  EXPECT_EQ(PicTexLines(f),
            (std::vector<std::string>{"\\put {\\large f=1}  [lb]  at 20 -30",
                                      "\\put {\\large \\line(1,0){6} }  [Bl]  at 11 -25",
                                      "\\put {\\large \\line(0,1){6} }  [Bl]  at 14 -28",
                                      "\\put {\\large \\line(0,1){7} }  [Bl]  at 5 -6"}));
}

std::string TextOf(const GrafElement& e) {
  std::ostringstream os;
  e.WriteText(os);
  return os.str();
}

// Each kind, changed from its defaults, is read back into a fresh one; every cut of the text
// and every out-of-range coordinate leaves the reader as it was.
TEST_F(GrafElementTest, TextFormsReadBackAndRefuseDamage) {
  using Make = std::function<std::unique_ptr<GrafElement>()>;
  const Make makes[] = {
      [] { return std::make_unique<GeradeLinie>(nullptr, 1, 2, 3); },
      [] { return std::make_unique<OutText>(nullptr); },
      [] { return std::make_unique<GrafikSymbol>(nullptr, 4, 5); },
      [] { return std::make_unique<CircleLine>(nullptr); },
      [] { return std::make_unique<LowDisplay>(nullptr, 1, 2, 3); },
  };
  for (const Make& make : makes) {
    std::unique_ptr<GrafElement> source = make();
    source->SetColor(RgbColor(1, 2, 3));
    source->SetPos(-40, 70);
    source->SetChanged();
    const std::string text = TextOf(*source);
    const std::string fresh = TextOf(*make());
    for (size_t cut = 0; cut < text.size() - 1; ++cut) {
      std::unique_ptr<GrafElement> reader = make();
      std::istringstream is(text.substr(0, cut));
      reader->ReadText(is);
      EXPECT_EQ(TextOf(*reader), fresh) << text.substr(0, cut);
    }
    std::unique_ptr<GrafElement> reader = make();
    std::istringstream whole(text);
    reader->ReadText(whole);
    EXPECT_TRUE(whole) << text;
    EXPECT_EQ(TextOf(*reader), text);

    std::string far = text;
    far.replace(far.find("-40"), 3, "40000");
    std::istringstream outside(far);
    reader = make();
    reader->ReadText(outside);
    EXPECT_FALSE(outside);
    EXPECT_EQ(TextOf(*reader), fresh);
  }
}

TEST_F(GrafElementTest, ArchiveFormReadsBackAndRefusesDamage) {
  GrafikSymbol source(nullptr, 12, -34);
  source.SetShape('C');
  source.SetColor(RgbColor(9, 8, 7));
  std::ostringstream os;
  {
    pf::Archive ar(os);
    source.Serialize(ar);
  }
  const std::string bytes = os.str();
  GrafikSymbol copy;
  std::istringstream is(bytes);
  pf::Archive in(is);
  copy.Serialize(in);
  EXPECT_EQ(TextOf(copy), TextOf(source));

  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    std::istringstream part(bytes.substr(0, cut));
    pf::Archive ar(part);
    GrafikSymbol reader;
    EXPECT_THROW(reader.Serialize(ar), pf::ArchiveError) << cut;
  }
  std::string far = bytes;
  far[far.size() - 2] = '\x7f';  // the size's top byte: far beyond any window
  std::istringstream damaged(far);
  pf::Archive ar(damaged);
  GrafikSymbol reader;
  EXPECT_THROW(reader.Serialize(ar), pf::ArchiveError);
}

}  // namespace
