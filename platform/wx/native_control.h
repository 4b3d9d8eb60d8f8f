#pragma once
// The toolkit's own controls for static texts, edits, push buttons, check boxes, group boxes,
// list and combo boxes and progress bars. Their input goes to the model's user operations;
// the model's state comes back through Mirror, so what they show is always the model's.

#include <wx/window.h>

namespace pf {

class Control;

// nullptr for the kinds that are drawn here or painted by the model.
wxWindow* CreateNativeControl(wxWindow* parent, const Control& control);
// Shows the control's text and state: label or value, check, items and selection, range and
// position.
void MirrorNativeControl(wxWindow* widget, const Control& control);
// The height a native control takes of its rectangle: a combo box shows its closed height, its
// template rectangle includes the list.
int NativeControlHeight(wxWindow* widget, const Control& control);

}  // namespace pf
