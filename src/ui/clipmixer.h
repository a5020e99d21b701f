// SPDX-License-Identifier: MIT
#pragma once
// What the sound stream plays: the clips the game asks for, each at the moment it
// asked plus a fixed lead, mixed into the stream's samples.
//
// One clip plays at a time, as the game asks: a new clip, or a stop, cuts off the
// one that plays. A clip short enough to be a click or a thud rings out to its end
// instead, under whatever follows: the click of the spin button is not lost to the
// stop that starts the reels, nor the thud of the last reel to the win that
// follows it.
#include <cstdint>
#include <mutex>
#include <vector>

namespace tonvale {

// One clip's samples: 44.1 kHz, 16-bit, mono.
using Samples = std::vector<std::int16_t>;

class ClipMixer {
public:
    static constexpr int kRate = 44100;
    // At most this long, a one-shot clip is never cut off.
    static constexpr std::size_t kShortClip = kRate * 150 / 1000;
    // A request sounds this long after it was made, wherever the stream's thread
    // happened to be: clips asked for 100 ms apart sound 100 ms apart.
    static constexpr std::int64_t kLeadNs = 80'000'000;

    // Requests, stamped with the time they were made (ns of a steady clock). A null
    // or empty clip plays nothing and cuts nothing.
    void play(const Samples* clip, bool loop, std::int64_t atNs);
    void stop(std::int64_t atNs);
    // The factor on every sample: 0 silent, 1 the clips as made.
    void setGain(float gain);
    // Fills `out` with the next samples of the stream, the first of which is heard
    // at `startsAtNs`: the voices summed, silence where none plays. Requests due
    // before then take effect on the first sample.
    void mix(std::int16_t* out, std::size_t count, std::int64_t startsAtNs);
    // A request is still to come, or a click or a thud still rings.
    bool ringing() const;

private:
    struct Voice {
        const Samples* clip = nullptr;
        std::size_t pos = 0;
        bool loop = false;
        bool active() const { return clip && pos < clip->size(); }
        bool rings() const { return active() && !loop && clip->size() <= kShortClip; }
    };
    struct Request {
        std::int64_t dueNs;
        const Samples* clip;  // nullptr: stop
        bool loop;
    };
    void apply(const Request& r);
    void render(std::int16_t* out, std::size_t count);

    mutable std::mutex mutex_;
    std::vector<Request> pending_;  // in the order made
    Voice current_, tail_;
    float gain_ = 1.0f;
};

}  // namespace tonvale
