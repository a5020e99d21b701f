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
// only. Two starts at the same instant cannot both get the lock. A lock path that
// is not a plain file (a link, a pipe) is not opened, and a folder where no lock
// can be made does not stop the game either.
class SingleInstance {
public:
    explicit SingleInstance(const QString& folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    // False only when another running game holds the lock.
    bool acquired() const { return acquired_; }

private:
    int fd_ = -1;
    bool acquired_ = true;
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
