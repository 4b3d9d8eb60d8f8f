// The bottom line as drawn: a long name gives up characters from its middle, the road and the
// date stay whole; the stored text stays whole.

#include "diagrams/graphics/BottomLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "diagrams/pictex/PicTexFile.h"

#include "pf/cairo_recording_dc.h"
#include "pf/dialog_template.h"

namespace {

// One pixel a character, so that the widths below count characters.
int Characters(std::string_view s) {
  int n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

TEST(BottomLine, ShortensTheNameInItsMiddleAndKeepsTheRoadAndTheDate) {
  const struct {
    std::string line;
    int width;
    std::string drawn;
  } cases[] = {
      // What fits stays as it is.
      {"Ravilone: lc_lowpass 5:06:07  8.12.2026", 39, "Ravilone: lc_lowpass 5:06:07  8.12.2026"},
      // The built-in road: as many of the name's characters as fit, the first half from its
      // start; the time and the date whole.
      {"Ravilone: Tiefpass_fuenfter_Ordnung 5:06:07  8.12.2026", 40,
       "Ravilone: Tiefp…dnung 5:06:07  8.12.2026"},
      {"Ravilone: Tiefpass_fuenfter_Ordnung 5:06:07  8.12.2026", 39,
       "Ravilone: Tiefp…nung 5:06:07  8.12.2026"},
      // The SPICE road with the raw file's date of five words.
      {"Spice: Tiefpass_fuenfter_Ordnung.vqe Thu Dec 31 23:59:59  2026", 50,
       "Spice: Tiefpass…nung.vqe Thu Dec 31 23:59:59  2026"},
      // A curve file's network and date, and a circuit's name before any run.
      {"Tiefpass_fuenfter_Ordnung  12:00:00  1.2.2024", 30, "Tiefp…nung  12:00:00  1.2.2024"},
      {"Tiefpass_fuenfter_Ordnung", 9, "Tief…nung"},
      // Characters of several bytes are kept or given up whole.
      {"Ravilone: Tiefpaß_Größe_äöü 1:02:03  4.5.2026", 36, "Ravilone: Tief…äöü 1:02:03  4.5.2026"},
      // The road, "…" and the date alone.
      {"Ravilone: Tiefpass 5:06:07  8.12.2026", 30, "Ravilone: … 5:06:07  8.12.2026"},
      // Not even they fit: the whole line in its middle, or nothing.
      {"Ravilone: Tiefpass 5:06:07  8.12.2026", 29, "Ravilone: Tief…:07  8.12.2026"},
      {"Ravilone: Tiefpass 5:06:07  8.12.2026", 0, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FitBottomLine(c.line, c.width, Characters), c.drawn) << c.line << " in " << c.width;
  }
}

// In the screens' font (which has "…"), the drawn line ends within its room, the stored one is
// the whole text.
TEST(BottomLine, DrawsWithinItsRoomAndKeepsItsText) {
  const std::string line =
      "Ravilone: Tiefpass_fuenfter_Ordnung_Tschebyscheff_Variante_B_mit_Anpassung_an_fuenfzig_Ohm "
      "23:59:59  31.12.2026";
  BottomLine bottom(nullptr, 3, 300, 150, 10, 300);
  bottom.SetFont(pf::DialogFont());
  bottom.StoreText(MyStrng(line.c_str()));
  pf::CairoRecordingDc dc;
  bottom.Draw(&dc);
  const std::string drawn = dc.Calls().back().text;
  dc.SelectObject(pf::DialogFont());
  EXPECT_LE(dc.GetTextExtent(drawn).cx, 300);
  EXPECT_GT(dc.GetTextExtent(drawn).cx, 300 - dc.GetTextExtent("MM").cx);
  EXPECT_EQ(drawn.substr(0, 19), "Ravilone: Tiefpass_");
  EXPECT_NE(drawn.find("\xE2\x80\xA6"), std::string::npos);
  EXPECT_EQ(drawn.substr(drawn.size() - 25), "_Ohm 23:59:59  31.12.2026");
  EXPECT_EQ(bottom.GetText().ToCString(), line);
}

// In a PiCTeX picture the line is fitted in TeX's widths of its font size: it ends within the
// room that the screen gives it and before the grid's right end, whichever comes first, with
// the name shortened in its middle; a line that fits is written whole.
TEST(BottomLine, WritesWithinItsRoomAndTheGridInTeXsWidths) {
  const std::string line = "Spice: Mischstufe_mit_Gilbertzelle_und_Bandpass_Filter_zweiter_Ordnung_"
                           "fuer_Empfaenger.vqe Fri Jan  8 07:15:00  2027";
  const struct {
    char font;
    float scale;      // millimetres per pixel
    int room;         // pixels
    float gridRight;  // millimetres
  } cases[] = {{'T', 0.2f, 400, 500.0f}, {'S', 0.3f, 500, 110.0f}, {'F', 0.25f, 300, 500.0f},
               {'N', 0.5f, 600, 120.0f}, {'L', 1.0f, 900, 2000.0f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.font);
    PicTexFile f;
    f.fontLetter = c.font;
    f.scaleX = f.scaleY = c.scale;
    f.SetOrigin(40, 200);
    f.gridRight = c.gridRight;
    BottomLine bottom(nullptr, 10, 190, 150, 10, c.room);
    bottom.StoreText(MyStrng(line.c_str()));
    bottom.WritePicTex(f);
    std::ostringstream os;
    f.WriteLines(os);
    const std::string put = os.str();
    const size_t open = put.find(' ', put.find('{')) + 1;
    const std::string written = put.substr(open, put.find("}  [lb]") - open);
    // Back from TeX: the only escapes of this line.
    std::string drawn = written;
    for (const auto& [tex, text] : {std::pair<std::string, std::string>{"\\_", "_"},
                                    {"\\ldots{}", "\xE2\x80\xA6"}}) {
      for (size_t at = drawn.find(tex); at != std::string::npos; at = drawn.find(tex, at)) {
        drawn.replace(at, tex.size(), text);
      }
    }
    EXPECT_EQ(drawn == line, c.font == 'L');
    const float start = f.X(10.0f);
    EXPECT_LE(start + f.TextWidth(drawn), std::min(f.X(13.0f + c.room), c.gridRight));
    EXPECT_EQ(drawn.substr(0, 12), "Spice: Misch");
    const std::string date = " Fri Jan  8 07:15:00  2027";
    EXPECT_EQ(drawn.substr(drawn.size() - date.size()), date);
  }
}

}  // namespace
