#pragma once
// The tabs of a multiple-document frame's document windows, a row above its bars: each tab
// shows the window's title, a '*' while its document is modified, and a close mark. A click
// activates the window, or closes it on the mark.

#include <wx/window.h>

#include <string>
#include <vector>

namespace pf {

class MdiFrameWnd;

class TabStrip : public wxWindow {
 public:
  static constexpr int kHeight = 26;

  explicit TabStrip(wxWindow* parent);

  // Shows the frame's document windows as they are now.
  void Sync(MdiFrameWnd& frame);
  // Where the index-th tab's close mark is; empty when there is no such tab.
  wxRect CloseMark(size_t index) const {
    return index < tabs_.size() ? tabs_[index].closeMark : wxRect();
  }

 private:
  struct Tab {
    std::string label;
    bool active;
    wxRect rect;
    wxRect closeMark;
    bool operator==(const Tab&) const = default;
  };

  void OnPaint(wxPaintEvent& event);
  void OnLeftDown(wxMouseEvent& event);

  std::vector<Tab> tabs_;
};

}  // namespace pf
