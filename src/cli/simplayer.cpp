// SPDX-License-Identifier: MIT
// `tonvale-cli sim --player`: a player at the machine. Besides spinning by hand and
// by autoplay, the player gambles wins at random, presses buttons at random moments
// while features run, opens the options window and switches among slots, and
// closes or kills the game mid-feature and starts it again on the same store.
//
// The books: a ledger of its own keeps every movement of money the player causes
// (inserts, stakes and their refunds within a series, wins, free-spin totals,
// jackpot prizes of each kind, gamble stakes out, doublings, collects and losses)
// per player slot, and at every settled point the game's credit and statistics must
// equal it; after every restart the record the game reads back must equal it too.
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "cli/simcmd.h"
#include "core/checked.h"
#include "core/database.h"
#include "core/headless.h"
#include "gamble/gamble.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "rules/board.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"

namespace tonvale {

namespace {

constexpr int kInsert = 5000;
constexpr int kSlots = 3;  // the slots the player uses (of six)

// One slot's money as the ledger keeps it.
struct Account {
    std::int64_t credit = 0;  // bank, an open gamble's stake included while it can be collected
    std::int64_t invested = 0, wager = 0, games = 0, total = 0, jackpotbank = 0;
    std::int64_t grandwon = 0, majorwon = 0, minorwon = 0;
    std::array<std::int64_t, 3> pools{};  // grand, major, minor: each slot keeps its own
    bool used = false;                    // the slot has a record in the store
};

class PlayerSim {
public:
    explicit PlayerSim(const SimOptions& o) : o_(o), choice_(o.seed ^ 0x9e3779b97f4a7c15ULL) {
        store_.commitEvery = 1024;  // in memory: what a kill leaves is the values written so far
        boot();
    }

    SimResult run() {
        setUp();
        std::int64_t idleSince = 0;
        std::int64_t spinsBefore = 0;
        while (!r_.broken && r_.paidSpins < o_.spins) {
            step();
            if (r_.broken) break;
            check();
            if (r_.paidSpins != spinsBefore) {
                spinsBefore = r_.paidSpins;
                idleSince = time().nowMs();
            } else if (time().nowMs() - idleSince > 30 * 60 * 1000) {
                fail("no paid spin for 30 minutes of play");
            }
        }
        r_.bank = game_->m.s.bank;
        r_.virtualMs += time().nowMs();
        return r_;
    }

private:
    // --- the game, started and restarted on the same store ---

    VirtualTime& time() { return platform_->time; }
    Machine& m() { return game_->m; }
    MachineState& s() { return game_->m.s; }
    MainWindow& ui() { return game_->m.ui; }

    void boot() {
        if (platform_) r_.virtualMs += time().nowMs();
        game_.reset();
        platform_ = std::make_unique<HeadlessPlatform>(o_.seed + 7919 * static_cast<std::uint64_t>(boots_++));
        HeadlessPlatform& p = *platform_;
        game_ = std::make_unique<Game>(Ports{p.random, p.time, p.time, p.time, p.sound, store_, p.desktop});
        p.time.setTickHandler([this](TimerId id) { game_->timerTick(id); });
        game_->spin.onSpinStart = [this] { spinStarts(); };
        game_->spin.onSpinEnd = [this] { spinEnds(); };
        game_->spin.onSeriesReset = [this] { carry_ = 0; };  // a spin start forgets the gamble offer
        watch(TimerId::tmrdecidejackpot, [this] {
            if (m().timerEnabled(TimerId::tmrshowjackpot)) jackpotDrawn();
        });
        watch(TimerId::tmrshowjackpot, [this] {
            if (!m().timerEnabled(TimerId::tmrshowjackpot)) jackpotPaid();
        });
        // Presses at the moments a running spin lets events in.
        watch(TimerId::Tmrtick, [this] {
            if (game_->spin.spinning() && chance(0.05)) {
                ++r_.pressesMidSpin;
                randomPress();
            }
        });
        game_->startup.Form_Load();
        slot_ = 1;
        accounts_[1].used = true;
        offerWin_ = 0;
        carry_ = 0;
        series_ = 0;
        gambling_ = false;
        pending_.reset();
    }

