// SPDX-License-Identifier: MIT
#pragma once
// The game cycle: one game as the model's own record. A cycle begins when a
// paid spin takes its stake (or credit is inserted, a cycle of its own kind) and
// holds everything the game does for that stake as it happens: the draws the
// payout level withdrew and the one that stood, each pay, the free-spin series
// spin by spin, the jackpot's field and prize, every gamble bet, and the credit
// before and after. It ends when its win is collected or lost.
//
// The handlers report to it as they act (the evaluation, free spins, the
// jackpot, the gamble, the credit button); everything that asks what a game did
// or whether one is running reads it instead of comparing states: the play
// history (a line per cycle, core/play.h), the session meter, the press rule
// ("a game is running", "a win is on offer"), the HISTORY window and the
// simulator's ledger.
//
// The line of the open cycle is saved with the record at every settled point, in
// the same transaction (core/durable.h). A line saved while its game was in a
// series, the jackpot or the gamble is resumed after a close or a fault
// (game/resume.h).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/play.h"
#include "core/state.h"

namespace tonvale {

class Machine;

// The statistics and pools of a record, as a line keeps them.
Totals totalsOf(const ProgramValues& v);

class CycleBook {
public:
    explicit CycleBook(Machine& m) : m_(m) {}
    CycleBook(const CycleBook&) = delete;
    CycleBook& operator=(const CycleBook&) = delete;

    // Milliseconds since 1970 (UTC) for the lines; the system clock unless set.
    std::function<std::int64_t()> wallClock;
    // Told of every line as it goes to the store (the simulator's books).
    std::function<void(const Play&)> onLine;

    // --- What the game reports as it plays ---

    // A press that starts a spin was taken: from here until the spin has ended no
    // other press starts one (the handler lets events in before the spin starts).
    void pressTaken() { ++held_; }
    void pressDone() {
        if (held_ > 0) --held_;
    }
    // A spin's reels are about to be drawn. Outside a series this is a paid spin:
    // the cycle before it ends and a new one begins.
    void spinStarts();
    // The spin has ended (its handler returns): the game stands in a series, the
    // jackpot, on offer or has ended.
    void spinEnds();
    // The evaluation offered the gamble for the spin's win (after the jackpot,
    // when one runs).
    void offers() { offerAfter_ = true; }
    // The evaluation took a stake, or gave one back (a series refunds its spins,
    // the payout level withdraws a draw).
    void charged(std::int64_t stake);
    void refunded(std::int64_t stake);
    // The draw being evaluated; the payout level may withdraw it.
    void drawn(const Draw& d);
    void withdrawn();
    // The draw stood and its reels have stopped: its win (0 and voided when the
    // credit could not hold it).
    void stood(std::int64_t win, bool voided);
    // A series was awarded (or lengthened) and the series total changed.
    void seriesAwarded(int freespins);
    void seriesTotal(std::int64_t total);
    // The win counter finished counting the spin's win up: the player has seen it.
    void winShown();
    void jackpotStarts();
    // The ball stopped: the field and its prize (0 when the credit cannot hold it).
    void jackpotDrawn(int field, std::int64_t prize);
    void jackpotPaid();
    // The series total went to the credit; `offered`: the gamble is offered for it.
    void seriesCollected(std::int64_t total, bool offered);
    void gambleEntered(std::int64_t stake);
    // A card decided a bet; `stake`: what is at risk after it (0 after a loss).
    void betDecided(const GambleBet& bet, std::int64_t stake);
    void gambleCollected(std::int64_t stake);
    // The gamble offer was withdrawn (a spin, autoplay, the options, an insert).
    void offerWithdrawn();
    // Credit is about to be inserted: the game in play ends (its win on offer is
    // collected with the insert). Then it was: a cycle of its own kind.
    void inserting() { end(); }
    void inserted(std::int64_t amount);
    // The record changed outside any game: a checkpoint line carries the new totals.
    void checkpoint(const std::string& note);
    // The player's details were deleted (their record already cleared): a game the
    // slot had left in a series, the jackpot or the gamble, waiting to be resumed,
    // ends with them and its line says so; a checkpoint "deleted" follows it.
    void detailsDeleted();

    // --- A player's record was read (the start, a slot switch) ---

    // Ends the cycle in play and looks at the player's newest line: returns it
    // when its game was left in a series, the jackpot or the gamble (to be
    // resumed); otherwise a line that does not continue into the record read
    // (another version, an imported record, a store edited by hand) is followed
    // by a checkpoint of the record, so that the history's chain closes.
    std::optional<Play> playerLoaded();
    // The game has been put back as `line` left it: it goes on as the open cycle,
    // one restoration more. Or it could not be (the record does not hold it): the
    // line ends as it stands.
    void resumed(const Play& line);
    void notResumed(const Play& line);

    // --- Reading it ---

    // A spin is being started or drawn and run.
    bool spinning() const { return held_ > 0 || spinning_; }
    // A game is running: a spin, a series, the jackpot or the gamble.
    bool running() const;
    Phase phase() const { return open_ ? open_->phase : Phase::ended; }
    // The open cycle's line (the last one when none is open).
    const Play* line() const { return open_ ? &*open_ : nullptr; }
    // What the gamble would take now: a win or a collected series total still to
    // be collected, outside autoplay; 0 when nothing is on offer.
    std::int64_t offered() const { return phase() == Phase::offer ? offer_ : 0; }
    // Since the program started: the stakes of the games begun, and what came back
    // to the player as it was shown (a spin's win once counted up, a free spin's
    // as its reels stop, a jackpot when paid, a gamble when its card decides).
    std::int64_t staked() const;
    std::int64_t shown() const;

    // At a settled point, with the record as it is saved now: the open line takes
    // its credit and totals, and every line that changed goes to the store. True
    // when a line was recorded (to be flushed with the record).
    bool settle(const ProgramValues& saved);

private:
    void end();  // the open cycle ends here
    void begin(LineKind kind);
    std::int64_t shownOf(const Play& p) const;
    void continueFrom(std::optional<Play> last);
    // The player's newest line: one ended but not yet sent, or else the store's.
    std::optional<Play> newestLine(int player);
    std::int64_t now() const;

    Machine& m_;
    std::optional<Play> open_;
    std::vector<Play> ended_;      // ended since the last settled point, not yet sent
    std::optional<Play> sent_;     // the open line as last sent
    std::optional<Draw> pending_;  // the draw being evaluated
    std::vector<Draw> pendingWithdrawn_;
    int held_ = 0;
    bool spinning_ = false;
    bool freeSpin_ = false;
    bool winShown_ = false;
    bool offerAfter_ = false;    // the evaluation offered the gamble (after the jackpot, if one runs)
    bool resumedStake_ = false;  // the open cycle's stake was paid before a restart
    std::int64_t offer_ = 0;
    std::int64_t closedStaked_ = 0, closedShown_ = 0;
    std::int64_t shownBefore_ = 0;  // a resumed cycle: what it had shown before the restart
    int player_ = 0;
};

}  // namespace tonvale
