// SPDX-License-Identifier: MIT
#pragma once
// The odds page `tonvaleodds`, opened by the pay table's ODDS button. For the bet,
// ways setting and payout level in play it shows the exact return of the paid
// spin, of the free spins and of the jackpot board as shares of the stake, the
// chances of a win, of free spins and of the jackpot board, and the largest win.
//
// The figures come from the count over every stop combination (eval/odds.h), the
// same that `tonvale-cli rtp` prints. A ways setting is counted the first time its
// page is asked for and kept for as long as the program runs.
#include <array>
#include <string>

#include "core/bindings.h"
#include "core/controls.h"
#include "core/machine.h"
#include "rules/odds.h"

namespace tonvale {

struct OddsWindow : ControlSet {
    static constexpr int kWidth = 7485;
    static constexpr int kHeight = 5880;
    OddsWindow();

    Control form;        // "tonvaleodds", caption "ODDS"
    Control lblTitle;    // "TonVale Odds"
    Control cmdclose;    // "close  odds"
    Control lblsetting;  // the bet, ways and payout level the figures are for

    Control fraReturn;  // what a paid spin gives back, as a share of its stake
    Control lblpaidspin, lblfreespins, lbljackpot, lbltotal;
    Control fraChance;  // the chances of one paid spin
    Control lblhit, lblpfree, lblpjackpot;
    Control fraLargest;  // the largest win of a single spin
    Control lblmaxwin, lblmaxpaid;
    // The names in front of the figures, 1 .. 9 in the order above.
    std::array<Control, 10> rowname;

    Control lblnote;  // the jackpot pools are counted at their floors
};

// How the page writes its figures.
namespace oddstext {
// "85.1234 %": a share of the stake, four decimals.
std::string percentOfStake(double stakes);
// "$ 7.00 a spin  (1 in 197 spins)": what the jackpot board adds to each paid spin
// in money (a return of `stakes` on a stake of `stakeCents`) and how often it starts.
std::string boardWorth(double stakes, std::int64_t stakeCents, double pStart);
// "1 in 3.52  (28.42 %)": a chance as odds against and as a percentage.
std::string chance(double p);
// "1240 stakes  =  $ 310": a win in stakes and in dollars at the stake in cents.
std::string win(double stakes, std::int64_t stakeCents);
}  // namespace oddstext

class OddsPage {
public:
    explicit OddsPage(Machine& m) : m_(m) {}
    void bind(Bindings& b);

    OddsWindow ui;

    // The pay table's ODDS button: fills the page and shows it.
    void cmdodds_Click();
    // Fills the labels from the machine's bet, ways factor and payout level.
    void showOdds();
    void cmdclose_Click();
    void odds_QueryUnload();
    void closeOdds();

    // The figures the page shows now.
    const Odds& shown() const { return shown_; }
    // The count of a ways factor, made at the program's first call and kept.
    const OddsTally& tally(int waysfactor);

private:
    Machine& m_;
    Odds shown_;
};

}  // namespace tonvale
