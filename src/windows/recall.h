// SPDX-License-Identifier: MIT
#pragma once
// Game recall: the games a player played, as the history keeps them, and what the
// HISTORY window and the results plot make of them. The history itself is read
// through GameHistory, so that the window does not care where it is kept.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/play.h"

namespace tonvale {

// One line of a player's history: a paid game with everything that followed from
// it, a credit insert, or a checkpoint. Money in cents.
struct RecalledGame {
    std::int64_t id = 0;      // the order of play, rising
    int player = 0;           // slot 1..6
    std::int64_t timeMs = 0;  // milliseconds since 1970 (UTC)
    LineKind kind = LineKind::spin;
    Phase phase = Phase::ended;  // a game that goes on is not ended
    std::int64_t inserted = 0;   // an insert: the amount
    int restored = 0;            // times the game went on after a close or a fault
    std::string note;            // a checkpoint: why; a game: "deleted" when ended by a delete
    std::string unreadable;      // why the stored line cannot be read (empty: it can)
    int bet = 0;                 // cents a way unit
    int waysfactor = 0;          // 1, 3, 7, 15 or 25
    int machinepay = 0;          // payout level 1..3; 0 when the history does not say
    std::int64_t stake = 0;
    int stops[5] = {0, 0, 0, 0, 0};  // reels 1..5, 1..22
    int bellcoin = 2;                // 1: a bell on reel 3 counts
    std::int64_t win = 0;            // the spin's own win
    int freespins = 0;               // free spins awarded (0: no series)
    std::vector<int> multipliers;    // the multiplier of each free spin, when kept
    std::int64_t freespinwin = 0;    // the series total
    int jackpotfield = 0;            // the board field the ball stopped on (0: no jackpot)
    std::int64_t jackpotwin = 0;
    std::string gamble;            // the bets in order (core/play.h)
    std::int64_t gamblestake = 0;  // what the gamble was entered with (0: not recorded, or no gamble)
    std::int64_t gamblewin = 0;    // what the gamble came to (0 after a loss)
    std::int64_t creditBefore = 0;
    std::int64_t creditAfter = 0;
};

class GameHistory {
public:
    virtual ~GameHistory() = default;
    virtual std::int64_t count(int player) = 0;
    // Up to `n` games of a player, newest first, after skipping the `skip` newest.
    virtual std::vector<RecalledGame> newest(int player, std::int64_t skip, int n) = 0;
};

// Where no history is kept: no games.
class NoHistory : public GameHistory {
public:
    std::int64_t count(int) override { return 0; }
    std::vector<RecalledGame> newest(int, std::int64_t, int) override { return {}; }
};

// The lines the window writes beside the reels of a game.
std::vector<std::string> recallLines(const RecalledGame& g);
// One line of the list of games: time, stake and what came back.
std::string recallRow(const RecalledGame& g);
// "10 Dec 2026 06:14:43" in UTC.
std::string recallTime(std::int64_t ms);
// Everything that came back to the player: the win or the series total (which
// holds the winning spin's win), the jackpot, and what the gamble made of it.
std::int64_t returned(const RecalledGame& g);
// A paid game the rules can replay: the lines the results plot is made of.
bool isPlayedGame(const RecalledGame& g);

// The player's results against the odds. For each plotted game count n: the
// running mean of the player's figure over games 1..n, the exact figure of the
// settings played (the mean of each game's exact figure) and its 99% band.
struct PlotPoint {
    std::int64_t n = 0;
    double mean = 0, expected = 0, low = 0, high = 0;
};
struct ResultCurve {
    std::vector<PlotPoint> points;
};
struct ResultsPlot {
    ResultCurve ret;        // return of the paid spin and its series, stakes per paid spin
    ResultCurve freeSpins;  // series awarded per paid spin
    ResultCurve jackpots;   // jackpots per paid spin
};

// The exact figures of one setting: the return of a paid spin and its series in
// stakes, and the chances of a series and of the jackpot.
struct ExactFigures {
    double ret = 0, pFreeSpins = 0, pJackpot = 0;
};
using FiguresOf = std::function<ExactFigures(int waysfactor, int machinepay, int bet)>;

// From games in the order played. The return's band is the exact figure plus or
// minus 2.576 standard errors, with the spread of the player's own returns (a
// paid spin's exact spread with its series is not counted); the two chances have
// their exact binomial bands. At most `maxPoints` points a curve, spread evenly
// on a logarithmic count from the first game to the last, which is always there.
ResultsPlot resultsPlot(std::span<const RecalledGame> played, const FiguresOf& figures, int maxPoints = 400);

// The exact figures from the game's own odds, counted once per ways setting.
FiguresOf exactFigures();

}  // namespace tonvale
