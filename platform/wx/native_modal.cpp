#include "native_modal.h"

#include <gtk/gtk.h>

#include "wx_backend.h"

namespace pf {
namespace {

// A modal top-level window of the toolkit, once mapped, is brought up with the keyboard: the
// native dialog itself and the windows it opens (the file dialog's question before it
// overwrites). Tooltips and pop-ups are not modal.
gboolean OnMapped(GSignalInvocationHint*, guint count, const GValue* values, gpointer) {
  auto* object = count > 0 ? static_cast<GObject*>(g_value_get_object(&values[0])) : nullptr;
  if (object != nullptr && GTK_IS_WINDOW(object)) {
    GtkWindow* window = GTK_WINDOW(object);
    if (gtk_window_get_modal(window) && gtk_window_get_window_type(window) == GTK_WINDOW_TOPLEVEL) {
      gtk_window_present(window);
    }
  }
  return TRUE;
}

}  // namespace

NativeModal::NativeModal() {
  if (WxBackend* backend = WxBackend::Current()) backend->EnterNativeModal();
  signal_ = g_signal_lookup("map-event", GTK_TYPE_WIDGET);
  if (signal_ != 0) hook_ = g_signal_add_emission_hook(signal_, 0, OnMapped, nullptr, nullptr);
}

NativeModal::~NativeModal() {
  if (hook_ != 0) g_signal_remove_emission_hook(signal_, hook_);
  if (WxBackend* backend = WxBackend::Current()) backend->LeaveNativeModal();
}

}  // namespace pf
