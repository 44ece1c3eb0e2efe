#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "sampledisc/wav_writer.h"

namespace velocarta::sampledisc {

// A small deterministic synthesiser for the disc's car sounds: every voice is mixed into
// one mono track of floating-point samples, which `finish` scales to 16-bit PCM.
class Synth {
  public:
    using Curve = std::function<double(double)>;  // a value over time in seconds
    enum class Wave { Sine, Square, Saw };

    Synth(double seconds, int sampleRate, std::uint32_t seed);

    double seconds() const { return seconds_; }

    // An engine: firing pulses at `firing(t)` per second with a few harmonics, some
    // mechanical noise, and an amplitude curve.
    void engine(double from, double to, const Curve& firing, const Curve& level, double roughness);
    // A steady or gliding tone.
    void tone(double from, double to, const Curve& frequency, const Curve& level, Wave wave);
    // Noise through a one-pole low-pass filter with cut-off `brightness` (0..1).
    void noise(double from, double to, const Curve& level, double brightness);
    // A band of noise around `frequency` (tyre squeal, jet whine).
    void squeal(double from, double to, const Curve& frequency, const Curve& level);
    // A short decaying hit: a low thump and a crack of noise.
    void bang(double at, double level, double thumpHz, double decay);

    // Fades the ends and scales the loudest sample to `peak` of full scale.
    PcmSound finish(double peak = 0.8) const;

    // A car passing a listener: loudness and the Doppler factor at time t for a car at
    // `speed` m/s passing at `distance` m at time `at`.
    static double PassbyLevel(double t, double at, double speed, double distance);
    static double PassbyPitch(double t, double at, double speed, double distance);

  private:
    double random();  // -1 .. 1
    std::size_t index(double t) const;

    double seconds_;
    int rate_;
    std::uint32_t state_;
    std::vector<double> mix_;
};

// Curves for the recipes.
Synth::Curve Constant(double value);
// Straight from `a` at `t0` to `b` at `t1`, flat outside.
Synth::Curve Ramp(double t0, double a, double t1, double b);
// Rises in `attack` seconds, holds, and falls in `release` seconds before `end`.
Synth::Curve Envelope(double start, double attack, double end, double release, double level);

}  // namespace velocarta::sampledisc
