// SPDX-License-Identifier: MIT
#include "ui/frontdoor.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>

namespace tonvale {

namespace {

// What a knock says and what the game answers.
constexpr char kKnock[] = "front\n";
constexpr char kDone[] = "done\n";

}  // namespace

QString frontDoorName(const QString& folder) {
    // A socket's path is short on every system: the folder is in the name as a hash.
    const QByteArray path = QDir(folder).absolutePath().toUtf8();
    return QStringLiteral("tonvale-") +
           QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(24));
}

FrontDoor::FrontDoor(const QString& folder, std::function<void()> bringToFront, QObject* parent)
    : QObject(parent), bringToFront_(std::move(bringToFront)) {
    const QString name = frontDoorName(folder);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    // Only the game that holds the lock gets here: a socket left by a game that was
    // killed is stale and goes.
    QLocalServer::removeServer(name);
    server_.listen(name);
    connect(&server_, &QLocalServer::newConnection, this, &FrontDoor::answer);
}

void FrontDoor::answer() {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (!s->canReadLine()) return;
            if (s->readLine(64) == kKnock) {
                bringToFront_();
                s->write(kDone);
                s->flush();
            }
            s->disconnectFromServer();
        });
    }
}

bool FrontDoor::knock(const QString& folder, int waitMs) {
    const QDeadlineTimer deadline(waitMs);
    const auto left = [&deadline] { return static_cast<int>(std::max<qint64>(1, deadline.remainingTime())); };
    QLocalSocket s;
    // The game may be starting still: its door opens once its window stands.
    for (;;) {
        s.connectToServer(frontDoorName(folder));
        if (s.waitForConnected(left())) break;
        if (deadline.hasExpired()) return false;
        QThread::msleep(100);
    }
    s.write(kKnock);
    if (!s.waitForBytesWritten(left())) return false;
    while (!s.canReadLine())
        if (deadline.hasExpired() || !s.waitForReadyRead(left())) return false;
    return s.readLine(64) == kDone;
}

}  // namespace tonvale
