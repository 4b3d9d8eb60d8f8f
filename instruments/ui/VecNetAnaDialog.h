#pragma once
// The network analyser's front panel, a modeless window: keys for the parameter, format,
// sweep, marker and data, spins for the screen's scales, the "Eintor"/"Zweitor" radios of the
// analyser symbol, and the screen (control 523) on the left.

#include "instruments/ui/TNetAnalyzer.h"

class VecNetAnaSymbol;

class VecNetAnaDialog : public TNetAnalyzer {
 public:
  static constexpr const char* kKindName = "VecNetAnaDialog";

  // A dialog loaded with its symbol is made here and created on its first edit.
  VecNetAnaDialog(VecNetAnaSymbol* symbol, pf::Window* parent);

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  void OnDeltaPos(int id, int delta) override;
  void OnDrawItem(int id, pf::Dc& dc, const pf::Rect& rect) override;
  void OnOK() override;
  void OnClose() override;
  // Before the first sweep, the ports of the symbol.
  int PortCount() const override;

 private:
  // The soft-key and frequency spins act only on the plane diagram with its circles.
  bool PlaneKeysApply() const;
  void EndViewBusy();

  VecNetAnaSymbol* symbol;
};
