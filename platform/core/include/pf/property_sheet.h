#pragma once
// Property sheets: a dialog with a row of tabs, one page (a dialog of its own template) shown
// at a time, and OK and "Abbrechen" below. A page is created the first time it becomes active.
// Leaving a page asks its OnKillActive, which can refuse; so can the page that is active when
// the user presses OK. Showing a page moves the focus to its first control.

#include <array>
#include <string>
#include <vector>

#include "pf/dialog.h"

namespace pf {

class PropertySheet;

class PropertyPage : public Dialog {
 public:
  using Dialog::Dialog;

  virtual bool OnSetActive() { return true; }
  // False keeps the page active (the user's input needs correcting).
  virtual bool OnKillActive() { return true; }
  // The sheet closed with OK or Cancel; every page that was created hears it.
  void OnOK() override {}
  void OnCancel() override {}

  // The tab text: the template's caption.
  std::string GetCaption() const;
  bool CreatePage(PropertySheet& sheet, Point origin);
};

class PropertySheet : public Dialog {
 public:
  // Tabs of this height (dialog units) sit above the pages, the buttons below them.
  static constexpr int kTabHeight = 14;
  static constexpr int kButtonRow = 22;
  static constexpr int kMargin = 4;

  PropertySheet(std::string caption, Window* parent = nullptr, int selectPage = 0);

  // The caller keeps the page alive for the sheet's lifetime.
  void AddPage(PropertyPage& page);
  int GetPageCount() const { return static_cast<int>(pages_.size()); }
  PropertyPage* GetPage(int index) const;
  int GetActiveIndex() const { return active_; }
  PropertyPage* GetActivePage() const { return GetPage(active_); }
  // Leaves the active page and shows the given one; false when the active page refuses or
  // there is no such page. The tab the user clicks comes here too.
  bool SetActivePage(int index);
  // The tab rectangles in client pixels, in page order.
  std::vector<Rect> TabRects() const;

  int DoModal();
  // The active page's controls come before the sheet's buttons.
  std::vector<Window*> TabOrder() override;
  // Activates the page chosen at construction.
  bool OnInitDialog() override;
  // The active page may refuse OK; then every created page hears OnOK and the sheet ends.
  void OnOK() override;
  void OnCancel() override;

 protected:
  void OnPaint(Dc& dc) override;
  void OnLButtonDown(unsigned flags, Point p) override;

 private:
  std::string caption_;
  int startPage_;
  int active_ = -1;
  std::vector<PropertyPage*> pages_;
  std::array<ControlTemplate, 2> buttons_{};
  DialogTemplate template_{};
};

}  // namespace pf
