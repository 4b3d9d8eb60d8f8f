#pragma once
// The window model: every window, control, dialog, frame and view holds its state here and gets
// its events dispatched here, without any toolkit. A backend (desktop or headless) mirrors the
// state it is told about through pf::Backend and feeds the user's input back through the input
// operations below.
//
// Coordinates: a child window's rectangle is in its parent's client coordinates, a top-level
// window's in screen coordinates. Windows have no non-client area in the model: the client
// rectangle is (0, 0, width, height) of the window rectangle.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pf/bitmap.h"
#include "pf/colour.h"
#include "pf/command.h"
#include "pf/gdi.h"
#include "pf/geometry.h"
#include "pf/ui_services.h"

namespace pf {

class Dc;

// The ids of the standard dialog buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// Virtual key codes the system names.
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkSpace = 0x20;
inline constexpr int kVkPrior = 0x21;  // Page Up
inline constexpr int kVkNext = 0x22;   // Page Down
inline constexpr int kVkLeft = 0x25;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkDown = 0x28;
inline constexpr int kVkDelete = 0x2E;

// Flags that come with mouse input; Shift, Control and Alt also come with keys.
inline constexpr unsigned kMkLButton = 0x1;
inline constexpr unsigned kMkShift = 0x4;
inline constexpr unsigned kMkControl = 0x8;
inline constexpr unsigned kMkAlt = 0x20;

// What a control tells its parent; a menu or toolbar command arrives as Clicked.
enum class Notification { Clicked, Changed, SelChanged, DoubleClicked, EditChanged };

// Which part of a window's state a backend must mirror again.
// Focus: the window became the focused window of its top-level window.
enum class WindowChange { Text, Geometry, Visibility, Enabled, Font, ControlState, Icon, Focus };

enum class MouseAction { LButtonDown, LButtonUp, LButtonDblClk, Move };

class Window : public CommandTarget {
 public:
  // Per-window data of the backend (a native peer, a backing surface).
  struct Peer {
    virtual ~Peer() = default;
  };

  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  // Destroys the window if it still exists. Derived classes that act on OnDestroy destroy the
  // window themselves before they go.
  ~Window() override;

  // A child lives inside its parent's client area; a top-level window may have an owner, which
  // it stays above. Both fail (false) on a window that exists already.
  bool CreateChild(Window& parent, int id, const Rect& rect, std::string text = {},
                   bool visible = true);
  bool CreateTopLevel(Window* owner, const Rect& rect, std::string text = {});
  // Destroys the children first, kills the timers, releases the capture. A window that its
  // parent owns (AdoptChild) is deleted at the end: do not touch it afterwards.
  void DestroyWindow();
  bool IsCreated() const { return created_; }

  // The parent keeps the object and deletes it when either is destroyed.
  template <class W>
  W& AdoptChild(std::unique_ptr<W> child) {
    W& w = *child;
    owned_.push_back(std::move(child));
    return w;
  }

  Window* GetParent() const { return parent_; }
  Window* GetOwner() const { return owner_; }
  // The top-level window this one sits in (itself for a top-level window).
  Window* GetTopLevelParent();
  // Every top-level window that exists, in the order of creation.
  static const std::vector<Window*>& TopLevelWindows();
  // A number that no earlier creation of a window had: it tells a window that went from the
  // one created after it at the same address (a new object, or this one created again).
  std::uint64_t CreationNumber() const { return creation_; }
  // The top-level window of that creation while it exists; nullptr once it has gone.
  static Window* FindTopLevel(std::uint64_t creation);
  const std::vector<Window*>& Children() const { return children_; }
  int GetDlgCtrlID() const { return id_; }
  // The first direct child with this id, looked up on every call; nullptr when there is none.
  Window* GetDlgItem(int id) const;

  // Text: setting it also tells the window (an edit control reports the change).
  void SetWindowText(std::string_view text);
  const std::string& GetWindowText() const { return text_; }

  // Geometry.
  void MoveWindow(const Rect& rect, bool repaint = true);
  const Rect& GetRect() const { return rect_; }  // in the parent's client or screen coordinates
  Rect GetWindowRect() const;                    // in screen coordinates
  Rect GetClientRect() const { return {0, 0, rect_.Width(), rect_.Height()}; }
  Point ClientToScreen(Point p) const;
  Point ScreenToClient(Point p) const;
  // Centres a top-level window over its owner (the screen without one), or a child in its
  // parent.
  void CenterWindow();
  void CenterOnScreen();

  // Visibility and enabling. A window is shown on the screen only when it and all its
  // parents are visible; it takes input only when it and all its parents are enabled. Showing
  // a top-level window, also one shown already, brings it to the top with the keyboard.
  void ShowWindow(bool show);
  bool IsVisible() const { return visible_; }
  bool IsWindowVisible() const;
  // Returns whether the window was disabled before. A window disabled while the focus is in it
  // hands the focus to the next stop of its top-level window's tab order (none: the top-level
  // window takes the keys); a top-level window keeps its focus for when it takes input again.
  bool EnableWindow(bool enable);
  bool IsEnabled() const { return enabled_; }
  bool IsWindowEnabled() const;

  // The active window: the top-level window that has the keyboard, the one brought up last
  // (ShowWindow) or activated by the user; nullptr when none is or it has gone.
  static Window* GetActiveWindow();
  // The user activated this top-level window (a click on it, the window manager): it is the
  // active window, but while a modal window holds it the innermost modal window of the model
  // comes up instead, and nothing changes while a native one holds it.
  void UserActivated();

