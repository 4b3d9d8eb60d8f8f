#pragma once
// Error reporting without exceptions: the reporting object keeps a code, and the message
// goes into one process-wide queue whose count is the global error indicator.

#include <cstdint>

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
  // Every message reported so far, also those the full queue dropped.
  static uint64_t ReportedCount();
  // The count cut back to index: the messages queued from there go.
  static void DropMessagesFrom(int index);
  // The text of the last message reported, queued or dropped.
  static const MyStrng& LastReported();

 protected:
  int code = 0;
};

// What one operation reported: the messages queued since the mark was made. An operation that
// shows its own messages drops them; what was queued before it stays for the error window, and
// never refuses or fails what the operation does.
class VS_ErrorMark {
 public:
  VS_ErrorMark()
      : count(VS_Error::MessageCount()), reported(VS_Error::ReportedCount()) {}
  bool Any() const { return VS_Error::ReportedCount() > reported; }
  // The first message reported since, "" without one.
  MyStrng First() const;
  void Drop() const { VS_Error::DropMessagesFrom(count); }

 private:
  int count;
  uint64_t reported;
};
