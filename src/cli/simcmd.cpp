// SPDX-License-Identifier: MIT
#include "cli/simcmd.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "cli/cashout.h"
#include "cli/signature.h"
#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "rules/board.h"
#include "rules/odds.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"

namespace tonvale {

namespace {

class Simulator {
public:
    explicit Simulator(const SimOptions& o) : o_(o), platform_(o.seed), game_(platform_.ports()) {
        platform_.time.setTickHandler([this](TimerId id) { game_.timerTick(id); });
        // Saving on: into the store file given, a transaction per save; else into a
        // database in memory, a transaction per 1024 saves.
        if (!o.store.empty()) {
            platform_.store = SqliteStore(o.store);
            r_.storeProblem = platform_.store.problem();
            r_.storeRefused = platform_.store.refused();
        } else {
            platform_.store.commitEvery = 1024;
        }
        watchSpins(TimerId::tmrautospin);
        watchSpins(TimerId::Timerrespin);
        watchJackpot();
        if (o.signature)
            game_.saves.onSave = [this](const std::string& slot, const ProgramValues& v) {
                signature_.settled(game_, slot, v);
            };
    }

    SimResult run() {
        if (r_.storeRefused) return r_;
        MachineState& s = game_.m.s;
        game_.startup.Form_Load();
        s.machinepay = static_cast<i16>(o_.payout);
        const int waysfactor = *waysFactorForWays(o_.ways);
        for (int i = 0; i < 5 && s.waysfactor != waysfactor; ++i) game_.press(game_.m.ui.btnlines);
        insertCredit();
        for (int i = 0; i < 5 && s.bet != o_.bet; ++i) game_.press(game_.m.ui.btnbet);
        stake_ = s.stake();
        counted([this] { game_.press(game_.m.ui.autoplayon); });

        std::int64_t lastShown = -1;
        while (!r_.broken) {
            platform_.time.advance(100);
            closeAdvert();
            if (!idle()) continue;
            check();
            if (r_.paidSpins >= o_.spins) break;
            r_.cashedOut += cashOutAboveThreshold(game_.m);
            if (s.bank < stake_ || s.autoplaymode == 0) restartWithCredit();
            if (o_.progress && r_.paidSpins * 50 / o_.spins != lastShown) {
                lastShown = r_.paidSpins * 50 / o_.spins;
                std::fprintf(stderr, "\r[%-50s] %lld/%lld",
                             std::string(static_cast<std::size_t>(lastShown), '#').c_str(),
                             static_cast<long long>(r_.paidSpins), static_cast<long long>(o_.spins));
            }
        }
        if (o_.progress) std::fprintf(stderr, "\n");
        finish();
        return r_;
    }

private:
    // A tick of a timer that can start a spin: count what the spin did.
    void watchSpins(TimerId id) {
        Bindings::Handler original = *game_.bindings.timer(id);
        game_.bindings.onTimer(id, [this, original] { counted(original); });
    }

    // Runs something that may start a spin (a timer tick, the autoplay switch) and
    // counts the spin it ran, if any.
    void counted(const std::function<void()>& action) {
        MachineState& s = game_.m.s;
        const bool inSeries = s.freespinsawarded > 0;
        const std::int64_t frames = platform_.time.frames();
        action();
        if (platform_.time.frames() == frames) return;  // no spin ran
        if (!inSeries) {
            // A paid spin begins a round: the one before it is over, its jackpot paid.
            closeRound();
            roundOpen_ = true;
            ++r_.paidSpins;
            r_.staked += stake_;
            r_.paidWins += s.winamount;
            current_ = s.winamount;
            if (s.freespinsawarded > 0) ++r_.series;
        } else {
            ++r_.freeSpins;
            r_.freeSpinWins += s.winamount;
            current_ += s.winamount;
        }
    }

    void watchJackpot() {
        Bindings::Handler original = *game_.bindings.timer(TimerId::tmrshowjackpot);
        game_.bindings.onTimer(TimerId::tmrshowjackpot, [this, original] {
            const std::int64_t bank = game_.m.s.bank;
            const bool pool = isPool(prizeOfField(game_.m.s.jackpotfield));
            original();
            if (!game_.m.timerEnabled(TimerId::tmrshowjackpot)) {
                ++r_.jackpots;
                r_.jackpotWins += game_.m.s.bank - bank;
                currentJackpot_ += game_.m.s.bank - bank;
                if (pool) r_.poolWins += game_.m.s.bank - bank;
            }
        });
    }

