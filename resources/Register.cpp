#include "resources/Resources.h"

void RegisterResources() {
  for (const auto table : {BasicsDialogs(), DiagramDialogs(), ElementDialogs()}) {
    pf::DialogTemplates::Instance().Register(table);
  }
}
