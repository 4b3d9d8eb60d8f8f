#pragma once
// Resources other than dialog templates: menus, accelerators, the string table, pixel maps and
// toolbars, as declarative tables registered by number at program start (as dialog templates
// are). Pictures are small text pixel maps, one character per pixel.

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "pf/bitmap.h"
#include "pf/colour.h"

namespace pf {

// A menu entry: a command (id, text), a popup (text and its entries) or a separator (neither).
// The text marks its mnemonic with '&'; after a '\t' comes the accelerator as shown.
struct MenuItemTemplate {
  int id;
  const char* text;
  std::span<const MenuItemTemplate> popup = {};
};

struct MenuTemplate {
  int id;
  std::span<const MenuItemTemplate> items;
};

// A key with exactly these modifiers (kMkShift, kMkControl, kMkAlt) runs the command.
struct Accelerator {
  int key;
  unsigned modifiers;
  int command;
};

struct AcceleratorTemplate {
  int id;
  std::span<const Accelerator> entries;
};

// A string of the string table; a command's string is "prompt\ntool tip".
struct StringTemplate {
  int id;
  const char* text;
};

struct PixelColour {
  char key;
  ColorRef colour;
};

// Rows of equal length from the top; every character is a key of the palette.
struct PixelMapTemplate {
  int id;
  std::span<const PixelColour> palette;
  std::span<const char* const> rows;
};

// The buttons of a toolbar (0: a separator) and the picture strip that holds their pictures
// side by side, buttonWidth pixels each, in the order of the buttons without the separators.
struct ToolBarTemplate {
  int id;
  int bitmapId;
  int buttonWidth;
  std::span<const int> commands;
};

// Every table is filled by explicit Register calls at program start and in each test main.
// Registering a table twice is harmless; another entry under a taken number is refused.
template <class T>
class ResourceTable {
 public:
  static ResourceTable& Instance() {
    static ResourceTable table;
    return table;
  }
  bool Register(std::span<const T> entries) {
    bool all = true;
    for (const T& e : entries) {
      const auto [it, added] = byId_.try_emplace(e.id, &e);
      all = all && (added || it->second == &e);
    }
    return all;
  }
  const T* Find(int id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
  }

 private:
  std::map<int, const T*> byId_;
};

// The string; "" when the table lacks it.
std::string LoadString(int id);
// The parts of a command's string: before the first '\n', and after it.
std::string CommandPrompt(int id);
std::string CommandToolTip(int id);
// The pixel map as a bitmap; empty when it is missing or malformed (uneven rows, a key that
// the palette lacks).
Bitmap LoadBitmap(int id);
// Leaves out the '&' marks ("&&" is a plain '&'): "&Abbrechen" -> "Abbrechen".
std::string StripMnemonics(std::string_view text);
// The same, and everything from a '\t' on: "&Öffnen...\tStrg+O" -> "Öffnen...".
std::string MenuLabel(std::string_view text);

}  // namespace pf
