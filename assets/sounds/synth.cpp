// SPDX-License-Identifier: MIT
// Tonvale sound synthesizer.
//
// Renders every sound clip of the game from the recipes at the bottom of this file:
//
//     tonvale_synth OUTDIR      writes OUTDIR/RESOURCE_ID_101.wav ... RESOURCE_ID_133.wav
//
// All clips are 44.1 kHz, 16-bit, mono PCM. Each is brought to the loudness of its kind (EBU R128
// / ITU-R BS.1770: every tune, fanfare and loop at -20 LUFS, so that they sound equally loud; the
// click and the reel's thud, soft by design, at -24), its peaks never above -3 dBFS. One-shot
// clips get a short fade at both ends; looping clips are rendered on a circular buffer (whatever
// rings past the end of the bar wraps into its start) so the loop point is as smooth as any other
// sample.
// Noise comes from a seeded generator, so every build writes exactly the same bytes.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
const double kPeak = std::pow(10.0, -3.0 / 20.0);  // -3 dBFS

double hz(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

// Small deterministic white-noise source (xorshift32), values in [-1, 1).
class Noise {
public:
    explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    double next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() + 1.0) * 0.5; }

private:
    std::uint32_t state_;
};

// One-pole filters, enough for shaping noise.
struct LowPass {
    double a, y = 0.0;
    explicit LowPass(double cutoff) : a(1.0 - std::exp(-kTwoPi * cutoff / kRate)) {}
    double operator()(double x) { return y += a * (x - y); }
};
struct HighPass {
    LowPass lp;
    explicit HighPass(double cutoff) : lp(cutoff) {}
    double operator()(double x) { return x - lp(x); }
};

// Linear attack and a raised-cosine release over the last `release` seconds of a note of `len`.
double gate(double t, double len, double attack, double release) {
    double g = t < attack ? t / attack : 1.0;
    const double left = len - t;
    if (left < release) g *= 0.5 - 0.5 * std::cos(kPi * std::max(left, 0.0) / release);
    return g;
}

// A mono sample buffer. Voices are added sample by sample; a looping track wraps around.
class Track {
public:
    Track(double seconds, bool loop = false)
        : Track(static_cast<std::size_t>(std::lround(seconds * kRate)), loop) {}
    Track(std::size_t samples, bool loop) : data_(samples, 0.0), loop_(loop) {}

    // Adds voice(t) for t in [0, len), starting `at` seconds into the track.
    template <class Voice>
    void play(double at, double len, Voice voice) {
        const std::size_t n = data_.size();
        const std::size_t start = static_cast<std::size_t>(std::lround(at * kRate));
        const std::size_t count = static_cast<std::size_t>(std::lround(len * kRate));
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t j = start + i;
            if (loop_)
                j %= n;
            else if (j >= n)
                break;
            data_[j] += voice(static_cast<double>(i) / kRate);
        }
    }

    double seconds() const { return static_cast<double>(data_.size()) / kRate; }
    bool loop() const { return loop_; }
    std::vector<double>& data() { return data_; }

private:
    std::vector<double> data_;
    bool loop_;
};

// ---------------------------------------------------------------------------------------------
// Instruments
// ---------------------------------------------------------------------------------------------

// Bell-like tone (celesta / glockenspiel): slightly stretched partials, the upper ones dying first.
void bell(Track& tr, double at, double note, double amp, double ring, double len) {
    const double f = hz(note);
    static constexpr std::array<std::array<double, 2>, 6> kParts{
        {{1.0, 1.0}, {2.0, 0.45}, {3.0, 0.2}, {4.16, 0.12}, {5.43, 0.07}, {6.79, 0.035}}};
    tr.play(at, len, [=](double t) {
        double v = 0.0;
        for (const auto& [ratio, a] : kParts)
            if (f * ratio < 16000.0)
                v += a * std::exp(-t * (1.0 + 0.9 * ratio) / ring) * std::sin(kTwoPi * f * ratio * t);
        return amp * gate(t, len, 0.002, std::min(0.02, len / 2)) * v;
    });
}

