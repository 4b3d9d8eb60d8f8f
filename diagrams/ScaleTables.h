#pragma once
// The value-per-division steps that several diagram kinds offer alike: the linear steps of the
// magnitude, polar and plane diagrams, and the decibel steps of the logarithmic ones (the last
// step repeated to fill the table).

namespace scale_tables {

inline constexpr float kLinear[20] = {0.001f, 0.005f, 0.01f,  0.025f, 0.05f,  0.1f,   0.25f,
                                      0.5f,   0.75f,  1.0f,   2.0f,   5.0f,   10.0f,  25.0f,
                                      50.0f,  100.0f, 250.0f, 500.0f, 750.0f, 1000.0f};
inline constexpr float kDecibel[20] = {0.01f, 0.05f, 0.1f,  0.2f,   0.25f,  0.5f,  1.0f,
                                       2.0f,  2.5f,  5.0f,  7.5f,   10.0f,  15.0f, 20.0f,
                                       25.0f, 50.0f, 75.0f, 100.0f, 100.0f, 100.0f};

}  // namespace scale_tables
