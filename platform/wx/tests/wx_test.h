#pragma once
// Shared parts of the desktop tests.

#include <gtest/gtest.h>
#include <wx/event.h>
#include <wx/window.h>

#include "pf/desktop.h"
#include "pf/window.h"

namespace pf::test {

extern Desktop* desktop;

// The user's input as the toolkit reports it, sent to the native window of a model window.
inline void SendCommand(const Window& window, wxEventType type) {
  wxWindow* native = NativeWindow(window);
  ASSERT_NE(native, nullptr);
  wxCommandEvent event(type, native->GetId());
  event.SetEventObject(native);
  native->HandleWindowEvent(event);
}

inline void SendLeftDown(const Window& window, int x, int y) {
  wxWindow* native = NativeWindow(window);
  ASSERT_NE(native, nullptr);
  wxMouseEvent event(wxEVT_LEFT_DOWN);
  event.SetPosition({x, y});
  event.SetEventObject(native);
  native->HandleWindowEvent(event);
}

}  // namespace pf::test