// Plucked harp string: harmonics shaped by the plucking point, the high ones decaying fastest.
void harp(Track& tr, double at, double note, double amp, double len, double sustain) {
    const double f = hz(note);
    std::array<double, 10> a{}, tau{};
    for (int n = 1; n <= 10; ++n) {
        a[n - 1] = f * n < 16000.0 ? std::abs(std::sin(kPi * n * 0.23)) / std::pow(n, 1.3) : 0.0;
        tau[n - 1] = sustain / (1.0 + 0.45 * (n - 1)) * std::pow(440.0 / f, 0.3);
    }
    tr.play(at, len, [=](double t) {
        double v = 0.0;
        for (int n = 1; n <= 10; ++n)
            v += a[n - 1] * std::exp(-t / tau[n - 1]) * std::sin(kTwoPi * f * n * t);
        return amp * gate(t, len, 0.0015, std::min(0.1, len / 2)) * v;
    });
}

// Soft, round tone: mostly sine with a touch of second and third harmonic.
void softTone(Track& tr, double at, double note, double amp, double len, double decay) {
    const double f = hz(note);
    tr.play(at, len, [=](double t) {
        const double w = kTwoPi * f * t;
        const double v = std::sin(w) + 0.22 * std::sin(2 * w) + 0.06 * std::sin(3 * w);
        return amp * gate(t, len, 0.02, std::min(0.08, len / 2)) * std::exp(-t / decay) * v;
    });
}

// Marimba: wooden bar with its typical 1 : 3.93 overtone and a knock at the strike.
void marimba(Track& tr, double at, double note, double amp, double len) {
    const double f = hz(note);
    tr.play(at, len, [=](double t) {
        const double w = kTwoPi * f * t;
        const double v = std::sin(w) * std::exp(-t / 0.3) + 0.35 * std::sin(3.93 * w) * std::exp(-t / 0.04) +
                         0.1 * std::sin(9.2 * w) * std::exp(-t / 0.008);
        return amp * gate(t, len, 0.001, std::min(0.1, len / 2)) * v;
    });
}

// Electric piano: tine tone with a bright strike and a gentle tremolo.
void epiano(Track& tr, double at, double note, double amp, double len) {
    const double f = hz(note);
    tr.play(at, len, [=](double t) {
        const double w = kTwoPi * f * t;
        const double body = (std::sin(w) + 0.3 * std::sin(2 * w) * std::exp(-t / 0.3)) * std::exp(-t / 0.5);
        const double tine = 0.25 * std::sin(7.0 * w) * std::exp(-t / 0.012);
        const double tremolo = 1.0 + 0.2 * std::sin(kTwoPi * 5.5 * t);
        return amp * gate(t, len, 0.001, std::min(0.12, len / 2)) * (body * tremolo + tine);
    });
}

// Brass: sawtooth-like harmonics that open up during the attack, with a late vibrato.
void brass(Track& tr, double at, double note, double amp, double len) {
    const double f = hz(note);
    tr.play(at, len, [=](double t) {
        const double bright = 0.45 + 0.35 * (1.0 - std::exp(-t / 0.05));
        const double vibDepth = t > 0.15 ? std::min(1.0, (t - 0.15) / 0.2) * 0.004 * f / 5.2 : 0.0;
        const double phase = kTwoPi * f * t + vibDepth * std::sin(kTwoPi * 5.2 * t);
        double v = 0.0, a = 1.0;
        for (int n = 1; n <= 16 && f * n < 15000.0; ++n, a *= bright) v += a / n * std::sin(n * phase);
        return amp * gate(t, len, 0.025, std::min(0.06, len / 2)) * (0.8 + 0.2 * std::exp(-t / 0.1)) * v;
    });
}

// Woodblock: a short knock with inharmonic modes.
void woodblock(Track& tr, double at, double f, double amp, double len) {
    tr.play(at, len, [=](double t) {
        const double w = kTwoPi * f * t;
        const double v = std::sin(w) * std::exp(-t / 0.009) +
                         0.5 * std::sin(2.76 * w) * std::exp(-t / 0.005) +
                         0.2 * std::sin(5.4 * w) * std::exp(-t / 0.0025);
        return amp * gate(t, len, 0.0008, 0.005) * v;
    });
}

