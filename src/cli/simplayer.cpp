// SPDX-License-Identifier: MIT
// `tonvale-cli sim --player`: a player at the machine. Besides spinning by hand and
// by autoplay, the player gambles wins at random, presses buttons at random moments
// while features run (also as a spin ends and lets input in), opens the options
// window and presses every button of it (the six slots, the name, the settings,
// the limits, deleting the details), opens the HISTORY, pay table, odds, about
// and help windows during play, answers the reality check either way, cashes out
// above a threshold, and ends the game mid-feature every way it can end (the
// close box, the menu's exit, the about window's "Exit Game", killed without a
// word) and starts it again on the same database file, as a new process opens it.
// The machine misbehaves under it: the store fails for a while from a random save
// on (busy, full, read-only, input/output errors), and the machine stalls at
// random while a handler lets events in, so that timers fire inside handlers.
//
// The books: a ledger of its own keeps every movement of money the player causes
// (inserts, stakes and their refunds within a series, wins, free-spin totals,
// jackpot prizes of each kind, gamble stakes out, doublings, collects and losses,
// cash-outs, deleted details) per player slot, and at every settled point the
// game's credit and statistics must equal it. What a save that failed did not
// keep is gone after a kill: the ledger goes back to the last settled point the
// store holds. The game's own record of its games must agree: a history line for
// every paid game, each line's credit before where the line before it left the
// credit, the newest line at the credit the player has. A game left in a series,
// the gamble or the jackpot by a close or a kill must come back as it stood, when
// its slot is played again. At the end the store's history is audited
// (cli/audit.h): every game worked out again from its stops.
#include <unistd.h>

#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "cli/audit.h"
#include "cli/cashout.h"
#include "cli/signature.h"
#include "cli/simcmd.h"
#include "core/checked.h"
#include "core/database.h"
#include "core/headless.h"
#include "core/store.h"
#include "gamble/gamble.h"
#include "game/game.h"
#include "game/startup.h"
#include "players/options.h"
#include "rules/board.h"
#include "spin/autolimits.h"
#include "spin/spincycle.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {

namespace {

constexpr int kInsert = 5000;
constexpr int kSlots = 6;

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
    // Where the pools' money came from: the steps counted spins add, and what
    // appears from nowhere (a pool raised to its floor, one paid and started again
    // at its reset value, the pools a slot without a record takes over); and what
    // they paid out.
    std::int64_t poolsFed = 0, poolsSeeded = 0, poolsPaid = 0;
    bool used = false;           // the game has written the slot's record
    std::int64_t paidGames = 0;  // paid games begun: each has its history line

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

// The game's store on its database file, failing when told to: every flush then
// fails with the reason a real store gives, and what was written stays due (with
// the next flush that works, or lost when the process is killed).
class FailingStore : public StorePort {
public:
    void use(SqliteStore& inner) { inner_ = &inner; }
    void fail(std::string reason) { reason_ = std::move(reason); }
    void heal() { reason_.clear(); }
    bool failing() const { return !reason_.empty(); }
    // Something was written that no flush has made durable yet.
    bool dirty() const { return dirty_; }
    std::int64_t failedFlushes = 0;
    std::int64_t flushes = 0;  // that made what was written durable
    std::function<void(const std::string& app, const std::string& section)> onWrite;

    std::string read(const std::string& app, const std::string& section, const std::string& key) override {
        return inner_->read(app, section, key);
    }
    bool write(const std::string& app, const std::string& section, const std::string& key,
               const std::string& value) override {
        dirty_ = true;
        if (onWrite) onWrite(app, section);
        return inner_->write(app, section, key, value);
    }
    bool flush() override {
        if (failing()) {
            ++failedFlushes;
            return false;
        }
        if (!inner_->flush()) return false;
        dirty_ = false;
        ++flushes;
        return true;
    }
    std::string failure() const override { return failing() ? reason_ : inner_->failure(); }
    bool unwritableSinceOpening() const override { return inner_->unwritableSinceOpening(); }
    std::int64_t recordPlay(const Play& play) override {
        dirty_ = true;
        return inner_->recordPlay(play);
    }
    std::optional<Play> lastPlay(int player) override { return inner_->lastPlay(player); }
    // The process ends: without a flush that works, what is due is lost.
    void processEnds() {
        if (dirty_) inner_->abandon();
        dirty_ = false;
    }

private:
    SqliteStore* inner_ = nullptr;
    std::string reason_;
    bool dirty_ = false;
};

// The player's answers to the game's message boxes: yes or no at random, each box
// counted by its title.
class PlayerDesktop : public DesktopPort {
public:
    std::function<bool(double)> chance;
    std::map<std::string, std::int64_t>* walked = nullptr;
    double yes = 0.5;  // the chance of a yes (or "Continue") to the next question
    Answer lastAnswer = Answer::ok;
    std::string lastText;
    bool quitCalled = false;