  // The keyboard focus: each top-level window keeps the window inside it that takes the keys
  // while it is the active window (nullptr: none; the keys go to the top-level window).
  void SetFocus();
  Window* GetFocusedWindow();
  // The tab order: the windows inside this one, each before its children, in creation order.
  virtual std::vector<Window*> TabOrder();
  // What Tab stops at, shown and enabled within their top-level window: edits that are not
  // read-only, buttons, check boxes, list and combo boxes, and one radio button per group
  // (Button::IsGroupStop). Texts, group boxes, pictures, progress bars and arrows are passed
  // over.
  static bool IsTabStop(const Window& window);
  // Focuses the control; an edit so reached has its whole text selected. The backend shows it
  // also when the model held it focused already.
  static void FocusControl(Window& control);

  // The font a window draws its text with: its own, else its parent's, else the stock font.
  void SetFont(const Font& font);
  Font GetFont() const;
  // The picture a top-level window shows in its title bar and task list; none by default.
  void SetIcon(Bitmap icon);
  const Bitmap& GetIcon() const { return icon_; }
  virtual ColorRef GetBackgroundColor() const { return Rgb(255, 255, 255); }

  // Invalidation: the update rectangle collects what needs repainting until it is painted.
  void Invalidate();
  void InvalidateRect(const Rect& rect);
  void ValidateRect();
  const std::optional<Rect>& GetUpdateRect() const { return update_; }
  // Paints the invalid part at once (through the backend).
  void UpdateWindow();
  // A device context on the window's surface, outside painting.
  std::unique_ptr<Dc> GetDC();
  // Called by the backend to paint: validates, then OnPaint.
  void Paint(Dc& dc);

  // Timers tick through OnTimer until they are killed or the window is destroyed. Setting an
  // id again restarts it with the new period.
  void SetTimer(int id, unsigned periodMs);
  bool KillTimer(int id);

  // The capture sends all mouse input to one window.
  void SetCapture();
  static void ReleaseCapture();
  static Window* GetCapture();

  // A message box over this window.
  MsgResult MessageBox(const std::string& text, const std::string& caption,
                       MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);

  // Input, as the backends deliver it. Mouse and key input to a window that does not take
  // input is dropped; the point is in the window's client coordinates.
  void Mouse(MouseAction action, Point point, unsigned flags = 0);
  // A key with its modifiers (kMkShift, kMkControl, kMkAlt): the window and its parents may
  // take it as an accelerator first.
  void KeyDown(int key, unsigned modifiers = 0);
  // The user asks the window to close; refused while it takes no input.
  void Close();
  void Timer(int id);
  // A command or a child's notification; false when nobody handled it.
  bool Command(int id, Notification code = Notification::Clicked);

  // Handlers, for the children to notify and for the backends to dispatch.
  virtual bool OnCommand(int id, Notification code);
  virtual void OnDeltaPos(int id, int delta) { (void)id, (void)delta; }
  virtual void OnDrawItem(int id, Dc& dc, const Rect& rect) { (void)id, (void)dc, (void)rect; }
  // True when the key was an accelerator of this window (whether its command ran or not).
  virtual bool TranslateAccelerator(int key, unsigned modifiers) {
    (void)key, (void)modifiers;
    return false;
  }

  std::unique_ptr<Peer> peer;

 protected:
  virtual void OnPaint(Dc& dc) { (void)dc; }
  virtual void OnTimer(int id) { (void)id; }
  virtual void OnLButtonDown(unsigned flags, Point p) { (void)flags, (void)p; }
  virtual void OnLButtonUp(unsigned flags, Point p) { (void)flags, (void)p; }
  virtual void OnLButtonDblClk(unsigned flags, Point p) { (void)flags, (void)p; }
  virtual void OnMouseMove(unsigned flags, Point p) { (void)flags, (void)p; }
  virtual void OnKeyDown(int key, unsigned modifiers) { (void)key, (void)modifiers; }
  virtual void OnClose() { DestroyWindow(); }
  virtual void OnSize(int cx, int cy) { (void)cx, (void)cy; }
  virtual void OnDestroy() {}
  // After SetWindowText changed the text.
  virtual void OnTextSet() {}
  // Tells the backend that control-specific state changed.
  void ControlStateChanged();
  // Focuses the next (previous) stop after from in the tab order, round the end; the first
  // (last) from none or from a window outside the order. False when there is no stop.
  bool FocusStopAfter(const Window* from, bool backward);

 private:
  bool Attach(Window* parent, Window* owner, int id, const Rect& rect, std::string text,
              bool visible);
  void CenterOver(const Rect& area);
  // After this window was disabled: the focus of its top-level window, if inside it, goes on.
  void PassFocusOn();

  Window* parent_ = nullptr;
  Window* owner_ = nullptr;
  std::vector<Window*> children_;
  std::vector<std::unique_ptr<Window>> owned_;
  int id_ = 0;
  Rect rect_;
  std::string text_;
  bool created_ = false;
  bool visible_ = false;
  bool enabled_ = true;
  std::optional<Font> font_;
  Bitmap icon_;
  std::optional<Rect> update_;
  Window* focus_ = nullptr;  // of a top-level window
  std::uint64_t creation_ = 0;
};

}  // namespace pf
