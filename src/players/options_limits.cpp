// SPDX-License-Identifier: MIT
// The options window's column of the player's limits: the reality check interval
// and the limits of an autoplay run.
#include "players/options.h"
#include "players/session.h"

namespace tonvale {

namespace {

template <std::size_t N>
void choose(std::array<Control, N>& group, std::size_t chosen) {
    for (std::size_t i = 0; i < N; ++i) group[i].value = i == chosen;
}

// The button of a group that holds `value`, or N when none does.
template <class T, std::size_t N>
std::size_t indexOf(const std::array<T, N>& values, std::int64_t value) {
    for (std::size_t i = 0; i < N; ++i)
        if (values[i] == value) return i;
    return N;
}

}  // namespace

void Options::bindLimits(Bindings& b) {
    for (int i = 0; i < 4; ++i)
        b.on(ui.realitycheck[static_cast<std::size_t>(i)], Ev::Click, [this, i] { realitycheck_Click(i); });
    for (int i = 0; i < 5; ++i) {
        b.on(ui.autospins[static_cast<std::size_t>(i)], Ev::Click, [this, i] { autospins_Click(i); });
        b.on(ui.autoloss[static_cast<std::size_t>(i)], Ev::Click, [this, i] { autoloss_Click(i); });
    }
}

void Options::keepLimits() { savePlayLimits(m_.ports.store, m_.s.playerslot, session_.limits); }

void Options::realitycheck_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kRealityMinutes.size())) return;
    const auto i = static_cast<std::size_t>(index);
    choose(ui.realitycheck, i);
    session_.limits.realitycheck = kRealityMinutes[i];
    keepLimits();
}

void Options::autospins_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kAutoplaySpins.size())) return;
    const auto i = static_cast<std::size_t>(index);
    choose(ui.autospins, i);
    session_.limits.autoplayspins = kAutoplaySpins[i];
    keepLimits();
}

void Options::autoloss_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kAutoplayLosses.size())) return;
    const auto i = static_cast<std::size_t>(index);
    choose(ui.autoloss, i);
    session_.limits.autoplayloss = kAutoplayLosses[i];
    keepLimits();
}

// Selects the buttons of the player's limits; a stored value that no button
// offers selects none.
void Options::showLimits() {
    const PlayLimits& l = session_.limits;
    // Under safer play there is always a reality check: no interval chosen shows the
    // 60 minutes that apply, and "Off" cannot be chosen.
    const bool safer = m_.saferPlay;
    choose(ui.realitycheck,
           indexOf(kRealityMinutes, safer && l.realitycheck == 0 ? kSaferRealityCheck : l.realitycheck));
    ui.realitycheck[0].enabled = !safer;
    choose(ui.autospins, indexOf(kAutoplaySpins, l.autoplayspins));
    choose(ui.autoloss, indexOf(kAutoplayLosses, l.autoplayloss));
}

}  // namespace tonvale
