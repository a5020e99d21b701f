#include "ui/lifecycle.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <csignal>

namespace tonvale {

SingleInstance::SingleInstance(const QString& folder) {
    if (!QDir().mkpath(folder)) return;
    lock_ = std::make_unique<QLockFile>(folder + QStringLiteral("/tonvale.lock"));
    // Never stale by age: only a lock whose process has gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return;
    acquired_ = lock_->error() != QLockFile::LockFailedError;
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
