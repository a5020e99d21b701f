// SPDX-License-Identifier: MIT
#include "ui/clipplayer.h"

#include <QAudio>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QIODevice>
#include <QTimer>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "core/machine.h"

namespace tonvale {

Samples readWave(const QByteArray& file) {
    const auto u16 = [&file](qsizetype at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    const auto u32 = [&file](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return {};
    bool formatOk = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body) return {};
        if (id == "fmt " && size >= 16)
            formatOk = u16(body) == 1 && u16(body + 2) == 1 && u32(body + 4) == ClipMixer::kRate &&
                       u16(body + 14) == 16;
        if (id == "data") {
            if (!formatOk) return {};
            Samples s(static_cast<std::size_t>(size / 2));
            for (std::size_t i = 0; i < s.size(); ++i)
                s[i] = qFromLittleEndian<qint16>(file.constData() + body + 2 * static_cast<qsizetype>(i));
            return s;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return {};
}

namespace {

std::int64_t steadyNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// About 60 ms of sound is queued in the stream: the delay from a press to its
// click. The stream is topped up every 10 ms.
constexpr int kQueueMs = 60;
constexpr int kBufferBytes = ClipMixer::kRate * 2 * kQueueMs / 1000;
constexpr int kTopUpMs = 10;

}  // namespace

ClipPlayer::ClipPlayer() { thread_.setObjectName(QStringLiteral("sound")); }

ClipPlayer::~ClipPlayer() {
    // The click of the exit button is heard before the stream closes: it is mixed,
    // and then what the stream holds plays out.
    bool rang = false;
    for (int waited = 0; open_ && mixer_.ringing() && waited < 300; waited += 10) {
        rang = true;
        QThread::msleep(10);
    }
    if (rang) QThread::msleep(kQueueMs + 40);
    closeStream();
    if (thread_.isRunning()) {
        thread_.quit();
        thread_.wait();
    }
    delete worker_;
}

void ClipPlayer::preload() {
    for (int clip = kFirstClip; clip <= kLastClip; ++clip) {
        if (!isClip(clip)) continue;
        // A clip missing from the resources stays empty: playing it does nothing.
        QFile f(QStringLiteral(":/sounds/RESOURCE_ID_%1.wav").arg(clip));
        if (f.open(QIODevice::ReadOnly))
            clips_[static_cast<std::size_t>(clip - kFirstClip)] = readWave(f.readAll());
    }
    if (!devices_) {
        devices_ = std::make_unique<QMediaDevices>();
        // A new default output (headphones plugged in, the sound server started
        // later) takes the stream.
        QObject::connect(devices_.get(), &QMediaDevices::audioOutputsChanged, [this] {
            closeStream();
            openStream();
        });
    }
    openStream();
}

void ClipPlayer::openStream() {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        if (!toldSilent_)
            std::fputs("Tonvale: no audio device detected; the game plays without sound.\n", stderr);
        toldSilent_ = true;
        return;
    }
    if (!thread_.isRunning()) {
        worker_ = new QObject;
        worker_->moveToThread(&thread_);
        thread_.start();
    }
    QAudioFormat format;
    format.setSampleRate(ClipMixer::kRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    // The sink and its timer live on the stream's thread, which feeds it while the
    // game's thread may be blocked.
    QMetaObject::invokeMethod(
        worker_,
        [this, device, format] {
            sink_ = new QAudioSink(device, format);
            sink_->setBufferSize(kBufferBytes);
            QIODevice* stream = sink_->start();
            open_ = stream && sink_->error() == QAudio::NoError;
            if (!open_) return;
            // Whatever room the stream has is filled with the next samples (silence
            // when no clip plays), so it never runs dry and a clip starts after the
            // same queue every time.
            topUp_ = new QTimer;
            topUp_->setTimerType(Qt::PreciseTimer);
            QObject::connect(topUp_, &QTimer::timeout, [this, stream] {
                const qsizetype free = sink_->bytesFree();
                const qsizetype room = free / 2;
                if (room <= 0) return;
                // What is written now is heard once the queue before it has played.
                const std::int64_t queuedNs = static_cast<std::int64_t>(sink_->bufferSize() - free) *
                                              1'000'000'000 / (2 * ClipMixer::kRate);
                buffer_.resize(static_cast<std::size_t>(room));
                mixer_.mix(buffer_.data(), buffer_.size(), steadyNs() + queuedNs);
                stream->write(reinterpret_cast<const char*>(buffer_.data()), room * 2);
            });
            topUp_->start(kTopUpMs);
        },
        Qt::BlockingQueuedConnection);
}

void ClipPlayer::closeStream() {
    if (!worker_ || !thread_.isRunning()) return;
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            delete topUp_;
            delete sink_;
            topUp_ = nullptr;
            sink_ = nullptr;
            open_ = false;
        },
        Qt::BlockingQueuedConnection);
}

const Samples* ClipPlayer::samples(int clip) const {
    if (!isClip(clip)) return nullptr;
    const Samples& s = clips_[static_cast<std::size_t>(clip - kFirstClip)];
    return s.empty() ? nullptr : &s;
}

void ClipPlayer::play(int clip) {
    if (onRequest) onRequest("play", clip);
    mixer_.play(samples(clip), false, steadyNs());
}

void ClipPlayer::playLoop(int clip) {
    if (onRequest) onRequest("loop", clip);
    mixer_.play(samples(clip), true, steadyNs());
}

void ClipPlayer::stop() {
    if (onRequest) onRequest("stop", 0);
    mixer_.stop(steadyNs());
}

void ClipPlayer::setVolume(int percent) {
    // The slider moves the loudness as the ear hears it, not the amplitude.
    mixer_.setGain(static_cast<float>(QAudio::convertVolume(
        std::clamp(percent, 0, 100) / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale)));
}

}  // namespace tonvale
