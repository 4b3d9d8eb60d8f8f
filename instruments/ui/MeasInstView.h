#pragma once
// The base of the instrument windows: a dialog with a kind name, which names the window class
// in the instrument symbol's archive, and an open flag set once the window is initialised.

#include <cstdint>

#include "basics/MyStrng.h"
#include "pf/archive.h"
#include "pf/dialog.h"

class MeasInstView : public pf::Dialog {
 public:
  MeasInstView(int templateId, pf::Window* parent, const char* kindName)
      : pf::Dialog(templateId, parent), kindName(kindName) {}

  MyStrng GetKindName() const { return kindName; }
  bool IsOpen() const { return windowOpen != 0; }
  virtual void Serialize(pf::Archive& /*ar*/) {}

  MyStrng instanceName;

 protected:
  MyStrng kindName = "MeasInstView";
  int32_t windowOpen = 0;
};
