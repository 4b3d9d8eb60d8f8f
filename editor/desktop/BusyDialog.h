#pragma once
// The modeless progress window of a running analysis (template 172). It holds the mouse while
// it is open (unless told not to), so the view ignores presses, and beeps when it goes. Closing
// it (Escape, the close box) asks the run to stop; the run's next tick does.

#include "pf/dialog.h"
#include "resources/EditorIds.h"

class BusyDialog : public pf::Dialog {
 public:
  // A window that does not hold the mouse leaves the program usable meanwhile: the run it
  // shows goes on outside (the SPICE program).
  explicit BusyDialog(pf::Window* parent = nullptr, int limit = 100, bool holdsMouse = true)
      : pf::Dialog(busy_ids::kTemplate, parent), limit_(limit), holdsMouse_(holdsMouse) {}
  ~BusyDialog() override { DestroyWindow(); }

  // One step on; past the limit the bar starts again at 0.
  void Tick();

  bool IsCancelled() const { return cancelled_; }

  bool OnInitDialog() override;
  void OnCancel() override { cancelled_ = true; }

 protected:
  void OnDestroy() override;

 private:
  int position_ = 0;
  int limit_;
  bool cancelled_ = false;
  bool holdsMouse_;
};
