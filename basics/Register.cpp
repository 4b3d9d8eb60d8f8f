#include "basics/Register.h"

#include "basics/MyStrng.h"
#include "basics/Point.h"
#include "basics/RgbColor.h"

void RegisterBasicsClasses() {
  pf::ClassRegistry::Instance().Register(MyStrng::classMyStrng);
  pf::ClassRegistry::Instance().Register(Point::classPoint);
  pf::ClassRegistry::Instance().Register(LPoint::classLPoint);
  pf::ClassRegistry::Instance().Register(RgbColor::classRgbColor);
}
