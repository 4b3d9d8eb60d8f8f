#include "instruments/ui/NetDisplayDlg.h"

#include <string>

#include "basics/RgbColor.h"
#include "diagrams/Diagramm.h"
#include "diagrams/graphics/DiagKurve.h"
#include "diagrams/graphics/GrafikSymbol.h"
#include "instruments/ui/TNetAnalyzer.h"
#include "pf/file_dialog.h"
#include "resources/AnalyserIds.h"

namespace ids = display_ids;

namespace {

constexpr struct {
  int id;
  char shape;
} kShapes[] = {{ids::kDiamond, 'R'}, {ids::kCircle, 'C'}, {ids::kCross, 'K'}};

}  // namespace

NetDisplayDlg::NetDisplayDlg(TNetAnalyzer* analyser)
    : pf::Dialog(ids::kTemplate, analyser),
      diagram(analyser->Screen().Current()),
      curve(diagram != nullptr ? diagram->GetCurve(0) : nullptr) {}

bool NetDisplayDlg::OnInitDialog() {
  if (curve == nullptr) return true;
  SetDlgItemText(ids::kName, curve->GetElementName().ToCString());
  SetDlgItemText(ids::kNetText, curve->GetNetwork().ToCString());
  SetDlgItemText(ids::kDateText, curve->GetDate().ToCString());
  CheckRadioButton(ids::kLine, ids::kPoints, curve->GetStyle() == 'P' ? ids::kPoints : ids::kLine);
  for (const auto& s : kShapes) {
    CheckDlgButton(s.id, curve->GetPointSymbol().GetShape() == s.shape ? 1 : 0);
  }
  ShowInterval();
  return true;
}

void NetDisplayDlg::ShowInterval() {
  SetDlgItemText(ids::kInterval, std::to_string(curve->GetSymbolInterval()));
}

void NetDisplayDlg::SetStyle(char style) {
  style == 'P' ? curve->SetPointStyle() : curve->SetStyle(style);
  curve->Update();
}

void NetDisplayDlg::SetShape(char shape) {
  curve->GetPointSymbol().SetShape(shape);
  curve->Update();
}

bool NetDisplayDlg::OnCommand(int id, pf::Notification code) {
  if (curve == nullptr) return pf::Dialog::OnCommand(id, code);
  if (id == ids::kColour) {
    pf::ColorDialog colour(curve->GetColor().GetScaledRef(1.0f));
    if (colour.DoModal() == pf::kIdOk) {
      curve->SetColor(RgbColor(colour.GetColor()));
      curve->Update();
    }
    return true;
  }
  if (id == ids::kLine || id == ids::kPoints) {
    SetStyle(id == ids::kPoints ? 'P' : 'L');
    return true;
  }
  for (const auto& s : kShapes) {
    if (id == s.id) {
      SetShape(s.shape);
      return true;
    }
  }
  return pf::Dialog::OnCommand(id, code);
}

void NetDisplayDlg::OnDeltaPos(int id, int delta) {
  if (curve == nullptr || id != ids::kIntervalSpin) return;
  delta < 1 ? curve->IncSymbolInterval() : curve->DecSymbolInterval();
  ShowInterval();
  curve->Update();
}

void NetDisplayDlg::OnOK() {
  if (curve != nullptr) {
    curve->SetName(MyStrng(GetDlgItemText(ids::kName).c_str()));
    if (IsDlgButtonChecked(ids::kPoints) != 0) {
      curve->SetPointStyle();
    } else if (IsDlgButtonChecked(ids::kLine) != 0) {
      curve->SetStyle('L');
    }
    for (const auto& s : kShapes) {
      if (IsDlgButtonChecked(s.id) != 0) curve->GetPointSymbol().SetShape(s.shape);
    }
    curve->Update();
  }
  pf::Dialog::OnOK();
}