    Answer message(const std::string& title, const std::string& text, MsgIcon, MsgButtons buttons) override {
        lastText = text;
        lastAnswer = buttons == MsgButtons::ok ? Answer::ok : chance(yes) ? Answer::yes : Answer::no;
        std::string what = "message box: " + (title.empty() ? text.substr(0, 40) : title);
        if (buttons != MsgButtons::ok) what += lastAnswer == Answer::yes ? " (yes)" : " (no)";
        ++(*walked)[what];
        return lastAnswer;
    }
    bool openLink(const std::string&) override {
        ++(*walked)["link opened"];
        return true;
    }
    bool isConnected() override { return chance(0.8); }
    void quit() override { quitCalled = true; }
};

// The machine stalls now and then while a handler lets events in (a slow paint, a
// busy desktop): the timers due meanwhile fire inside the handler. Input made
// while a spin ran is let in as the spin ends.
class StallingEvents : public EventsPort {
public:
    VirtualTime* time = nullptr;
    std::function<int()> stallMs;        // 0: no stall this time
    std::function<void()> inputArrives;  // as a spin ends

    void doEvents() override {
        if (const int ms = stallMs()) return time->wait(ms);
        time->doEvents();
    }
    void sleep(int ms) override { time->sleep(ms); }
    void present() override { time->present(); }
    void wait(int ms) override { time->wait(ms); }
    void deliverInput() override {
        time->deliverInput();
        inputArrives();
    }
};

const char* const kStoreFailures[] = {"the store is busy", "the disk is full", "the folder is read-only",
                                      "an input/output error"};

class PlayerSim {
public:
    explicit PlayerSim(const SimOptions& o) : o_(o), choice_(o.seed ^ 0x9e3779b97f4a7c15ULL) {
        // The game's own database file, the one named or one of the run's own in
        // a folder of its own, committed at every save as the game does it.
        if (o.store.empty()) {
            folder_ = std::filesystem::temp_directory_path() /
                      ("tonvale-sim-" + std::to_string(::getpid()) + "-" + std::to_string(o.seed));
            std::filesystem::remove_all(folder_);
            path_ = (folder_ / "tonvale.db").string();
        } else {
            path_ = o.store;
        }
        desktop_.chance = [this](double p) { return chance(p); };
        // A slot has a record once the game has written it (durable with the next
        // flush that works, lost with the rest when the process is killed first).
        failing_.onWrite = [this](const std::string& app, const std::string& section) {
            if (app != kPoolsApp || !section.starts_with("player")) return;
            if (const int k = slotNumber(std::string_view(section).substr(6)))
                books_.accounts[static_cast<std::size_t>(k)].used = true;
        };
        desktop_.walked = &r_.walked;
        events_.stallMs = [this] { return chance(0.01) ? 50 + pick(1500) : 0; };
        events_.inputArrives = [this] {
            if (chance(0.02)) {
                walk("press as a spin ends");
                randomPress();
            }
        };
        boot();
    }

    ~PlayerSim() {
        game_.reset();
        store_.reset();
        if (!folder_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(folder_, ignored);
        }
    }
    PlayerSim(const PlayerSim&) = delete;
    PlayerSim& operator=(const PlayerSim&) = delete;

    SimResult run() {
        if (r_.storeRefused) return r_;
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
        for (const Account& a : books_.accounts) {
            r_.poolsFed += a.poolsFed;
            r_.poolsSeeded += a.poolsSeeded;
            r_.poolsPaid += a.poolsPaid;
            for (const std::int64_t pool : a.pools) r_.poolsLeft += pool;
        }
        if (o_.signature) {
            r_.signature = signature_.text();
            r_.signedStates = signature_.states();
        }
        if (!r_.broken) audit();
        return r_;
    }

private:
    // --- the game, started and restarted on the same store ---