// Muted thud: a low sine whose pitch drops, plus a dull puff of noise.
void thud(Track& tr, double at, double amp, double len, std::uint32_t seed) {
    tr.play(at, len, [=, noise = Noise(seed), lp = LowPass(400.0)](double t) mutable {
        const double phase = kTwoPi * (55.0 * t + 80.0 * 0.018 * (1.0 - std::exp(-t / 0.018)));
        const double body = std::sin(phase) * std::exp(-t / 0.022);
        const double puff = 2.5 * lp(noise.next()) * std::exp(-t / 0.008);
        return amp * gate(t, len, 0.001, 0.02) * (body + puff);
    });
}

// Bass drum.
void kick(Track& tr, double at, double amp) {
    const double len = 0.35;
    tr.play(at, len, [=](double t) {
        const double phase = kTwoPi * (48.0 * t + 110.0 * 0.03 * (1.0 - std::exp(-t / 0.03)));
        return amp * gate(t, len, 0.001, 0.04) * std::sin(phase) * std::exp(-t / 0.12);
    });
}

// Snare / clap: band-limited noise burst over a short tone.
void snare(Track& tr, double at, double amp, std::uint32_t seed) {
    const double len = 0.25;
    tr.play(at, len, [=, noise = Noise(seed), hp = HighPass(900.0), lp = LowPass(6000.0)](double t) mutable {
        const double rattle = lp(hp(noise.next())) * std::exp(-t / 0.06);
        const double tone = 0.5 * std::sin(kTwoPi * 190.0 * t) * std::exp(-t / 0.04);
        return amp * gate(t, len, 0.001, 0.03) * (rattle + tone);
    });
}

// Closed hi-hat or shaker: high-passed noise with a short envelope.
void hat(Track& tr, double at, double amp, double attack, double decay, std::uint32_t seed) {
    const double len = 0.09;
    tr.play(at, len,
            [=, noise = Noise(seed), hp1 = HighPass(5000.0), hp2 = HighPass(5000.0)](double t) mutable {
                return amp * gate(t, len, attack, 0.02) * hp2(hp1(noise.next())) * std::exp(-t / decay);
            });
}

// Plucked bass.
void bass(Track& tr, double at, double note, double amp, double len) {
    const double f = hz(note);
    tr.play(at, len, [=](double t) {
        const double w = kTwoPi * f * t;
        const double v = std::sin(w) + 0.4 * std::sin(2 * w) * std::exp(-t / 0.1) +
                         0.15 * std::sin(3 * w) * std::exp(-t / 0.05);
        return amp * gate(t, len, 0.004, std::min(0.03, len / 2)) * std::exp(-t / 0.25) * v;
    });
}

// Tick of the jackpot ball hopping over the frets: a fret that rings a little after the hit, so
// that the ticks are as loud as the game's other sounds without a harsh peak.
void tick(Track& tr, double at, double f, double amp) {
    const double len = 0.06;
    tr.play(at, len, [=](double t) {
        const double v = std::sin(kTwoPi * f * t) * std::exp(-t / 0.012) +
                         0.5 * std::sin(kTwoPi * 1.73 * f * t) * std::exp(-t / 0.004);
        return amp * gate(t, len, 0.0005, 0.01) * v;
    });
}

// One coin hitting the tray: a small metal disc with a few inharmonic modes (each a beating pair).
void clink(Track& tr, double at, double f, double amp, double decayScale) {
    const double len = 0.3;
    static constexpr std::array<std::array<double, 3>, 4> kModes{
        {{1.0, 1.0, 0.09}, {1.47, 0.6, 0.06}, {2.09, 0.4, 0.04}, {2.76, 0.25, 0.03}}};
    tr.play(at, len, [=](double t) {
        double v = 0.0;
        for (const auto& [ratio, a, tau] : kModes) {
            const double fm = f * ratio;
            if (fm > 16000.0) continue;
            v += a * std::exp(-t / (tau * decayScale)) *
                 (std::sin(kTwoPi * fm * t) + 0.6 * std::sin(kTwoPi * (fm + 7.0) * t));
        }
        return amp * gate(t, len, 0.0005, 0.02) * v;
    });
}

