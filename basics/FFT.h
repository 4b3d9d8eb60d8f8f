#pragma once
// Fast Fourier transform of the spectrum analyser and the oscilloscope. The half spectrum and
// its inverse (CVektor::SetSpectrum, CVektor::InverseSpectrum) are built on it, but for the
// half spectrum of a power-of-two count, which FFTW's real transform gives.

// Transforms nn complex points in place. data holds them interleaved (re, im) from index 1 to
// 2*nn; index 0 is unused. isign = +1 uses the kernel e^(-j2pi km/nn), -1 e^(+j2pi km/nn); there
// is no scaling. A power of two runs the radix-2 FFT, any other count a direct DFT.
void FftInPlace(double* data, int nn, int isign);

