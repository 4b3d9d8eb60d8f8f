#pragma once
// Conversions between the model's values and the toolkit's.

#include <wx/font.h>
#include <wx/image.h>
#include <wx/kbdstate.h>
#include <wx/string.h>

#include <string>
#include <string_view>

#include "pf/bitmap.h"
#include "pf/gdi.h"

namespace pf {

inline wxString ToWx(std::string_view utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }
inline std::string FromWx(const wxString& s) { return s.utf8_string(); }

// The font of a native control: the face that the Cairo context uses for every face name, the
// size in pixels (a negative height is the em height, a positive one the cell height).
wxFont ToWxFont(const Font& font);

// The platform's virtual-key code of a key; 0 for keys the model does not know.
int VirtualKey(int wxKeyCode);

wxImage ToWxImage(const Bitmap& bitmap);
// The model's modifier flags (kMkShift, kMkControl, kMkAlt) of a key or mouse event.
unsigned Modifiers(const wxKeyboardState& state);

}  // namespace pf
