#include "native_modal.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <iterator>

#include "wx_backend.h"
// Last: the X headers' macros (None, ...) would break the model's names above.
#include <gdk/gdkx.h>

namespace pf {
namespace {

// Whether a key of the keyboard is held down.
bool KeyHeld(GtkWidget* widget) {
  GdkDisplay* display = gtk_widget_get_display(widget);
  if (!GDK_IS_X11_DISPLAY(display)) return false;
  char keys[32] = {};
  XQueryKeymap(GDK_DISPLAY_XDISPLAY(display), keys);
  return std::any_of(std::begin(keys), std::end(keys), [](char k) { return k != 0; });
}

bool IsModalTopLevel(guint count, const GValue* values) {
  auto* object = count > 0 ? static_cast<GObject*>(g_value_get_object(&values[0])) : nullptr;
  if (object == nullptr || !GTK_IS_WINDOW(object)) return false;
  GtkWindow* window = GTK_WINDOW(object);
  return gtk_window_get_modal(window) && gtk_window_get_window_type(window) == GTK_WINDOW_TOPLEVEL;
}

// A window that takes the keyboard while the key that opened it is still down gets the key's
// release, after which the toolkit drops the next press of that key, the user's answer: it is
// brought up once no key is held (for at most two seconds).
gboolean Present(gpointer data) {
  auto* window = static_cast<GtkWindow*>(data);
  GObject* object = G_OBJECT(window);
  const int tries = GPOINTER_TO_INT(g_object_get_data(object, "vostrane-tries"));
  const bool mapped = gtk_widget_get_mapped(GTK_WIDGET(window));
  if (mapped && KeyHeld(GTK_WIDGET(window)) && tries < 100) {
    g_object_set_data(object, "vostrane-tries", GINT_TO_POINTER(tries + 1));
    return G_SOURCE_CONTINUE;
  }
  if (mapped) gtk_window_present(window);
  g_object_unref(window);
  return G_SOURCE_REMOVE;
}

// A modal top-level window of the toolkit, once mapped, is brought up with the keyboard: the
// native dialog itself and the windows it opens (the file dialog's question before it
// overwrites). Tooltips and pop-ups are not modal.
gboolean OnMapped(GSignalInvocationHint*, guint count, const GValue* values, gpointer) {
  if (IsModalTopLevel(count, values)) {
    g_timeout_add(20, Present, g_object_ref(g_value_get_object(&values[0])));
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