// Cymbal swell: bright noise with metallic partials, rising to its top at `rise`, then dying away.
void cymbal(Track& tr, double at, double amp, double rise, double decay, double len, std::uint32_t seed) {
    Noise partialRng(seed ^ 0xA5A5A5A5u);
    std::array<double, 6> freq{};
    for (auto& fr : freq) fr = partialRng.uniform(3200.0, 9000.0);
    tr.play(at, len,
            [=, noise = Noise(seed), hp1 = HighPass(3000.0), hp2 = HighPass(3000.0)](double t) mutable {
                const double env = t < rise ? (t / rise) * (t / rise) : std::exp(-(t - rise) / decay);
                double metal = 0.0;
                for (double fr : freq) metal += std::sin(kTwoPi * fr * t);
                const double v = hp2(hp1(noise.next())) + 0.04 * metal;
                return amp * gate(t, len, 0.0, 0.05) * env * v;
            });
}

// Big brass bell: hum, prime, minor third, fifth and nominal, each partial a slowly beating pair,
// with a short bright strike.
void brassBell(Track& tr, double at, double note, double amp, double len, std::uint32_t seed) {
    const double f = hz(note);
    static constexpr std::array<std::array<double, 3>, 10> kParts{{{0.5, 0.35, 1.6},
                                                                   {1.0, 1.0, 1.1},
                                                                   {1.183, 0.5, 0.9},
                                                                   {1.506, 0.35, 0.7},
                                                                   {2.0, 0.6, 0.6},
                                                                   {2.51, 0.3, 0.35},
                                                                   {2.74, 0.25, 0.3},
                                                                   {3.01, 0.22, 0.25},
                                                                   {4.07, 0.15, 0.15},
                                                                   {5.2, 0.1, 0.1}}};
    tr.play(at, len, [=, noise = Noise(seed), hp = HighPass(4000.0)](double t) mutable {
        double v = 0.0;
        for (const auto& [ratio, a, tau] : kParts) {
            const double fp = f * ratio;
            if (fp > 16000.0) continue;
            v += a * std::exp(-t / tau) *
                 (std::sin(kTwoPi * fp * t) + std::sin(kTwoPi * (fp + 0.9 * ratio) * t));
        }
        v += 1.2 * hp(noise.next()) * std::exp(-t / 0.004);
        return amp * gate(t, len, 0.0008, std::min(0.05, len / 2)) * v;
    });
}

// ---------------------------------------------------------------------------------------------
// Recipes
// ---------------------------------------------------------------------------------------------

// The twelve win tiers (k = 0 smallest .. 11 largest): a rising arpeggio on the bell, longer and
// fuller as the win grows; from tier 5 on it lands on a chord, from tier 8 on with a pad below.
Track winTier(int k) {
    const double length = 0.3 + 0.2 * k;
    const int notes = 3 + k;
    const int base = k < 4 ? 72 : k < 8 ? 60 : 48;
    const auto tone = [base](int i) { return base + 12 * (i / 3) + std::array{0, 4, 7}[i % 3]; };
    const double step = std::min(0.085, 0.5 * length / notes);
    const double ring = 0.12 + 0.04 * k;
    Track tr(length);
    for (int i = 0; i < notes; ++i) {
        const double at = i * step;
        const double amp = 0.6 + 0.4 * i / notes;
        bell(tr, at, tone(i), amp, ring, length - at);
        if (k >= 2 && tone(i) - 12 >= 48) bell(tr, at, tone(i) - 12, 0.3 * amp, ring, length - at);
    }
    if (k >= 5) {
        const double at = notes * step;
        const double chordRing = 1.9 * (length - at) / 4.0;
        std::vector<int> chord{72, 76, 79, 84};
        if (k >= 8) chord.insert(chord.end(), {88, 60});
        if (k >= 11) chord.insert(chord.end(), {91, 96, 48});
        double strum = 0.0;  // a slight spread, like a chord struck by hand
        for (int n : chord) {
            bell(tr, at + strum, n, 0.7, chordRing, length - at - strum);
            strum += 0.006;
        }
        if (k >= 8)
            for (int n : {48, 55, 64}) softTone(tr, at, n, 0.35, length - at, (length - at) / 3.0);
    }
    return tr;
}

