// SPDX-License-Identifier: MIT
#pragma once
// A second start of the game brings the running game to the front instead of
// showing a box of its own. The running game keeps a local socket open (named
// after its store's folder, readable by its user only); a second start that finds
// the game's lock held knocks there and ends, and the running game raises and
// activates its window.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

namespace tonvale {

// The socket's name for the games of one store folder.
QString frontDoorName(const QString& folder);

class FrontDoor : public QObject {
    Q_OBJECT
public:
    // Opens the door of the game that holds the lock of `folder`; `bringToFront`
    // runs on the event thread for each knock.
    FrontDoor(const QString& folder, std::function<void()> bringToFront, QObject* parent = nullptr);
    bool open() const { return server_.isListening(); }

    // Knocks at the running game's door (waiting for it to open while the game is
    // still starting) and waits for it to say that its window came to the front,
    // all within `waitMs`. False when no game answered.
    static bool knock(const QString& folder, int waitMs = 5000);

private:
    void answer();
    QLocalServer server_;
    std::function<void()> bringToFront_;
};

}  // namespace tonvale
