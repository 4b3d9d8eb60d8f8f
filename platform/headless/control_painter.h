#pragma once
// Plain drawings of the standard controls and toolbars, for headless rendering.

#include "pf/dc.h"
#include "pf/window.h"

namespace pf {

// True for the windows whose look the painter knows: every control but the owner-drawn one,
// toolbars and status bars. Others paint themselves.
bool PainterDraws(const Window& window);
// Draws the window in its client coordinates (the context's origin set by the caller).
void PaintStandardWindow(const Window& window, Dc& dc);

}  // namespace pf