Track lowCredit() {  // gentle descending minor third
    Track tr(0.56);
    softTone(tr, 0.0, 76, 0.8, 0.24, 0.3);
    softTone(tr, 0.2, 73, 0.8, 0.36, 0.2);
    return tr;
}

Track reelStop() {
    Track tr(0.1);
    thud(tr, 0.0, 1.0, 0.1, 114);
    return tr;
}

Track buttonClick() {
    Track tr(0.045);
    woodblock(tr, 0.0, 1000.0, 1.0, 0.045);
    return tr;
}

Track suitWon() {  // marimba: G C E ... C-G on top
    Track tr(0.7);
    marimba(tr, 0.0, 79, 0.7, 0.3);
    marimba(tr, 0.09, 84, 0.8, 0.3);
    marimba(tr, 0.18, 88, 0.8, 0.3);
    marimba(tr, 0.3, 91, 1.0, 0.4);
    marimba(tr, 0.3, 84, 0.6, 0.4);
    return tr;
}

Track redWon() {  // electric piano: A D F# | A-D
    Track tr(0.75);
    epiano(tr, 0.0, 81, 0.7, 0.2);
    epiano(tr, 0.12, 86, 0.7, 0.2);
    epiano(tr, 0.24, 90, 0.7, 0.14);
    epiano(tr, 0.36, 93, 0.9, 0.39);
    epiano(tr, 0.36, 86, 0.6, 0.39);
    epiano(tr, 0.36, 74, 0.5, 0.39);
    return tr;
}

Track scatter(int reel) {  // reel 0..3: one pentatonic step higher each
    const double note = std::array{72, 74, 76, 79}[reel];
    Track tr(0.6);
    harp(tr, 0.0, note, 1.0, 0.6, 0.25);
    harp(tr, 0.0, note - 12, 0.35, 0.6, 0.25);
    return tr;
}

Track glissando() {  // five scatters: a harp sweep up two octaves, landing on a chord
    Track tr(1.5);
    static constexpr std::array kScale{0, 2, 4, 7, 9};
    double at = 0.0;
    for (int i = 0; i < 15; ++i) {
        harp(tr, at, 72 + 12 * (i / 5) + kScale[i % 5], 0.5 + 0.03 * i, 1.5 - at, 0.3);
        at += 0.045 - 0.0012 * i;
    }
    for (int n : {60, 72, 76, 79, 96}) harp(tr, at + 0.05, n, 0.8, 1.5 - at - 0.05, 0.45);
    return tr;
}

// Free-spin groove A: 120 BPM, one bar of 4/4 (exactly 88200 samples), C major, laid back.
Track grooveA() {
    const double beat = 0.5;
    Track tr(static_cast<std::size_t>(4 * 22050), true);
    for (double b : {0.0, 2.0, 2.75}) kick(tr, b * beat, 1.0);
    for (double b : {1.0, 3.0}) snare(tr, b * beat, 0.45, 1240 + static_cast<std::uint32_t>(b));
    for (int e = 0; e < 8; ++e) hat(tr, e * 0.5 * beat, e % 2 ? 0.3 : 0.18, 0.001, 0.018, 1300 + e);
    const std::array<int, 8> line{36, 36, 43, 46, 36, 48, 46, 43};
    for (int e = 0; e < 8; ++e) bass(tr, e * 0.5 * beat, line[e], 0.55, 0.22);
    for (double b : {1.5, 3.5})
        for (int n : {64, 67, 71, 74}) epiano(tr, b * beat, n, 0.16, 0.3);
    return tr;
}

// Free-spin groove B: 126 BPM (one bar = 84000 samples), A minor, four on the floor with a shaker.
Track grooveB() {
    const std::size_t sixteenth = 5250;
    const double s = static_cast<double>(sixteenth) / kRate;
    Track tr(16 * sixteenth, true);
    for (int b = 0; b < 4; ++b) kick(tr, 4 * b * s, 0.9);
    for (int i = 0; i < 16; ++i) hat(tr, i * s, i % 4 == 2 ? 0.3 : 0.14, 0.008, 0.03, 2200 + i);
    for (int b = 0; b < 4; ++b) bass(tr, (4 * b + 2) * s, b == 3 ? 43 : 45, 0.6, 0.2);
    const std::array<std::array<int, 2>, 6> riff{{{0, 81}, {3, 84}, {6, 88}, {8, 86}, {10, 84}, {13, 79}}};
    for (const auto& [pos, note] : riff) marimba(tr, pos * s, note, 0.35, 0.3);
    return tr;
}