    // Runs after a timer's own handler.
    void watch(TimerId id, std::function<void()> after) {
        Bindings::Handler original = *game_->bindings.timer(id);
        game_->bindings.onTimer(id, [original, after] {
            original();
            after();
        });
    }

    void setUp() {
        s().machinepay = static_cast<i16>(o_.payout);
        const int waysfactor = *waysFactorForWays(o_.ways);
        for (int i = 0; i < 5 && s().waysfactor != waysfactor; ++i) act(ui().btnlines);
        insertCredit();
        for (int i = 0; i < 5 && s().bet != o_.bet; ++i) act(ui().btnbet);
    }

    // --- the ledger's side of every movement ---

    Account& account() { return accounts_[static_cast<std::size_t>(slot_)]; }

    void spinStarts() {
        free_ = s().freespinsawarded > 0;
        stake_ = s().stake();
    }

    void spinEnds() {
        Account& a = account();
        const std::int64_t win = s().winamount;
        // Within a series the stake is given back, except on the series' last spin.
        const bool seriesGoesOn = s().freespinsawarded > 0 && s().freespinsplayed < s().freespinsawarded;
        if (!seriesGoesOn) {
            a.credit -= stake_;
            a.wager += stake_;
            a.games += 1;
        }
        a.total += win;
        offerWin_ = win;
        const bool inSeries = free_ || s().freespinsawarded > 0;
        if (inSeries) {
            series_ += win;
            if (free_) {
                ++r_.freeSpins;
                r_.freeSpinWins += win;
            } else {
                ++r_.paidSpins;
                ++r_.series;
                r_.staked += stake_;
                r_.paidWins += win;
            }
            if (s().freespinsawarded == 0) collectSeries();  // autoplay collected it
        } else {
            a.credit += win;
            ++r_.paidSpins;
            r_.staked += stake_;
            r_.paidWins += win;
            // A counted spin outside a series grows the pools from their floors.
            grow(a.pools[0], 2000000, 50);
            grow(a.pools[1], 200000, 30);
            grow(a.pools[2], 2000, 20);
        }
    }

    static void grow(std::int64_t& pool, std::int64_t floor, std::int64_t step) {
        pool = pool < floor ? floor : pool + step;
    }

    void collectSeries() {
        account().credit += series_;
        carry_ = series_;
        series_ = 0;
    }

    void jackpotDrawn() {
        Account& a = account();
        const JackpotPrize prize = prizeOfField(s().ballstop);
        const std::int64_t stake = s().stake();
        Pending p{prize, 0};
        switch (prize) {
            case JackpotPrize::betx10:
                p.amount = stake * 10;
                break;
            case JackpotPrize::betx20:
                p.amount = stake * 20;
                break;
            case JackpotPrize::betx30:
                p.amount = stake * 30;
                break;
            case JackpotPrize::minor:
                p.amount = a.pools[2];
                ++a.minorwon;
                break;
            case JackpotPrize::major:
                p.amount = a.pools[1];
                ++a.majorwon;
                break;
            case JackpotPrize::grand:
                p.amount = a.pools[0];
                ++a.grandwon;
                break;
            case JackpotPrize::none:
                break;
        }
        if (s().jackpotwon != p.amount)
            fail("jackpot drawn " + std::to_string(s().jackpotwon) + " but the board's field pays " +
                 std::to_string(p.amount));
        pending_ = p;
        ++r_.jackpots;
        ++r_.jackpotsByKind[static_cast<std::size_t>(prize)];
    }

