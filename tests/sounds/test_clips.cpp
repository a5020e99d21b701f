// SPDX-License-Identifier: MIT
// Checks the sound clips written by the synthesizer at build time.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#ifndef TONVALE_CLIP_DIR
#error "TONVALE_CLIP_DIR must name the folder of the generated clips"
#endif

namespace {

struct Wav {
    std::string error;  // empty when the file parsed
    unsigned format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<std::int16_t> samples;

    double seconds() const { return rate ? static_cast<double>(samples.size()) / rate : 0.0; }
    int peak() const {
        int p = 0;
        for (std::int16_t s : samples) p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    }
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

Wav load(int id) {
    Wav w;
    const std::string path = std::string(TONVALE_CLIP_DIR) + "/RESOURCE_ID_" + std::to_string(id) + ".wav";
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) {
        w.error = path + ": not a RIFF/WAVE file";
        return w;
    }
    if (le(b, 4, 4) != b.size() - 8) {
        w.error = path + ": RIFF size does not match the file size";
        return w;
    }
    bool haveFmt = false, haveData = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id4 = b.substr(at, 4);
        const std::uint32_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size()) {
            w.error = path + ": chunk '" + id4 + "' runs past the end of the file";
            return w;
        }
        if (id4 == "fmt " && size >= 16) {
            w.format = le(b, at + 8, 2);
            w.channels = le(b, at + 10, 2);
            w.rate = le(b, at + 12, 4);
            w.byteRate = le(b, at + 16, 4);
            w.blockAlign = le(b, at + 20, 2);
            w.bits = le(b, at + 22, 2);
            haveFmt = true;
        } else if (id4 == "data") {
            if (size % 2) {
                w.error = path + ": odd data size";
                return w;
            }
            for (std::size_t i = 0; i < size; i += 2)
                w.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFmt || !haveData) w.error = path + ": fmt or data chunk missing";
    return w;
}

const std::vector<int>& allIds() {
    static const std::vector<int> ids = [] {
        std::vector<int> v;
        for (int id = 101; id <= 133; ++id)
            if (id != 118) v.push_back(id);
        return v;
    }();
    return ids;
}

const std::map<int, Wav>& clips() {
    static const std::map<int, Wav> all = [] {
        std::map<int, Wav> m;
        for (int id : allIds()) m.emplace(id, load(id));
        return m;
    }();
    return all;
}

bool isLoop(int id) { return id == 124 || id == 125 || id == 127; }

// Win tiers from the smallest win to the largest.
const std::vector<int> kTiers{101, 106, 102, 103, 109, 111, 110, 108, 104, 107, 105, 112};

// Zero crossings per second between two times: rises and falls with the pitch of a tone.
double crossingRate(const Wav& w, double from, double to) {
    const std::size_t a = static_cast<std::size_t>(from * w.rate), b = static_cast<std::size_t>(to * w.rate);
    int n = 0;
    for (std::size_t i = a + 1; i < b && i < w.samples.size(); ++i)
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0)) ++n;
    return n / (to - from);
}

TEST(Clips, AllAreMono16BitPcmAt44100) {
    ASSERT_EQ(clips().size(), 32u);
    for (const auto& [id, w] : clips()) {
        SCOPED_TRACE(id);
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.format, 1u);
        EXPECT_EQ(w.channels, 1u);
        EXPECT_EQ(w.rate, 44100u);
        EXPECT_EQ(w.bits, 16u);
        EXPECT_EQ(w.blockAlign, 2u);
        EXPECT_EQ(w.byteRate, 88200u);
    }
}

TEST(Clips, DurationsFitTheirRoles) {
    for (const auto& [id, w] : clips()) {
        SCOPED_TRACE(id);
        EXPECT_GT(w.seconds(), 0.02);
        EXPECT_LE(w.seconds(), 4.0);
    }
    EXPECT_LE(clips().at(115).seconds(), 0.060);  // button click
    EXPECT_LE(clips().at(114).seconds(), 0.120);  // reel coming to rest
    const double smallest = clips().at(kTiers.front()).seconds();
    const double largest = clips().at(kTiers.back()).seconds();
    EXPECT_GE(smallest, 0.2);
    EXPECT_LE(smallest, 0.45);
    EXPECT_GE(largest, 2.0);
    EXPECT_LE(largest, 3.0);
}

TEST(Clips, WinTiersGrowLongerWithTheWin) {
    for (std::size_t i = 1; i < kTiers.size(); ++i) {
        SCOPED_TRACE(kTiers[i]);
        EXPECT_GT(clips().at(kTiers[i]).seconds(), clips().at(kTiers[i - 1]).seconds());
    }
    // The big, huge and mega win's celebrations, too.
    EXPECT_GT(clips().at(132).seconds(), clips().at(131).seconds());
    EXPECT_GT(clips().at(133).seconds(), clips().at(132).seconds());
}

// The clips are made to a loudness (scripts/loudness.sh measures it); their peaks stay at
// -3 dBFS or below, and none is so low that it would be lost.
TEST(Clips, PeaksNeverPassMinus3Dbfs) {
    for (const auto& [id, w] : clips()) {
        SCOPED_TRACE(id);
        const double db = 20.0 * std::log10(std::max(w.peak(), 1) / 32768.0);
        EXPECT_GE(db, -15.0);
        EXPECT_LE(db, -2.99);
    }
}

TEST(Clips, OneShotsStartAndEndInSilence) {
    for (const auto& [id, w] : clips()) {
        if (isLoop(id) || w.samples.empty()) continue;
        SCOPED_TRACE(id);
        EXPECT_LE(std::abs(w.samples.front()), 100);
        EXPECT_LE(std::abs(w.samples.back()), 100);
        // The fade-in: the first millisecond stays well below the peak.
        int early = 0;
        for (std::size_t i = 0; i < 44 && i < w.samples.size(); ++i)
            early = std::max(early, std::abs(static_cast<int>(w.samples[i])));
        EXPECT_LT(early, w.peak() / 2);
    }
}

TEST(Clips, LoopsJoinWithoutAJump) {
    for (int id : {124, 125, 127}) {
        SCOPED_TRACE(id);
        const Wav& w = clips().at(id);
        ASSERT_GT(w.samples.size(), 1000u);
        EXPECT_LE(std::abs(w.samples.back() - w.samples.front()), 500);
    }
}

TEST(Clips, AllAreDistinct) {
    for (auto a = clips().begin(); a != clips().end(); ++a)
        for (auto b = std::next(a); b != clips().end(); ++b)
            EXPECT_NE(a->second.samples, b->second.samples) << a->first << " and " << b->first;
}

TEST(Clips, ScatterPlucksRiseReelByReel) {
    double previous = 0.0;
    for (int id : {119, 120, 121, 122}) {
        SCOPED_TRACE(id);
        const double rate = crossingRate(clips().at(id), 0.01, 0.2);
        EXPECT_GT(rate, previous * 1.04);
        previous = rate;
    }
}

TEST(Clips, LowCreditFallsByAMinorThird) {
    const Wav& w = clips().at(113);
    const double first = crossingRate(w, 0.03, 0.18);
    const double second = crossingRate(w, 0.3, w.seconds() - 0.05);
    EXPECT_GT(second / first, 0.78);  // a minor third down is 0.84
    EXPECT_LT(second / first, 0.90);
}

}  // namespace
