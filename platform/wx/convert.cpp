#include "convert.h"

#include <wx/defs.h>

#include <algorithm>

#include "pf/window.h"

namespace pf {

wxFont ToWxFont(const Font& font) {
  // The cell is about 9/8 of the em height for the sans faces.
  const long long height = font.height;
  const long long em = std::clamp(height < 0 ? -height : height * 8 / 9, 1LL, 1000LL);
  return wxFont(wxFontInfo(wxSize(0, static_cast<int>(em)))
                    .FaceName("Liberation Sans")
                    .Weight(font.weight > 0 ? font.weight : wxFONTWEIGHT_NORMAL));
}

int VirtualKey(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return key;
  if (key >= WXK_F1 && key <= WXK_F12) return 0x70 + (key - WXK_F1);
  static constexpr struct {
    int wx;
    int vk;
  } kKeys[] = {
      {WXK_BACK, 0x08},     {WXK_TAB, 0x09},      {WXK_RETURN, 0x0D}, {WXK_NUMPAD_ENTER, 0x0D},
      {WXK_SHIFT, 0x10},    {WXK_CONTROL, 0x11},  {WXK_ESCAPE, 0x1B}, {WXK_SPACE, 0x20},
      {WXK_PAGEUP, 0x21},   {WXK_PAGEDOWN, 0x22}, {WXK_END, 0x23},    {WXK_HOME, 0x24},
      {WXK_LEFT, 0x25},     {WXK_UP, 0x26},       {WXK_RIGHT, 0x27},  {WXK_DOWN, 0x28},
      {WXK_INSERT, 0x2D},   {WXK_DELETE, 0x2E},
  };
  for (const auto& k : kKeys) {
    if (k.wx == key) return k.vk;
  }
  return 0;
}

wxImage ToWxImage(const Bitmap& bitmap) {
  wxImage image(bitmap.Width(), bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const ColorRef c = bitmap.GetPixel(x, y);
      image.SetRGB(x, y, RedOf(c), GreenOf(c), BlueOf(c));
    }
  }
  return image;
}

unsigned Modifiers(const wxKeyboardState& state) {
  return (state.ShiftDown() ? kMkShift : 0) | (state.ControlDown() ? kMkControl : 0) |
         (state.AltDown() ? kMkAlt : 0);
}

}  // namespace pf
