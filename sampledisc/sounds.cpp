#include "sampledisc/sounds.h"

#include <array>
#include <cmath>

#include "sampledisc/synth.h"

namespace velocarta::sampledisc {

namespace {

using Wave = Synth::Wave;

// An engine passing the listener: firing rate and loudness follow the Doppler curve.
void Passby(Synth& s, double at, double speed, double firing, double roughness,
            double level = 1.0) {
    s.engine(
        0, s.seconds(), [=](double t) { return firing * Synth::PassbyPitch(t, at, speed, 6.0); },
        [=](double t) { return level * std::pow(Synth::PassbyLevel(t, at, speed, 6.0), 1.5); },
        roughness);
}

void Horn(Synth& s, double from, double to, double low, double high, double level) {
    const auto envelope = Envelope(from, 0.01, to, 0.03, level);
    s.tone(from, to, Constant(low), envelope, Wave::Square);
    s.tone(from, to, Constant(high), envelope, Wave::Square);
}

PcmSound Backfiring() {
    Synth s(1.1, kSoundRate, 11);
    s.engine(0, 1.1, Constant(38), Constant(0.25), 0.4);
    s.bang(0.12, 1.0, 70, 0.05);
    s.bang(0.48, 0.8, 60, 0.06);
    s.bang(0.63, 1.0, 75, 0.05);
    return s.finish();
}

PcmSound CarDoor() {
    Synth s(0.9, kSoundRate, 12);
    s.bang(0.05, 0.4, 900, 0.01);    // the handle
    s.bang(0.30, 1.0, 85, 0.07);     // the slam
    s.bang(0.33, 0.5, 2400, 0.008);  // the latch
    return s.finish();
}

PcmSound CarHorns() {
    Synth s(1.2, kSoundRate, 13);
    Horn(s, 0.05, 0.40, 370, 466, 0.5);
    Horn(s, 0.55, 1.10, 330, 415, 0.5);
    return s.finish();
}

PcmSound Traffic() {
    Synth s(1.3, kSoundRate, 14);
    s.noise(0, 1.3, Constant(0.5), 0.05);
    s.engine(0, 1.3, Ramp(0, 24, 1.3, 30), Constant(0.3), 0.5);
    Horn(s, 0.30, 0.55, 420, 530, 0.2);
    Horn(s, 0.80, 0.95, 300, 380, 0.25);
    return s.finish();
}

PcmSound PoliceCar() {
    Synth s(1.4, kSoundRate, 15);
    s.tone(
        0, 1.4, [](double t) { return 950 + 350 * std::sin(2 * 3.14159 * 1.4 * t); }, Constant(0.6),
        Wave::Saw);
    s.engine(0, 1.4, Constant(45), Constant(0.2), 0.3);
    return s.finish();
}

PcmSound TaxiHorns() {
    Synth s(1.0, kSoundRate, 16);
    for (int i = 0; i < 4; ++i) {
        Horn(s, 0.05 + 0.22 * i, 0.18 + 0.22 * i, 520, 620, 0.5);
    }
    return s.finish();
}

PcmSound SportCar() {
    Synth s(1.2, kSoundRate, 17);
    s.engine(
        0, 1.2, [](double t) { return 50 + 180 * std::pow(std::sin(3.14159 * t / 1.2), 2); },
        Constant(0.8), 0.25);
    return s.finish();
}

PcmSound EighteenWheeler() {
    Synth s(1.4, kSoundRate, 18);
    const auto air = Envelope(0.1, 0.05, 1.2, 0.15, 0.35);
    s.tone(0, 1.4, Constant(155), air, Wave::Saw);
    s.tone(0, 1.4, Constant(196), air, Wave::Saw);
    s.tone(0, 1.4, Constant(233), air, Wave::Saw);
    s.engine(0, 1.4, Constant(18), Constant(0.4), 0.7);
    return s.finish();
}

PcmSound PeelOut() {
    Synth s(1.2, kSoundRate, 19);
    s.engine(0, 1.2, Ramp(0, 60, 0.8, 220), Constant(0.6), 0.3);
    s.squeal(0.1, 1.0, Ramp(0.1, 1900, 1.0, 2300), Envelope(0.1, 0.05, 1.0, 0.3, 0.45));
    s.noise(0.1, 1.0, Envelope(0.1, 0.05, 1.0, 0.3, 0.4), 0.4);
    return s.finish();
}

PcmSound AtTheTrack() {
    Synth s(1.3, kSoundRate, 20);
    s.noise(0, 1.3, Constant(0.3), 0.1);  // the crowd
    Passby(s, 0.45, 60, 210, 0.2, 0.8);
    Passby(s, 0.85, 55, 190, 0.2, 0.6);
    return s.finish();
}

PcmSound RaceCarPassby() {
    Synth s(1.2, kSoundRate, 21);
    Passby(s, 0.6, 75, 230, 0.3);
    return s.finish();
}

PcmSound RaceCar1() {
    Synth s(1.0, kSoundRate, 22);
    s.engine(
        0, 1.0, [](double t) { return 180 + 60 * std::sin(2 * 3.14159 * 2.5 * t); }, Constant(0.8),
        0.2);
    return s.finish();
}

PcmSound RaceCar2() {
    Synth s(1.0, kSoundRate, 23);
    s.engine(0, 1.0, Ramp(0, 240, 1.0, 300), Constant(0.6), 0.1);
    s.tone(0, 1.0, Ramp(0, 2400, 1.0, 3000), Constant(0.15), Wave::Sine);  // the turbine whine
    return s.finish();
}

PcmSound Motorcycle() {
    Synth s(1.1, kSoundRate, 24);
    s.engine(0, 1.1, Ramp(0, 22, 1.1, 70), Constant(0.8), 0.6);
    return s.finish();
}

PcmSound Batmobile() {
    Synth s(1.3, kSoundRate, 25);
    s.noise(0, 1.3, Envelope(0, 0.4, 1.3, 0.2, 0.8), 0.25);
    s.tone(0, 1.3, Ramp(0, 900, 1.3, 3200), Envelope(0, 0.3, 1.3, 0.2, 0.2), Wave::Sine);
    s.engine(0, 1.3, Constant(30), Constant(0.25), 0.4);
    return s.finish();
}

PcmSound VantrelBurble() {
    Synth s(1.2, kSoundRate, 26);
    // A V8 at idle fires unevenly: two engines a little apart.
    s.engine(0, 1.2, Constant(41), Constant(0.6), 0.5);
    s.engine(0, 1.2, Constant(20.5), Constant(0.4), 0.3);
    return s.finish();
}

PcmSound SecondBurble() {
    Synth s(1.2, kSoundRate, 27);
    s.engine(
        0, 1.2, [](double t) { return t < 0.5 ? 36.0 : 36 + 160 * (t - 0.5); }, Constant(0.7),
        0.45);
    return s.finish();
}

PcmSound CarsStarting() {
    Synth s(1.4, kSoundRate, 28);
    // The starter cranks at about eight turns a second, then the engine catches.
    s.tone(
        0, 0.6, Constant(190), [](double t) { return 0.3 * (0.6 + 0.4 * std::sin(50 * t)); },
        Wave::Saw);
    s.engine(0.55, 1.4, Ramp(0.55, 90, 0.8, 42), Envelope(0.55, 0.05, 1.4, 0.05, 0.8), 0.4);
    return s.finish();
}

PcmSound Passby() {
    Synth s(1.1, kSoundRate, 29);
    Passby(s, 0.55, 30, 95, 0.35);
    return s.finish();
}

PcmSound Torvale() {
    Synth s(1.2, kSoundRate, 30);
    s.engine(0, 1.2, Ramp(0, 45, 0.6, 150), Constant(0.7), 0.35);
    s.engine(0.6, 1.2, Ramp(0.6, 110, 1.2, 160), Constant(0.3), 0.2);
    return s.finish();
}

PcmSound ZrStarting() {
    Synth s(1.3, kSoundRate, 31);
    s.tone(
        0, 0.4, Constant(240), [](double t) { return 0.35 * (0.6 + 0.4 * std::sin(70 * t)); },
        Wave::Saw);
    s.engine(
        0.35, 1.3, [](double t) { return 60 + 120 * std::exp(-5 * (t - 0.35)); },
        Envelope(0.35, 0.02, 1.3, 0.05, 0.8), 0.25);
    return s.finish();
}

PcmSound Motorcycle2() {
    Synth s(1.2, kSoundRate, 32);
    Passby(s, 0.6, 35, 75, 0.7);
    return s.finish();
}

PcmSound HotRod() {
    Synth s(1.2, kSoundRate, 33);
    s.engine(
        0, 1.2, [](double t) { return 32 + 8 * std::sin(2 * 3.14159 * 1.7 * t); }, Constant(0.8),
        0.8);
    s.bang(0.9, 0.4, 65, 0.04);
    return s.finish();
}

PcmSound RedLight() {
    Synth s(1.4, kSoundRate, 34);
    s.engine(
        0, 1.4, [](double t) { return t < 0.6 ? 38.0 : 38 + 200 * (t - 0.6); },
        Ramp(0.5, 0.4, 1.0, 0.9), 0.35);
    return s.finish();
}

PcmSound KiteFlatSix() {
    Synth s(1.1, kSoundRate, 35);
    s.engine(0, 1.1, Ramp(0, 110, 1.1, 260), Constant(0.6), 0.15);
    s.tone(0, 1.1, Ramp(0, 330, 1.1, 780), Constant(0.12), Wave::Saw);
    return s.finish();
}

PcmSound HalderCobra() {
    Synth s(1.2, kSoundRate, 36);
    s.engine(0, 1.2, Ramp(0, 55, 1.2, 125), Constant(0.9), 0.6);
    s.bang(0.3, 0.3, 55, 0.03);
    return s.finish();
}

PcmSound StuckOnIce() {
    Synth s(1.4, kSoundRate, 37);
    s.engine(
        0, 1.4, [](double t) { return 90 + 40 * std::sin(2 * 3.14159 * 2 * t); }, Constant(0.5),
        0.3);
    s.squeal(
        0, 1.4, [](double t) { return 700 + 200 * std::sin(2 * 3.14159 * 2 * t); }, Constant(0.35));
    return s.finish();
}

constexpr std::array<SoundEffect, 27> kEffects{{
    {"backfrng.wav", "Backfiring", Backfiring},
    {"car_door.wav", "Car Door", CarDoor},
    {"carhorns.wav", "Car Horns", CarHorns},
    {"horns.wav", "Traffic", Traffic},
    {"cop-car.wav", "Police Car", PoliceCar},
    {"taxi.wav", "Taxi Horns", TaxiHorns},
    {"sportcar.wav", "Sport Car", SportCar},
    {"18wheelr.wav", "18 Wheeler", EighteenWheeler},
    {"peel-out.wav", "Race Car Takeoff", PeelOut},
    {"Track2.wav", "At the Track", AtTheTrack},
    {"nascar.wav", "Race Car Passby", RaceCarPassby},
    {"racecar.wav", "Race Car 1", RaceCar1},
    {"indy-car.wav", "Race Car 2", RaceCar2},
    {"mcycle.wav", "Motorcycle", Motorcycle},
    {"batmoble.wav", "Batmobile", Batmobile},
    {"62rvale.wav", "Vantrel", VantrelBurble},
    {"63rvale.wav", "Camaro", SecondBurble},
    {"rvalstart.wav", "Cars Starting", CarsStarting},
    {"passby.wav", "Passby", Passby},
    {"torvale.wav", "Torvale C5", Torvale},
    {"zr1start.wav", "ZR-1 Starting", ZrStarting},
    {"motorcyc2.wav", "Motorcycle 2", Motorcycle2},
    {"hot_rod.wav", "Hot Rod", HotRod},
    {"red_lght.wav", "Red Light", RedLight},
    {"porche.wav", "Vantrel Kite I", KiteFlatSix},
    {"stealth.wav", "Halder Cobra", HalderCobra},
    {"stuck.wav", "Stuck on Ice", StuckOnIce},
}};

}  // namespace

std::span<const SoundEffect> SoundEffects() {
    return kEffects;
}

PcmSound StartupPassby() {
    Synth s(2.0, kSoundRate, 40);
    Passby(s, 1.0, 28, 88, 0.35);
    s.tone(0, 0.5, Constant(523.25), Envelope(0, 0.01, 0.5, 0.3, 0.15), Wave::Sine);
    s.tone(0.15, 0.7, Constant(659.25), Envelope(0.15, 0.01, 0.7, 0.3, 0.15), Wave::Sine);
    return s.finish();
}

PcmSound MovieSoundtrack(int index, double seconds) {
    Synth s(seconds, kSoundRate, 100 + static_cast<std::uint32_t>(index));
    // A little fanfare for the title, then the car.
    const double base = 262.0 * std::pow(2.0, index / 12.0);
    s.tone(0, 0.9, Constant(base), Envelope(0, 0.02, 0.9, 0.3, 0.25), Wave::Square);
    s.tone(0.3, 0.9, Constant(base * 1.25), Envelope(0.3, 0.02, 0.9, 0.3, 0.2), Wave::Square);
    s.tone(0.6, 1.2, Constant(base * 1.5), Envelope(0.6, 0.02, 1.2, 0.4, 0.2), Wave::Square);
    const double at = 1.0 + (seconds - 1.0) / 2;
    s.engine(
        0.8, seconds,
        [=](double t) { return (40 + 6 * index) * Synth::PassbyPitch(t, at, 25, 5.0); },
        [=](double t) { return std::pow(Synth::PassbyLevel(t, at, 25, 5.0), 1.5); }, 0.3);
    return s.finish(0.7);
}

}  // namespace velocarta::sampledisc
