// SPDX-License-Identifier: MIT
#include "windows/oddswindow.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "rules/money.h"
#include "rules/symbols.h"

namespace tonvale {

namespace {

constexpr int kRowLeft = 240, kRowNameWidth = 3000, kValueLeft = 3300, kValueWidth = 3780, kRowHeight = 300;

// Always with a point: the desktop's locale (which the view's toolkit sets for the
// whole program) must not turn it into a comma, as the cabinet's meters never do.
std::string fixed(double x, int decimals) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buf, end) : std::string("?");
}

}  // namespace

OddsWindow::OddsWindow() {
    using K = ControlKind;
    Control& f = add(form, "tonvaleodds", K::window, nullptr, 0, 0, kWidth, kHeight);
    f.caption = "ODDS";
    f.visible = false;
    add(lblTitle, "lblTitle", K::label, &form, 240, 105, 5700, 495).caption = "TonVale Odds";
    add(cmdclose, "cmdclose", K::button, &form, 6270, 105, 1095, 495).caption = "close  odds";
    add(lblsetting, "lblsetting", K::label, &form, 240, 660, 7005, 330);

    const auto row = [this](int n, Control& parent, int top, Control& value, std::string_view valueName,
                            const char* name) {
        Control& r = add(rowname[static_cast<std::size_t>(n)], "rowname", K::label, &parent, kRowLeft, top,
                         kRowNameWidth, kRowHeight, n);
        r.caption = name;
        add(value, valueName, K::label, &parent, kValueLeft, top, kValueWidth, kRowHeight);
    };

    add(fraReturn, "fraReturn", K::frame, &form, 120, 1050, 7245, 1560).caption =
        "Return per paid spin, in % of its stake";
    row(1, fraReturn, 360, lblpaidspin, "lblpaidspin", "The paid spin");
    row(2, fraReturn, 660, lblfreespins, "lblfreespins", "The free spins it awards");
    row(3, fraReturn, 960, lbltotal, "lbltotal", "Paid and free spins together");
    // The board's prizes are fixed sums of money, not multiples of the stake: they
    // are told apart, in money and as a chance, so the return above stays readable.
    row(4, fraReturn, 1260, lbljackpot, "lbljackpot", "The jackpot board adds");

    add(fraChance, "fraChance", K::frame, &form, 120, 2670, 7245, 1260).caption = "Chance of a paid spin";
    row(5, fraChance, 360, lblhit, "lblhit", "Winning anything");
    row(6, fraChance, 660, lblpfree, "lblpfree", "Awarding free spins");
    row(7, fraChance, 960, lblpjackpot, "lblpjackpot", "Starting the jackpot board");

    add(fraLargest, "fraLargest", K::frame, &form, 120, 3990, 7245, 1020).caption =
        "Largest win of one spin, the jackpot board aside";
    row(8, fraLargest, 360, lblmaxwin, "lblmaxwin", "A free spin at x10");
    row(9, fraLargest, 660, lblmaxpaid, "lblmaxpaid", "A paid spin");

    add(lblnote, "lblnote", K::label, &form, 240, 5070, 7005, 720).caption =
        "At small stakes the jackpot board outweighs everything else, because its pools hold the same "
        "dollars whatever the stake. It counts each pool at its floor (" +
        money(kGrandFloor) + ", " + money(kMajorFloor) + " and " + money(kMinorFloor) +
        "), the least it can hold: with fuller pools the board returns more.";
}

namespace oddstext {

std::string percentOfStake(double stakes) { return fixed(100.0 * stakes, 4) + " %"; }

std::string chance(double p) {
    if (!(p > 0)) return "never";
    const double against = 1.0 / p;
    const int againstDecimals = against < 10 ? 2 : against < 100 ? 1 : 0;
    const double percent = 100.0 * p;
    // Four significant figures.
    const int percentDecimals = std::clamp(3 - static_cast<int>(std::floor(std::log10(percent))), 0, 6);
    return "1 in " + fixed(against, againstDecimals) + "  (" + fixed(percent, percentDecimals) + " %)";
}

std::string win(double stakes, std::int64_t stakeCents) {
    const double whole = std::round(stakes);
    const std::string count = std::abs(stakes - whole) < 1e-9 ? fixed(whole, 0) : fixed(stakes, 2);
    const auto cents = std::llround(stakes * static_cast<double>(stakeCents));
    return count + " stakes  =  " + money(cents);
}

std::string boardWorth(double stakes, std::int64_t stakeCents, double pStart) {
    const double dollars = stakes * static_cast<double>(stakeCents) / 100.0;
    const std::string each = pStart > 0 ? "  (1 in " + fixed(1.0 / pStart, 0) + " spins)" : "";
    return "$ " + fixed(dollars, 2) + " a spin" + each;
}

}  // namespace oddstext

void OddsPage::bind(Bindings& b) {
    b.on(ui.cmdclose, Ev::Click, [this] { cmdclose_Click(); });
    b.routine("tonvaleodds:QueryUnload", [this] { closeOdds(); });
}

const OddsTally& OddsPage::tally(int waysfactor) { return keptOdds(waysfactor); }

void OddsPage::cmdodds_Click() {
    showOdds();
    ui.form.visible = true;
}

void OddsPage::showOdds() {
    const MachineState& s = m_.s;
    std::array<Control*, 9> figures = {&ui.lblpaidspin, &ui.lblfreespins, &ui.lbljackpot,
                                       &ui.lbltotal,    &ui.lblhit,       &ui.lblpfree,
                                       &ui.lblpjackpot, &ui.lblmaxwin,    &ui.lblmaxpaid};
    try {
        shown_ = oddsFrom(tally(s.waysfactor), s.machinepay, s.bet);
    } catch (const std::invalid_argument&) {
        // A setting the game never offers: nothing to show.
        shown_ = Odds{};
        for (Control* c : figures) c->caption = "-";
        ui.lblsetting.caption = "No figures for this bet and ways setting.";
        return;
    }
    const Odds& o = shown_;
    const std::int64_t stake = static_cast<std::int64_t>(o.bet) * o.waysfactor;
    ui.lblsetting.caption = "Bet " + std::to_string(o.bet) + "   " + std::to_string(o.ways) +
                            " ways   stake " + money(stake) + "   payout " + levelName(o.level);
    ui.lblpaidspin.caption = oddstext::percentOfStake(o.paidSpin);
    ui.lblfreespins.caption = oddstext::percentOfStake(o.freeSpins);
    ui.lbltotal.caption = oddstext::percentOfStake(o.paidSpin + o.freeSpins);
    ui.lbljackpot.caption = oddstext::boardWorth(o.jackpot, stake, o.pJackpot);
    ui.lblhit.caption = oddstext::chance(o.hitRate);
    ui.lblpfree.caption =
        oddstext::chance(o.pFreeSpins) + ",  " + fixed(o.freeSpinsPerSeries, 1) + " spins a series";
    ui.lblpjackpot.caption = oddstext::chance(o.pJackpot);
    ui.lblmaxwin.caption = oddstext::win(o.maxWin, stake);
    ui.lblmaxpaid.caption = oddstext::win(o.maxPaidWin, stake);
}

void OddsPage::cmdclose_Click() { closeOdds(); }

void OddsPage::odds_QueryUnload() { ui.form.visible = false; }

void OddsPage::closeOdds() {
    if (ui.form.visible) odds_QueryUnload();
}

}  // namespace tonvale
