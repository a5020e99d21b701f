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
// equal it. The game's own record of its games must agree: a history line for
// every paid game, each line's credit before where the line before it left the
// credit, the newest line at the credit the player has. A game left in a series,
// the gamble or the jackpot by a close or a kill must come back as it stood, when
// its slot is played again. At the end the store's history is audited
// (cli/audit.h): every game worked out again from its stops.
#include <array>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "cli/audit.h"
#include "cli/signature.h"
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

struct Pending {
    JackpotPrize prize;
    std::int64_t amount;
};

// One slot's money as the ledger keeps it, with the game the slot has open.
struct Account {
    std::int64_t credit = 0;  // bank, an open gamble's stake included while it can be collected
    std::int64_t invested = 0, wager = 0, games = 0, total = 0, jackpotbank = 0;
    std::int64_t grandwon = 0, majorwon = 0, minorwon = 0;
    std::array<std::int64_t, 3> pools{};  // grand, major, minor: each slot keeps its own
    bool used = false;                    // the slot has a record in the store
    std::int64_t paidGames = 0;           // paid games begun: each has its history line

    // The game in play.
    std::int64_t offer = 0;              // what the gamble would take now
    std::int64_t offerAfterJackpot = 0;  // a win offered once the jackpot is paid
    std::int64_t series = 0;             // the running series' total, not yet collected
    int seriesAwarded = 0, seriesPlayed = 0;
    bool jackpot = false;            // the jackpot feature runs (drawn or not)
    std::optional<Pending> pending;  // its drawn prize, not yet paid
    bool gambling = false;
    std::int64_t gambleStake = 0, gambleBase = 0;
};

class PlayerSim {
public:
    explicit PlayerSim(const SimOptions& o) : o_(o), choice_(o.seed ^ 0x9e3779b97f4a7c15ULL) {
        // In memory, what a kill leaves is the values written so far; a store file
        // commits every save, as the game does.
        if (!o.store.empty())
            store_ = SqliteStore(o.store);
        else
            store_.commitEvery = 1024;
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
        if (o_.signature) {
            r_.signature = signature_.text();
            r_.signedStates = signature_.states();
        }
        audit();
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
        game_->m.cycles.onLine = [this](const Play& line) { lineRecorded(line); };
        if (o_.signature)
            game_->saves.onSave = [this](const std::string& slot, const ProgramValues& v) {
                signature_.settled(*game_, slot, v);
            };
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
        resumed();
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
        Account& a = account();
        free_ = s().freespinsawarded > 0;
        stake_ = s().stake();
        if (!free_) {
            // A paid game begins: the game before it has ended, its offer with it.
            ++a.paidGames;
            a.offer = 0;
            a.offerAfterJackpot = 0;
        }
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
        const bool inSeries = free_ || s().freespinsawarded > 0;
        if (inSeries) {
            a.series += win;
            a.seriesAwarded = s().freespinsawarded;
            a.seriesPlayed = s().freespinsplayed;
            if (free_) {
                ++r_.freeSpins;
                r_.freeSpinWins += win;
            } else {
                ++r_.paidSpins;
                ++r_.series;
                r_.staked += stake_;
                r_.paidWins += win;
            }
            if (s().freespinsawarded == 0) collectSeries(false);  // autoplay collected it
            return;
        }
        a.credit += win;
        ++r_.paidSpins;
        r_.staked += stake_;
        r_.paidWins += win;
        // A counted spin outside a series grows the pools from their floors.
        grow(a.pools[0], 2000000, 50);
        grow(a.pools[1], 200000, 30);
        grow(a.pools[2], 2000, 20);
        // A win by hand is offered to the gamble, after the jackpot when bells came.
        const std::int64_t offer = s().autoplaymode == 0 ? win : 0;
        if (m().timerEnabled(TimerId::tmrbell)) {
            a.jackpot = true;
            a.offerAfterJackpot = offer;
        } else {
            a.offer = offer;
        }
    }

    static void grow(std::int64_t& pool, std::int64_t floor, std::int64_t step) {
        pool = pool < floor ? floor : pool + step;
    }

    // The series total goes to the credit; by hand it is offered to the gamble.
    void collectSeries(bool byHand) {
        Account& a = account();
        a.credit += a.series;
        a.offer = byHand ? a.series : 0;
        a.series = 0;
        a.seriesAwarded = a.seriesPlayed = 0;
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
        a.pending = p;
        ++r_.jackpots;
        ++r_.jackpotsByKind[static_cast<std::size_t>(prize)];
    }