    // A paid spin, the series it awarded and its jackpot are over: one sample of
    // each return.
    void closeRound() {
        if (!roundOpen_) return;
        spins_.add(static_cast<double>(current_) / stake_);
        jackpot_.add(static_cast<double>(currentJackpot_) / stake_);
        current_ = currentJackpot_ = 0;
        roundOpen_ = false;
    }

    bool idle() {
        const Machine& m = game_.m;
        return m.s.freespinsawarded == 0 && !m.timerEnabled(TimerId::tmrbell) &&
               !m.timerEnabled(TimerId::tmrdecidejackpot) && !m.timerEnabled(TimerId::tmrshowjackpot) &&
               !game_.spin.spinning();
    }

    void closeAdvert() {
        if (game_.windows.advert.form.visible) game_.press(game_.windows.advert.SSCommand2);
    }

    void insertCredit() {
        while (game_.m.s.bank < stake_ || game_.m.s.bank < 1) {
            if (!game_.press(game_.m.ui.btncredit)) break;
            r_.inserted += 5000;
        }
    }

    // Autoplay off, credit in, autoplay on again (which starts a spin at once).
    void restartWithCredit() {
        MachineState& s = game_.m.s;
        if (s.autoplaytoggle == 1) game_.press(game_.m.ui.autoplayon);
        insertCredit();
        counted([this] { game_.press(game_.m.ui.autoplayon); });
    }

    void fail(const std::string& what) {
        std::ostringstream msg;
        msg << "spin " << r_.paidSpins << ": " << what;
        r_.broken = msg.str();
    }

    // The books at a settled point: the game's own counters against ours.
    void check() {
        ++r_.checks;
        const MachineState& s = game_.m.s;
        const std::int64_t credit =
            r_.inserted - r_.staked + r_.paidWins + r_.freeSpinWins + r_.jackpotWins - r_.cashedOut;
        if (s.bank != credit)
            fail("credit " + std::to_string(s.bank) +
                 " but inserted - staked + wins + jackpots - cashed out = " + std::to_string(credit));
        else if (s.games != r_.paidSpins)
            fail("games " + std::to_string(s.games) + " but " + std::to_string(r_.paidSpins) + " paid spins");
        else if (s.wager != r_.staked)
            fail("wager " + std::to_string(s.wager) + " but " + std::to_string(r_.staked) + " staked");
        else if (s.total != r_.paidWins + r_.freeSpinWins)
            fail("total " + std::to_string(s.total) + " but " +
                 std::to_string(r_.paidWins + r_.freeSpinWins) + " won");
        else if (s.amountinvested != r_.inserted)
            fail("amountinvested " + std::to_string(s.amountinvested) + " but " +
                 std::to_string(r_.inserted) + " inserted");
        else if (s.jackpotbank != r_.poolWins)
            fail("jackpotbank " + std::to_string(s.jackpotbank) + " but " + std::to_string(r_.poolWins) +
                 " won from the pools");
    }

    void finish() {
        closeRound();
        r_.bank = game_.m.s.bank;
        if (o_.signature) {
            r_.signature = signature_.text();
            r_.signedStates = signature_.states();
        }
        r_.virtualMs = platform_.time.nowMs();
        spins_.into(r_.realised, r_.low99, r_.high99);
        jackpot_.into(r_.jackpotRealised, r_.jackpotLow99, r_.jackpotHigh99);
        const int ways[] = {o_.ways};
        const int levels[] = {o_.payout};
        const auto odds = oddsReport(ways, levels, o_.bet);
        if (!odds.empty()) {
            r_.exact = odds.front().paidSpin + odds.front().freeSpins;
            r_.jackpotExact = odds.front().jackpotInPlay;
        }
    }

