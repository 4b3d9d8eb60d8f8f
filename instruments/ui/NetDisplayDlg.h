#pragma once
// The look of the first curve on the network analyser's screen: its name, colour, line or
// point style, point symbol and symbol interval. Style and symbol change the curve at once;
// OK stores the name and the radios that are on. On a diagram without a curve nothing is
// filled and OK changes nothing.

#include "pf/dialog.h"

class DiagKurve;
class Diagramm;
class TNetAnalyzer;

class NetDisplayDlg : public pf::Dialog {
 public:
  explicit NetDisplayDlg(TNetAnalyzer* analyser);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnOK() override;

 private:
  void ShowInterval();
  void SetStyle(char style);
  void SetShape(char shape);

  Diagramm* diagram;
  DiagKurve* curve;
};
