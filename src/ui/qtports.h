// SPDX-License-Identifier: MIT
#pragma once
// The desktop platform: Qt implementations of the ports the game model calls.
#include <QElapsedTimer>
#include <QNetworkInformation>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "core/database.h"
#include "core/ports.h"
#include "core/random.h"
#include "ui/clipplayer.h"

namespace tonvale {

class QtClock : public ClockPort {
public:
    QtClock() { timer_.start(); }
    std::int64_t nowMs() override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// One precise QTimer per named timer of the main window.
class QtTimers : public TimerPort {
public:
    using TickFn = std::function<void(TimerId)>;
    QtTimers();
    void setTickHandler(TickFn fn) { tick_ = std::move(fn); }
    void timerChanged(TimerId id, bool enabled, int intervalMs) override;
    void stopAll();
    bool active(TimerId id) const { return timers_[static_cast<std::size_t>(id)]->isActive(); }
    int interval(TimerId id) const { return timers_[static_cast<std::size_t>(id)]->interval(); }

private:
    std::array<std::unique_ptr<QTimer>, kTimerCount> timers_;
    TickFn tick_;
};

// A view that knows which parts of its picture the model has changed since it
// last looked.
class FrameView {
public:
    virtual ~FrameView() = default;
    virtual void refresh() = 0;     // paint what changed at the next chance
    virtual void presentNow() = 0;  // paint what changed, now
};

// The game blocks in sleep() and wait(): what it changed before is painted first,
// so a pause never freezes on a picture that is out of date.
class QtEvents : public EventsPort {
public:
    // The widget that present() paints at once; set when the view exists. A view
    // that is a FrameView paints only what changed.
    void setView(QWidget* view) { view_ = view; }
    void doEvents() override;
    void sleep(int ms) override;
    void present() override;
    void wait(int ms) override;
    void deliverInput() override;

private:
    QPointer<QWidget> view_;
};

class QtDesktop : public DesktopPort {
public:
    // The window message boxes belong to; the timers that must stop at the end.
    void setWindow(QWidget* window) { window_ = window; }
    void setTimers(QtTimers* timers) { timers_ = timers; }
    // The window that shows the help (its texts as the model wrote them); without one
    // the help is a message box.
    using HelpWindow =
        std::function<void(const std::string& title, const std::string& text, const std::string& keys)>;
    void setHelpWindow(HelpWindow show) { help_ = std::move(show); }
    // For tests only (the game's --demo): a message box is answered at once with
    // its default, without showing it, so that a game that plays by itself is
    // never held by one.
    void answerAtOnce(bool yes) { answerAtOnce_ = yes; }
    Answer message(const std::string& title, const std::string& text, MsgIcon icon,
                   MsgButtons buttons) override;
    void help(const std::string& title, const std::string& text, const std::string& keys) override;
    bool openLink(const std::string& link) override;
    std::string linkFailure() override { return linkFailure_; }
    bool isConnected() override;
    void quit() override;

private:
    QPointer<QWidget> window_;
    QtTimers* timers_ = nullptr;
    std::string linkFailure_;
    HelpWindow help_;
    bool answerAtOnce_ = false;
};

// Whether the desktop counts as connected: online is, disconnected or only a
// local network is not; when the system cannot tell, a link is worth trying only
// while some network other than the loopback is up.
bool countsAsConnected(QNetworkInformation::Reachability r, bool someNetworkUp);
bool someNetworkUp();

// The game's draws: ChaCha20 keyed once from the system; a test may give the
// answers of the first few (the game's --draws).
class DesktopRandom : public RandomPort {
public:
    int draw(int n) override;
    void script(const std::vector<int>& answers) {
        first_.insert(first_.end(), answers.begin(), answers.end());
    }

private:
    SystemRandom system_;
    std::deque<int> first_;
};

// All Qt ports together.
struct QtPlatform {
    QtPlatform() { desktop.setTimers(&timers); }
    DesktopRandom random;
    QtClock clock;
    QtTimers timers;
    QtEvents events;
    ClipPlayer sound;
    SqliteStore store;  // in memory until the game opens its file
    QtDesktop desktop;
    Ports ports() { return Ports{random, clock, timers, events, sound, store, desktop}; }
};

}  // namespace tonvale
