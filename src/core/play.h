// SPDX-License-Identifier: MIT
#pragma once
// One line of the play history, the record of one game cycle (core/cycle.h): a
// paid spin with everything that followed from it (the draws the payout level
// withdrew, its free-spin series spin by spin, the jackpot, the gamble bet by
// bet) and the credit before and after; or a credit insert; or a checkpoint that
// carries the player's totals where older lines were trimmed away. Money in cents.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tonvale {

enum class LineKind : std::uint8_t {
    spin,        // a paid spin and what followed from it
    insert,      // credit inserted
    checkpoint,  // the totals at a point: where trimmed lines were, where a record starts or was deleted
    legacy,      // a line kept before the game recorded its cycles: its stops and wins, not its draws
};

// Where a game stands when its line is saved. A line saved in a series, the
// jackpot or the gamble is a game that goes on after a close or a fault.
enum class Phase : std::uint8_t {
    ended,
    spinning,  // the reels are drawn and run (never saved: a spin cut short is void)
    series,    // free spins to play, or a finished series to collect
    jackpot,   // the jackpot feature: bells, ball, award
    offer,     // the win is credited and the gamble offered
    gamble,    // the gamble panel is open with a stake at risk
};

// One drawn spin: the five stops, reel 3's bell coin and the multiplier a free
// spin drew (1 for a paid spin).
struct Draw {
    std::array<int, 5> stops{};
    int bellcoin = 0;
    int multiplier = 1;
    bool operator==(const Draw&) const = default;
};

// A free spin of a series: the draws the payout level withdrew, the draw that
// stood and its win (multiplied); voided: a win the credit could not hold.
struct FreeSpin {
    std::vector<Draw> withdrawn;
    Draw draw;
    std::int64_t win = 0;
    bool voided = false;
    bool operator==(const FreeSpin&) const = default;
};

// The player's statistics and pools after a line: what the record holds at that
// point (the credit is the line's credit after).
struct Totals {
    std::int64_t games = 0, wager = 0, total = 0, amountinvested = 0, jackpotbank = 0;
    std::int64_t grandwon = 0, majorwon = 0, minorwon = 0, howmanyspins = 0;
    std::int64_t grand = 0, major = 0, minor = 0;
    bool operator==(const Totals&) const = default;
};

// One bet of the gamble. `on`: 0 red, 1 black, 2..5 the suits of cards 1..4;
// -1 when a line kept before the game recorded it does not say.
struct GambleBet {
    int card = 0;  // 1 hearts, 2 clubs, 3 diamonds, 4 spades
    int on = -1;
    enum class Result : std::uint8_t {
        won,
        lost,
        full
    } result = Result::won;  // full: won, but the
                             // credit could not hold the
                             // doubled stake
    bool operator==(const GambleBet&) const = default;
};

struct Play {
    std::int64_t id = 0;      // the order of play, rising; 0 until the store numbers it
    int player = 0;           // slot 1..6
    std::int64_t timeMs = 0;  // when the game began, milliseconds since 1970 (UTC)
    LineKind kind = LineKind::spin;
    Phase phase = Phase::ended;
    int bet = 0;         // cents a way
    int waysfactor = 0;  // 1, 3, 7, 15 or 25
    int ways = 0;        // 3, 9, 27, 81 or 243
    int machinepay = 0;  // the payout level played (0: not recorded)
    std::int64_t stake = 0;
    int stops[5] = {0, 0, 0, 0, 0};  // reels 1..5, 1..22: the draw that stood
    int bellcoin = 0;                // 1: a bell on reel 3 counts; 2: it does not
    std::vector<Draw> withdrawn;     // the paid spin's draws withdrawn by the payout level, in order
    std::int64_t win = 0;            // the spin's own win
    bool voided = false;             // its win did not fit the credit and was not counted
    int freespins = 0;               // free spins awarded, retriggers included (0: no series)
    std::vector<FreeSpin> spins;     // the free spins played so far
    std::int64_t freespinwin = 0;    // the series total: the winning spin's win and every free spin's
    int jackpotfield = 0;            // the board field the ball stopped on (0: no jackpot drawn)
    std::int64_t jackpotwin = 0;     // the prize (0 when the credit could not hold it)
    bool jackpotpaid = false;        // the prize reached the credit
    std::string gamble;              // the bets in order, "card:on:result" comma-separated (gambleText)
    std::int64_t gamblestake = 0;    // what the gamble was entered with (0: no gamble)
    std::int64_t gamblewin = 0;      // what the gamble came to: the stake collected (0 after a loss)
    std::int64_t creditBefore = 0;   // the player's credit before the game
    std::int64_t creditAfter = 0;    // and after it (while it goes on: as the record saved with it holds it)
    Totals totals;                   // the record's statistics and pools after the line
    std::int64_t inserted = 0;       // an insert: the amount
    int restored = 0;                // times the game went on after a close or a fault
    std::string note;                // a checkpoint: why ("trimmed", "start", "deleted", "legacy");
                                     // a game: "deleted" when the details were deleted before it finished
    std::string unreadable;          // read from a store: why the line cannot be read (empty: it can)

    bool operator==(const Play&) const = default;
};

// The number of ways a ways factor plays.
int waysOf(int waysfactor);

// The bets of a gamble as the line keeps them, and back; false for a text that is
// not a list of bets. A line kept before the choices were recorded has "card:won".
std::string gambleText(const std::vector<GambleBet>& bets);
bool parseGamble(std::string_view text, std::vector<GambleBet>& out);

// The names used in the line's texts: "red", "black", "hearts", ... and the phases.
std::string_view betName(int on);
std::string_view phaseName(Phase p);
std::string_view kindName(LineKind k);
// The phase or kind a name stands for; false for a name that stands for none.
bool phaseNamed(std::string_view name, Phase& out);
bool kindNamed(std::string_view name, LineKind& out);

// The line that stands for `last` and every line of its player before it, once
// they are gone: a checkpoint with the credit and the totals after `last`. A
// line kept before the game recorded its cycles has no totals: its checkpoint
// says "legacy", and the totals of the lines before it are not known.
Play checkpointOf(const Play& last, std::string note);

// Why the rules cannot replay a line (a bet, ways factor, stop, bell coin,
// multiplier, payout level, board field or gamble they do not know); empty when
// they can. Inserts and checkpoints have nothing to replay.
std::string lineProblem(const Play& p);

// What the game gave back to the player for this line's stake: the spin's win or,
// with a series, the series total (which holds the spin's win), the jackpot prize,
// and what the gamble made of the amount it was entered with.
std::int64_t returned(const Play& p);

}  // namespace tonvale
