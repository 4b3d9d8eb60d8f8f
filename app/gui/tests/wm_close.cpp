// Asks the windows whose title begins with the given text to close, as a window manager does
// when its close button is pressed: a WM_DELETE_WINDOW message from another client. Exit status
// 0 when at least one window was asked, 1 when none has that title, 2 without a display.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The UTF-8 title that toolkits set beside the old one, whose encoding is not UTF-8 for a title
// such as "Öffnen"; the old one for a client that sets no other.
std::string Title(Display* display, Window window) {
  const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long left = 0;
  unsigned char* value = nullptr;
  if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                         &left, &value) == Success &&
      value != nullptr) {
    std::string title(reinterpret_cast<const char*>(value), count);
    XFree(value);
    if (type == utf8) return title;
  }
  XTextProperty property;
  if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) return "";
  std::string title(reinterpret_cast<const char*>(property.value), property.nitems);
  XFree(property.value);
  return title;
}

// The top-level windows of the clients: those with a title, at any depth under the root (a
// window manager puts them into frames of its own).
void Collect(Display* display, Window window, const std::string& prefix, int depth,
             std::vector<Window>& found) {
  if (depth > 4) return;
  if (Title(display, window).rfind(prefix, 0) == 0 && depth > 0) {
    found.push_back(window);
    return;
  }
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return;
  for (unsigned i = 0; i < count; ++i) Collect(display, children[i], prefix, depth + 1, found);
  if (children != nullptr) XFree(children);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: wm_close TITLE-PREFIX\n", stderr);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 2;
  std::vector<Window> found;
  Collect(display, DefaultRootWindow(display), argv[1], 0, found);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  for (Window window : found) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
  }
  XCloseDisplay(display);
  return found.empty() ? 1 : 0;
}
