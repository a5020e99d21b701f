// SPDX-License-Identifier: MIT
#pragma once
// The desktop program's life around the game: one running game per user, and
// SIGTERM, SIGINT and SIGHUP closing it the way its close box does.
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

namespace tonvale {

// One game per user: an exclusive flock() on "tonvale.lock" beside the store,
// held for the life of the process. The kernel lets go of it whenever the process
// ends, however it ends, so no lock outlives its game: what the file holds (empty,
// garbage, a dead PID) is never read, and the PID written there is for people
// only. Two starts at the same instant cannot both get the lock. The game never
// runs without it: when no lock can be had (the lock's path is a folder, a link or
// a pipe; the folder cannot be made; the file cannot be opened or locked) the
// game does not start and says why. In a read-only folder an existing lock file is
// opened for reading, which locks as well.
class SingleInstance {
public:
    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // True while this game holds the lock.
    bool acquired() const { return fd_ >= 0; }
    // Why the lock was not had: "Tonvale is already running." when another game
    // holds it, else what stands in the way. Empty when acquired.
    const QString& refusal() const { return refusal_; }
    // The lock is held by another game (not in the way of something else).
    bool heldByAnotherGame() const { return heldByAnotherGame_; }

private:
    int fd_ = -1;
    bool heldByAnotherGame_ = false;
    QString refusal_;
};

// Turns the three stop signals into a call on the event thread: the handler only
// writes the signal number to a pipe, and a socket notifier reads it.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(std::function<void(int)> onStop, QObject* parent = nullptr);
    ~StopSignals() override;

private:
    void readPipe();
    std::function<void(int)> onStop_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tonvale
