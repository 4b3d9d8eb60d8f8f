#pragma once
// The messages of the global error queue on standard error, one a line.

#include <cstdio>

#include "basics/VS_Error.h"

// The exit status that the messages call for: 1 when there were any, else 0.
inline int ReportQueue() {
  const int count = VS_Error::MessageCount();
  for (int i = 0; i < count; ++i) std::fprintf(stderr, "%s\n", VS_Error::Message(i).GetBuffer());
  return count > 0 ? 1 : 0;
}
