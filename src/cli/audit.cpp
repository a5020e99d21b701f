// SPDX-License-Identifier: MIT
#include "cli/audit.h"

#include <limits>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>

#include "cli/historycmd.h"
#include "core/cycle.h"
#include "core/store.h"
#include "rules/board.h"
#include "rules/money.h"
#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale {

namespace {

// What the rules make of one draw: its win before any multiplier, the scatter
// and the bells that count.
struct Pays {
    std::int64_t win = 0;
    std::optional<ScatterDecode> scatter;
    int bells = 0;
};

Pays paysOf(const Draw& d, int waysfactor, int bet, bool countBells) {
    SpinRecord rec;
    clearRecord(rec);
    rec.bellcoin = static_cast<std::int16_t>(d.bellcoin);
    for (int reel = 1; reel <= 5; ++reel)
        recordReel(rec, reel, d.stops[static_cast<std::size_t>(reel - 1)], waysfactor, countBells);
    const SpinPays p = settlePays(rec, waysfactor, bet);
    return {static_cast<std::int64_t>(p.waysWin) + p.scatterWin, p.scatter, rec.bellcount};
}

Draw stoodDraw(const Play& p) {
    return {{p.stops[0], p.stops[1], p.stops[2], p.stops[3], p.stops[4]}, p.bellcoin, 1};
}

// The chain the lines of one player make: the credit and totals after the last
// line looked at, when they are known.
struct Chain {
    bool known = true;  // a player's first line starts from nothing
    bool poolsKnown = false;
    bool afterModernLine = false;
    Totals totals;
    std::int64_t credit = 0;
};

// A map of the store's values as the store port reads them, for the records.
class SnapshotValues : public StorePort {
public:
    explicit SnapshotValues(const StoreSnapshot& s) : s_(s) {}
    std::string read(const std::string& app, const std::string& section, const std::string& key) override {
        const auto it = s_.values.find({app, section, key});
        return it == s_.values.end() ? std::string() : it->second;
    }
    bool write(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return false;
    }

private:
    const StoreSnapshot& s_;
};

class LineAudit {
public:
    LineAudit(const Play& p, Chain& chain, PlayerAudit& a) : p_(p), c_(chain), a_(a) {}

    void run() {
        switch (p_.kind) {
            case LineKind::checkpoint:
                return checkpoint();
            case LineKind::insert:
                return insert();
            case LineKind::legacy:
                return legacy();
            case LineKind::spin:
                return spin();
        }
    }

private:
    template <class... Parts>
    void differ(const Parts&... parts) {
        std::string text = "line " + std::to_string(p_.id) + ": ";
        ((text += parts), ...);
        a_.differences.push_back(std::move(text));
    }
    static std::string n(std::int64_t v) { return std::to_string(v); }

    void chainFrom() {
        if (c_.known && p_.creditBefore != c_.credit)
            differ("credit before ", n(p_.creditBefore), " but the line before left ", n(c_.credit));
    }
    void compareTotals(const Totals& expected) {
        const Totals& t = p_.totals;
        const std::pair<const char*, std::pair<std::int64_t, std::int64_t>> fields[] = {
            {"games", {t.games, expected.games}},
            {"wager", {t.wager, expected.wager}},
            {"total", {t.total, expected.total}},
            {"amountinvested", {t.amountinvested, expected.amountinvested}},
            {"jackpotbank", {t.jackpotbank, expected.jackpotbank}},
            {"grandwon", {t.grandwon, expected.grandwon}},
            {"majorwon", {t.majorwon, expected.majorwon}},
            {"minorwon", {t.minorwon, expected.minorwon}},
            {"howmanyspins", {t.howmanyspins, expected.howmanyspins}},
            {"grand", {t.grand, expected.grand}},
            {"major", {t.major, expected.major}},
            {"minor", {t.minor, expected.minor}},
        };
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            const bool pool = i >= 9;
            if (!c_.known || (pool && !c_.poolsKnown)) continue;
            const auto& [name, values] = fields[i];
            if (values.first != values.second)
                differ(name, " after the line is ", n(values.first), " but the line makes it ",
                       n(values.second));
        }
    }
    void moveOn() {
        c_.known = true;
        c_.poolsKnown = true;
        c_.afterModernLine = true;
        c_.totals = p_.totals;
        c_.credit = p_.creditAfter;
    }

    void checkpoint() {
        ++a_.checkpoints;
        if (p_.note == "legacy") {
            // The lines before it were kept before the game recorded its cycles:
            // what they came to is not known.
            c_ = Chain{};
            c_.known = false;
            return;
        }
        // A record that changed outside any game (another version, an import, a
        // store edited by hand) is one the history cannot account for.
        if (p_.note == "start" && c_.known && c_.afterModernLine) {
            Totals now = p_.totals, before = c_.totals;
            if (!c_.poolsKnown)
                now.grand = now.major = now.minor = before.grand = before.major = before.minor = 0;
            if (p_.creditAfter != c_.credit || now != before)
                differ("the record moved outside any game: credit ", n(c_.credit), " became ",
                       n(p_.creditAfter));
        }
        moveOn();
    }

