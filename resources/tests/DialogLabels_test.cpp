// Every static text of every template is drawn whole in its rectangle, measured with the font the
// program draws it in (Liberation Sans through Cairo): its lines, broken as they are drawn, fit
// the height, and no word is broken for want of width.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "pf/cairo_dc.h"
#include "pf/resource.h"
#include "pf/text_wrap.h"
#include "resources/Resources.h"

namespace {

std::vector<std::string> Words(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
  }
  return words;
}

TEST(DialogLabels, EveryStaticTextFitsItsRectangleAsDrawn) {
  RegisterResources();
  std::unique_ptr<pf::CairoDc> dc = pf::CairoDc::CreateImage(16, 16);
  ASSERT_NE(dc, nullptr);
  dc->SelectObject(pf::DialogFont());
  const int lineHeight = dc->GetTextExtent("Ag").cy;
  int checked = 0;
  for (const pf::DialogTemplate* t : pf::DialogTemplates::Instance().All()) {
    for (const pf::ControlTemplate& c : t->controls) {
      if (c.kind != pf::ControlKind::Static || c.text == nullptr || *c.text == '\0') continue;
      const pf::Rect r = pf::DialogUnitsToPixels(c.x, c.y, c.cx, c.cy);
      const std::string text = pf::StripMnemonics(c.text);
      const std::vector<std::string> lines = pf::WrapText(*dc, text, r.Width());
      const std::string where = std::string(t->name != nullptr ? t->name : "") + " " +
                                std::to_string(t->id) + " \"" + c.text + "\" at " +
                                std::to_string(c.x) + "," + std::to_string(c.y);
      EXPECT_LE(static_cast<int>(lines.size()) * lineHeight, r.Height())
          << where << ": " << lines.size() << " lines of " << lineHeight << " px in "
          << r.Height() << " px";
      EXPECT_EQ(Words(lines), Words({text})) << where << ": a word wider than " << r.Width()
                                              << " px";
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
