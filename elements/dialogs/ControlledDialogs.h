#pragma once
// The dialogs of the three controlled sources and the operational amplifier: one layout of
// gain, input and output resistance and the optional cut-off frequency and delay, told apart by
// their control ids, captions and the way they store the values.

#include "editor/dialogs/FieldReader.h"
#include "editor/dialogs/TDialog.h"
#include "elements/lumped/ControlledSymbol.h"

template <class S>
class TControlledDialog : public TDialog {
 public:
  struct Layout {
    const char* templateName;
    int cutOffBox, delayBox;
    // gain, R1, R2 (both above 0), fg (above 0), Td
    Field<S> fields[5];
    int gainLimit;
    bool trimmed;  // show the texts without leading blanks and tabs
  };

  void SetupWindow() override;
  // The flags are stored before fg and Td are read; those only while their flag is set.
  bool CanClose() override;

 protected:
  TControlledDialog(const Layout& layout, S* symbol, pf::Window* parent)
      : TDialog(parent, layout.templateName), layout(layout), symbol(symbol) {}

 private:
  // The row's edit, or "" while its flag is off.
  void Show(size_t row, int32_t flag);

  const Layout& layout;
  S* symbol;
};

class TOpAmpDialog : public TControlledDialog<OpAmpSymbol> {
 public:
  TOpAmpDialog(OpAmpSymbol* symbol, pf::Window* parent);
};

class TVvgDialog : public TControlledDialog<VvgSymbol> {
 public:
  TVvgDialog(VvgSymbol* symbol, pf::Window* parent);
};

class TVcgDialog : public TControlledDialog<VcgSymbol> {
 public:
  TVcgDialog(VcgSymbol* symbol, pf::Window* parent);
};

class TCcgDialog : public TControlledDialog<CcgSymbol> {
 public:
  TCcgDialog(CcgSymbol* symbol, pf::Window* parent);
};
