#pragma once
// Views show a document in a frame; scroll views show a part of a larger drawing.

#include "pf/dc.h"
#include "pf/window.h"

namespace pf {

class Document;
class FrameWnd;

class View : public Window {
 public:
  ~View() override { DestroyWindow(); }
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

 protected:
  void OnPaint(Dc& dc) override;
  void OnDestroy() override;

 private:
  friend class Document;
  Document* document_ = nullptr;
};

class ScrollView : public View {
 public:
  void SetScrollSizes(MapMode mode, Size total);
  MapMode GetMapMode() const { return mode_; }
  Size GetTotalSize() const { return total_; }
  Point GetScrollPosition() const { return pos_; }
  // Kept between 0 and the total size less the client size.
  void ScrollToPosition(Point p);
  // A point of the client area in drawing coordinates.
  Point ClientToLogical(Point p) const { return p + pos_; }
  // The mapping mode, and the origin moved by the scroll position.
  void OnPrepareDC(Dc& dc) override;

 protected:
  void OnSize(int cx, int cy) override;

 private:
  MapMode mode_ = MapMode::Text;
  Size total_;
  Point pos_;
};

}  // namespace pf
