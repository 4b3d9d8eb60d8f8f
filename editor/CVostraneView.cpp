#include "editor/CVostraneView.h"

#include "editor/CVostraneApp.h"
#include "editor/CVostraneDoc.h"
#include "editor/DocumentDrawing.h"

CVostraneDoc* CVostraneView::GetDocument() const {
  return dynamic_cast<CVostraneDoc*>(pf::View::GetDocument());
}

void CVostraneView::OnInitialUpdate() {
  pf::ScrollView::OnInitialUpdate();
  SetScrollSizes(pf::MapMode::Text, {kDrawingSize, kDrawingSize});
  if (CVostraneDoc* doc = GetDocument()) doc->SetViewOnAll(this);
  SetTimer(kTimerId, kTimerPeriodMs);
}

void CVostraneView::OnDraw(pf::Dc& dc) {
  if (CVostraneDoc* doc = GetDocument()) DrawDocument(*doc, dc, 'S');
}

void CVostraneView::OnTimer(int id) {
  CVostraneApp* app = GetVostraneApp();
  if (id != kTimerId || app == nullptr) return;
  if (splashTicks_ >= kSplashTicks) {
    app->CloseSplash();
  } else {
    ++splashTicks_;
  }
  app->ShowErrorDialog();
  app->CloseErrorDialog();
}
