// SPDX-License-Identifier: MIT
#include "ui/clipmixer.h"

#include <algorithm>

namespace tonvale {

void ClipMixer::play(const Samples* clip, bool loop, std::int64_t atNs) {
    if (!clip || clip->empty()) return;  // a clip that failed to load does nothing
    std::lock_guard lock(mutex_);
    pending_.push_back(Request{atNs + kLeadNs, clip, loop});
}

void ClipMixer::stop(std::int64_t atNs) {
    std::lock_guard lock(mutex_);
    pending_.push_back(Request{atNs + kLeadNs, nullptr, false});
}

void ClipMixer::setGain(float gain) {
    std::lock_guard lock(mutex_);
    gain_ = std::clamp(gain, 0.0f, 1.0f);
}

bool ClipMixer::ringing() const {
    std::lock_guard lock(mutex_);
    return !pending_.empty() || current_.rings() || tail_.rings();
}

void ClipMixer::apply(const Request& r) {
    // A click or a thud rings out under what follows; anything longer, and every
    // loop, is cut off.
    if (current_.rings()) tail_ = current_;
    current_ = r.clip ? Voice{r.clip, 0, r.loop} : Voice{};
}

void ClipMixer::render(std::int16_t* out, std::size_t count) {
    const auto next = [](Voice& v) -> int {
        if (!v.active()) return 0;
        const int sample = (*v.clip)[v.pos++];
        if (v.loop && v.pos >= v.clip->size()) v.pos = 0;
        return sample;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const float sum = static_cast<float>(next(current_) + next(tail_)) * gain_;
        out[i] = static_cast<std::int16_t>(std::clamp(sum, -32768.0f, 32767.0f));
    }
}

void ClipMixer::mix(std::int16_t* out, std::size_t count, std::int64_t startsAtNs) {
    std::lock_guard lock(mutex_);
    std::size_t done = 0;
    std::size_t used = 0;
    for (; used < pending_.size(); ++used) {
        const Request& r = pending_[used];
        // The sample at which the request is due; at once when it is overdue.
        const std::int64_t late = r.dueNs - startsAtNs;
        const std::size_t at =
            late <= 0 ? 0 : static_cast<std::size_t>((late * kRate + 999'999'999) / 1'000'000'000);
        if (at >= count) break;
        const std::size_t from = std::max(at, done);
        render(out + done, from - done);
        done = from;
        apply(r);
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(used));
    render(out + done, count - done);
}

}  // namespace tonvale
