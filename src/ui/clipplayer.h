// SPDX-License-Identifier: MIT
#pragma once
// The game's sound: the clips from the program's resources, played through one
// audio stream that stays open while the game runs.
//
// Why a stream of our own: a sound effect that stops its stream the moment it has
// handed over its last sample loses what the stream still held (all of a click or
// a reel's thud, the end of a longer clip), and one fed from the game's thread
// starves while the reel run blocks that thread. This stream is fed from a thread
// of its own and never stops: each clip sounds a fixed lead after it was asked
// for, whatever the game's thread is doing (ClipMixer).
#include <QAudioDevice>
#include <QMediaDevices>
#include <QThread>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/machine.h"
#include "core/ports.h"
#include "ui/clipmixer.h"

class QAudioSink;
class QTimer;

namespace tonvale {

// The samples of a WAV file image in the clips' format (44.1 kHz, 16-bit, mono);
// empty for anything else.
Samples readWave(const QByteArray& file);

class ClipPlayer : public SoundPort {
public:
    ClipPlayer();
    ~ClipPlayer() override;
    ClipPlayer(const ClipPlayer&) = delete;
    ClipPlayer& operator=(const ClipPlayer&) = delete;

    // Reads every clip and opens the stream on the default output. Without an
    // output the game plays silent and says so once, on standard error.
    void preload();
    void play(int clip) override;
    void playLoop(int clip) override;
    void stop() override;
    void setVolume(int percent) override;

    bool hasOutput() const { return open_; }
    // Told of every request, for the recording check (--report-sounds).
    std::function<void(const char* what, int clip)> onRequest;

private:
    const Samples* samples(int clip) const;
    void openStream();
    void closeStream();

    std::array<Samples, kLastClip - kFirstClip + 1> clips_;  // clip n at n - 101
    ClipMixer mixer_;
    QThread thread_;
    // The worker, the sink and the timer that feeds it live on thread_.
    QObject* worker_ = nullptr;
    QAudioSink* sink_ = nullptr;
    QTimer* topUp_ = nullptr;
    std::vector<std::int16_t> buffer_;
    std::unique_ptr<QMediaDevices> devices_;
    bool open_ = false;
    bool toldSilent_ = false;
};

}  // namespace tonvale