    VirtualTime& time() { return platform_->time; }
    Machine& m() { return game_->m; }
    MachineState& s() { return game_->m.s; }
    MainWindow& ui() { return game_->m.ui; }

    // A new process: the store file opened anew, a new game on it.
    void boot() {
        if (platform_) r_.virtualMs += time().nowMs();
        game_.reset();
        if (store_) failing_.processEnds();
        store_.reset();
        store_ = std::make_unique<SqliteStore>(path_);
        if (store_->refused()) {
            r_.storeProblem = store_->problem();
            r_.storeRefused = true;
            fail("the store file is refused: " + store_->problem());
        }
        failing_.use(*store_);
        desktop_.quitCalled = false;
        platform_ = std::make_unique<HeadlessPlatform>(o_.seed + 7919 * static_cast<std::uint64_t>(boots_++));
        HeadlessPlatform& p = *platform_;
        events_.time = &p.time;
        game_ = std::make_unique<Game>(Ports{p.random, p.time, p.time, events_, p.sound, failing_, desktop_});
        p.time.setTickHandler([this](TimerId id) {
            if (game_->busy()) walk("timer inside a handler");
            game_->timerTick(id);
        });
        game_->saves.onNotice = [this](const std::string& text) {
            walk(text.starts_with("Progress is saved again") ? "store: saving works again"
                                                             : "store: saving stopped");
        };
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
        books_.accounts[1].used = true;
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

    Account& account() { return books_.accounts[static_cast<std::size_t>(slot_)]; }

    void spinStarts() {
        Account& a = account();
        // The award pays its prize and then lets events in: a spin started there
        // (autoplay's timer) comes before the award's tick has returned.
        if (a.pending && s().jackpotfield == 0 && !m().timerEnabled(TimerId::tmrshowjackpot)) jackpotPaid();
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
            if (s().freespinsawarded == 0) {
                if (collectedMidSpin_) {
                    // Taken as the last spin ended (input let in then): the total
                    // the player took held this spin's win already.
                    a.credit += a.series;
                    a.offer += a.series;
                    a.series = 0;
                } else {
                    collectSeries(false);  // autoplay collected it
                }
            }
            collectedMidSpin_ = false;
            return;
        }
        a.credit += win;
        ++r_.paidSpins;
        r_.staked += stake_;
        r_.paidWins += win;
        // A counted spin outside a series grows the pools from their floors.
        grow(a, a.pools[0], 2000000, 50);
        grow(a, a.pools[1], 200000, 30);
        grow(a, a.pools[2], 2000, 20);
        // A win by hand is offered to the gamble, after the jackpot when bells came.
        const std::int64_t offer = s().autoplaymode == 0 ? win : 0;
        if (m().timerEnabled(TimerId::tmrbell)) {
            a.jackpot = true;
            a.offerAfterJackpot = offer;
        } else {
            a.offer = offer;
        }
    }

    static void grow(Account& a, std::int64_t& pool, std::int64_t floor, std::int64_t step) {
        if (pool < floor) {
            a.poolsSeeded += floor - pool;
            pool = floor;
        } else {
            a.poolsFed += step;
            pool += step;
        }
    }

