// What zuvexa-iq measures in one record of interleaved I/Q samples.
#pragma once

#include <complex>
#include <span>
#include <vector>

namespace zuvexaiq {

// Interleaved I, Q, I, Q, ... -> complex samples (an odd last value is dropped).
std::vector<std::complex<double>> ToComplex(std::span<const double> interleaved);

// Mean of |x|^2 in dB relative to full scale (|x| = 1); -infinity for silence
// or an empty record.
double MeanPowerDbfs(std::span<const std::complex<double>> samples);

struct Tone {
  double frequency = 0.0; // hertz relative to the carrier, negative below it
  double powerDbfs = 0.0; // power of the tone alone
};

// The strongest spectral component: a zero-padded FFT finds its bin, then
// the spectrum's peak is searched between the neighbouring bins, which
// places a single tone to a small fraction of a bin. sampleRate in hertz;
// an empty record gives a tone at 0 Hz with -infinity dBFS.
Tone FindStrongestTone(std::span<const std::complex<double>> samples, double sampleRate);

// In-place radix-2 FFT; the size must be a power of two.
void Fft(std::vector<std::complex<double>> &values);

} // namespace zuvexaiq
