#pragma once
// The dialogs of the SPICE-model symbols: the choosers that list the library's models of a kind
// and set the chosen one as the symbol's model, and BipSpiceShow, which shows a model's text
// and, in its editing mode, hands back the edited lines.

#include "basics/LineFile.h"
#include "basics/MyStrng.h"
#include "pf/dialog.h"

class NetSymbol;

// A list of names from the circuit's library; OK needs a selected name, which becomes the
// symbol's model name.
class ModelChooser : public pf::Dialog {
 public:
  ModelChooser(int templateId, int listId, pf::Window* parent);
  void SetSymbol(NetSymbol* s) { symbol = s; }

  bool OnInitDialog() override;
  void OnOK() override;

 protected:
  // The names to list; the caption may change with them.
  virtual void ListNames() = 0;

  NetSymbol* symbol = nullptr;
  LineFile names;

 private:
  int listId;
};

// Bipolar transistors ("Bipolartransistoren") or op-amp sub-circuits ("Operationsverstärker"),
// by the symbol's class key.
class BipSpiceDialog : public ModelChooser {
 public:
  explicit BipSpiceDialog(pf::Window* parent);

 protected:
  void ListNames() override;
};

class FetSpiceDialog : public ModelChooser {
 public:
  explicit FetSpiceDialog(pf::Window* parent);

 protected:
  void ListNames() override;
};

class PNDiodeDialog : public ModelChooser {
 public:
  explicit PNDiodeDialog(pf::Window* parent);

 protected:
  void ListNames() override;
};

class BipSpiceShow : public pf::Dialog {
 public:
  explicit BipSpiceShow(pf::Window* parent);

  // 'P' (default): the text of the symbol's model from the library; 'F': the lines set here.
  void SetContent(char letter) { content = letter; }
  // 'N' (default): read-only; 'E': OK re-reads the edited text into the lines.
  void SetEditMode(char letter) { edit = letter; }
  void SetSymbol(NetSymbol* s) { symbol = s; }
  LineFile& Lines() { return lines; }
  bool IsChanged() const { return changed; }

  bool OnInitDialog() override;
  bool OnCommand(int id, pf::Notification code) override;
  // With a changed text in mode 'E': the lines become the edit's lines, upper-cased, without
  // empty ones.
  void OnOK() override;

 private:
  NetSymbol* symbol = nullptr;
  LineFile lines;
  MyStrng modelName;
  bool changed = false;
  bool filling = false;
  char content = 'P';
  char edit = 'N';
};
