#include "instruments/ui/ScreenDialog.h"

#include "pf/app.h"
#include "resources/ScreenIds.h"

pf::Window* DialogOwner(pf::Window* parent) {
  if (parent != nullptr) return parent;
  pf::App* app = pf::App::Current();
  return app != nullptr ? app->GetMainWnd() : nullptr;
}

void ScreenDialog::OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) {
  if (id == screen_ids::kScreen) {
    screen.DrawItem(dc);
  } else {
    pf::Dialog::OnDrawItem(id, dc, rect);
  }
}

void ScreenDialog::ToggleMarker() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  if (d->HasMarker()) {
    d->DeleteMarker();
  } else {
    d->CreateMarker();
  }
  Refresh();
}

void ScreenDialog::CopyScreen() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  if (!screen.ShowsResult()) {
    RefuseWithoutResults();
    return;
  }
  d->CopyToClipboard();
  MessageBox("Bildschirm ins Clipboard kopiert", GetWindowText());
}

void ScreenDialog::CopyData() {
  Diagramm* d = screen.Current();
  if (d == nullptr) return;
  if (!screen.ShowsResult()) {
    RefuseWithoutResults();
    return;
  }
  d->CopyCurveDataToClipboard();
  MessageBox("Daten ins Clipboard kopiert", GetWindowText());
}
