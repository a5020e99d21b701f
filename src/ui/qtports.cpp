// SPDX-License-Identifier: MIT
#include "ui/qtports.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include "core/machine.h"
#include "ui/dialogs.h"
#include "ui/uitext.h"

namespace tonvale {

QtTimers::QtTimers() {
    for (int i = 0; i < kTimerCount; ++i) {
        auto t = std::make_unique<QTimer>();
        t->setTimerType(Qt::PreciseTimer);
        const auto id = static_cast<TimerId>(i);
        QObject::connect(t.get(), &QTimer::timeout, [this, id] {
            if (tick_) tick_(id);
        });
        timers_[static_cast<std::size_t>(i)] = std::move(t);
    }
}

void QtTimers::timerChanged(TimerId id, bool enabled, int intervalMs) {
    QTimer& t = *timers_[static_cast<std::size_t>(id)];
    if (!enabled) {
        t.stop();
        t.setInterval(intervalMs);
        return;
    }
    // Setting the interval of a running timer starts its count again.
    t.start(intervalMs);
}

void QtTimers::stopAll() {
    for (auto& t : timers_) t->stop();
    tick_ = nullptr;
}

void QtEvents::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEvents::deliverInput() { QCoreApplication::processEvents(QEventLoop::X11ExcludeTimers); }

void QtEvents::sleep(int ms) {
    present();
    if (ms > 0) QThread::msleep(static_cast<unsigned long>(ms));
}

void QtEvents::present() {
    if (!view_ || !view_->isVisible()) return;
    if (auto* frames = dynamic_cast<FrameView*>(view_.data()))
        frames->presentNow();
    else
        view_->repaint();
}

void QtEvents::wait(int ms) {
    if (view_) {
        if (auto* frames = dynamic_cast<FrameView*>(view_.data())) frames->refresh();
    }
    if (ms <= 0) {
        doEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

Answer QtDesktop::message(const std::string& title, const std::string& text, MsgIcon icon,
                          MsgButtons buttons) {
    if (answerAtOnce_)
        return buttons == MsgButtons::ok      ? Answer::ok
               : buttons == MsgButtons::yesNo ? Answer::no
                                              : Answer::yes;
    // A box belongs to the window whose input raised it and stays above that window.
    QWidget* owner = ModelDialog::handlingInput();
    QMessageBox box(owner && owner->isVisible() ? owner : window_.data());
    box.setWindowTitle(ui::modelText(title));
    // The texts break their lines with a carriage return alone.
    QString body = ui::modelText(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(body);
    switch (icon) {
        case MsgIcon::none:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case MsgIcon::information:
            box.setIcon(QMessageBox::Information);
            break;
        case MsgIcon::question:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgIcon::critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    if (buttons == MsgButtons::yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::yes : Answer::no;
    }
    if (buttons == MsgButtons::continueStop) {
        QPushButton* go =
            box.addButton(QCoreApplication::translate("Messages", "Continue"), QMessageBox::AcceptRole);
        QPushButton* stop =
            box.addButton(QCoreApplication::translate("Messages", "Stop autoplay"), QMessageBox::RejectRole);
        box.setDefaultButton(go);
        box.setEscapeButton(go);
        box.exec();
        return box.clickedButton() == stop ? Answer::no : Answer::yes;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::ok;
}

int DesktopRandom::draw(int n) {
    while (!first_.empty()) {
        const int v = first_.front();
        first_.pop_front();
        if (v >= 1 && v <= n) return v;
    }
    return system_.draw(n);
}

void QtDesktop::help(const std::string& title, const std::string& text, const std::string& keys) {
    if (answerAtOnce_) return;  // a game that plays by itself is not held by the help either
    if (help_)
        help_(title, text, keys);
    else
        DesktopPort::help(title, text, keys);
}

bool QtDesktop::openLink(const std::string& link) {
    const QUrl url(QString::fromStdString(link), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        linkFailure_ = "the address is not valid";
        return false;
    }
    if (QDesktopServices::openUrl(url)) {
        linkFailure_.clear();
        return true;
    }
    // The desktop says no more than that it failed; tell what is missing.
    const std::string scheme = url.scheme().toStdString();
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        linkFailure_ = "no program to open " + scheme + " links was found (xdg-open is not installed)";
    else
        linkFailure_ = "the desktop could not start a program for " + scheme + " links";
    return false;
}

bool countsAsConnected(QNetworkInformation::Reachability r, bool networkUp) {
    using R = QNetworkInformation::Reachability;
    switch (r) {
        case R::Online:
            return true;
        case R::Unknown:
            return networkUp;
        default:
            return false;  // disconnected, or only a local network or site
    }
}

bool someNetworkUp() {
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto f = i.flags();
        if (!f.testFlag(QNetworkInterface::IsUp) || !f.testFlag(QNetworkInterface::IsRunning) ||
            f.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        if (!i.addressEntries().isEmpty()) return true;
    }
    return false;
}

bool QtDesktop::isConnected() {
    static const bool loaded =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = loaded ? QNetworkInformation::instance() : nullptr;
    return countsAsConnected(info ? info->reachability() : QNetworkInformation::Reachability::Unknown,
                             someNetworkUp());
}

void QtDesktop::quit() {
    // The model has ended; no timer may tick into it any more.
    if (timers_) timers_->stopAll();
    QCoreApplication::quit();
}

}  // namespace tonvale
