#include "basics/ClockTime.h"

#include <cerrno>
#include <cstdlib>

bool ClockTime(std::tm& parts) {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch != nullptr && *epoch != '\0') {
    errno = 0;
    char* end = nullptr;
    const long long seconds = std::strtoll(epoch, &end, 10);
    now = static_cast<std::time_t>(seconds);
    return *end == '\0' && errno == 0 && seconds >= 0 && gmtime_r(&now, &parts) != nullptr;
  }
  return localtime_r(&now, &parts) != nullptr;
}