// The big-win celebrations (k = 0 big, 1 huge, 2 mega): a brass fanfare climbing the C major
// triad over a bass, the bells answering in a run, a last chord held with a cymbal swell; each step
// longer, higher and fuller than the one below, all of them fuller than the largest win tier.
Track bigWin(int k) {
    const double length = 2.0 + 0.6 * k;
    Track tr(length);
    const int top = 72 + 5 * k;  // the fanfare's last note: C, F, A#-ish steps up
    const std::array<int, 4> call{60, 64, 67, 72};
    for (int i = 0; i < 4; ++i) {
        brass(tr, 0.12 * i, call[static_cast<std::size_t>(i)] + (k == 2 ? 5 : 0), 0.7, 0.11);
        brass(tr, 0.12 * i, call[static_cast<std::size_t>(i)] - 5 + (k == 2 ? 5 : 0), 0.35, 0.11);
    }
    const double land = 0.5;
    const double hold = length - land;
    const std::vector<int> chord = k == 0   ? std::vector<int>{60, 64, 67, 72}
                                   : k == 1 ? std::vector<int>{60, 64, 67, 72, 76, 79}
                                            : std::vector<int>{65, 69, 72, 77, 81, 84, 89};
    for (int n : chord) brass(tr, land, n, n == chord.back() ? 0.6 : 0.4, hold * 0.8);
    bass(tr, land, k == 2 ? 41 : 36, 0.6, hold * 0.7);
    // The bells run up over the held chord, more of them for a larger step.
    const int notes = 6 + 3 * k;
    for (int i = 0; i < notes; ++i) {
        const int n = top - 12 + 12 * (i / 3) + std::array{0, 4, 7}[static_cast<std::size_t>(i % 3)];
        bell(tr, land + 0.07 * i, std::min(n, 100), 0.45, 0.25, length - land - 0.07 * i);
    }
    if (k >= 1)
        cymbal(tr, land, 0.9 + 0.3 * k, 0.3, 0.5 + 0.2 * k, hold, 131 + static_cast<std::uint32_t>(k));
    if (k >= 2) brassBell(tr, land + 0.9, 84, 0.5, length - land - 0.9, 133);
    return tr;
}

Track freeSpinsAwarded() {  // brass fanfare: G G G C
    Track tr(1.2);
    for (int i = 0; i < 3; ++i) {
        brass(tr, 0.1 * i, 67, 0.7, 0.09);
        brass(tr, 0.1 * i, 64, 0.4, 0.09);
    }
    for (int n : {72, 67, 64, 48}) brass(tr, 0.3, n, n == 72 ? 0.8 : 0.45, 0.9);
    return tr;
}

Track ballRunning() {  // six ticks in 0.5 s, alternating fret pitch, looping
    Track tr(static_cast<std::size_t>(22050), true);
    for (int i = 0; i < 6; ++i) tick(tr, i * 3675.0 / kRate, i % 2 ? 2000.0 : 2400.0, i % 2 ? 0.7 : 1.0);
    return tr;
}

Track ballStops() {  // C major chord swelling with a cymbal
    Track tr(1.8);
    for (int n : {60, 64, 67, 72, 76}) {
        bell(tr, 0.0, n, 0.3, 0.5, 1.8);
        softTone(tr, 0.0, n, 0.25, 1.8, 0.8);
    }
    bass(tr, 0.0, 36, 0.5, 1.0);
    cymbal(tr, 0.0, 1.6, 0.4, 0.4, 1.8, 128);
    return tr;
}

Track jackpotBell() {  // two strikes of a big bright bell
    Track tr(2.2);
    brassBell(tr, 0.0, 79, 0.8, 2.2, 129);
    brassBell(tr, 0.4, 79, 0.65, 1.8, 130);
    return tr;
}