    void insert() {
        ++a_.inserts;
        chainFrom();
        if (p_.inserted <= 0) differ("an insert of ", n(p_.inserted));
        if (p_.creditAfter != p_.creditBefore + p_.inserted)
            differ("credit ", n(p_.creditBefore), " + insert ", n(p_.inserted), " but after it ",
                   n(p_.creditAfter));
        Totals t = c_.totals;
        t.amountinvested += p_.inserted;
        compareTotals(t);
        moveOn();
    }

    void legacy() {
        ++a_.legacy;
        // Only the spin's own win can be checked: the line does not keep its
        // draws, its free spins or what the credit did in between.
        if (p_.freespins == 0 && p_.win != 0) {
            const Pays paid = paysOf(stoodDraw(p_), p_.waysfactor, p_.bet, true);
            if (paid.win != p_.win) differ("win ", n(p_.win), " but the stops pay ", n(paid.win));
        }
        c_ = Chain{};
        c_.known = false;
    }

    void spin() {
        ++a_.games;
        a_.restored += p_.restored;
        chainFrom();
        const Play& p = p_;
        const std::int64_t stake = p.stake;
        if (stake != static_cast<std::int64_t>(p.bet) * p.waysfactor)
            differ("stake ", n(stake), " at bet ", n(p.bet), " and ways factor ", n(p.waysfactor));
        if (p.ways != waysOf(p.waysfactor)) differ(n(p.ways), " ways at ways factor ", n(p.waysfactor));

        // The paid spin: the draw that stood, and those the payout level withdrew.
        const Pays paid = paysOf(stoodDraw(p), p.waysfactor, p.bet, true);
        checkWin(p.win, paid.win, p.voided, "win");
        for (std::size_t i = 0; i < p.withdrawn.size(); ++i)
            checkWithdrawn(paysOf(p.withdrawn[i], p.waysfactor, p.bet, true).win,
                           "draw " + n(static_cast<int>(i) + 1));

        // The series, spin by spin.
        int awarded = paid.scatter ? paid.scatter->freeSpins + 1 : 0;
        int awards = awarded > 0 ? 1 : 0;
        std::int64_t series = awarded > 0 ? p.win : 0;
        std::int64_t won = p.win;  // the total-won statistic
        for (std::size_t i = 0; i < p.spins.size(); ++i) {
            const FreeSpin& f = p.spins[i];
            const std::string which = "free spin " + n(static_cast<int>(i) + 1);
            if (static_cast<int>(i) + 1 >= awarded) {
                differ(which, " beyond the ", n(std::max(awarded - 1, 0)), " free spins awarded");
                break;
            }
            const Pays free = paysOf(f.draw, p.waysfactor, p.bet, false);
            checkWin(f.win, free.win * f.draw.multiplier, f.voided, which + " win");
            for (std::size_t k = 0; k < f.withdrawn.size(); ++k) {
                const Draw& d = f.withdrawn[k];
                checkWithdrawn(paysOf(d, p.waysfactor, p.bet, false).win * d.multiplier,
                               which + " draw " + n(static_cast<int>(k) + 1));
            }
            if (free.scatter) {
                awarded += free.scatter->freeSpins + 1;
                ++awards;
            }
            series += f.win;
            won += f.win;
        }
        const int freespins = awarded > 0 ? awarded - 1 : 0;
        if (p.freespins != freespins)
            differ(n(p.freespins), " free spins recorded but the scatters award ", n(freespins));
        if (p.freespinwin != series)
            differ("series total ", n(p.freespinwin), " but its spins add up to ", n(series));
        const bool seriesLeft = awarded > 0 && static_cast<int>(p.spins.size()) < freespins;
        // A game the player's details were deleted under ended where it stood.
        const bool cut = p.note == "deleted";
        if (seriesLeft && p.phase != Phase::series && !cut)
            differ("the series ended with ", n(freespins - static_cast<int>(p.spins.size())),
                   " free spins unplayed");

        // The jackpot: three bells on a spin that won no series.
        Totals t = c_.totals;
        const bool counted = awarded == 0;  // a spin that won no series grows the pools
        if (counted && c_.poolsKnown) {
            t.grand = t.grand < 2000000 ? 2000000 : t.grand + 50;
            t.major = t.major < 200000 ? 200000 : t.major + 30;
            t.minor = t.minor < 2000 ? 2000 : t.minor + 20;
        }
        const bool jackpotDue = paid.bells > 2 && awarded == 0;
        const bool jackpot = p.jackpotfield > 0 || p.phase == Phase::jackpot;
        if (jackpotDue != jackpot && !(cut && jackpotDue))
            differ(jackpotDue ? "three bells but no jackpot" : "a jackpot without three bells");
        if (p.jackpotfield > 0) checkJackpot(t);

        // The gamble, card by card.
        won += checkGamble(awarded > 0 ? p.freespinwin : p.win);

        // The credit: a series gives its stake back until its last spin.
        const bool charged = !seriesLeft;
        const std::int64_t credit = p.creditBefore - (charged ? stake : 0) + returned(p);
        if (p.creditAfter != credit)
            differ("credit after ", n(p.creditAfter), " but ", n(p.creditBefore),
                   " less the stake and with what came back is ", n(credit));
        if (charged) {
            t.games += 1;
            t.wager += stake;
        }
        t.total += won;
        t.howmanyspins += awards;
        compareTotals(t);
        moveOn();
    }

