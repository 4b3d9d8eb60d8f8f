#pragma once
// Work split into parts that run at once on the processor's cores, and loops built for its
// vector registers.

#include <cstdint>
#include <functional>

// Calls work(part) once for every part in 0..parts-1, on the calling thread and on resident
// workers (up to three, fewer on smaller machines), and returns when every call has returned.
// Parts are handed out one at a time, so that a worker that wakes late takes fewer of them.
// work must not throw (the program ends if it does). Called from within work, or while another
// thread's parts run, it runs all parts on the calling thread.
void ForEachPart(int32_t parts, const std::function<void(int32_t)>& work);

// Marks a function whose loops run in vector registers: it is built for the common vector
// widths and the processor's own is chosen at load time. Each lane computes what the scalar code
// does, and nothing is contracted, so every build gives the same bits.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VOSTRANE_VECTOR_CLONES \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define VOSTRANE_VECTOR_CLONES
#endif
