#include "resources/Resources.h"

void RegisterResources() {
  for (const auto table : {BasicsDialogs(), DiagramDialogs()}) {
    pf::DialogTemplates::Instance().Register(table);
  }
}
