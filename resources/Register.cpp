#include "resources/Resources.h"

void RegisterResources() { pf::DialogTemplates::Instance().Register(BasicsDialogs()); }
