#pragma once
// Dialog templates: declarative tables of a dialog's caption, size and controls, in dialog
// units, looked up by number or by name. Dialog units become pixels by one fixed rule (the
// base units of the dialog font), so controls sit in the same place headless and on screen.

#include <span>
#include <string_view>
#include <vector>

#include "pf/gdi.h"
#include "pf/geometry.h"

namespace pf {

enum class ControlKind {
  Static,
  Edit,
  PushButton,
  CheckBox,     // an automatic check box
  RadioButton,  // an automatic radio button
  GroupBox,
  ListBox,
  ComboBox,
  Progress,
  UpDown,
  OwnerDraw,  // a static control that its dialog draws
  Bitmap,     // a static picture; the template's text is the number of its pixel map
};

// Style flags of a control.
inline constexpr unsigned kStyleGroup = 0x1;  // starts a group of radio buttons
inline constexpr unsigned kStyleDisabled = 0x2;
inline constexpr unsigned kStyleHidden = 0x4;
inline constexpr unsigned kStyleDefault = 0x8;         // the default push button
inline constexpr unsigned kStyleMultiline = 0x10;      // edit
inline constexpr unsigned kStyleReadOnly = 0x20;       // edit
inline constexpr unsigned kStyleCenter = 0x40;         // static text
inline constexpr unsigned kStyleRight = 0x80;          // static text
inline constexpr unsigned kStyleDropDownList = 0x100;  // combo box without an edit field

struct ControlTemplate {
  ControlKind kind;
  int id;
  const char* text;
  int x, y, cx, cy;  // dialog units in the dialog's client area
  unsigned style = 0;
};

struct DialogTemplate {
  int id;            // 0 when the template is known by name only
  const char* name;  // nullptr when it is known by number only
  const char* caption;
  int cx, cy;  // client size in dialog units
  std::span<const ControlTemplate> controls;
};

// The dialog font's base units: 4 horizontal dialog units are kDialogBaseX pixels, 8 vertical
// ones kDialogBaseY pixels. Each coordinate is converted on its own, rounded half away from 0.
inline constexpr int kDialogBaseX = 6;
inline constexpr int kDialogBaseY = 13;

int DialogUnitsToPixelsX(int du);
int DialogUnitsToPixelsY(int du);
// A rectangle given as x, y, cx, cy in dialog units.
Rect DialogUnitsToPixels(int x, int y, int cx, int cy);
Size DialogSizeInPixels(const DialogTemplate& t);
Font DialogFont();

// Filled by explicit Register calls at program start and in each test main.
class DialogTemplates {
 public:
  static DialogTemplates& Instance();

  // Registering a table twice is harmless; another template under a taken number or name is
  // refused.
  bool Register(const DialogTemplate& t);
  bool Register(std::span<const DialogTemplate> table);
  const DialogTemplate* Find(int id) const;
  const DialogTemplate* Find(std::string_view name) const;  // names compare without case
  const std::vector<const DialogTemplate*>& All() const { return templates_; }

 private:
  std::vector<const DialogTemplate*> templates_;
};

}  // namespace pf