Track coinsDropping() {  // three coins bouncing in the tray
    Track tr(0.9);
    Noise rng(130);
    for (int c = 0; c < 3; ++c) {
        const double f = rng.uniform(2600.0, 3800.0);
        double at = 0.065 * c, gap = rng.uniform(0.09, 0.13), amp = 1.0;
        for (int bounce = 0; bounce < 6 && at < 0.6; ++bounce) {
            clink(tr, at, f * rng.uniform(0.995, 1.005), amp, bounce == 0 ? 1.0 : 0.6);
            at += gap;
            gap *= 0.72;
            amp *= 0.7;
        }
    }
    return tr;
}

// The loudness of each kind of clip, LUFS.
constexpr double kTune = -20.0;  // every tune, fanfare, pluck and loop
constexpr double kTick = -24.0;  // the button's click and the reel's thud, soft by design

struct Recipe {
    int id;
    const char* role;
    std::function<Track()> make;
    double lufs = kTune;
};

const std::vector<Recipe>& recipes() {
    static const std::vector<Recipe> all{
        {101, "win 1-25, gamble stake collected", [] { return winTier(0); }},
        {102, "win 61-100", [] { return winTier(2); }},
        {103, "win 101-150, black bet won", [] { return winTier(3); }},
        {104, "win 601-700", [] { return winTier(8); }},
        {105, "win 901-1210", [] { return winTier(10); }},
        {106, "program start, win 26-60", [] { return winTier(1); }},
        {107, "win 701-900", [] { return winTier(9); }},
        {108, "win 401-600", [] { return winTier(7); }},
        {109, "win 151-200", [] { return winTier(4); }},
        {110, "win 301-400", [] { return winTier(6); }},
        {111, "win 201-300", [] { return winTier(5); }},
        {112, "win 1211 or more", [] { return winTier(11); }},
        {113, "credit too low, gamble lost", lowCredit},
        {114, "reel comes to rest", reelStop, kTick},
        {115, "button click", buttonClick, kTick},
        {116, "suit bet won, free-spin total collected", suitWon},
        {117, "red bet won", redWon},
        {119, "scatter on reel 1", [] { return scatter(0); }},
        {120, "scatter on reel 2", [] { return scatter(1); }},
        {121, "scatter on reel 3", [] { return scatter(2); }},
        {122, "scatter on reel 4", [] { return scatter(3); }},
        {123, "five scatters", glissando},
        {124, "free-spin groove A (loop)", grooveA},
        {125, "free-spin groove B (loop)", grooveB},
        {126, "free spins awarded", freeSpinsAwarded},
        {127, "jackpot ball running (loop)", ballRunning},
        {128, "jackpot ball stops", ballStops},
        {129, "jackpot bell", jackpotBell},
        {130, "credit inserted", coinsDropping},
        {131, "big win, 15 times the stake", [] { return bigWin(0); }},
        {132, "huge win, 30 times the stake", [] { return bigWin(1); }},
        {133, "mega win, 60 times the stake", [] { return bigWin(2); }},
    };
    return all;
}

// ---------------------------------------------------------------------------------------------
// Output
// ---------------------------------------------------------------------------------------------