    // The pending prize goes to the credit; a pool prize also to the jackpot
    // statistic, and its pool starts again.
    void payPending() {
        if (!pending_) return;
        Account& a = account();
        a.credit += pending_->amount;
        r_.jackpotWins += pending_->amount;
        if (isPool(pending_->prize)) a.jackpotbank += pending_->amount;
        if (pending_->prize == JackpotPrize::grand) a.pools[0] = kGrandReset;
        if (pending_->prize == JackpotPrize::major) a.pools[1] = kMajorReset;
        if (pending_->prize == JackpotPrize::minor) a.pools[2] = kMinorReset;
        pending_.reset();
    }

    void jackpotPaid() { payPending(); }

    // --- the player's presses; each says what the ledger expects of it ---

    bool act(Control& c) {
        const bool pressable = game_->pressable(c);
        const bool freeBefore = s().freespinsawarded > 0;
        Account& a = account();
        if (&c == &ui().btncredit && pressable && fits<i32>(s().bank + kInsert) &&
            fits<i32>(static_cast<std::int64_t>(s().amountinvested) + kInsert)) {
            a.credit += kInsert;
            a.invested += kInsert;
            r_.inserted += kInsert;
        }
        if (&c == &ui().btnbet && pressable && !freeBefore) carry_ = 0;
        if (&c == &ui().btndouble && pressable) {
            gambleStake_ = carry_ > 0 ? carry_ : offerWin_;
            gambleBase_ = gambleStake_;
            carry_ = 0;
            gambling_ = true;
            ++r_.gambles;
        }
        if (&c == &ui().takewin && pressable) collectSeries();
        const bool handled = game_->press(c);
        if (&c == &ui().btndouble && gambling_ && s().gamblestake != gambleStake_)
            fail("gamble entered with " + std::to_string(s().gamblestake) + " but the offer was " +
                 std::to_string(gambleStake_));
        return handled;
    }

    void bet(Control& c, int on /* 0 red, 1 black, 2..5 suit 1..4 */) {
        if (!game_->pressable(c)) {
            game_->press(c);
            return;
        }
        game_->press(c);
        ++r_.cards;
        const int card = s().gamblecard;
        const bool red = card == 1 || card == 3;
        const bool won = on == 0 ? red : on == 1 ? !red : card == on - 1;
        Account& a = account();
        if (won) {
            const std::int64_t next = gambleStake_ * (on >= 2 ? 4 : 2);
            if (fits<i32>(a.credit - gambleStake_ + next) && fits<i32>(a.total + next - gambleBase_)) {
                a.credit += next - gambleStake_;
                gambleStake_ = next;
            }
            ++r_.cardsWon;
            if (s().gamblestake != gambleStake_)
                fail("gamble stake " + std::to_string(s().gamblestake) + " but the card makes it " +
                     std::to_string(gambleStake_));
        } else {
            a.credit -= gambleStake_;
            r_.gambleLost += gambleStake_;
            gambling_ = false;
            ++r_.gambleLosses;
        }
    }

    void collect() {
        if (!game_->pressable(ui().cancelbet)) return;
        Account& a = account();
        a.total += gambleStake_ - gambleBase_;
        r_.gambleCollected += gambleStake_;
        gambling_ = false;
        ++r_.collects;
        game_->press(ui().cancelbet);
    }

    void insertCredit() {
        while (s().bank < s().stake() || s().bank < 1) {
            if (!game_->pressable(ui().btncredit)) break;
            act(ui().btncredit);
        }
    }

    // --- one moment of play ---

    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(choice_) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choice_); }

    bool featureRunning() {
        return s().freespinsawarded > 0 || m().timerEnabled(TimerId::tmrbell) ||
               m().timerEnabled(TimerId::tmrdecidejackpot) || m().timerEnabled(TimerId::tmrshowjackpot);
    }

