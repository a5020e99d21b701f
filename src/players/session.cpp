// SPDX-License-Identifier: MIT
#include "players/session.h"

#include "core/checked.h"
#include "core/store.h"
#include "rules/money.h"

namespace tonvale {

namespace {

constexpr std::int64_t kMinute = 60 * 1000;

}  // namespace

PlayLimits readPlayLimits(StorePort& store, const std::string& app, std::string_view slot) {
    PlayLimits l;
    const std::string section = recordSection(slot);
    readNumber(store, app, section, kRealityCheckKey, l.realitycheck);
    readNumber(store, app, section, kAutoplaySpinsKey, l.autoplayspins);
    readNumber(store, app, section, kAutoplayLossKey, l.autoplayloss);
    // A limit that is no limit at all is off.
    if (l.realitycheck < 0) l.realitycheck = 0;
    if (l.autoplayspins < 0) l.autoplayspins = 0;
    if (l.autoplayloss < 0) l.autoplayloss = 0;
    return l;
}

bool savePlayLimits(StorePort& store, std::string_view slot, const PlayLimits& limits) {
    return savePlayerKeys(store, slot,
                          {{kRealityCheckKey, numberText(limits.realitycheck)},
                           {kAutoplaySpinsKey, numberText(limits.autoplayspins)},
                           {kAutoplayLossKey, numberText(limits.autoplayloss)}});
}

std::string clockText(std::int64_t ms) {
    const std::int64_t seconds = ms < 0 ? 0 : ms / 1000;
    const std::int64_t m = seconds / 60 % 60, s = seconds % 60;
    return std::to_string(seconds / 3600) + (m < 10 ? ":0" : ":") + std::to_string(m) +
           (s < 10 ? ":0" : ":") + std::to_string(s);
}

std::string signedMoney(std::int64_t cents) {
    if (cents > 0) return "+" + money(cents);
    if (cents < 0) return "-" + money(-cents);
    return money(0);
}

void Session::bind(Bindings& b) {
    b.onTimer(TimerId::tmrsession, [this] { tmrsession_Timer(); });
}

void Session::start() {
    Machine& m = m_;
    startMs_ = m.ports.clock.nowMs();
    lastCheckMs_ = 0;
    staked0_ = m.cycles.staked();
    shown0_ = m.cycles.shown();
    staked_ = net_ = 0;
    started_ = true;
    m.setTimer(TimerId::tmrsession, true);
    showMeter();
}

void Session::slotChosen(const std::string& before) {
    Machine& m = m_;
    limits = readPlayLimits(m.ports.store, kOptionsApp, m.s.playerslot);
    if (m.s.playerslot != before) start();
}

void Session::settle() {
    if (!started_) return;
    const CycleBook& games = m_.cycles;
    staked_ = games.staked() - staked0_;
    net_ = games.shown() - shown0_ - staked_;
    showMeter();
}

// The meter follows the games while a spin runs, too.
void Session::tmrsession_Timer() { settle(); }

std::int64_t Session::elapsedMs() const { return started_ ? m_.ports.clock.nowMs() - startMs_ : 0; }

void Session::showMeter() {
    // The meter shows whole seconds: its text is made again only when it changes.
    const std::int64_t seconds = elapsedMs() / 1000;
    std::string& caption = m_.ui.lblsession.caption;
    if (seconds == shownSeconds_ && net_ == shownNet_ && caption == shownText_) return;
    shownSeconds_ = seconds;
    shownNet_ = net_;
    caption = shownText_ = clockText(seconds * 1000) + "   " + signedMoney(net_);
}

std::string Session::realityText() const {
    return " ..............REALITY CHECK.................\r"
           " You have played for " +
           clockText(elapsedMs()) +
           " this session.\r"
           "  \r"
           " Staked        " +
           money(staked_) +
           "\r"
           " Won            " +
           money(won()) +
           "\r"
           " Net result     " +
           signedMoney(net_);
}

bool Session::spinMayStart() {
    Machine& m = m_;
    if (holding_) return false;
    // Under safer play the check comes every 60 minutes unless the player chose
    // another interval.
    const int interval = limits.realitycheck > 0 ? limits.realitycheck : m.saferPlay ? kSaferRealityCheck : 0;
    if (!started_ || interval <= 0 || m.s.freespinsawarded > 0) return true;
    const std::int64_t elapsed = elapsedMs();
    if (elapsed - lastCheckMs_ < interval * kMinute) return true;

    // Autoplay waits for the answer: its timer would otherwise try to start spins
    // while the message is open.
    holding_ = true;
    const bool autoplay = m.s.autoplaymode == 10;
    if (autoplay) m.setTimer(TimerId::tmrautospin, false);
    const Answer a =
        m.ports.desktop.message(kRealityTitle, realityText(), MsgIcon::information, MsgButtons::continueStop);
    holding_ = false;
    lastCheckMs_ = elapsedMs();
    if (a != Answer::no) {
        if (autoplay && m.s.autoplaymode == 10) m.setTimer(TimerId::tmrautospin, true);
        return true;
    }
    // "Stop autoplay": the AUTO button is pressed for the player; a spin the
    // player pressed for is not started either.
    if (m.s.autoplaytoggle == 1) {
        calls.switchAutoplay();
    }
    return false;
}

}  // namespace tonvale
