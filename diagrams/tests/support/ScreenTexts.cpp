#include "diagrams/tests/support/ScreenTexts.h"

#include <algorithm>
#include <memory>

#include "pf/cairo_dc.h"

namespace {

// What a screen shows only when a part was never named.
constexpr const char* kPlaceholders[] = {"NoName", "BotLin0", "Unbekannt", "NoBottomLine",
                                         "No Kurve", "Unknown"};

std::string Describe(const DrawnText& t) {
  return "\"" + t.text + "\" (" + std::to_string(t.ink.left) + "," + std::to_string(t.ink.top) +
         ")-(" + std::to_string(t.ink.right) + "," + std::to_string(t.ink.bottom) + ")";
}

bool Overlap(const pf::Rect& a, const pf::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const pf::Rect& r, const pf::Rect& area) {
  return r.left >= area.left && r.top >= area.top && r.right <= area.right &&
         r.bottom <= area.bottom;
}

}  // namespace

std::vector<DrawnText> DrawnTexts(const std::vector<pf::DcCall>& calls) {
  std::vector<DrawnText> texts;
  const std::unique_ptr<pf::CairoDc> measure = pf::CairoDc::CreateImage(1, 1);
  for (const pf::DcCall& call : calls) {
    const size_t first = call.text.find_first_not_of(' ');
    if (call.op != "TextOut" || first == std::string::npos) continue;
    measure->SelectObject(call.font);
    const auto width = [&measure, &call](size_t n) {
      return measure->GetTextExtent(call.text.substr(0, n)).cx;
    };
    const pf::Point at = call.points.front();
    const int height = measure->GetTextExtent(call.text).cy;
    const pf::Rect ink{at.x + width(first), at.y, at.x + width(call.text.find_last_not_of(' ') + 1),
                       at.y + height};
    const pf::Rect all{at.x, at.y, at.x + width(call.text.size()), at.y + height};
    texts.push_back({call.text, ink, call.bkMode == pf::BkMode::Opaque ? all : ink});
  }
  return texts;
}

std::vector<std::string> TextFaults(const std::vector<DrawnText>& drawn, const pf::Rect& area) {
  std::vector<DrawnText> texts;
  for (const DrawnText& t : drawn) {
    const auto same = [&t](const DrawnText& u) { return u.text == t.text && u.ink == t.ink; };
    if (std::none_of(texts.begin(), texts.end(), same)) texts.push_back(t);
  }
  std::vector<std::string> faults;
  for (size_t i = 0; i < texts.size(); ++i) {
    const DrawnText& t = texts[i];
    for (const char* placeholder : kPlaceholders) {
      if (t.text.find(placeholder) != std::string::npos) {
        faults.push_back("placeholder " + Describe(t));
      }
    }
    if (!Inside(t.ink, area)) faults.push_back("outside " + Describe(t));
    for (size_t j = i + 1; j < texts.size(); ++j) {
      if (Overlap(t.painted, texts[j].painted)) {
        faults.push_back(Describe(t) + " over " + Describe(texts[j]));
      }
    }
  }
  return faults;
}
