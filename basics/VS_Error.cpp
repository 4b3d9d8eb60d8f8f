#include "basics/VS_Error.h"

namespace {

struct Queue {
  int count = 0;
  MyStrng messages[VS_Error::kQueueSize];
};

Queue& TheQueue() {
  static Queue queue;
  return queue;
}

void Push(const MyStrng& message) {
  Queue& q = TheQueue();
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
}