    void checkWin(std::int64_t recorded, std::int64_t pays, bool voided, const std::string& what) {
        if (voided) {
            if (recorded != 0 || pays == 0)
                differ(what, " voided, but ", n(recorded), " recorded of ", n(pays));
        } else if (recorded != pays) {
            differ(what, " ", n(recorded), " but the stops pay ", n(pays));
        }
    }

    void checkWithdrawn(std::int64_t pays, const std::string& what) {
        if (p_.machinepay == 1) differ(what, " withdrawn at payout level 1");
        if (pays <= 2 * p_.stake)
            differ(what, " withdrawn with a win of ", n(pays), ", not above twice the stake");
    }

    void checkJackpot(Totals& t) {
        const Play& p = p_;
        const JackpotPrize prize = prizeOfField(p.jackpotfield);
        std::int64_t due = 0;
        switch (prize) {
            case JackpotPrize::betx10:
                due = p.stake * 10;
                break;
            case JackpotPrize::betx20:
                due = p.stake * 20;
                break;
            case JackpotPrize::betx30:
                due = p.stake * 30;
                break;
            case JackpotPrize::grand:
                due = t.grand;
                break;
            case JackpotPrize::major:
                due = t.major;
                break;
            case JackpotPrize::minor:
                due = t.minor;
                break;
            case JackpotPrize::none:
                break;
        }
        const bool known = !isPool(prize) || c_.poolsKnown;
        // A prize of 0 is one the credit could not hold.
        if (p.jackpotwin != 0 && known && p.jackpotwin != due)
            differ("jackpot field ", n(p.jackpotfield), " pays ", n(due), " but ", n(p.jackpotwin),
                   " recorded");
        if (p.jackpotwin == 0 && due > 0 &&
            p.creditBefore - p.stake + p.win + due <= std::numeric_limits<std::int32_t>::max())
            differ("jackpot of ", n(due), " not paid though the credit holds it");
        if (!isPool(prize) || p.jackpotwin == 0) return;
        t.jackpotbank += p.jackpotwin;
        if (prize == JackpotPrize::grand) {
            ++t.grandwon;
            t.grand = kGrandReset;
        } else if (prize == JackpotPrize::major) {
            ++t.majorwon;
            t.major = kMajorReset;
        } else {
            ++t.minorwon;
            t.minor = kMinorReset;
        }
    }

    // What the gamble adds to the total won: what was collected over what it took.
    std::int64_t checkGamble(std::int64_t offered) {
        const Play& p = p_;
        std::vector<GambleBet> bets;
        parseGamble(p.gamble, bets);
        if (p.gamblestake == 0) {
            if (!bets.empty() || p.gamblewin != 0) differ("a gamble without a stake");
            return 0;
        }
        if (p.gamblestake != offered)
            differ("gambled ", n(p.gamblestake), " but the win on offer was ", n(offered));
        std::int64_t stake = p.gamblestake;
        bool lost = false;
        for (std::size_t i = 0; i < bets.size(); ++i) {
            const GambleBet& b = bets[i];
            const std::string which = "card " + n(static_cast<int>(i) + 1);
            if (lost) {
                differ(which, " after a lost card");
                break;
            }
            const bool red = b.card == 1 || b.card == 3;
            const bool wins = b.on == 0 ? red : b.on == 1 ? !red : b.card == b.on - 1;
            if (b.result == GambleBet::Result::lost) {
                if (wins) differ(which, " ", std::string(betName(b.on)), " lost on a card it wins");
                lost = true;
                stake = 0;
                continue;
            }
            if (!wins) differ(which, " ", std::string(betName(b.on)), " won on a card it loses");
            if (b.result == GambleBet::Result::won) stake *= b.on >= 2 ? 4 : 2;
        }
        if (p.gamblewin != stake)
            differ("the gamble came to ", n(p.gamblewin), " but its cards make ", n(stake));
        return lost ? 0 : p.gamblewin - p.gamblestake;
    }

