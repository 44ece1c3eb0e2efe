#include "sampledisc/synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velocarta::sampledisc {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kSpeedOfSound = 343.0;
}  // namespace

Synth::Curve Constant(double value) {
    return [value](double) { return value; };
}

Synth::Curve Ramp(double t0, double a, double t1, double b) {
    return [=](double t) {
        if (t <= t0) {
            return a;
        }
        if (t >= t1) {
            return b;
        }
        return a + (b - a) * (t - t0) / (t1 - t0);
    };
}

Synth::Curve Envelope(double start, double attack, double end, double release, double level) {
    return [=](double t) {
        if (t < start || t > end) {
            return 0.0;
        }
        const double rise = attack > 0 ? std::min(1.0, (t - start) / attack) : 1.0;
        const double fall = release > 0 ? std::min(1.0, (end - t) / release) : 1.0;
        return level * rise * fall;
    };
}

Synth::Synth(double seconds, int sampleRate, std::uint32_t seed)
    : seconds_(seconds),
      rate_(sampleRate),
      state_(seed == 0 ? 0x9E3779B9U : seed),
      mix_(static_cast<std::size_t>(seconds * sampleRate), 0.0) {}

double Synth::random() {
    // xorshift32: the same noise on every run
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483647.5 - 1.0;
}

std::size_t Synth::index(double t) const {
    return static_cast<std::size_t>(std::clamp(t, 0.0, seconds_) * rate_);
}

void Synth::engine(double from, double to, const Curve& firing, const Curve& level,
                   double roughness) {
    double phase = 0.0;
    double rumble = 0.0;
    const std::size_t end = std::min(index(to), mix_.size());
    for (std::size_t i = index(from); i < end; ++i) {
        const double t = static_cast<double>(i) / rate_;
        phase += kTwoPi * firing(t) / rate_;
        // Each firing is a sharp pulse; harmonics give the body, noise the rasp.
        const double half = 0.5 + 0.5 * std::cos(phase);
        const double pulse = half * half * half * half * half * half;
        const double body = 0.6 * std::sin(phase) + 0.3 * std::sin(2 * phase + 0.4) +
                            0.15 * std::sin(3 * phase + 1.1) + 0.1 * std::sin(0.5 * phase);
        rumble += 0.3 * (random() - rumble);
        mix_[i] += level(t) * (0.5 * body + 0.6 * pulse + roughness * rumble * (0.4 + pulse));
    }
}

void Synth::tone(double from, double to, const Curve& frequency, const Curve& level, Wave wave) {
    double phase = 0.0;
    const std::size_t end = std::min(index(to), mix_.size());
    for (std::size_t i = index(from); i < end; ++i) {
        const double t = static_cast<double>(i) / rate_;
        phase += frequency(t) / rate_;
        phase -= std::floor(phase);
        double value = 0.0;
        switch (wave) {
            case Wave::Sine:
                value = std::sin(kTwoPi * phase);
                break;
            case Wave::Square:
                // softened square: the first three odd harmonics
                value = std::sin(kTwoPi * phase) + std::sin(3 * kTwoPi * phase) / 3 +
                        std::sin(5 * kTwoPi * phase) / 5;
                break;
            case Wave::Saw:
                value = std::sin(kTwoPi * phase) + std::sin(2 * kTwoPi * phase) / 2 +
                        std::sin(3 * kTwoPi * phase) / 3 + std::sin(4 * kTwoPi * phase) / 4;
                break;
        }
        mix_[i] += level(t) * value;
    }
}

void Synth::noise(double from, double to, const Curve& level, double brightness) {
    double filtered = 0.0;
    const std::size_t end = std::min(index(to), mix_.size());
    for (std::size_t i = index(from); i < end; ++i) {
        const double t = static_cast<double>(i) / rate_;
        filtered += brightness * (random() - filtered);
        mix_[i] += level(t) * filtered;
    }
}

void Synth::squeal(double from, double to, const Curve& frequency, const Curve& level) {
    double phase = 0.0;
    double wobble = 0.0;
    const std::size_t end = std::min(index(to), mix_.size());
    for (std::size_t i = index(from); i < end; ++i) {
        const double t = static_cast<double>(i) / rate_;
        wobble += 0.002 * (random() - wobble);
        phase += kTwoPi * frequency(t) * (1.0 + 2.0 * wobble) / rate_;
        mix_[i] += level(t) * (std::sin(phase) * (0.8 + 0.2 * random()));
    }
}

void Synth::bang(double at, double level, double thumpHz, double decay) {
    const std::size_t end = std::min(index(at + 6 * decay), mix_.size());
    double crack = 0.0;
    for (std::size_t i = index(at); i < end; ++i) {
        const double dt = static_cast<double>(i) / rate_ - at;
        const double fade = std::exp(-dt / decay);
        crack += 0.5 * (random() - crack);
        mix_[i] += level * fade * (0.7 * std::sin(kTwoPi * thumpHz * dt) + 0.8 * crack * fade);
    }
}

PcmSound Synth::finish(double peak) const {
    double loudest = 1e-9;
    for (const double v : mix_) {
        loudest = std::max(loudest, std::abs(v));
    }
    const double scale = peak * 32767.0 / loudest;
    const std::size_t fade = static_cast<std::size_t>(rate_ / 200);  // 5 ms
    PcmSound sound;
    sound.sampleRate = rate_;
    sound.samples.resize(mix_.size());
    for (std::size_t i = 0; i < mix_.size(); ++i) {
        double gain = 1.0;
        if (i < fade) {
            gain = static_cast<double>(i) / fade;
        } else if (mix_.size() - i <= fade) {
            gain = static_cast<double>(mix_.size() - i - 1) / fade;
        }
        sound.samples[i] = static_cast<std::int16_t>(std::lround(mix_[i] * scale * gain));
    }
    return sound;
}

double Synth::PassbyLevel(double t, double at, double speed, double distance) {
    const double x = speed * (t - at);
    return distance / std::sqrt(x * x + distance * distance);
}

double Synth::PassbyPitch(double t, double at, double speed, double distance) {
    const double x = speed * (t - at);
    const double towards = -speed * x / std::sqrt(x * x + distance * distance);
    return kSpeedOfSound / (kSpeedOfSound - towards);
}

}  // namespace velocarta::sampledisc