    // The mean of a return per round and its 99% interval, from the spread of the
    // rounds. For the jackpot the rounds are not independent (a pool won late pays
    // more), but a pool's prizes add up to its floors and its growth, and the
    // interval taken as if they were independent is the wider one.
    struct Mean {
        double sum = 0, sumSquares = 0;
        std::int64_t n = 0;
        void add(double x) {
            sum += x;
            sumSquares += x * x;
            ++n;
        }
        void into(double& mean, double& low, double& high) const {
            if (n == 0) return;
            const auto count = static_cast<double>(n);
            mean = sum / count;
            const double variance = n > 1 ? (sumSquares - sum * sum / count) / (count - 1) : 0;
            const double half = 2.5758293035489 * std::sqrt(variance > 0 ? variance / count : 0);
            low = mean - half;
            high = mean + half;
        }
    };

    SimOptions o_;
    HeadlessPlatform platform_;
    Game game_;
    SimResult r_;
    RunSignature signature_;
    std::int32_t stake_ = 0;
    bool roundOpen_ = false;
    std::int64_t current_ = 0, currentJackpot_ = 0;  // the open round's wins, cents
    Mean spins_, jackpot_;
};

}  // namespace

SimResult simulate(const SimOptions& options) {
    return options.player ? simulatePlayer(options) : Simulator(options).run();
}

void printSim(const SimOptions& o, const SimResult& r, std::ostream& out) {
    const bool within = r.exact >= r.low99 && r.exact <= r.high99;
    const bool jackpotWithin = r.jackpotExact >= r.jackpotLow99 && r.jackpotExact <= r.jackpotHigh99;
    if (o.json) {
        nlohmann::json j = {
            {"seed", o.seed},
            {"ways", o.ways},
            {"bet", o.bet},
            {"payout", o.payout},
            {"spins", r.paidSpins},
            {"free_spins", r.freeSpins},
            {"series", r.series},
            {"jackpots", r.jackpots},
            {"inserted", r.inserted},
            {"staked", r.staked},
            {"won_paid_spins", r.paidWins},
            {"won_free_spins", r.freeSpinWins},
            {"won_jackpots", r.jackpotWins},
            {"won_jackpot_pools", r.poolWins},
            {"cashed_out", r.cashedOut},
            {"bank", r.bank},
            {"realised_return", r.realised},
            {"interval_99", {r.low99, r.high99}},
            {"exact_return", r.exact},
            {"exact_within_interval", within},
            {"invariants_held", !r.broken.has_value()},
            {"checks", r.checks},
            {"mode", o.player ? "player" : "autoplay"},
        };
        if (!o.player) {
            j["jackpot_return"] = r.jackpotRealised;
            j["jackpot_interval_99"] = {r.jackpotLow99, r.jackpotHigh99};
            j["jackpot_exact_return"] = r.jackpotExact;
            j["jackpot_exact_within_interval"] = jackpotWithin;
        }
        if (o.player) {
            j["gamble_chance"] = o.gambleChance;
            j["gambles"] = r.gambles;
            j["cards"] = r.cards;
            j["cards_won"] = r.cardsWon;
            j["gamble_losses"] = r.gambleLosses;
            j["gamble_collects"] = r.collects;
            j["gamble_lost_cents"] = r.gambleLost;
            j["gamble_collected_cents"] = r.gambleCollected;
            j["closes"] = r.closes;
            j["kills"] = r.kills;
            j["restarts_mid_feature"] = r.closesMidFeature;
            j["options_opened"] = r.optionsOpened;
            j["slot_switches"] = r.slotSwitches;
            j["random_presses"] = r.randomPresses;
            j["random_presses_mid_spin"] = r.pressesMidSpin;
            j["history_lines"] = r.historyLines;
            j["resumed_series"] = r.resumedSeries;
            j["resumed_gambles"] = r.resumedGambles;
            j["resumed_jackpots"] = r.resumedJackpots;
            j["audit_differences"] = r.auditDifferences;
            j["pools"] = {
                {"fed", r.poolsFed}, {"seeded", r.poolsSeeded}, {"paid", r.poolsPaid}, {"left", r.poolsLeft}};
            j["paths"] = r.walked;
            j["jackpots_by_kind"] = {{"bet_x10", r.jackpotsByKind[1]}, {"bet_x20", r.jackpotsByKind[2]},
                                     {"bet_x30", r.jackpotsByKind[3]}, {"minor", r.jackpotsByKind[4]},
                                     {"major", r.jackpotsByKind[5]},   {"grand", r.jackpotsByKind[6]}};
        }
        if (o.signature) {
            j["signature"] = r.signature;
            j["settled_states"] = r.signedStates;
        }
        if (r.broken) j["broken"] = *r.broken;
        out << j.dump() << '\n';
        return;
    }
    out << std::fixed << std::setprecision(6);
    out << "paid spins        " << r.paidSpins << "  (ways " << o.ways << ", bet " << o.bet
        << ", payout level " << o.payout << ", seed " << o.seed << ")\n";
    out << "free spins        " << r.freeSpins << " in " << r.series << " series\n";
    out << "jackpots          " << r.jackpots << '\n';
    out << "inserted          " << r.inserted << " cents\n";
    out << "staked            " << r.staked << " cents\n";
    out << "won: paid spins   " << r.paidWins << " cents\n";
    out << "won: free spins   " << r.freeSpinWins << " cents\n";
    out << "won: jackpots     " << r.jackpotWins << " cents (" << r.poolWins << " from the pools)\n";
    out << "cashed out        " << r.cashedOut << " cents\n";
    if (o.player) {
        out << "return            not measured: the player's choices change the stake and the slot\n";
    } else {
        out << "return (paid + free spins) " << r.realised << " stakes per paid spin, 99% interval ["
            << r.low99 << ", " << r.high99 << "]\n";
        out << "exact return      " << r.exact
            << (within ? "  (within the interval)\n" : "  (OUTSIDE the interval)\n");
        out << "return (jackpots) " << r.jackpotRealised << " stakes per paid spin, 99% interval ["
            << r.jackpotLow99 << ", " << r.jackpotHigh99 << "]\n";
        out << "exact return      " << r.jackpotExact << " with the pools growing in play"
            << (jackpotWithin ? "  (within the interval)\n" : "  (OUTSIDE the interval)\n");
    }
    if (o.player) {
        out << "player            gamble chance " << o.gambleChance << "\n";
        out << "gambles           " << r.gambles << " entered, " << r.cards << " cards (" << r.cardsWon
            << " won), " << r.collects << " collected (" << r.gambleCollected << " cents), " << r.gambleLosses
            << " lost (" << r.gambleLost << " cents)\n";
        out << "jackpots by kind  x10 " << r.jackpotsByKind[1] << ", x20 " << r.jackpotsByKind[2] << ", x30 "
            << r.jackpotsByKind[3] << ", minor " << r.jackpotsByKind[4] << ", major " << r.jackpotsByKind[5]
            << ", grand " << r.jackpotsByKind[6] << "\n";
        out << "pools             fed " << r.poolsFed << " cents by the spins, seeded " << r.poolsSeeded
            << " (floors, resets, new slots), paid " << r.poolsPaid << ", left " << r.poolsLeft << "\n";
        out << "restarts          " << r.closes << " closed, " << r.kills << " killed (" << r.closesMidFeature
            << " mid-feature)\n";
        out << "options           " << r.optionsOpened << " opened, " << r.slotSwitches << " slot switches\n";
        out << "random presses    " << r.randomPresses << " (" << r.pressesMidSpin << " while a spin ran)\n";
        out << "resumed           " << r.resumedSeries << " series, " << r.resumedGambles << " gambles, "
            << r.resumedJackpots << " jackpots after a restart\n";
        out << "history           " << r.historyLines << " lines; audit: " << r.auditDifferences
            << " differences\n";
        out << "paths walked      " << r.walked.size() << "\n";
        for (const auto& [path, count] : r.walked)
            out << "  " << std::setw(9) << count << "  " << path << '\n';
    }
    out << "checks            " << r.checks << " settled points\n";
    out << "invariants        " << (r.broken ? "BROKEN at " + *r.broken : std::string("held")) << '\n';
    if (o.signature)
        out << "signature         " << r.signature << "  (" << r.signedStates << " settled states)\n";
}

}  // namespace tonvale