    // The pending prize goes to the credit; a pool prize also to the jackpot
    // statistic, and its pool starts again. The spin's win is offered now.
    void jackpotPaid() {
        Account& a = account();
        if (!a.pending) return;
        a.credit += a.pending->amount;
        r_.jackpotWins += a.pending->amount;
        if (isPool(a.pending->prize)) a.jackpotbank += a.pending->amount;
        if (a.pending->prize == JackpotPrize::grand) a.pools[0] = kGrandReset;
        if (a.pending->prize == JackpotPrize::major) a.pools[1] = kMajorReset;
        if (a.pending->prize == JackpotPrize::minor) a.pools[2] = kMinorReset;
        a.pending.reset();
        a.jackpot = false;
        a.offer = s().autoplaymode == 0 ? a.offerAfterJackpot : 0;
        a.offerAfterJackpot = 0;
    }

    // --- the player's presses; each says what the ledger expects of it ---

    bool act(Control& c) {
        const bool pressable = game_->pressable(c);
        Account& a = account();
        if (&c == &ui().btncredit && pressable &&
            std::in_range<i32>(static_cast<std::int64_t>(s().bank) + kInsert) &&
            std::in_range<i32>(static_cast<std::int64_t>(s().amountinvested) + kInsert)) {
            a.credit += kInsert;
            a.invested += kInsert;
            r_.inserted += kInsert;
            a.offer = 0;  // an insert collects the win on offer
        }
        if (&c == &ui().autoplayon && pressable && s().autoplaytoggle != 1) a.offer = 0;
        if (&c == &ui().btndouble && pressable) {
            a.gambleStake = a.offer;
            a.gambleBase = a.gambleStake;
            a.offer = 0;
            a.gambling = true;
            ++r_.gambles;
        }
        if (&c == &ui().takewin && pressable) collectSeries(s().autoplaymode == 0);
        const bool handled = game_->press(c);
        if (&c == &ui().btndouble && a.gambling && s().gamblestake != a.gambleStake)
            fail("gamble entered with " + std::to_string(s().gamblestake) + " but the offer was " +
                 std::to_string(a.gambleStake));
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
            const std::int64_t next = a.gambleStake * (on >= 2 ? 4 : 2);
            if (std::in_range<i32>(a.credit - a.gambleStake + next) &&
                std::in_range<i32>(a.total + next - a.gambleBase)) {
                a.credit += next - a.gambleStake;
                a.gambleStake = next;
            }
            ++r_.cardsWon;
            if (s().gamblestake != a.gambleStake)
                fail("gamble stake " + std::to_string(s().gamblestake) + " but the card makes it " +
                     std::to_string(a.gambleStake));
        } else {
            a.credit -= a.gambleStake;
            r_.gambleLost += a.gambleStake;
            a.gambling = false;
            ++r_.gambleLosses;
        }
    }

    void collect() {
        if (!game_->pressable(ui().cancelbet)) return;
        Account& a = account();
        a.total += a.gambleStake - a.gambleBase;
        r_.gambleCollected += a.gambleStake;
        a.gambling = false;
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

    // The player's choices by exact arithmetic on the engine's output, not by the
    // standard library's distributions (whose algorithms each library chooses), so
    // that a seed plays the same run, and gives the same signature, everywhere.
    bool chance(double p) { return static_cast<double>(choice_() >> 11) * 0x1.0p-53 < p; }
    int pick(int n) { return static_cast<int>(((choice_() >> 32) * static_cast<std::uint64_t>(n)) >> 32); }

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
                               : s().freespinsawarded > 0                  ? 0.0005
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
        if (game_->pressable(ui().btndouble) && chance(o_.gambleChance)) {
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
        account().offer = 0;  // the options withdraw the gamble offer
        act(ui().btnoptions);
        if (!game_->options.ui.form.visible) return;
        ++r_.optionsOpened;
        if (chance(0.7)) {
            const int k = pick(kSlots) + 1;
            // A slot without a record takes the pools as they are now.
            Account& next = accounts_[static_cast<std::size_t>(k)];
            if (!next.used) next.pools = account().pools;
            next.used = true;
            if (k != slot_) ++r_.slotSwitches;
            slot_ = k;
            game_->press(game_->options.ui.machine[static_cast<std::size_t>(k)]);
        }
        if (chance(0.5))
            game_->press(game_->options.ui.btnokplayer);
        else
            game_->options.close();
        resumed();
        // The main window shows the slot's credit; its bet stays as it was.
        if (s().bank < s().stake() && !featureRunning() && !ui().pandouble.visible) insertCredit();
    }

    // The game ends (its close box, or killed without a word) and starts again on
    // the same store: what the player had must come back, the game in play with it.
    void restart(bool midFeature) {
        const bool kill = chance(0.5);
        if (kill) {
            ++r_.kills;
        } else {
            ++r_.closes;
            game_->callRoutine("Form_QueryUnload");
        }
        if (midFeature) ++r_.closesMidFeature;
        account().offer = 0;  // a close collects the win on offer
        account().offerAfterJackpot = 0;
        boot();
        // Form_Load has read slot 1; its record must be what the ledger says.
        check();
        if (s().freespinsawarded > 0 || ui().pandouble.visible || featureRunning()) return;
        s().machinepay = static_cast<i16>(o_.payout);
        const int waysfactor = *waysFactorForWays(o_.ways);
        for (int i = 0; i < 5 && s().waysfactor != waysfactor; ++i) act(ui().btnlines);
        for (int i = 0; i < 5 && s().bet != o_.bet; ++i) act(ui().btnbet);
    }

    // The slot's record was read: the game it had open goes on as it stood.
    void resumed() {
        Account& a = account();
        const bool series = a.seriesAwarded > 0;
        if (series) {
            ++r_.resumedSeries;
            if (s().freespinsawarded != a.seriesAwarded || s().freespinsplayed != a.seriesPlayed ||
                s().freespintotal != a.series)
                fail("series resumed at " + std::to_string(s().freespinsplayed) + " of " +
                     std::to_string(s().freespinsawarded) + " spins (total " +
                     std::to_string(s().freespintotal) + ") but it stood at " +
                     std::to_string(a.seriesPlayed) + " of " + std::to_string(a.seriesAwarded) + " (" +
                     std::to_string(a.series) + ")");
        } else if (s().freespinsawarded > 0) {
            fail("a series came back that the ledger does not know");
        }
        if (a.gambling) {
            ++r_.resumedGambles;
            if (!ui().pandouble.visible || s().gamblestake != a.gambleStake)
                fail("gamble resumed with " + std::to_string(s().gamblestake) + " at risk but it stood at " +
                     std::to_string(a.gambleStake));
        } else if (ui().pandouble.visible) {
            fail("a gamble came back that the ledger does not know");
        }
        if (a.jackpot) {
            ++r_.resumedJackpots;
            const bool drawn = a.pending.has_value();
            if (drawn && (!m().timerEnabled(TimerId::tmrshowjackpot) || s().jackpotwon != a.pending->amount))
                fail("drawn jackpot of " + std::to_string(a.pending->amount) + " not shown again");
            if (!drawn && !m().timerEnabled(TimerId::tmrbell))
                fail("the jackpot's bells did not start again");
        }
    }

    // --- the books ---

    // Every line the game records, as it goes to the store: a paid game's line
    // begins where the one before it left the credit.
    void lineRecorded(const Play& line) {
        auto& newest = newest_[static_cast<std::size_t>(line.player)];
        if (!newest || line.id > newest->id) {
            if (newest && line.creditBefore != newest->creditAfter)
                fail("line " + std::to_string(line.id) + " begins at credit " +
                     std::to_string(line.creditBefore) + " but line " + std::to_string(newest->id) +
                     " left " + std::to_string(newest->creditAfter));
            if (line.kind == LineKind::spin) ++lines_[static_cast<std::size_t>(line.player)];
            ++r_.historyLines;
        } else if (line.id < newest->id) {
            fail("line " + std::to_string(line.id) + " written again after line " +
                 std::to_string(newest->id));
            return;
        }
        newest = line;
    }

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
        const std::int64_t ledgerHeld = a.credit + a.series + (a.pending ? a.pending->amount : 0);
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
        if (a.gambling != (w.pandouble.visible && w.cancelbet.enabled))
            fail(std::string("the gamble is ") + (a.gambling ? "open" : "closed") + " for the ledger only");
        else if (a.gambling)
            expect("gamblestake", st.gamblestake, a.gambleStake);
        // The history: a line for every paid game, the newest at the player's credit.
        expect("history lines", lines_[static_cast<std::size_t>(slot_)], a.paidGames);
        if (const auto& newest = newest_[static_cast<std::size_t>(slot_)])
            expect("credit after the newest history line", newest->creditAfter, ledgerHeld);
    }

    // The store's history worked out again from its stops, and its lines added up
    // to each player's record.
    void audit() {
        store_.commitEvery = 1;
        store_.flush();
        const AuditReport report = auditStore(snapshotOf(store_));
        r_.auditDifferences = report.differences();
        for (const PlayerAudit& p : report.players)
            if (!p.differences.empty()) {
                fail("audit of player " + std::to_string(p.player) + ": " + p.differences.front());
                break;
            }
    }

    SimOptions o_;
    std::mt19937_64 choice_;  // the player's own choices, apart from the game's draws
    SqliteStore store_;       // outlives every start of the game
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Game> game_;
    int boots_ = 0;
    SimResult r_;
    RunSignature signature_;

    std::array<Account, 7> accounts_{};            // slots 1..6
    std::array<std::optional<Play>, 7> newest_{};  // each player's newest history line
    std::array<std::int64_t, 7> lines_{};          // and their paid games' lines
    int slot_ = 1;
    bool free_ = false;
    std::int64_t stake_ = 0;
};

}  // namespace

SimResult simulatePlayer(const SimOptions& options) { return PlayerSim(options).run(); }

}  // namespace tonvale
