// The TEM line symbol: its netlist lines as the reader takes them, its records and its glyphs.

#include "lines/ui/TemSymbol.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "pf/archive.h"
#include "pf/recording_dc.h"
#include "simulator/tests/support/ElementBench.h"
#include "editor/tests/support/SymbolStreams.h"

namespace {

// Lying from (100, 100) to (200, 100) unless given, on nodes 3 and 4.
struct Placed : TemSymbol {
  explicit Placed(const Point& start = Point(100, 100), const Point& end = Point(200, 100))
      : TemSymbol(start, end) {
    UpdateGeometry();
    nodes = {3, 4};
  }
};

TEST(TemSymbolTest, NetlistLinesTheReaderTakes) {
  const struct {
    char kind;
    int pins;
    const char* labelText;  // values by name when set
    float impedance;        // 0: the initial text
    const char* line;
  } kCases[] = {
      {'L', 2, nullptr, 0, "TRL 3 4 Z=50ohm P=10mm K=1 A=0.001"},
      {'S', 2, nullptr, 0, "STEM 3 4 Z=50ohm P=10mm K=1 A=0.001 SHORT"},
      {'O', 1, nullptr, 0, "STEM 3 Z=50ohm P=10mm K=1 A=0.001 OPEN"},
      {'O', 1, nullptr, 35.355f, "STEM 3 Z=35.35ohm P=37.47mm K=1 A=0.001 OPEN"},
      {'L', 2, "ZL PL", 0, "TRL 3 4 Z=ZL P=PL K=1 A=0.001"},
  };
  ElementBench bench({}, {"ZL: 60ohm", "PL: 5mm"});
  for (const auto& c : kCases) {
    Placed s;
    s.kind = c.kind;
    s.pinCount = c.pins;
    if (c.labelText != nullptr) {
      s.workFlag = 1;
      s.spareText = c.labelText;
    }
    if (c.impedance != 0) {
      s.SetImpedance(c.impedance);
      s.SetLength(0.0374741f);
    }
    s.WriteNetLine();
    EXPECT_EQ(s.netLine, c.line);
    EXPECT_NE(bench.Build(c.line), nullptr) << c.line;
  }
}

TEST(TemSymbolTest, RecordsRoundTripCopyAndRefuseDamage) {
  Placed original;
  original.kind = 'S';
  original.onePole = 1;
  original.spare = 5;
  original.f = "2MHz";  // never in the netlist, but kept and copied
  original.SetImpedance(75.0f);
  const std::string bytes = Store(original);
  const std::string text = Text(original);
  EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1),
            "(12,TEMTRANSLINE) 1\n(5,75ohm),(4,10mm),(1,1),(5,0.001),(4,2MHz),5,S,1\n");
  TemSymbol loaded;
  Load(loaded, bytes);
  EXPECT_EQ(Store(loaded), bytes);
  TemSymbol read;
  ASSERT_TRUE(ReadBack(read, text));
  EXPECT_EQ(Text(read), text);
  Placed copy;
  copy.CopyParameters(original);
  EXPECT_EQ(Text(copy), text);

  for (size_t n = 0; n < bytes.size(); ++n) {
    TemSymbol s;
    EXPECT_THROW(Load(s, bytes.substr(0, n)), pf::ArchiveError) << n;
  }
  std::string badKind = bytes;
  badKind[bytes.size() - 5] = 'X';  // before the 4 bytes of the pole option
  EXPECT_THROW(Load(loaded, badKind), pf::ArchiveError);
  std::string badLetter = text;
  badLetter[badLetter.find(",S,") + 1] = 'X';
  TemSymbol s;
  const std::string before = Text(s);
  for (size_t n = 0; n + 1 < text.size(); ++n) EXPECT_FALSE(ReadBack(s, text.substr(0, n))) << n;
  EXPECT_FALSE(ReadBack(s, badLetter));
  EXPECT_EQ(Text(s), before);
}

// Every stored value of the line must give a number; the symbol is named in the refusal.
TEST(TemSymbolTest, LoadingRefusesValueTextsThatGiveNoNumber) {
  using Field = MyStrng& (*)(TemSymbol&);
  const std::pair<Field, const char*> fields[] = {
      {[](TemSymbol& t) -> MyStrng& { return t.z; }, "nan"},
      {[](TemSymbol& t) -> MyStrng& { return t.k; }, "abc"},
      {[](TemSymbol& t) -> MyStrng& { return t.f; }, "1x"},
  };
  for (const auto& [field, bad] : fields) {
    Placed damaged;
    damaged.elementName = "TL3";
    field(damaged) = bad;
    TemSymbol loaded;
    try {
      Load(loaded, Store(damaged));
      ADD_FAILURE() << "loaded: " << bad;
    } catch (const pf::ArchiveError& refused) {
      EXPECT_EQ(refused.what(), "TL3: Wert ungültig: " + std::string(bad));
    }
  }
}

// What Draw adds to the two-pin base: the glyph, then the two value words.
std::vector<std::string> Glyph(TemSymbol& s) {
  pf::RecordingDc dc;
  s.Draw(dc);
  std::vector<std::string> log = dc.Log();
  return std::vector<std::string>(log.begin() + 7, log.end());
}

TEST(TemSymbolTest, GlyphByKindAndPoleOption) {
  const std::vector<std::string> kMarks{"Line 136 95 164 95", "Line 136 105 164 105"};
  const std::vector<std::string> kBox{"Line 136 105 145 105", "Line 145 105 145 95",
                                      "Line 155 95 155 105", "Line 155 105 164 105"};
  const std::vector<std::string> kStub{"Line 136 105 145 105", "Line 145 105 145 95",
                                       "Line 145 95 155 95", "Line 155 95 155 105",
                                       "Line 155 105 164 105"};
  std::vector<std::string> markedStub = kMarks;
  markedStub.push_back("Line 164 95 164 105");
  const struct {
    char kind;
    int onePole;
    std::vector<std::string> glyph;
  } kCases[] = {{'L', 0, kMarks}, {'L', 1, {}},    {'O', 0, kBox},
                {'O', 1, kMarks}, {'S', 0, kStub}, {'S', 1, markedStub}};
  for (const auto& c : kCases) {
    Placed s;
    s.kind = c.kind;
    s.onePole = c.onePole;
    std::vector<std::string> expected = c.glyph;
    expected.push_back("TextOut 130 81 50ohm");
    expected.push_back("TextOut 134 107 10mm");
    EXPECT_EQ(Glyph(s), expected) << c.kind << c.onePole;
  }
  // Upright: the impedance right of the line, the length left of it; by name the label words.
  Placed upright(Point(100, 200), Point(100, 100));
  upright.workFlag = 1;
  upright.spareText = "ZL,PL";
  EXPECT_EQ(Glyph(upright), (std::vector<std::string>{"Line 95 136 95 164", "Line 105 136 105 164",
                                                      "TextOut 107 158 ZL", "TextOut 81 158 PL"}));
}

}  // namespace
