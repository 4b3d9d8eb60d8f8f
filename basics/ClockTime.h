#pragma once
// The time of day that files and screens show.

#include <ctime>

// Now in local time; when SOURCE_DATE_EPOCH is set, that moment in UTC instead, so that
// generated files and pictures can be made again byte for byte. False (parts untouched) when
// the variable is no count of seconds or the time cannot be converted.
bool ClockTime(std::tm& parts);
