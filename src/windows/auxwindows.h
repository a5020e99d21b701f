// SPDX-License-Identifier: MIT
#pragma once
// The pay table, the help text, the about window, the advert window and the link
// opener.
//
// The window models are `pays`, `about` and `advert`, and the odds page opened
// from the pay table (`odds.ui`). The view shows a dialog for
// each while its `form.visible` is true, routes clicks through Game::click on
// their controls (Command1; Btnxit, cmdvimble, cmdfeedback, Picture2; Picture1,
// SSCommand2), and a dialog's close box to closePaytable(), closeAbout() or
// closeAdvert().
#include <functional>

#include "core/bindings.h"
#include "core/machine.h"
#include "windows/oddswindow.h"
#include "windows/windowmodels.h"

namespace tonvale {

// The help box: eleven lines, each ended by a carriage return.
inline constexpr const char* kHelpTitle = "               Tonvale Help";
// The keys of the desktop game, shown after the help text.
inline constexpr const char* kKeysHelp =
    "Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, "
    "G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. "
    "In the gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. "
    "Tab and Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.";

inline constexpr const char* kHelpText =
    "Click on 'Select Ways' to select the amount of ways you wish to play, from 3 to 243.\r"
    "As you click on 'Select Ways' you will see some symbols being hatched out, these \r"
    "symbols will not count, for instance when the ways caption shows 3 you will see that\r"
    "the only paying symbols are all of those on the first reel plus those on the centre of\r"
    "all other reels, therefore you are playing 3 X 1=3 ways.\r"
    "When the ways caption shows 9 you are playing all of reel 1 and 2 plus the centre of all \r"
    "other reels therefore you are playing 3 X 3 X 1=9 ways,you can climb right up to 243 ways \r"
    "ie. 3 X 3 X 3 X 3 X 3 = 243 ways\r"
    "Clicking on 'Select Bet' will simply toggle your bet 1,2,5,10 or 20 . \r"
    "The 'Total Bet' caption will give you the total amount you are wagering per spin.\r"
    "The Graphic marked OPTIONS will give you access to an array of different options which you can "
    "specify.\r";

// The feedback mail link: "mailto:", the address, then the subject.
std::string feedbackLink();
// The notice shown before the partner's link is opened.
std::string partnerNotice();

class AuxWindows {
public:
    explicit AuxWindows(Machine& m) : odds(m), m_(m) {}
    void bind(Bindings& b);

    // "Exit Game" in the about window leaves through the main window's exit.
    struct Calls {
        std::function<void()> xit_Click;
    };
    Calls calls;

    PaytableWindow pays;
    AboutWindow about;
    AdvertWindow advert;
    OddsPage odds;

    // The help box of the main window's menu.
    void btnhelp_Click();

    // Pay table: opened by the main window (which has disabled itself). Its ODDS
    // button opens the odds page over it; closing the pay table closes both.
    void showPaytable();
    void Command1_Click();
    void paytable_QueryUnload();
    void closePaytable();

    // About window: opened by the main window (which has disabled itself).
    void showAbout();
    void cmdvimble_Click();
    void cmdfeedback_Click();
    void Picture2_Click();
    void Btnxit_Click();
    void about_QueryUnload();
    void closeAbout();

    // Advert window: shown by the evaluation after 25 losing spins; it has
    // already hidden the main window.
    void showAdvert();
    void advert_Load();
    void Picture1_Click();
    void SSCommand2_Click();
    void advert_QueryUnload();
    void closeAdvert();

    // Opens a link with the desktop's handler; a refusal is reported in a box.
    void openlink(const std::string& link);

private:
    bool IsWebConnected();
    void notConnected();
    Machine& m_;
};

}  // namespace tonvale
