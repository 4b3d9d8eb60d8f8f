#pragma once
// The dialogs of the three controlled sources and the operational amplifier: one layout of
// gain, input and output resistance and the optional cut-off frequency and delay, told apart by
// their control ids, captions and the way they store the values.

#include "editor/dialogs/TControl.h"
#include "editor/dialogs/TDialog.h"
#include "elements/lumped/ControlledSymbol.h"

class TControlledDialog : public TDialog {
 public:
  struct Layout {
    const char* templateName;
    int gain, r1, r2, cutOffBox, delayBox, fg, td;
    // gain, R1, R2, fg, Td
    const char* captions[5];
    int gainLimit;
    bool normalised;       // store the numbers' canonical texts, else the texts as typed
    bool trimmed;          // show the texts without leading blanks and tabs
  };

  void SetupWindow() override;
  // The flags are stored before fg and Td are read; those only while their flag is set.
  bool CanClose() override;

 protected:
  // The gain is the symbol's FloatWert or (the VCG's) LeiWert; the other pointer is null.
  TControlledDialog(const Layout& layout, ControlledSymbol* symbol, pf::Window* parent,
                    FloatWert* floatGain, LeiWert* conductanceGain);

 private:
  void Show(TEdit& edit, const MyStrng& text);

  const Layout& layout;
  ControlledSymbol* symbol;
  FloatWert* floatGain;
  LeiWert* conductanceGain;
  TEdit gain, r1, r2, fg, td;
  TCheckBox cutOffBox, delayBox;
};

class TOpAmpDialog : public TControlledDialog {
 public:
  TOpAmpDialog(OpAmpSymbol* symbol, pf::Window* parent);
};

class TVvgDialog : public TControlledDialog {
 public:
  TVvgDialog(VvgSymbol* symbol, pf::Window* parent);
};

class TVcgDialog : public TControlledDialog {
 public:
  TVcgDialog(VcgSymbol* symbol, pf::Window* parent);
};

class TCcgDialog : public TControlledDialog {
 public:
  TCcgDialog(CcgSymbol* symbol, pf::Window* parent);
};
