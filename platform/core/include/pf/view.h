#pragma once
// Views show a document in a frame; scroll views show a part of a larger drawing.

#include <memory>
#include <string>

#include "pf/dc.h"
#include "pf/print.h"
#include "pf/window.h"

namespace pf {

class Document;
class FrameWnd;
class PrintPreview;

class View : public Window {
 public:
  // Maps Drucken and Seitenansicht.
  View();
  ~View() override;
  Document* GetDocument() const { return document_; }
  // The frame the view sits in; nullptr when its parent is no frame.
  FrameWnd* GetParentFrame() const;

  virtual void OnDraw(Dc& dc) = 0;
  // Once, after the document is read or made and before the view is shown.
  virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }
  // The document changed (Document::UpdateAllViews).
  virtual void OnUpdate(View* sender, long hint);
  // Sets up a context (mapping, origin) before the view draws into it.
  virtual void OnPrepareDC(Dc& dc) { (void)dc; }
  // The frame's active view changed: the view that lost and the one that gained activation
  // both hear it.
  virtual void OnActivateView(bool activate, View* activated, View* deactivated) {
    (void)activate, (void)activated, (void)deactivated;
  }

  // Print hooks, in the order of a job. Preparing may set the page count (false cancels the
  // job); a page is printed by OnPrint, which draws the view by default.
  virtual bool OnPreparePrinting(PrintInfo& info) {
    (void)info;
    return true;
  }
  virtual void OnBeginPrinting(Dc& dc, PrintInfo& info) { (void)dc, (void)info; }
  virtual void OnPrint(Dc& dc, PrintInfo& info) {
    (void)info;
    OnDraw(dc);
  }
  virtual void OnEndPrinting(Dc& dc, PrintInfo& info) { (void)dc, (void)info; }
  // Runs a whole job on the target; false when it was cancelled or the target failed.
  bool PrintTo(PrintTarget& target);

 protected:
  void OnPaint(Dc& dc) override;
  // The backend's print dialog chooses the target; a failed job is reported.
  void OnFilePrint();
  // Opens the print preview of the view (while it is open, its frame takes no input).
  void OnFilePrintPreview();
  void OnDestroy() override;

 private:
  friend class Document;
  Document* document_ = nullptr;
  // Kept after it has closed, as its buttons may close it while they report a click.
  std::unique_ptr<PrintPreview> preview_;
};

class ScrollView : public View {
 public:
  void SetScrollSizes(MapMode mode, Size total);
  MapMode GetMapMode() const { return mode_; }
  Size GetTotalSize() const { return total_; }
  Point GetScrollPosition() const { return pos_; }
  // Kept between 0 and the total size less the client size.
  void ScrollToPosition(Point p);
  // The platform's scroll steps on each axis: a line is a hundredth of the drawing, a page a
  // tenth (at least a pixel).
  Size LineSize() const;
  Size PageSize() const;
  // The mouse wheel turned by notches (positive away from the user): each scrolls three lines,
  // at least kWheelMinimum pixels, towards the top, or towards the left when sideways.
  static constexpr int kWheelLines = 3;
  static constexpr int kWheelMinimum = 30;
  void Wheel(int notches, bool sideways);
  // Between the client area and drawing coordinates.
  Point ClientToLogical(Point p) const { return p + pos_; }
  Point LogicalToClient(Point p) const { return p - pos_; }
  Rect LogicalToClient(const Rect& r) const { return r.Offset(-pos_.x, -pos_.y); }
  // The mapping mode, and the origin moved by the scroll position.
  void OnPrepareDC(Dc& dc) override;

 protected:
  void OnSize(int cx, int cy) override;
  // Page Up and Page Down scroll by a page.
  void OnKeyDown(int key, unsigned modifiers) override;

 private:
  MapMode mode_ = MapMode::Text;
  Size total_;
  Point pos_;
};

}  // namespace pf