    void step() {
        time().advance(100);
        if (game_->windows.advert.form.visible) {
            if (chance(0.3)) game_->press(game_->windows.advert.SSCommand2);
            return;
        }
        // Closing the game in the middle of things, and starting it again.
        const bool midFeature = ui().pandouble.visible || featureRunning();
        const double closing = ui().pandouble.visible                      ? 0.01
                               : m().timerEnabled(TimerId::tmrshowjackpot) ? 0.005
                               : s().freespinsawarded > 0                  ? 0.0003
                               : midFeature                                ? 0.0005
                                                                           : 0.00002;
        if (chance(closing)) return restart(midFeature);
        if (chance(0.02)) randomPress();
        if (ui().pandouble.visible) return playGamble();
        if (ui().takewin.shown() && chance(0.3)) {
            act(ui().takewin);
            return;
        }
        if (featureRunning()) return;
        if (s().autoplaymode > 0) {
            if (chance(0.002)) act(ui().autoplayon);  // enough of autoplay
            return;
        }
        // Idle, by hand.
        if (s().bank < s().stake()) insertCredit();
        if (game_->pressable(ui().btndouble) && s().winamount > 0 && chance(o_.gambleChance)) {
            act(ui().btndouble);
            return;
        }
        if (chance(0.0005)) return useOptions();
        if (chance(0.001)) {
            act(ui().autoplayon);
            return;
        }
        if (chance(0.5)) {
            if (chance(0.2))
                game_->keyPress(ui().form, 32);
            else
                act(ui().btnspin);
        }
    }

    void playGamble() {
        if (game_->gamble.revealing() || !ui().cancelbet.enabled) return;
        if (chance(0.45)) return collect();
        switch (pick(3)) {
            case 0:
                return bet(ui().betred, 0);
            case 1:
                return bet(ui().betblack, 1);
            default: {
                const int suit = pick(4) + 1;
                return bet(ui().suitbet[static_cast<std::size_t>(suit)], suit + 1);
            }
        }
    }

    // A press at a random moment on one of the player's controls.
    void randomPress() {
        ++r_.randomPresses;
        switch (pick(9)) {
            case 0:
                act(ui().btnspin);
                break;
            case 1:
                act(ui().btnbet);
                break;
            case 2:
                act(ui().btnlines);
                break;
            case 3:
                act(ui().autoplayon);
                break;
            case 4:
                act(ui().btndouble);
                break;
            case 5:
                if (game_->pressable(ui().btnoptions))
                    useOptions();
                else
                    act(ui().btnoptions);
                break;
            case 6:
                game_->mouseMove(ui().btnopenmenu);
                game_->mouseMove(ui().form);
                break;
            case 7:
                game_->keyPress(ui().form, pick(2) == 0 ? 32 : 'x');
                break;
            default:
                act(ui().btncredit);
                break;
        }
    }

    // Opens the options window, perhaps switches to another slot, and closes it.
    void useOptions() {
        if (!game_->pressable(ui().btnoptions)) return;
        act(ui().btnoptions);
        if (!game_->options.ui.form.visible) return;
        ++r_.optionsOpened;
        if (chance(0.7)) {
            const int k = pick(kSlots) + 1;
            game_->press(game_->options.ui.machine[static_cast<std::size_t>(k)]);
            if (k != slot_) ++r_.slotSwitches;
            // A slot without a record takes the pools as they are now.
            Account& next = accounts_[static_cast<std::size_t>(k)];
            if (!next.used) next.pools = account().pools;
            next.used = true;
            slot_ = k;
            offerWin_ = 0;  // a slot switch reads the slot's record; the last win is not its
            carry_ = 0;
        }
        if (chance(0.5))
            game_->press(game_->options.ui.btnokplayer);
        else
            game_->options.close();
        // The main window shows the slot's credit; its bet stays as it was.
        if (s().bank < s().stake()) insertCredit();
    }

