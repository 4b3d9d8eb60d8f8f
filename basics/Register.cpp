#include "basics/Register.h"

#include "basics/MyStrng.h"

void RegisterBasicsClasses() { pf::ClassRegistry::Instance().Register(MyStrng::classMyStrng); }
