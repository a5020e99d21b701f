// SPDX-License-Identifier: MIT
#include "core/cycle.h"

#include <chrono>

#include "core/machine.h"
#include "core/store.h"

namespace tonvale {

Totals totalsOf(const ProgramValues& v) {
    Totals t;
    t.games = v.games;
    t.wager = v.wager;
    t.total = v.total;
    t.amountinvested = v.amountinvested;
    t.jackpotbank = v.jackpotbank;
    t.grandwon = v.grandwon;
    t.majorwon = v.majorwon;
    t.minorwon = v.minorwon;
    t.howmanyspins = v.howmanyspins;
    t.grand = v.grand;
    t.major = v.major;
    t.minor = v.minor;
    return t;
}

namespace {

bool resumable(Phase p) { return p == Phase::series || p == Phase::jackpot || p == Phase::gamble; }

}  // namespace

std::int64_t CycleBook::now() const {
    if (wallClock) return wallClock();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool CycleBook::running() const {
    if (spinning()) return true;
    const Phase p = phase();
    return p == Phase::series || p == Phase::jackpot || p == Phase::gamble;
}

void CycleBook::begin(LineKind kind) {
    const MachineState& s = m_.s;
    Play p;
    p.player = slotNumber(s.playerslot);
    p.timeMs = now();
    p.kind = kind;
    p.phase = kind == LineKind::spin ? Phase::spinning : Phase::ended;
    if (kind == LineKind::spin) {
        p.bet = s.bet;
        p.waysfactor = s.waysfactor;
        p.ways = waysOf(s.waysfactor);
        p.machinepay = s.machinepay;
    }
    p.creditBefore = p.creditAfter = m_.creditHeld();
    p.totals = totalsOf(s);
    open_ = std::move(p);
    sent_.reset();
    winShown_ = false;
    offer_ = 0;
    shownBefore_ = 0;
    resumedStake_ = false;
}

void CycleBook::end() {
    if (!open_) return;
    Play& p = *open_;
    p.phase = Phase::ended;
    p.creditAfter = m_.creditHeld();
    p.totals = totalsOf(m_.s);
    winShown_ = true;
    closedStaked_ += resumedStake_ ? 0 : p.stake;
    closedShown_ += shownOf(p) - shownBefore_;
    ended_.push_back(std::move(p));
    open_.reset();
    sent_.reset();
    offer_ = 0;
    shownBefore_ = 0;
    resumedStake_ = false;
}

void CycleBook::spinStarts() {
    spinning_ = true;
    offerAfter_ = false;
    freeSpin_ = m_.s.freespinsawarded > 0;
    pending_.reset();
    pendingWithdrawn_.clear();
    // A free spin belongs to the series in play; any other spin is a new game.
    if (!freeSpin_ || !open_) {
        end();
        begin(LineKind::spin);
    }
    open_->phase = Phase::spinning;
}

void CycleBook::spinEnds() {
    spinning_ = false;
    pending_.reset();
    pendingWithdrawn_.clear();
    if (!open_ || open_->phase != Phase::spinning) return;  // collected, or already in the jackpot
    if (m_.s.freespinsawarded > 0) {
        open_->phase = Phase::series;
        winShown_ = true;  // a series shows its total at once; nothing counts up
    } else if (offerAfter_ && open_->win > 0) {
        open_->phase = Phase::offer;
        offer_ = open_->win;
    } else {
        end();
    }
}

void CycleBook::charged(std::int64_t stake) {
    // The stake of a series is the winning spin's: the series gives each spin's
    // stake back but the last, which costs that same stake.
    if (open_ && !freeSpin_) open_->stake = stake;
}

void CycleBook::drawn(const Draw& d) { pending_ = d; }

void CycleBook::withdrawn() {
    if (pending_) pendingWithdrawn_.push_back(*pending_);
    pending_.reset();
}

void CycleBook::stood(std::int64_t win, bool voided) {
    if (!open_ || !pending_) return;
    Play& p = *open_;
    if (!freeSpin_) {
        for (std::size_t i = 0; i < 5; ++i) p.stops[i] = pending_->stops[i];
        p.bellcoin = pending_->bellcoin;
        p.withdrawn = std::move(pendingWithdrawn_);
        p.win = win;
        p.voided = voided;
    } else {
        FreeSpin f;
        f.withdrawn = std::move(pendingWithdrawn_);
        f.draw = *pending_;
        f.win = win;
        f.voided = voided;
        p.spins.push_back(std::move(f));
    }
    pendingWithdrawn_.clear();
    pending_.reset();
}

void CycleBook::seriesAwarded(int freespins) {
    if (open_) open_->freespins = freespins;
}

void CycleBook::seriesTotal(std::int64_t total) {
    if (open_) open_->freespinwin = total;
}

void CycleBook::winShown() { winShown_ = true; }

void CycleBook::jackpotStarts() {
    if (open_) open_->phase = Phase::jackpot;
}

void CycleBook::jackpotDrawn(int field, std::int64_t prize) {
    if (!open_) return;
    open_->jackpotfield = field;
    open_->jackpotwin = prize;
}

void CycleBook::jackpotPaid() {
    if (!open_ || open_->phase != Phase::jackpot) return;
    open_->jackpotpaid = true;
    if (offerAfter_ && open_->win > 0 && m_.s.autoplaymode == 0) {
        open_->phase = Phase::offer;
        offer_ = open_->win;
    } else {
        end();
    }
}

void CycleBook::seriesCollected(std::int64_t total, bool offered) {
    if (!open_) return;
    open_->freespinwin = total;
    if (offered && total > 0) {
        open_->phase = Phase::offer;
        offer_ = total;
    } else {
        end();
    }
}

void CycleBook::gambleEntered(std::int64_t stake) {
    if (!open_) return;
    open_->phase = Phase::gamble;
    open_->gamblestake = stake;
    open_->gamblewin = stake;
    winShown_ = true;
    offer_ = 0;
}

void CycleBook::betDecided(const GambleBet& bet, std::int64_t stake) {
    if (!open_) return;
    std::vector<GambleBet> bets;
    parseGamble(open_->gamble, bets);
    bets.push_back(bet);
    open_->gamble = gambleText(bets);
    open_->gamblewin = stake;
    if (bet.result == GambleBet::Result::lost) end();
}

void CycleBook::gambleCollected(std::int64_t stake) {
    if (!open_) return;
    open_->gamblewin = stake;
    end();
}

void CycleBook::offerWithdrawn() {
    // Withdrawn as its spin ends (autoplay switched on by input let in then), or
    // while the jackpot runs, the win is not offered at all.
    if (phase() == Phase::offer)
        end();
    else
        offerAfter_ = false;
}

void CycleBook::inserted(std::int64_t amount) {
    end();
    begin(LineKind::insert);
    open_->inserted = amount;
    open_->creditBefore -= amount;
    end();
}

void CycleBook::checkpoint(const std::string& note) {
    end();
    Play c;
    c.player = slotNumber(m_.s.playerslot);
    c.timeMs = now();
    c.kind = LineKind::checkpoint;
    c.creditBefore = c.creditAfter = m_.creditHeld();
    c.totals = totalsOf(m_.s);
    c.note = note;
    ended_.push_back(std::move(c));
}

void CycleBook::detailsDeleted() {
    end();
    const int player = slotNumber(m_.s.playerslot);
    std::optional<Play> last = player >= 1 ? newestLine(player) : std::nullopt;
    if (last && last->unreadable.empty() && last->kind == LineKind::spin && last->phase != Phase::ended) {
        // Its line stands as the record saved with it counted it (a series total,
        // a stake at risk or a drawn prize as collected); the details went after it.
        if (resumable(last->phase)) last->note = "deleted";
        last->phase = Phase::ended;
        ended_.push_back(std::move(*last));
    }
    checkpoint("deleted");
}

std::optional<Play> CycleBook::newestLine(int player) {
    // A line still to be sent is newer than any the store holds (a delete's
    // checkpoint, a game ended as the slot was chosen).
    for (auto it = ended_.rbegin(); it != ended_.rend(); ++it)
        if (it->player == player) return *it;
    return m_.ports.store.lastPlay(player);
}

std::optional<Play> CycleBook::playerLoaded() {
    end();
    const int player = slotNumber(m_.s.playerslot);
    if (player < 1) return std::nullopt;
    std::optional<Play> last = newestLine(player);
    if (last && last->unreadable.empty() && last->kind == LineKind::spin && resumable(last->phase))
        return last;
    continueFrom(std::move(last));
    return std::nullopt;
}

void CycleBook::notResumed(const Play& line) { continueFrom(line); }

void CycleBook::continueFrom(std::optional<Play> last) {
    const bool readable = last && last->unreadable.empty();
    // A game left on offer, cut short in its spin or not resumed is over: its line says so.
    if (readable && last->kind == LineKind::spin && last->phase != Phase::ended) {
        last->phase = Phase::ended;
        ended_.push_back(*last);
    }
    const Totals record = totalsOf(m_.s);
    const std::int64_t credit = m_.creditHeld();
    const bool continues =
        readable && last->kind != LineKind::legacy && last->creditAfter == credit && last->totals == record;
    // A player without any line starts from nothing: the first line begins the chain.
    Totals zero = record;
    zero.grand = zero.major = zero.minor = 0;
    const bool fresh = !last && credit == 0 && zero == Totals{};
    if (!continues && !fresh) checkpoint("start");
}

void CycleBook::resumed(const Play& line) {
    end();
    open_ = line;
    open_->restored += 1;
    sent_.reset();
    winShown_ = true;
    offerAfter_ = false;
    offer_ = 0;
    // What the game staked and showed before the restart belongs to the run before.
    shownBefore_ = shownOf(*open_);
    resumedStake_ = true;
}

std::int64_t CycleBook::shownOf(const Play& p) const {
    std::int64_t x = 0;
    if (p.freespins > 0)
        x += p.freespinwin;
    else if (winShown_ || p.phase == Phase::ended)
        x += p.win;
    if (p.jackpotpaid || p.phase == Phase::ended) x += p.jackpotwin;
    if (p.gamblestake > 0 || !p.gamble.empty()) {
        x -= p.gamblestake;
        if (p.phase != Phase::gamble) x += p.gamblewin;
    }
    return x;
}

std::int64_t CycleBook::staked() const {
    return closedStaked_ + (open_ && !resumedStake_ ? open_->stake : 0);
}

std::int64_t CycleBook::shown() const { return closedShown_ + (open_ ? shownOf(*open_) - shownBefore_ : 0); }

bool CycleBook::settle(const ProgramValues& saved) {
    bool sent = false;
    StorePort& store = m_.ports.store;
    for (Play& p : ended_) {
        p.id = store.recordPlay(p);
        if (onLine) onLine(p);
        sent = true;
    }
    ended_.clear();
    if (open_) {
        open_->creditAfter = saved.bank;
        open_->totals = totalsOf(saved);
        if (!sent_ || *sent_ != *open_) {
            open_->id = store.recordPlay(*open_);
            sent_ = *open_;
            if (onLine) onLine(*open_);
            sent = true;
        }
    }
    return sent;
}

}  // namespace tonvale
