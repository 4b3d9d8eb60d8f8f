#pragma once
// The normalised low-pass prototypes that every filter builder starts from, computed from the
// poles and reflection zeros of the response (Polynom.h).

#include <vector>

// Orders outside these are refused: the expansion loses its last values beyond 10.
constexpr int kMinFilterOrder = 1;
constexpr int kMaxFilterOrder = 10;

// type 'T' Chebyshev with rippleDb, anything else Butterworth.
// g1 ... gn of the lumped ladder, series element next to the source first.
std::vector<double> ComputePrototype(int order, char type, double rippleDb);
// The 2n - 1 values of the line ladder: stub, unit element, stub, ..., stub.
std::vector<double> ComputeStubPrototype(int order, char type, double rippleDb);
// Both queue a message and return no values for an order outside 1 .. 10, a Chebyshev ripple
// that is not positive and finite, or a result with a value that is not.
