#include "basics/VS_Error.h"

namespace {

struct Queue {
  int count = 0;
  MyStrng messages[VS_Error::kQueueSize];
  uint64_t reported = 0;
  MyStrng last;
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

void Push(const MyStrng& message) {
  Queue& q = TheQueue();
  ++q.reported;
  q.last = message;
  if (q.count < VS_Error::kQueueSize) q.messages[q.count++] = message;
}

}  // namespace

void VS_Error::Error(const MyStrng& message, int errorCode) {
  code = errorCode;
  Push(message);
}

MyStrng VS_Error::GetFirstMessage() { return TheQueue().messages[0]; }

void VS_Error::ClearQueue() { TheQueue().count = 0; }

void VS_Error::PushDefaultError() { Push("Default Error"); }

int VS_Error::MessageCount() { return TheQueue().count; }

const MyStrng& VS_Error::Message(int index) {
  static const MyStrng none;
  return (index >= 0 && index < kQueueSize) ? TheQueue().messages[index] : none;
}

void VS_Error::ResetQueue() {
  Queue& q = TheQueue();
  q.count = 0;
  for (MyStrng& m : q.messages) m = "";
  q.last = "";
}

uint64_t VS_Error::ReportedCount() { return TheQueue().reported; }

void VS_Error::DropMessagesFrom(int index) {
  Queue& q = TheQueue();
  if (index >= 0 && index < q.count) q.count = index;
}

const MyStrng& VS_Error::LastReported() { return TheQueue().last; }

MyStrng VS_ErrorMark::First() const {
  if (!Any()) return MyStrng();
  // The queue was full: the first of them went, the last is known.
  return count < VS_Error::MessageCount() ? VS_Error::Message(count) : VS_Error::LastReported();
}
