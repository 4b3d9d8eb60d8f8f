#include "instruments/ui/VecNetAnaDialog.h"

#include "editor/desktop/CVostraneView.h"
#include "instruments/ui/NetDisplayDlg.h"
#include "instruments/ui/VecNetAnaSymbol.h"
#include "pf/controls.h"
#include "pf/ui_services.h"
#include "resources/AnalyserIds.h"
#include "resources/Bitmaps.h"
#include "resources/ScreenIds.h"

namespace ids = analyser_ids;

VecNetAnaDialog::VecNetAnaDialog(VecNetAnaSymbol* symbol, pf::Window* parent)
    : TNetAnalyzer(ids::kTemplate, parent, kKindName), symbol(symbol) {}

bool VecNetAnaDialog::OnInitDialog() {
  TNetAnalyzer::OnInitDialog();
  SetIcon(LoadIconResource("ANALYZER"));
  if (symbol != nullptr) {
    CheckRadioButton(ids::kOnePort, ids::kTwoPort,
                     symbol->GetPinCount() == 1 ? ids::kOnePort : ids::kTwoPort);
    SetWindowText(symbol->elementName.ToCString());
  }
  if (Screen().LayOut(*this, ids::kRefPos, ids::kRefValue)) ShowOpeningDiagram();
  windowOpen = 1;
  return true;
}

bool VecNetAnaDialog::PlaneKeysApply() const {
  const Diagramm* d = const_cast<VecNetAnaDialog*>(this)->Screen().Current();
  return !IsRunning() && d != nullptr && d->GetTypeName() == "RecPlanDiag" && HasPlaneCircles();
}

bool VecNetAnaDialog::OnCommand(int id, pf::Notification code) {
  switch (id) {
    case ids::kParameter: OnParameter(); return true;
    case ids::kFormat: OnFormat(); return true;
    case ids::kAnalyse: OnStart(); return true;
    case ids::kMarker: ToggleMarker(); return true;
    case ids::kFrequency: OnFrequency(); return true;
    case ids::kGenerator: OnGenerator(); return true;
    case ids::kDisplay:
      if (!IsRunning()) NetDisplayDlg(this).DoModal();
      return true;
    case ids::kScreenCopy: CopyScreen(); return true;
    case ids::kData: CopyResultTable(); return true;
    case ids::kPicTex: ExportPicTex(); return true;
    case ids::kSave: SaveCurve(); return true;
    case ids::kLoad: LoadCurve(); return true;
    case ids::kOnePort:
    case ids::kTwoPort:
      if (symbol != nullptr) symbol->SetPortCount(id == ids::kOnePort ? 1 : 2);
      return true;
    default: return TNetAnalyzer::OnCommand(id, code);
  }
}

void VecNetAnaDialog::OnDeltaPos(int id, int delta) {
  constexpr ScrnWindow::KeySpins kSpins{.refPos = ids::kRefPos,
                                        .refValue = ids::kRefValue,
                                        .yScale = ids::kYScale,
                                        .xRefPos = ids::kXRefPos,
                                        .markerStep = ids::kMarkerStep};
  Diagramm* d = Screen().Current();
  if (d == nullptr) return;
  const bool positive = delta > 0;
  switch (id) {
    case ids::kPlaneXRefPos: positive ? d->AuxKeyDown() : d->AuxKeyUp(); break;
    case ids::kStabCursor:
      if (PlaneKeysApply()) StepCircles(delta < 1);
      break;
    case ids::kSoftKeys:
      if (delta < 0 && PlaneKeysApply()) {
        d->NextSoftKeySet();
      } else {
        pf::TheUiServices().Beep(pf::BeepKind::Warning);
      }
      break;
    case ids::kFreeMarker:
      positive ? d->FreeMarkerDown() : d->FreeMarkerUp();
      break;
    default:
      if (!Screen().StepKey(kSpins, id, delta)) return;
  }
  Screen().Invalidate();
}

void VecNetAnaDialog::OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) {
  if (id == screen_ids::kScreen) {
    Screen().DrawItem(dc);
  } else {
    TNetAnalyzer::OnDrawItem(id, dc, rect);
  }
}

int VecNetAnaDialog::PortCount() const {
  if (GetNetwork() != nullptr || symbol == nullptr) return TNetAnalyzer::PortCount();
  return symbol->GetPinCount();
}

void VecNetAnaDialog::EndViewBusy() {
  auto* view = dynamic_cast<CVostraneView*>(GetOwner() != nullptr ? GetOwner() : GetParent());
  // A generator's or the SPICE program's run is not the analyser's to end: it goes on.
  if (view != nullptr && !view->Analysis().IsRunGoing()) view->Analysis().EndBusy();
}

void VecNetAnaDialog::OnOK() {
  EndViewBusy();
  TNetAnalyzer::OnOK();
}

void VecNetAnaDialog::OnClose() {
  EndViewBusy();
  ShowWindow(false);
}
