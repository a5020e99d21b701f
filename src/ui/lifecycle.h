#pragma once
// The desktop program's life around the game: one running game per user, and
// SIGTERM, SIGINT and SIGHUP closing it the way its close box does.
#include <QLockFile>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <functional>
#include <memory>

namespace tonvale {

// The per-user lock "tonvale.lock" in the settings folder. A lock left behind by a
// process that no longer runs is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& folder);
    // False only when another live process holds the lock; a folder where no lock
    // can be made (unwritable, or not a folder) does not stop the game.
    bool acquired() const { return acquired_; }

private:
    std::unique_ptr<QLockFile> lock_;
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
