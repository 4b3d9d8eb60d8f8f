#pragma once
// Error reporting without exceptions: the reporting object keeps a code, and the message
// goes into one process-wide queue whose count is the global error indicator.

#include "basics/MyStrng.h"

class VS_Error {
 public:
  static constexpr int kQueueSize = 20;

  virtual ~VS_Error() = default;

  // Stores the code; queues the message unless the queue is full.
  virtual void Error(const MyStrng& message, int code);

  int GetErrorCode() const { return code; }
  void ClearErrorCode() { code = 0; }

  // Entry 0 as it stands, also after ClearQueue ("" before the first error).
  static MyStrng GetFirstMessage();
  static void ClearQueue();
  static void PushDefaultError();
  static int MessageCount();
  // Entries at and behind the count keep their old texts.
  static const MyStrng& Message(int index);
  // Count 0 and every entry "", as at start-up; for test fixtures.
  static void ResetQueue();

 protected:
  int code = 0;
};
