#pragma once
// The view of a circuit in its child frame: it draws the document with its placement grid and
// runs the program's timer, which closes the splash window and opens and closes the error
// window. Editing comes with the schematic view proper.

#include "pf/view.h"

class CVostraneDoc;

class CVostraneView : public pf::ScrollView {
 public:
  static constexpr int kTimerId = 101;
  static constexpr unsigned kTimerPeriodMs = 500;
  // The splash closes at the tick after this many.
  static constexpr int kSplashTicks = 3;

  CVostraneDoc* GetDocument() const;

  void OnInitialUpdate() override;
  void OnDraw(pf::Dc& dc) override;

 protected:
  void OnTimer(int id) override;

 private:
  int splashTicks_ = 0;
};
