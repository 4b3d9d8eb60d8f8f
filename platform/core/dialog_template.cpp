#include "pf/dialog_template.h"

#include <algorithm>
#include <cctype>

namespace pf {
namespace {

int MulDiv(int value, int num, int den) {
  const long long p = static_cast<long long>(value) * num;
  const long long q = (p >= 0 ? p + den / 2 : p - den / 2) / den;
  return static_cast<int>(q);
}

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

int DialogUnitsToPixelsX(int du) { return MulDiv(du, kDialogBaseX, 4); }
int DialogUnitsToPixelsY(int du) { return MulDiv(du, kDialogBaseY, 8); }

Rect DialogUnitsToPixels(int x, int y, int cx, int cy) {
  return {DialogUnitsToPixelsX(x), DialogUnitsToPixelsY(y), DialogUnitsToPixelsX(x + cx),
          DialogUnitsToPixelsY(y + cy)};
}

Size DialogSizeInPixels(const DialogTemplate& t) {
  return {DialogUnitsToPixelsX(t.cx), DialogUnitsToPixelsY(t.cy)};
}

Font DialogFont() { return Font{"MS Sans Serif", -11, 0, 0, kFontWeightNormal}; }

DialogTemplates& DialogTemplates::Instance() {
  static DialogTemplates templates;
  return templates;
}

bool DialogTemplates::Register(const DialogTemplate& t) {
  if (std::find(templates_.begin(), templates_.end(), &t) != templates_.end()) return true;
  if ((t.id != 0 && Find(t.id) != nullptr) || (t.name != nullptr && Find(t.name) != nullptr)) {
    return false;
  }
  templates_.push_back(&t);
  return true;
}

bool DialogTemplates::Register(std::span<const DialogTemplate> table) {
  bool all = true;
  for (const DialogTemplate& t : table) all = Register(t) && all;
  return all;
}

const DialogTemplate* DialogTemplates::Find(int id) const {
  if (id == 0) return nullptr;
  auto it = std::find_if(templates_.begin(), templates_.end(),
                         [id](const DialogTemplate* t) { return t->id == id; });
  return it == templates_.end() ? nullptr : *it;
}

const DialogTemplate* DialogTemplates::Find(std::string_view name) const {
  auto it = std::find_if(templates_.begin(), templates_.end(), [name](const DialogTemplate* t) {
    return t->name != nullptr && SameName(t->name, name);
  });
  return it == templates_.end() ? nullptr : *it;
}

}  // namespace pf
