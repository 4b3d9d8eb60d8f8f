#include "editor/desktop/BusyDialog.h"

#include "pf/controls.h"
#include "pf/ui_services.h"

void BusyDialog::Tick() {
  if (++position_ > limit_) position_ = 0;
  if (auto* bar = GetControl<pf::Progress>(busy_ids::kProgress)) bar->SetPos(position_);
}

bool BusyDialog::OnInitDialog() {
  pf::Dialog::OnInitDialog();
  if (auto* bar = GetControl<pf::Progress>(busy_ids::kProgress)) {
    bar->SetRange(0, limit_);
    bar->SetPos(0);
  }
  if (holdsMouse_) SetCapture();
  return true;
}

// Destroying the window also releases the mouse.
void BusyDialog::OnDestroy() { pf::TheUiServices().Beep(pf::BeepKind::Default); }
