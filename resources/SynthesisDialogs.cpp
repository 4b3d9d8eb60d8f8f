// Dialog templates of the filter synthesis: the low-pass and band-pass figures and the
// reference frequency of the line transformation.

#include "resources/Resources.h"
#include "resources/SynthesisIds.h"

namespace {

using pf::ControlKind;
using pf::ControlTemplate;
using pf::DialogTemplate;

constexpr unsigned kGroup = pf::kStyleGroup;
constexpr unsigned kDefault = pf::kStyleDefault;

constexpr ControlTemplate kLowPass[] = {
    {ControlKind::Static, -1, "Grenzfrequenz", 8, 10, 70, 10},
    {ControlKind::Edit, filter_ids::kFrequency, "", 80, 8, 60, 12},
    {ControlKind::Static, -1, "Wellenwiderstand", 8, 26, 70, 10},
    {ControlKind::Edit, filter_ids::kImpedance, "", 80, 24, 60, 12},
    {ControlKind::Static, -1, "Ripple in dB", 8, 42, 70, 10},
    {ControlKind::Edit, filter_ids::kRipple, "", 80, 40, 60, 12},
    {ControlKind::Static, -1, "Ordnung", 8, 58, 70, 10},
    {ControlKind::Edit, filter_ids::kOrder, "", 80, 56, 24, 12},
    {ControlKind::GroupBox, filter_ids::kKind, "Art", 8, 74, 132, 28},
    {ControlKind::RadioButton, filter_ids::kButterworth, "Butterworth", 14, 86, 56, 10, kGroup},
    {ControlKind::RadioButton, filter_ids::kChebyshev, "Tschebyscheff", 74, 86, 62, 10},
    {ControlKind::PushButton, 1, "OK", 14, 110, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Cancel", 84, 110, 50, 14},
};

constexpr ControlTemplate kBandPass[] = {
    {ControlKind::Static, -1, "Mittenfrequenz", 8, 10, 70, 10},
    {ControlKind::Edit, filter_ids::kFrequency, "", 80, 8, 60, 12},
    {ControlKind::Static, -1, "Bandbreite", 8, 26, 70, 10},
    {ControlKind::Edit, filter_ids::kBandwidth, "", 80, 24, 60, 12},
    {ControlKind::Static, -1, "Wellenwiderstand", 8, 42, 70, 10},
    {ControlKind::Edit, filter_ids::kImpedance, "", 80, 40, 60, 12},
    {ControlKind::Static, -1, "Ripple in dB", 8, 58, 70, 10},
    {ControlKind::Edit, filter_ids::kRipple, "", 80, 56, 60, 12},
    {ControlKind::Static, -1, "Ordnung", 8, 74, 70, 10},
    {ControlKind::Edit, filter_ids::kOrder, "", 80, 72, 24, 12},
    {ControlKind::GroupBox, filter_ids::kKind, "Art", 8, 90, 132, 28},
    {ControlKind::RadioButton, filter_ids::kButterworth, "Butterworth", 14, 102, 56, 10, kGroup},
    {ControlKind::RadioButton, filter_ids::kChebyshev, "Tschebyscheff", 74, 102, 62, 10},
    {ControlKind::PushButton, 1, "OK", 14, 126, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Cancel", 84, 126, 50, 14},
};

constexpr ControlTemplate kLineLowPass[] = {
    {ControlKind::Static, -1, "Bezugsfrequenz", 8, 10, 60, 10},
    {ControlKind::Edit, line_lowpass_ids::kFrequency, "", 70, 8, 70, 12},
    {ControlKind::PushButton, 1, "OK", 14, 30, 50, 14, kDefault},
    {ControlKind::PushButton, 2, "Abbrechen", 84, 30, 50, 14},
};

constexpr DialogTemplate kDialogs[] = {
    {0, "LOWPASDIAG", "Tiefpaß", 148, 130, kLowPass},
    {0, "BANDPASDIAG", "Bandpaß", 148, 146, kBandPass},
    {line_lowpass_ids::kTemplate, nullptr, "Tiefpass -> TRL-Tiefpass", 148, 52, kLineLowPass},
};

}  // namespace

std::span<const DialogTemplate> SynthesisDialogs() { return kDialogs; }
