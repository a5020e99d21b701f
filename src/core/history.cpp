// SPDX-License-Identifier: MIT
#include "core/history.h"

#include <chrono>
#include <cstdlib>

#include "core/machine.h"
#include "core/ports.h"

namespace tonvale {

bool PlayRecorder::observe(const Machine& m, std::int32_t credit, StorePort& store) {
    const MachineState& s = m.s;
    Seen now{s.playerslot, s.games, s.freespinsawarded, s.gamblecount, s.jackpotfield, s.jackpotwon, credit};
    if (!seen_ || seen_->slot != now.slot) {
        // The first look, or another player: no spin of this one is in play.
        seen_ = now;
        open_.reset();
        sent_.reset();
        return false;
    }
    const Seen before = *seen_;
    seen_ = now;

    const bool seriesBefore = before.awarded > 0;
    const bool seriesNow = now.awarded > 0;
    if (!seriesBefore && (now.games > before.games || seriesNow)) {
        Play p;
        p.player = std::atoi(s.playerslot.c_str());
        p.bet = s.bet;
        p.waysfactor = s.waysfactor;
        p.ways = waysOf(s.waysfactor);
        p.stake = s.stake();
        const int stops[5] = {s.reelstop1, s.reelstop2, s.reelstop3, s.reelstop4, s.reelstop5};
        for (int reel = 0; reel < 5; ++reel) p.stops[reel] = stops[reel];
        p.bellcoin = s.bellcoin;
        p.win = s.winamount;
        p.creditBefore = before.credit;
        open_ = p;
    }
    if (!open_) return false;
    Play& p = *open_;
    if (seriesNow) {
        if (now.awarded > p.freespins) p.freespins = now.awarded;
        p.freespinwin = s.freespintotal;
    }
    // A drawn prize: the field is cleared again once the prize is paid.
    if ((now.jackpotfield != before.jackpotfield || now.jackpotwon != before.jackpotwon) &&
        now.jackpotfield != 0 && now.jackpotwon > 0) {
        p.jackpotfield = now.jackpotfield;
        p.jackpotwin = now.jackpotwon;
    }
    if (now.gamblecount != before.gamblecount) {
        // A bet was made: it won while its stake can still be collected; a lost
        // card is settled at once, with the panel still showing the loss.
        const bool won = m.ui.pandouble.visible && m.ui.cancelbet.enabled;
        if (!p.gamble.empty()) p.gamble += ',';
        p.gamble += std::to_string(s.gamblecard) + (won ? ":won" : ":lost");
        p.gamblewin = won ? s.gamblestake : 0;
    }
    p.creditAfter = credit;
    if (sent_ && *sent_ == p) return false;
    p.timeMs = wallClock ? wallClock()
                         : std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
    p.id = store.recordPlay(p);
    sent_ = p;
    return true;
}

}  // namespace tonvale