// Loudness after ITU-R BS.1770 (the measure of EBU R128) of a mono clip, in LUFS: the K-weighted
// mean square, gated over 400 ms blocks (75 % overlap) at -70 LUFS and then 10 LU below the mean
// of the blocks that passed. A clip shorter than one block is measured over its whole length.
double loudness(const std::vector<double>& x) {
    // The two K-weighting stages (a high shelf for the head, a high pass) at this rate.
    struct Biquad {
        double b0, b1, b2, a1, a2, z1 = 0.0, z2 = 0.0;
        double operator()(double in) {
            const double out = b0 * in + z1;
            z1 = b1 * in - a1 * out + z2;
            z2 = b2 * in - a2 * out;
            return out;
        }
    };
    const auto shelf = [] {
        const double gain = std::pow(10.0, 3.999843853973347 / 40.0), w = kTwoPi * 1681.974450955533 / kRate;
        const double alpha = std::sin(w) / (2.0 * 0.7071752369554196), c = std::cos(w),
                     r = 2.0 * std::sqrt(gain) * alpha;
        const double a0 = (gain + 1) - (gain - 1) * c + r;
        return Biquad{gain * ((gain + 1) + (gain - 1) * c + r) / a0,
                      -2 * gain * ((gain - 1) + (gain + 1) * c) / a0,
                      gain * ((gain + 1) + (gain - 1) * c - r) / a0, 2 * ((gain - 1) - (gain + 1) * c) / a0,
                      ((gain + 1) - (gain - 1) * c - r) / a0};
    }();
    const auto highPass = [] {
        const double w = kTwoPi * 38.13547087602444 / kRate, alpha = std::sin(w) / (2.0 * 0.5003270373238773);
        const double c = std::cos(w), a0 = 1 + alpha;
        return Biquad{(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
    }();
    std::vector<double> squares(x.size());
    Biquad s1 = shelf, s2 = highPass;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double k = s2(s1(x[i]));
        squares[i] = k * k;
    }
    const auto lufs = [](double meanSquare) {
        return -0.691 + 10.0 * std::log10(std::max(meanSquare, 1e-20));
    };
    const std::size_t block = kRate * 400 / 1000, step = block / 4;
    if (squares.size() < block) {
        double sum = 0.0;
        for (double v : squares) sum += v;
        return lufs(sum / static_cast<double>(std::max<std::size_t>(squares.size(), 1)));
    }
    std::vector<double> blocks;
    for (std::size_t at = 0; at + block <= squares.size(); at += step) {
        double sum = 0.0;
        for (std::size_t i = at; i < at + block; ++i) sum += squares[i];
        if (lufs(sum / block) > -70.0) blocks.push_back(sum / block);
    }
    const auto mean = [&blocks](double above) {
        double sum = 0.0;
        int n = 0;
        for (double b : blocks)
            if (b > above) sum += b, ++n;
        return n ? sum / n : 0.0;
    };
    const double relative = mean(0.0) * std::pow(10.0, -10.0 / 10.0);
    return lufs(mean(relative));
}

// Fades one-shot clips in and out, then brings the clip to its loudness, its peak never above
// -3 dBFS. Returns the samples and the loudness they have.
std::vector<std::int16_t> finish(Track& tr, double lufs, double& reached) {
    auto& x = tr.data();
    if (!tr.loop()) {
        const int in = kRate * 3 / 1000, out = kRate * 5 / 1000;  // 3 ms in, 5 ms out
        for (int i = 0; i < in && i < static_cast<int>(x.size()); ++i)
            x[static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(kPi * i / in);
        for (int i = 0; i < out && i < static_cast<int>(x.size()); ++i)
            x[x.size() - 1 - static_cast<std::size_t>(i)] *= 0.5 - 0.5 * std::cos(kPi * i / out);
    }
    double peak = 0.0;
    for (double v : x) peak = std::max(peak, std::abs(v));
    if (peak == 0.0) return std::vector<std::int16_t>(x.size(), 0);
    const double loud = std::pow(10.0, (lufs - loudness(x)) / 20.0);
    const double scale = 32767.0 * std::min(loud, kPeak / peak);
    reached = loudness(x) + 20.0 * std::log10(scale / 32767.0);
    std::vector<std::int16_t> pcm(x.size());
    for (std::size_t i = 0; i < x.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::clamp(std::lround(x[i] * scale), -32768L, 32767L));
    return pcm;
}

void put16(std::string& s, unsigned v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

bool writeWav(const std::filesystem::path& path, const std::vector<std::int16_t>& pcm) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string out = "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, kRate);
    put32(out, kRate * 2);  // byte rate
    put16(out, 2);          // block align
    put16(out, 16);         // bits per sample
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t v : pcm) put16(out, static_cast<std::uint16_t>(v));
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const Recipe& r : recipes()) {
        Track tr = r.make();
        double reached = 0.0;
        const auto pcm = finish(tr, r.lufs, reached);
        const auto path = dir / ("RESOURCE_ID_" + std::to_string(r.id) + ".wav");
        if (!writeWav(path, pcm)) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
        std::printf("%d  %.3f s  %5.1f LUFS  %s\n", r.id, tr.seconds(), reached, r.role);
    }
    return 0;
}
