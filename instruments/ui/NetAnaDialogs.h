#pragma once
// The network analyser's modal set-up dialogs. Each is made with the analyser window, which is
// both its parent and the object whose settings it reads in SetupWindow and stores in CanClose:
// the generator's two internal resistances, the frequency sweep, the diagram form, and the
// measured parameter with its index. Only the generator and the sweep can refuse; they show the
// first queued message under "Fehler" (an end that an exponential sweep cannot hold under its
// field's caption) and stay open.

#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"

class TNetAnalyzer;

class TGenDlg : public TDialog {
 public:
  explicit TGenDlg(TNetAnalyzer* analyser);
  void SetupWindow() override;
  // Both resistances are stored, or neither.
  bool CanClose() override;

 private:
  TNetAnalyzer* analyser;
};

class TFreqDlg : public TDialog {
 public:
  explicit TFreqDlg(TNetAnalyzer* analyser);
  void SetupWindow() override;
  // The sweep as typed, or as it was when anything is refused (an end at or below 0 for an
  // exponential sweep too).
  bool CanClose() override;

 private:
  TNetAnalyzer* analyser;
  TEdit start;
  TEdit stop;
  TEdit count;
  TGroupBox mode;
  TRadioButton linear;
  TRadioButton exponential;
};

class TFormDiag : public TDialog {
 public:
  explicit TFormDiag(TNetAnalyzer* analyser);
  void SetupWindow() override;
  bool CanClose() override;

 private:
  TNetAnalyzer* analyser;
  TGroupBox group;
};

class TMeasDiag : public TDialog {
 public:
  explicit TMeasDiag(TNetAnalyzer* analyser);
  void SetupWindow() override;
  bool CanClose() override;

 private:
  TNetAnalyzer* analyser;
  TGroupBox kinds;
  TGroupBox indices;
};