    // The game ends (its close box, or killed without a word) and starts again on
    // the same store: what the player had must come back.
    void restart(bool midFeature) {
        const bool kill = chance(0.5);
        Account& a = account();
        // What the record holds by now: the open gamble's stake collected, the
        // uncollected series total collected, a drawn prize paid.
        if (gambling_) a.total += gambleStake_ - gambleBase_;
        a.credit += series_;
        series_ = 0;
        payPending();
        gambling_ = false;
        if (kill) {
            ++r_.kills;
        } else {
            ++r_.closes;
            game_->callRoutine("Form_QueryUnload");
        }
        if (midFeature) ++r_.closesMidFeature;
        boot();
        // Form_Load has read slot 1; its record must be what the ledger says.
        check();
        s().machinepay = static_cast<i16>(o_.payout);
        const int waysfactor = *waysFactorForWays(o_.ways);
        for (int i = 0; i < 5 && s().waysfactor != waysfactor; ++i) act(ui().btnlines);
        for (int i = 0; i < 5 && s().bet != o_.bet; ++i) act(ui().btnbet);
    }

    // --- the books ---

    void fail(const std::string& what) {
        if (r_.broken) return;
        std::ostringstream msg;
        msg << "spin " << r_.paidSpins << " (slot " << slot_ << ", " << time().nowMs() << " ms): " << what;
        r_.broken = msg.str();
    }

    void expect(const char* name, std::int64_t game, std::int64_t ledger) {
        if (game != ledger)
            fail(std::string(name) + " " + std::to_string(game) + " but the ledger says " +
                 std::to_string(ledger));
    }

    void check() {
        ++r_.checks;
        const MachineState& st = s();
        const MainWindow& w = ui();
        const Account& a = account();
        // The player's credit: the bank with what is theirs but not in it yet.
        std::int64_t held = st.bank + st.freespintotal;
        if (w.pandouble.visible && w.cancelbet.enabled) held += st.gamblestake;
        if (m().timerEnabled(TimerId::tmrshowjackpot) && prizeOfField(st.jackpotfield) != JackpotPrize::none)
            held += st.jackpotwon;
        const std::int64_t ledgerHeld = a.credit + series_ + (pending_ ? pending_->amount : 0);
        expect("credit", held, ledgerHeld);
        expect("amountinvested", st.amountinvested, a.invested);
        expect("wager", st.wager, a.wager);
        expect("games", st.games, a.games);
        expect("total", st.total, a.total);
        expect("jackpotbank", st.jackpotbank, a.jackpotbank);
        expect("grandwon", st.grandwon, a.grandwon);
        expect("majorwon", st.majorwon, a.majorwon);
        expect("minorwon", st.minorwon, a.minorwon);
        expect("grand", st.grand, a.pools[0]);
        expect("major", st.major, a.pools[1]);
        expect("minor", st.minor, a.pools[2]);
        if (gambling_ != (w.pandouble.visible && w.cancelbet.enabled))
            fail(std::string("the gamble is ") + (gambling_ ? "open" : "closed") + " for the ledger only");
        else if (gambling_)
            expect("gamblestake", st.gamblestake, gambleStake_);
    }

    struct Pending {
        JackpotPrize prize;
        std::int64_t amount;
    };

    SimOptions o_;
    std::mt19937_64 choice_;  // the player's own choices, apart from the game's draws
    SqliteStore store_;       // outlives every start of the game
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Game> game_;
    int boots_ = 0;
    SimResult r_;

    std::array<Account, 7> accounts_{};  // slots 1..6
    int slot_ = 1;
    bool free_ = false;
    std::int64_t stake_ = 0;
    std::int64_t offerWin_ = 0;  // the last spin's win, what the gamble would take
    std::int64_t carry_ = 0;     // a collected series total on offer instead
    std::int64_t series_ = 0;    // the running series' total, not yet collected
    bool gambling_ = false;
    std::int64_t gambleStake_ = 0, gambleBase_ = 0;
    std::optional<Pending> pending_;
};

}  // namespace

SimResult simulatePlayer(const SimOptions& options) { return PlayerSim(options).run(); }

}  // namespace tonvale
