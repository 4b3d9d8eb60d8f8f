#pragma once
// Work split into parts that run at once on the processor's cores.

#include <cstdint>
#include <functional>

// Calls work(part) once for every part in 0..parts-1, on the calling thread and on resident
// workers (up to three, fewer on smaller machines), and returns when every call has returned.
// Parts are handed out one at a time, so that a worker that wakes late takes fewer of them.
// work must not throw (the program ends if it does). Called from within work, or while another
// thread's parts run, it runs all parts on the calling thread.
void ForEachPart(int32_t parts, const std::function<void(int32_t)>& work);
