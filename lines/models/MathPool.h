#pragma once
// Line physics shared by the line elements: metal losses, the microstrip analysis (static
// Hammerstad-Jensen with thickness correction, Kirschning-Jansen dispersion, Kirschning-
// Jansen-Koster open end), the equivalent planar waveguide and the coupled microstrip pair.
// Stateless; elements derive from it beside their network base and call it as members.
//
// Inputs outside a formula's domain never produce NaN or infinity: the microstrip analyses
// leave their results as they were and say so, the scalar formulas answer 0.

#include "basics/Cmplx.h"
#include "lines/models/SubstrateData.h"

// Impedance (ohm), effective permittivity and open-end extension (mm) of one line or mode.
struct MicrostripResult {
  double Z0 = 50.0;
  double eps = 1.0;
  double dl = 0.0;
};

// Either (width, permittivity) of a parallel-plate line or (impedance, effective
// permittivity) of a microstrip; see ParallelPlateImpedance.
struct ParallelPlatePair {
  double y;
  double eps;
};

class MathPool {
 public:
  static constexpr double kPi = 3.14159265358979;
  static constexpr double kTwoPi = 6.28318530717958;
  static constexpr double kLightSpeed = 299792458.0;
  static constexpr double kFreeSpaceImpedance = 376.991;
  static constexpr double kMu0 = 4 * kPi * 1e-7;
  // The least series impedance of a through (ohm). Lines and junction arms whose series
  // impedance vanishes at 0 Hz stand as this resistance there: small beside any port
  // resistance (a matched through keeps S21 = 1 - 1e-8), yet its conductance leaves about
  // eight digits to the other admittances at the same node and to the port conversions.
  static constexpr double kThroughResistance = 1e-6;

  // Range flags of CalcCoupledMicrostrip. Only kCplNoResult means the results were not set.
  enum CoupledRange {
    kCplNarrow = 1,         // W/h below 0.1
    kCplWide = 2,           // W/h above 10
    kCplSmallGap = 4,       // S/h below 0.1
    kCplPermittivity = 8,   // ER below 1 or above 18
    kCplHighFrequency = 16, // f*h above 25 GHz mm
    kCplNoResult = 32,      // no finite result: both results left unchanged
  };

  // CU, AU, AG in any case; anything else counts as copper. S/m.
  static double GetConductivity(const char* metal);
  // Frequency in Hz. Both give 0 when conductivity, permeability or frequency is not positive.
  static double SkinDepth(double sigma, double mur, double f);
  static double SurfaceResistance(double sigma, double mur, double f);
  // (pi/2) times the normalised static parallel-plate width; 0 unless w, h > 0.
  static double StaticEffectiveWidth(double w, double h);
  // 376.991 x / (sqrt(eps) y); 0 when sqrt(eps) y is not positive.
  static double ParallelPlateImpedance(const ParallelPlatePair& pair, double x);

  // f in GHz, w in mm. False, with the result untouched, for a negative frequency or
  // thickness, ER below 1, a width or height that is not positive, or no finite result.
  static bool CalcMicrostrip(MicrostripResult& result, const SubstrateData& sub, double f,
                             double w);
  // z, raised to the magnitude kThroughResistance where it is smaller; its direction is kept
  // (a vanishing reactance stays a reactance), and 0 becomes the resistance.
  static Cmplx ThroughImpedance(const Cmplx& z);
  // Kind 'E' the diagonal entry, 'T' the transfer entry; any other letter leaves result. The
  // series arm Z0 sinh(gamma l) of the line's pi equivalent is a ThroughImpedance, so a line
  // of no electrical length is a through.
  static void LineAdmittance(Cmplx& result, double Z0, double alpha, double beta,
                             double length, char kind);
  // Input admittance of a stub: end 'O' open, tanh(gamma l) / Z0; any other letter
  // short-circuited, the diagonal entry of LineAdmittance.
  static Cmplx StubAdmittance(double Z0, double alpha, double beta, double length, char end);
  // Dielectric attenuation in Np/m with the microstrip filling factor; f in Hz.
  static double DielectricAttenuation(double f, double epsEff, double er, double tand);
  // Width and length in metres, f in GHz; no conductor loss. False, with Y11 and Y12
  // untouched, when CalcMicrostrip fails.
  static bool MicrostripLineY(Cmplx& Y11, Cmplx& Y12, double w, double length,
                              const SubstrateData& sub, double f);

  // Metres and Hz. Returns result; leaves it for eps not positive, f negative or a mode
  // width w/n that is negative.
  static Cmplx PlanarWaveguideModeImpedance(Cmplx& result, float w, float eps, int n, float f);
  // mm in, GHz out; 0 unless w, h > 0 and er >= 1.
  static double MicrostripCharFrequency(int mode, double w, double h, double er);
  // mm and GHz; 0 outside the domain of MicrostripCharFrequency or for f < 0.
  static double EffectiveWidth(double w, double h, double er, double f);

  // f in GHz, W and S in mm. Returns the CoupledRange flags of the inputs.
  static int CalcCoupledMicrostrip(MicrostripResult& even, MicrostripResult& odd,
                                   const SubstrateData& sub, double f, double W, double S);
};
