#pragma once
// Control ids of the filter synthesis dialogs, named once for the templates, the dialogs and
// their tests.

// The low-pass and band-pass figures; only the band-pass has a bandwidth.
namespace filter_ids {
constexpr int kFrequency = 100, kImpedance = 101, kRipple = 102, kOrder = 103;
constexpr int kButterworth = 104, kChebyshev = 105, kKind = 106;
constexpr int kBandwidth = 107;
}  // namespace filter_ids

namespace line_lowpass_ids {
constexpr int kTemplate = 174;
constexpr int kFrequency = 1085;
}  // namespace line_lowpass_ids