    const Play& p_;
    Chain& c_;
    PlayerAudit& a_;
};

PlayerAudit auditPlayer(int player, const std::vector<const Play*>& lines, const StoreSnapshot& store) {
    PlayerAudit a;
    a.player = player;
    Chain chain;
    for (const Play* p : lines) {
        ++a.lines;
        if (!p->unreadable.empty()) {
            ++a.unreadable;
            a.differences.push_back("line " + std::to_string(p->id) + ": unreadable (" + p->unreadable + ")");
            chain.known = false;
            continue;
        }
        a.freeSpins += static_cast<std::int64_t>(p->spins.size());
        LineAudit(*p, chain, a).run();
    }
    if (!lines.empty()) {
        const Play& last = *lines.back();
        a.open = last.phase == Phase::series || last.phase == Phase::jackpot || last.phase == Phase::gamble;
    }
    // The newest line holds the player's record.
    SnapshotValues values(store);
    ProgramValues record;
    const std::string slot = std::to_string(player);
    // A key the record does not have reads as 0, as the game would start it.
    const bool hasRecord = !values.read(kMainApp, recordSection(slot), "bank").empty();
    if (hasRecord && chain.known) {
        readRecord(values, record, kMainApp, slot);
        const Totals t = totalsOf(record);
        if (lines.empty() || chain.credit != record.bank || chain.totals != t)
            a.differences.push_back(
                "the record (credit " + std::to_string(record.bank) + ", games " +
                std::to_string(record.games) + ", wager " + std::to_string(record.wager) + ", total " +
                std::to_string(record.total) + ") is not where the history's lines come to (credit " +
                std::to_string(chain.credit) + ", games " + std::to_string(chain.totals.games) + ", wager " +
                std::to_string(chain.totals.wager) + ", total " + std::to_string(chain.totals.total) + ")");
    }
    return a;
}

}  // namespace

std::int64_t AuditReport::differences() const {
    std::int64_t n = 0;
    for (const PlayerAudit& p : players) n += static_cast<std::int64_t>(p.differences.size());
    return n;
}

std::int64_t AuditReport::unreadable() const {
    std::int64_t n = 0;
    for (const PlayerAudit& p : players) n += p.unreadable;
    return n;
}

AuditReport auditStore(const StoreSnapshot& store, std::optional<int> player) {
    std::map<int, std::vector<const Play*>> byPlayer;
    for (const Play& p : store.plays)
        if (!player || p.player == *player) byPlayer[p.player].push_back(&p);
    if (player) byPlayer.try_emplace(*player);
    AuditReport r;
    for (const auto& [number, lines] : byPlayer) r.players.push_back(auditPlayer(number, lines, store));
    return r;
}

void printAudit(const AuditReport& r, bool json, std::ostream& out) {
    if (json) {
        nlohmann::json players = nlohmann::json::array();
        for (const PlayerAudit& p : r.players)
            players.push_back({{"player", p.player},
                               {"lines", p.lines},
                               {"games", p.games},
                               {"free_spins", p.freeSpins},
                               {"inserts", p.inserts},
                               {"checkpoints", p.checkpoints},
                               {"legacy", p.legacy},
                               {"unreadable", p.unreadable},
                               {"restored", p.restored},
                               {"open", p.open},
                               {"differences", p.differences}});
        out << nlohmann::json{{"players", players},
                              {"differences", r.differences()},
                              {"unreadable", r.unreadable()}}
                   .dump()
            << '\n';
        return;
    }
    for (const PlayerAudit& p : r.players) {
        out << "player " << p.player << ": " << p.lines << " lines (" << p.games << " games with "
            << p.freeSpins << " free spins, " << p.inserts << " inserts, " << p.checkpoints << " checkpoints";
        if (p.legacy > 0) out << ", " << p.legacy << " kept before the cycles";
        if (p.unreadable > 0) out << ", " << p.unreadable << " unreadable";
        if (p.restored > 0) out << ", " << p.restored << " restorations";
        out << ")" << (p.open ? ", a game goes on" : "") << ": " << p.differences.size()
            << (p.differences.size() == 1 ? " difference\n" : " differences\n");
        for (const std::string& d : p.differences) out << "  " << d << '\n';
    }
    out << "audit: " << r.differences() << (r.differences() == 1 ? " difference\n" : " differences\n");
}

int runAudit(const AuditOptions& o, std::ostream& out, std::ostream& err) {
    const std::string path = o.store.empty() ? defaultStorePath() : o.store;
    std::string error;
    const std::optional<StoreSnapshot> store = readStore(path, error);
    if (!store) {
        err << error << '\n';
        return 2;
    }
    const AuditReport r = auditStore(*store, o.player);
    printAudit(r, o.json, out);
    return r.differences() > 0 ? 1 : 0;
}

}  // namespace tonvale
