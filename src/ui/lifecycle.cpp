// SPDX-License-Identifier: MIT
#include "ui/lifecycle.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

namespace tonvale {

namespace {

QString systemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

SingleInstance::SingleInstance(const QString& folder) {
    const QString path = folder + QStringLiteral("/tonvale.lock");
    // The texts are the "Messages" of the translations.
    const auto say = [](const char* text) { return QCoreApplication::translate("Messages", text); };
    if (!QDir().mkpath(folder)) {
        refusal_ = say(QT_TRANSLATE_NOOP("Messages",
                                         "Tonvale cannot start: its folder %1 cannot be made. Without its "
                                         "lock a second game could "
                                         "overwrite the saved games of this one."))
                       .arg(folder);
        return;
    }
    const QByteArray name = path.toLocal8Bit();
    // O_NONBLOCK: a pipe put there cannot hang the start; O_NOFOLLOW: a link is not followed.
    const int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | flags, 0644);
    const bool writable = fd_ >= 0;
    // A read-only folder: a lock file made there earlier is locked just as well for reading.
    if (fd_ < 0 && (errno == EROFS || errno == EACCES)) fd_ = ::open(name.constData(), O_RDONLY | flags);
    if (fd_ < 0) {
        const int error = errno;
        if (error == EISDIR)
            refusal_ =
                say(QT_TRANSLATE_NOOP("Messages",
                                      "Tonvale cannot start: %1 is a folder, not the game's lock file. "
                                      "Remove it, then start "
                                      "the game again."))
                    .arg(path);
        else if (error == ELOOP)
            refusal_ =
                say(QT_TRANSLATE_NOOP(
                        "Messages",
                        "Tonvale cannot start: %1 is a link, not the game's lock file. Remove it, then start "
                        "the game again."))
                    .arg(path);
        else
            refusal_ =
                say(QT_TRANSLATE_NOOP("Messages",
                                      "Tonvale cannot start: its lock file %1 cannot be made or opened "
                                      "(%2). Without its lock "
                                      "a second game could overwrite the saved games of this one."))
                    .arg(path, systemText(error));
        return;
    }
    struct stat st = {};
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd_);
        fd_ = -1;
        refusal_ =
            say(QT_TRANSLATE_NOOP("Messages",
                                  "Tonvale cannot start: %1 is not a plain file (a pipe, a device or a "
                                  "socket), not the game's "
                                  "lock file. Remove it, then start the game again."))
                .arg(path);
        return;
    }
    int rc = 0;
    while ((rc = ::flock(fd_, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (rc != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        heldByAnotherGame_ = error == EWOULDBLOCK;
        refusal_ =
            error == EWOULDBLOCK
                ? say(QT_TRANSLATE_NOOP("Messages", "Tonvale is already running."))
                : say(QT_TRANSLATE_NOOP("Messages",
                                        "Tonvale cannot start: its lock file %1 cannot be locked (%2). "
                                        "Without its lock a second "
                                        "game could overwrite the saved games of this one."))
                      .arg(path, systemText(error));
        return;
    }
    if (!writable) return;
    const std::string pid = std::to_string(::getpid()) + "\n";
    if (::ftruncate(fd_, 0) == 0) {
        [[maybe_unused]] const ssize_t n = ::pwrite(fd_, pid.data(), pid.size(), 0);
    }
}

SingleInstance::~SingleInstance() {
    // The file stays; the lock goes with the descriptor.
    if (fd_ >= 0) ::close(fd_);
}

namespace {

int pipeEnds[2] = {-1, -1};
const int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onStopSignal(int signal) {
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(pipeEnds[0], &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals(std::function<void(int)> onStop, QObject* parent)
    : QObject(parent), onStop_(std::move(onStop)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0) return;
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StopSignals::readPipe);
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kStopSignals) ::sigaction(s, &action, nullptr);
}

StopSignals::~StopSignals() {
    for (int s : kStopSignals) ::signal(s, SIG_DFL);
    for (int& fd : pipeEnds) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void StopSignals::readPipe() {
    unsigned char byte = 0;
    while (::read(pipeEnds[1], &byte, 1) == 1)
        if (onStop_) onStop_(byte);
}

}  // namespace tonvale
