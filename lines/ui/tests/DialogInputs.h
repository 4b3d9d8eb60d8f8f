#pragma once
// What a line dialog's test types and clicks in one attempt.

#include <utility>
#include <vector>

#include "pf/headless.h"

// A text for an edit; nullptr clicks the control.
using Inputs = std::vector<std::pair<int, const char*>>;

inline void Enter(pf::DialogDriver& d, const Inputs& inputs) {
  for (const auto& [id, text] : inputs) {
    if (text == nullptr) {
      d.Click(id);
    } else {
      d.Type(id, text);
    }
  }
}
