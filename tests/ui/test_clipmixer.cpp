// SPDX-License-Identifier: MIT
// The sound stream's mixer: one clip at a time, clicks and thuds that ring out,
// requests that keep their spacing however late the stream's thread mixes them;
// and the clips read from the program's resources.
#include <gtest/gtest.h>

#include <QFile>

#include "core/machine.h"
#include "ui/clipplayer.h"

namespace tonvale {
namespace {

constexpr std::int64_t kMs = 1'000'000;
constexpr std::size_t samplesIn(int ms) { return static_cast<std::size_t>(ClipMixer::kRate) * ms / 1000; }

// A clip of `ms` milliseconds whose every sample is `value`: what the stream holds
// shows which clips sound where.
Samples clip(int ms, std::int16_t value) { return Samples(samplesIn(ms), value); }

// The stream from `startMs` on, as the mixer writes it in blocks of `blockMs`; the
// clock starts at 0 and every request is heard kLeadNs after it was made.
std::vector<std::int16_t> stream(ClipMixer& mixer, int startMs, int ms, int blockMs = 10) {
    std::vector<std::int16_t> out(samplesIn(ms));
    for (int at = 0; at < ms; at += blockMs) {
        const int n = std::min(blockMs, ms - at);
        mixer.mix(out.data() + samplesIn(at), samplesIn(n), (startMs + at) * kMs + ClipMixer::kLeadNs);
    }
    return out;
}

// The value the stream holds `ms` after its start.
std::int16_t at(const std::vector<std::int16_t>& s, int ms) { return s[samplesIn(ms)]; }

TEST(ClipMixer, OneClipAtATimeButAClickOrAThudRingsOut) {
    const Samples thud = clip(100, 10), click = clip(45, 1000), tune = clip(500, 100), loop = clip(50, 7);
    {
        // A thud asked for 20 ms before the next clip: both sound until the thud ends.
        ClipMixer m;
        m.play(&thud, false, 0);
        m.play(&tune, false, 20 * kMs);
        const auto s = stream(m, 0, 300);
        EXPECT_EQ(at(s, 10), 10);
        EXPECT_EQ(at(s, 50), 110);
        EXPECT_EQ(at(s, 150), 100);
    }
    {
        // The spin's click is not lost to the stop that prepares the reels; a
        // longer clip is.
        ClipMixer m;
        m.play(&click, false, 0);
        m.stop(1 * kMs);
        m.play(&tune, false, 200 * kMs);
        m.stop(250 * kMs);
        const auto s = stream(m, 0, 400);
        EXPECT_EQ(at(s, 20), 1000);
        EXPECT_EQ(at(s, 60), 0);
        EXPECT_EQ(at(s, 220), 100);
        EXPECT_EQ(at(s, 260), 0);
    }
    {
        // A loop repeats until any clip starts; a click does not keep it going.
        ClipMixer m;
        m.play(&loop, true, 0);
        m.play(&click, false, 170 * kMs);
        const auto s = stream(m, 0, 400);
        EXPECT_EQ(at(s, 5), 7);
        EXPECT_EQ(at(s, 160), 7);
        EXPECT_EQ(at(s, 180), 1000);
        EXPECT_EQ(at(s, 230), 0);
    }
    {
        // A clip that could not be loaded plays nothing and cuts nothing.
        ClipMixer m;
        const Samples none;
        m.play(&tune, false, 0);
        m.play(&none, false, 10 * kMs);
        m.play(nullptr, false, 20 * kMs);
        EXPECT_EQ(at(stream(m, 0, 100), 50), 100);
    }
}

TEST(ClipMixer, RequestsKeepTheirSpacingWhenMixedLate) {
    const Samples a = clip(200, 1), b = clip(200, 2), c = clip(200, 3);
    ClipMixer m;
    m.play(&a, false, 0);
    m.play(&b, false, 60 * kMs);
    m.play(&c, false, 120 * kMs);
    // The stream's thread was held up: its first block comes 100 ms after the
    // first request was due. What was due before plays at once, the rest on time.
    std::vector<std::int16_t> s(samplesIn(200));
    m.mix(s.data(), s.size(), 100 * kMs + ClipMixer::kLeadNs);
    EXPECT_EQ(at(s, 1), 2);  // a and b are overdue: b, which cut a, plays from its start
    EXPECT_EQ(at(s, 19), 2);
    EXPECT_EQ(at(s, 21), 3);  // c starts on time, 20 ms into the block
    EXPECT_EQ(at(s, 199), 3);
    // A request due after the block waits for the block it falls in.
    m.play(&a, false, 400 * kMs);
    std::vector<std::int16_t> next(samplesIn(100));
    m.mix(next.data(), next.size(), 300 * kMs + ClipMixer::kLeadNs);
    EXPECT_EQ(at(next, 99), 0);
    m.mix(next.data(), next.size(), 400 * kMs + ClipMixer::kLeadNs);
    EXPECT_EQ(at(next, 0), 1);
}

TEST(ClipMixer, GainScalesAndTwoVoicesNeverWrapAround) {
    const Samples loud = clip(100, 30000), quiet = clip(500, 20000);
    ClipMixer m;
    m.play(&loud, false, 0);
    m.play(&quiet, false, 10 * kMs);
    auto s = stream(m, 0, 200);
    EXPECT_EQ(at(s, 50), 32767);  // held at full scale, not wrapped to a negative sample
    m.setGain(0.5f);
    m.play(&quiet, false, 300 * kMs);
    s = stream(m, 300, 100);
    EXPECT_EQ(at(s, 50), 10000);
    m.setGain(0.0f);
    s = stream(m, 400, 100);
    EXPECT_EQ(at(s, 50), 0);
}

TEST(ClipPlayer, EveryClipOfTheResourcesReadsAndOnlyThatFormatIsTaken) {
    for (int n = kFirstClip; n <= kLastClip; ++n) {
        if (!isClip(n)) continue;
        QFile f(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(n));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << n;
        const QByteArray wav = f.readAll();
        const Samples s = readWave(wav);
        EXPECT_EQ(s.size() * 2 + 44, static_cast<std::size_t>(wav.size())) << n;
        // The same file told as stereo, 8-bit or cut short is not taken.
        QByteArray stereo = wav, eightBit = wav;
        stereo[22] = 2;
        eightBit[34] = 8;
        EXPECT_TRUE(readWave(stereo).empty()) << n;
        EXPECT_TRUE(readWave(eightBit).empty()) << n;
        EXPECT_TRUE(readWave(wav.left(wav.size() - 10)).empty()) << n;
    }
    EXPECT_TRUE(readWave(QByteArray("RIFF")).empty());
}

}  // namespace
}  // namespace tonvale