    // The series total goes to the credit; by hand it is offered to the gamble.
    void collectSeries(bool byHand) {
        Account& a = account();
        collectedMidSpin_ = game_->spin.spinning() && byHand;
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
        if (isPool(a.pending->prize)) {
            a.jackpotbank += a.pending->amount;
            r_.poolWins += a.pending->amount;
            a.poolsPaid += a.pending->amount;
        }
        const auto restart = [&a](std::int64_t& pool, std::int64_t reset) {
            a.poolsSeeded += reset;
            pool = reset;
        };
        if (a.pending->prize == JackpotPrize::grand) restart(a.pools[0], kGrandReset);
        if (a.pending->prize == JackpotPrize::major) restart(a.pools[1], kMajorReset);
        if (a.pending->prize == JackpotPrize::minor) restart(a.pools[2], kMinorReset);
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
        keepDurable();
        const bool autoplayBefore = s().autoplaymode > 0;
        time().advance(100);
        storeWeather();
        if (autoplayBefore && s().autoplaymode == 0) {
            if (ui().LABWIN.caption == kSpinLimitMessage) walk("autoplay stopped by its spin limit");
            if (ui().LABWIN.caption == kLossLimitMessage) walk("autoplay stopped by its loss limit");
        }
        if (game_->windows.advert.form.visible) {
            if (chance(0.3)) {
                walk("advert window closed");
                game_->press(game_->windows.advert.SSCommand2);
            }
            return;
        }
        // Ending the game in the middle of things, and starting it again.
        const bool midFeature = ui().pandouble.visible || featureRunning();
        const double closing = ui().pandouble.visible                      ? 0.01
                               : m().timerEnabled(TimerId::tmrshowjackpot) ? 0.005
                               : s().freespinsawarded > 0                  ? 0.0005
                               : midFeature                                ? 0.0005
                                                                           : 0.00002;
        if (chance(closing)) return restart(midFeature);
        if (otherWindow()) return;
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
        if (s().bank > kCashOutAbove) cashOut();
        if (s().bank < s().stake()) insertCredit();
        if (game_->pressable(ui().btndouble) && chance(o_.gambleChance)) {
            act(ui().btndouble);
            return;
        }
        if (chance(0.0005)) return useOptions();
        if (chance(0.0005)) return openWindow();
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
        switch (pick(11)) {
            case 9:
                openWindow();
                break;
            case 10:
                act(ui().takewin);
                break;
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

    // Opens the options window, presses a few of its buttons (a slot, the name, a
    // setting, a limit), and closes it: by OK, by its close box, or by deleting the
    // player's details (answered yes or no).
    void useOptions() {
        if (!game_->pressable(ui().btnoptions)) return;
        account().offer = 0;  // the options withdraw the gamble offer
        act(ui().btnoptions);
        keepDurable();
        if (!game_->options.ui.form.visible) return;
        ++r_.optionsOpened;
        for (int presses = pick(4); presses >= 0 && game_->options.ui.form.visible; --presses) {
            optionsPress();
            keepDurable();
        }
        if (!game_->options.ui.form.visible) return;
        const int how = pick(10);
        if (how < 4) {
            walk("options: O.K.");
            game_->press(game_->options.ui.btnokplayer);
        } else if (how < 8) {
            walk("options: close box");
            game_->callRoutine("tonvaleoptions:QueryUnload");
        } else {
            deleteDetails();
        }
        keepDurable();
        resumed();
        // The main window shows the slot's credit; its bet stays as it was.
        if (s().bank < s().stake() && !featureRunning() && !ui().pandouble.visible) insertCredit();
    }

    void optionsPress() {
        OptionsWindow& w = game_->options.ui;
        const auto at = [](auto& buttons, int i) -> Control& { return buttons[static_cast<std::size_t>(i)]; };
        switch (pick(10)) {
            case 0: {
                const int k = pick(kSlots) + 1;
                const auto pools = recordedPools(account());
                Account& next = books_.accounts[static_cast<std::size_t>(k)];
                const bool recorded = next.used;
                game_->press(at(w.machine, k));
                if (slotNumber(s().playerslot) != k) {
                    walk("options: slot " + std::to_string(k) + " not taken");
                    return;
                }
                // A slot without a record takes the pools as the record before it
                // holds them. The game writes its record at the settled point after
                // the press, unless its saves wait for their next try after a fault:
                // passed over then, it is still a slot without a record.
                if (!recorded) {
                    if (pools != account().pools)
                        walk("options: a new slot after one with a drawn pool prize");
                    if (next.poolsSeeded > 0) walk("options: a slot chosen before, still without a record");
                    for (const std::int64_t pool : next.pools) next.poolsSeeded -= pool;
                    next.pools = pools;
                    for (const std::int64_t pool : pools) next.poolsSeeded += pool;
                }
                if (k != slot_) ++r_.slotSwitches;
                slot_ = k;
                walk("options: slot " + std::to_string(k));
                return;
            }
            case 1: {
                const int i = pick(5);
                walk("options: reel speed " + std::to_string(i));
                game_->press(at(w.setspeed, i));
                return;
            }
            case 2: {
                const int i = pick(2) + 1;
                walk(i == 1 ? "options: sound on" : "options: sound off");
                game_->press(at(w.sounds, i));
                return;
            }
            case 3: {
                const int i = pick(2) + 1;
                walk(i == 1 ? "options: win counter on" : "options: win counter off");
                game_->press(at(w.wincounter, i));
                return;
            }
            case 4: {
                const int i = pick(2) + 1;
                walk(i == 1 ? "options: reduced motion" : "options: full motion");
                game_->press(at(w.motion, i));
                return;
            }
            case 5: {
                const int i = pick(3);
                walk("options: payout level " + std::to_string(3 - i));
                game_->press(at(w.Amtpayout, i));
                return;
            }
            case 6: {
                const int i = pick(4);
                walk("options: reality check " +
                     std::to_string(kRealityMinutes[static_cast<std::size_t>(i)]));
                game_->press(at(w.realitycheck, i));
                return;
            }
            case 7: {
                const int i = pick(5);
                walk("options: autoplay spins " +
                     std::to_string(kAutoplaySpins[static_cast<std::size_t>(i)]));
                game_->press(at(w.autospins, i));
                return;
            }
            case 8: {
                const int i = pick(5);
                walk("options: autoplay loss " +
                     std::to_string(kAutoplayLosses[static_cast<std::size_t>(i)]));
                game_->press(at(w.autoloss, i));
                return;
            }
            default: {
                // A name of 0 to 14 letters: the empty and the too long are refused.
                const int length = pick(15);
                walk(length == 0   ? "options: empty name"
                     : length > 12 ? "options: name too long"
                                   : "options: name");
                for (int i = 0; i < length; ++i) game_->keyPress(w.player1, 'a' + pick(26));
                game_->keyPress(w.player1, 13);
                return;
            }
        }
    }

    // The pools as a slot's record holds them: a pool prize drawn in a game the
    // slot left open (a close or a kill in the award) counts as paid there, its
    // pool started again, until the game is resumed and shows it.
    static std::array<std::int64_t, 3> recordedPools(const Account& a) {
        std::array<std::int64_t, 3> pools = a.pools;
        if (a.pending) {
            if (a.pending->prize == JackpotPrize::grand) pools[0] = kGrandReset;
            if (a.pending->prize == JackpotPrize::major) pools[1] = kMajorReset;
            if (a.pending->prize == JackpotPrize::minor) pools[2] = kMinorReset;
        }
        return pools;
    }

    // "Delete Current Player": a yes clears the slot's statistics and credit (the
    // jackpot statistic and the pools stay); either answer closes the window.
    void deleteDetails() {
        desktop_.yes = 0.5;
        expectBreak_ = "deleted";  // its line goes to the store as the press settles
        game_->press(game_->options.ui.Btndeletedetails);
        if (desktop_.lastAnswer != Answer::yes) {
            walk("options: delete, answered no");
            expectBreak_.clear();
            return;
        }
        walk("options: delete, answered yes");
        Account& a = account();
        // A prize drawn in a game the slot had left open was counted as paid in
        // the record saved with it: the jackpot statistic and the pool keep it
        // when the rest goes.
        jackpotPaid();
        a.credit = a.invested = a.wager = a.games = a.total = 0;
        a.grandwon = a.majorwon = a.minorwon = 0;
        a.offer = a.offerAfterJackpot = 0;
        // A game the slot had left open (to be resumed when it is played again)
        // ends with the details: the checkpoint is the slot's newest line now.
        a.series = 0;
        a.seriesAwarded = a.seriesPlayed = 0;
        a.jackpot = false;
        a.pending.reset();
        a.gambling = false;
        a.gambleStake = a.gambleBase = 0;
    }

    // The credit above the threshold goes out of the machine (cli/cashout.h).
    void cashOut() {
        const std::int64_t amount = cashOutAboveThreshold(m());
        if (amount == 0) return;
        walk("cashed out");
        Account& a = account();
        a.credit -= amount;
        a.offer = 0;
        r_.cashedOut += amount;
        expectBreak_ = kCashOutNote;
    }

    // The HISTORY, pay table, about or help window, opened during play.
    void openWindow() {
        switch (pick(4)) {
            case 0:
                if (game_->pressable(ui().btnhistory)) walk("HISTORY opened");
                game_->press(ui().btnhistory);
                return;
            case 1:
                game_->mouseMove(ui().btnopenmenu);
                if (game_->pressable(ui().mnuviewpaytable)) walk("pay table opened");
                game_->press(ui().mnuviewpaytable);
                return;
            case 2:
                game_->mouseMove(ui().btnopenmenu);
                if (game_->pressable(ui().about)) walk("about window opened");
                game_->press(ui().about);
                return;
            default:
                game_->mouseMove(ui().btnopenmenu);
                game_->press(ui().btnhelp);
                return;
        }
    }

    // While another window is open over the main window the player works in it,
    // now and then, and closes it; the game's timers run on meanwhile.
    bool otherWindow() {
        History& h = game_->history;
        AuxWindows& w = game_->windows;
        if (h.isOpen()) {
            if (!chance(0.2)) return true;
            switch (pick(5)) {
                case 0:
                    walk("HISTORY: newer");
                    game_->press(h.ui.btnnewer);
                    break;
                case 1:
                    walk("HISTORY: older");
                    game_->press(h.ui.btnolder);
                    break;
                case 2:
                    walk("HISTORY: a row of the list");
                    game_->press(h.ui.lstgame[static_cast<std::size_t>(pick(HistoryWindow::kRows) + 1)]);
                    break;
                case 3:
                    walk("HISTORY: close");
                    game_->press(h.ui.btnclose);
                    break;
                default:
                    walk("HISTORY: close box");
                    game_->callRoutine("tonvalehistory:QueryUnload");
                    break;
            }
            return true;
        }
        if (w.odds.ui.form.visible) {
            if (!chance(0.2)) return true;
            walk("odds page closed");
            if (chance(0.5))
                game_->press(w.odds.ui.cmdclose);
            else
                game_->callRoutine("tonvaleodds:QueryUnload");
            return true;
        }
        if (w.pays.form.visible) {
            if (!chance(0.2)) return true;
            if (chance(0.4)) {
                walk("odds page opened");
                game_->press(w.pays.cmdodds);
            } else {
                walk("pay table closed");
                if (chance(0.5))
                    game_->press(w.pays.Command1);
                else
                    game_->callRoutine("tonvalepays:QueryUnload");
            }
            return true;
        }
        if (w.about.form.visible) {
            if (!chance(0.2)) return true;
            switch (pick(4)) {
                case 0:
                    game_->press(w.about.cmdvimble);
                    break;
                case 1:
                    game_->press(w.about.cmdfeedback);
                    break;
                case 2:
                    game_->press(w.about.Picture2);
                    break;
                default:
                    walk("about window closed");
                    game_->callRoutine("abouttonvale:QueryUnload");
                    break;
            }
            return true;
        }
        return false;
    }

    // What the store keeps: the books as they stood when a flush last worked. The
    // options window saves and flushes its record itself, also while the game's own
    // saves wait for their next try after a failure; the lines the game records
    // meanwhile stay due. So the copy is taken after the flush, once the ledger has
    // booked the press that made it (the ledger books some presses after them).
    void keepDurable() {
        if (failing_.flushes == flushesSeen_) return;
        flushesSeen_ = failing_.flushes;
        durable_ = books_;
    }

    // The store fails from a random save on, for a while of play, with one of the
    // reasons a real store gives; then it works again.
    void storeWeather() {
        if (failing_.failing()) {
            if (time().nowMs() >= healAtMs_) {
                walk("store: the fault cleared");
                failing_.heal();
            }
            return;
        }
        if (failing_.dirty() || !chance(0.0002)) return;
        // What the store keeps from here until saving works again (a flush made in
        // this step's timers is in it already).
        if (failing_.flushes != flushesSeen_) walk("store: fails right after a save that worked");
        durable_ = books_;
        flushesSeen_ = failing_.flushes;
        const char* reason = kStoreFailures[pick(4)];
        walk(std::string("store: fails (") + reason + ")");
        failing_.fail(reason);
        healAtMs_ = time().nowMs() + 1000 + pick(180000);
    }

    // The game ends, one of the ways a game ends, and starts again on the same
    // store: what the player had must come back, the game in play with it. What a
    // failing store did not keep is lost; the ledger goes back to what it keeps.
    void restart(bool midFeature) {
        const int how = pick(10);
        if (how < 4) {
            ++r_.kills;
            walk("exit: killed");
        } else {
            ++r_.closes;
            if (how < 6) {
                walk("exit: close box");
                game_->callRoutine("Form_QueryUnload");
            } else if (how < 8) {
                game_->mouseMove(ui().btnopenmenu);
                game_->press(ui().xit);
                walk(m().ended ? "exit: the menu's exit"
                               : "exit: the menu's exit refused, then the close box");
            } else {
                game_->mouseMove(ui().btnopenmenu);
                game_->press(ui().about);
                if (game_->windows.about.form.visible) game_->press(game_->windows.about.Btnxit);
                walk(m().ended ? "exit: the about window's Exit Game"
                               : "exit: Exit Game not reached, then the close box");
            }
            if (!m().ended) game_->callRoutine("Form_QueryUnload");
        }
        if (midFeature) ++r_.closesMidFeature;
        account().offer = 0;  // a close collects the win on offer
        account().offerAfterJackpot = 0;
        if (failing_.dirty()) {
            walk(how < 4 ? "exit: killed while saves failed" : "exit: closed while saves failed");
            // The store works again, but the game's saves wait for their next try.
            if (!failing_.failing()) walk("exit: ended before the game saved again after a fault");
            books_ = durable_;
        }
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
        auto& newest = books_.newest[static_cast<std::size_t>(line.player)];
        if (!newest || line.id > newest->id) {
            // A cash-out or deleted details move the credit outside any game: the
            // checkpoint line that carries it may begin where the credit now is.
            const bool meant = line.kind == LineKind::checkpoint && !expectBreak_.empty() &&
                               line.note == expectBreak_ && line.creditBefore == line.creditAfter;
            if (meant) {
                walk("history: checkpoint \"" + line.note + "\"");
                expectBreak_.clear();
            } else if (newest && line.creditBefore != newest->creditAfter)
                fail("line " + std::to_string(line.id) + " begins at credit " +
                     std::to_string(line.creditBefore) + " but line " + std::to_string(newest->id) +
                     " left " + std::to_string(newest->creditAfter));
            if (line.kind == LineKind::spin) ++books_.lines[static_cast<std::size_t>(line.player)];
            ++r_.historyLines;
        } else if (line.id < newest->id) {
            // While saves fail, the lines that changed since the last save that
            // worked are sent again with each try.
            if (failing_.dirty()) return;
            fail("line " + std::to_string(line.id) + " written again after line " +
                 std::to_string(newest->id));
            return;
        }
        newest = line;
    }

    void walk(const std::string& path) { ++r_.walked[path]; }

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
        expect("history lines", books_.lines[static_cast<std::size_t>(slot_)], a.paidGames);
        if (const auto& newest = books_.newest[static_cast<std::size_t>(slot_)])
            expect("credit after the newest history line", newest->creditAfter, ledgerHeld);
    }

    // The store's history worked out again from its stops, and its lines added up
    // to each player's record.
    // The store file as the next start would find it.
    void audit() {
        // A store still failing heals, and the game saves at its next try.
        failing_.heal();
        for (int i = 0; i < 120 && game_->saves.failing(); ++i) time().advance(1000);
        game_.reset();
        failing_.processEnds();
        store_.reset();
        std::string error;
        const auto snapshot = readStore(path_, error);
        if (!snapshot) return fail("the store cannot be read at the end: " + error);
        const AuditReport report = auditStore(*snapshot);
        r_.auditDifferences = report.differences();
        for (const PlayerAudit& p : report.players)
            if (!p.differences.empty()) {
                fail("audit of player " + std::to_string(p.player) + ": " + p.differences.front());
                break;
            }
    }

    SimOptions o_;
    std::mt19937_64 choice_;              // the player's own choices, apart from the game's draws
    std::filesystem::path folder_;        // the run's own folder, removed at the end
    std::string path_;                    // the database file
    std::unique_ptr<SqliteStore> store_;  // opened anew by every start of the game
    FailingStore failing_;                // the game's store port over it
    std::int64_t healAtMs_ = 0;
    PlayerDesktop desktop_;
    StallingEvents events_;
    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Game> game_;
    int boots_ = 0;
    SimResult r_;
    RunSignature signature_;

    // The ledger, by slot 1..6, with the history as it watched it; and the same as
    // the store last kept it when saves began to fail.
    struct Books {
        std::array<Account, 7> accounts{};
        std::array<std::optional<Play>, 7> newest{};  // each player's newest history line
        std::array<std::int64_t, 7> lines{};          // and their paid games' lines
    };
    Books books_, durable_;
    std::int64_t flushesSeen_ = 0;
    int slot_ = 1;
    // A checkpoint line that moves the credit on purpose ("deleted", "cashed out").
    std::string expectBreak_;
    bool free_ = false;
    bool collectedMidSpin_ = false;
    std::int64_t stake_ = 0;
};

}  // namespace

SimResult simulatePlayer(const SimOptions& options) { return PlayerSim(options).run(); }

}  // namespace tonvale
