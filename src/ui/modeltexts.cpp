// SPDX-License-Identifier: MIT
#include "ui/modeltexts.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "ui/language.h"

namespace tonvale {

namespace {

// One text of the model as the catalogue holds it: its lines with their runs of
// blanks made one blank, and for a pattern the kind of each argument, %1 first:
//   n  a whole number          d  a decimal number      m  an amount ("$ 12.5")
//   c  a clock ("1:02:03")     t  a name, an address    x  a word of the catalogue
//   T  a time ("10 Dec 2026 15:22:32")                  X  multipliers ("x2 x10")
//   g  gamble bets ("card 3 won card 1 lost")
// A %n is a count that chooses the translation's plural form.
struct Entry {
    const char* text;
    const char* kinds = "";
};

const Entry kEntries[] = {
    // The main window.
    //: The main window's title; %1 is the player's name.
    {QT_TRANSLATE_NOOP("Game", "Current Player %1"), "t"},
    {QT_TRANSLATE_NOOP("Game", "Slots TonVale")},
    {QT_TRANSLATE_NOOP("Game", "Options, CLICK to VIEW")},
    {QT_TRANSLATE_NOOP("Game", "History, CLICK to VIEW")},
    {QT_TRANSLATE_NOOP("Game", "About")},
    {QT_TRANSLATE_NOOP("Game", "Pay Table")},
    {QT_TRANSLATE_NOOP("Game", "Help")},
    {QT_TRANSLATE_NOOP("Game", "Exit")},
    //: The win meter before the reels run.
    {QT_TRANSLATE_NOOP("Game", "Good Luck")},
    {QT_TRANSLATE_NOOP("Game", "No Win")},
    {QT_TRANSLATE_NOOP("Game", "Credit Full")},
    //: Autoplay stopped at the player's limit of spins.
    {QT_TRANSLATE_NOOP("Game", "Spin Limit")},
    //: Autoplay stopped at the player's limit of losses.
    {QT_TRANSLATE_NOOP("Game", "Loss Limit")},
    {QT_TRANSLATE_NOOP("Game", "** FREESPINS AWARDED **")},
    {QT_TRANSLATE_NOOP("Game", "Freespins Remaining = %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Freespins Completed")},
    //: The jackpot board's prize; %1 is in cents.
    {QT_TRANSLATE_NOOP("Game", "BET X 10 = %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "BET X 20 = %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "BET X 30 = %1"), "n"},
    // The gamble panel; amounts in cents.
    {QT_TRANSLATE_NOOP("Game", "past history")},
    {QT_TRANSLATE_NOOP("Game", "At Risk %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Black/Red Win = %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Suit Win = %1"), "n"},

    // Message boxes of the main window.
    {QT_TRANSLATE_NOOP("Game", "Slots_Tonvale")},
    {QT_TRANSLATE_NOOP("Game", "The credit is full.")},
    {QT_TRANSLATE_NOOP("Game",
                       "..............PLEASE READ.................\n"
                       "When you use this function all other Functions are\n"
                       "unavailable to you until you turn the Autoplay OFF\n"
                       "To turn Autoplay OFF Click on the Auto On/Off button.\n"
                       "\n"
                       "This message will not appear again")},
    {QT_TRANSLATE_NOOP("Game", "..............REALITY CHECK.................")},
    {QT_TRANSLATE_NOOP("Game", "You have played for %1 this session."), "c"},
    {QT_TRANSLATE_NOOP("Game", "Staked %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Won %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Net result %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Tonvale Help")},
    {QT_TRANSLATE_NOOP(
        "Game",
        "Click on 'Select Ways' to select the amount of ways you wish to play, from 3 to 243.\n"
        "As you click on 'Select Ways' you will see some symbols being hatched out, these\n"
        "symbols will not count, for instance when the ways caption shows 3 you will see that\n"
        "the only paying symbols are all of those on the first reel plus those on the centre "
        "of\n"
        "all other reels, therefore you are playing 3 X 1=3 ways.\n"
        "When the ways caption shows 9 you are playing all of reel 1 and 2 plus the centre of "
        "all\n"
        "other reels therefore you are playing 3 X 3 X 1=9 ways,you can climb right up to 243 "
        "ways\n"
        "ie. 3 X 3 X 3 X 3 X 3 = 243 ways\n"
        "Clicking on 'Select Bet' will simply toggle your bet 1,2,5,10 or 20 .\n"
        "The 'Total Bet' caption will give you the total amount you are wagering per spin.\n"
        "The Graphic marked OPTIONS will give you access to an array of different options which "
        "you can specify.")},
    {QT_TRANSLATE_NOOP(
        "Game",
        "Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, "
        "G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. In the "
        "gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. Tab and "
        "Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.")},

    // The options window.
    {QT_TRANSLATE_NOOP("Game", "Tonvale Options")},
    //: Left of the name box; "Then Enter" stands right of it.
    {QT_TRANSLATE_NOOP("Game", "Input Players Name")},
    {QT_TRANSLATE_NOOP("Game", "Then Enter")},
    {QT_TRANSLATE_NOOP("Game", "Total won does not include any funds from jackpots.")},
    {QT_TRANSLATE_NOOP("Game", "Delete Current Player")},
    {QT_TRANSLATE_NOOP("Game", "O.K. Close and save changes")},
    //: A player slot that holds no player.
    {QT_TRANSLATE_NOOP("Game", "Vacant")},
    {QT_TRANSLATE_NOOP("Game", "Win Counter")},
    {QT_TRANSLATE_NOOP("Game", "toggle sound")},
    {QT_TRANSLATE_NOOP("Game", "ON")},
    {QT_TRANSLATE_NOOP("Game", "OFF")},
    {QT_TRANSLATE_NOOP("Game", "Reduced Motion")},
    {QT_TRANSLATE_NOOP("Game", "Volume")},
    {QT_TRANSLATE_NOOP("Game", "Mute")},
    //: The option of the rules for safer play: no autoplay, slower games, no fanfare for small returns.
    {QT_TRANSLATE_NOOP("Game", "Safer Play")},
    {QT_TRANSLATE_NOOP("Game", "Reel Speed")},
    //: Under the left end of the reel speeds; "Slower>>>" stands under the right end.
    {QT_TRANSLATE_NOOP("Game", "<<<Faster")},
    {QT_TRANSLATE_NOOP("Game", "Slower>>>")},
    {QT_TRANSLATE_NOOP("Game", "Current Speed = %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Payout %")},
    //: A payout level.
    {QT_TRANSLATE_NOOP("Game", "Realistic")},
    //: A payout level.
    {QT_TRANSLATE_NOOP("Game", "Loose")},
    {QT_TRANSLATE_NOOP("Game", "Dream Machine !!")},
    //: A payout level.
    {QT_TRANSLATE_NOOP("Game", "Dream Machine")},
    {QT_TRANSLATE_NOOP("Game", "Play Limits")},
    {QT_TRANSLATE_NOOP("Game", "Reality Check")},
    {QT_TRANSLATE_NOOP("Game", "Off")},
    {QT_TRANSLATE_NOOP("Game", "%1 min"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Autoplay Spins")},
    {QT_TRANSLATE_NOOP("Game", "Unlimited")},
    {QT_TRANSLATE_NOOP("Game", "Autoplay Loss Limit")},
    {QT_TRANSLATE_NOOP("Game", "No Limit")},
    {QT_TRANSLATE_NOOP("Game", "Language")},
    //: The choice of language that follows the desktop's.
    {QT_TRANSLATE_NOOP("Game", "System")},
    //: A language's name as its own speakers write it: keep it so in every language.
    {QT_TRANSLATE_NOOP("Game", "English")},
    //: A language's name as its own speakers write it: keep it so in every language.
    {QT_TRANSLATE_NOOP("Game", "Deutsch")},
    //: A language's name as its own speakers write it: keep it so in every language.
    {QT_TRANSLATE_NOOP("Game", "Français")},
    //: A language's name as its own speakers write it: keep it so in every language.
    {QT_TRANSLATE_NOOP("Game", "Español")},
    //: A language's name as its own speakers write it: keep it so in every language.
    {QT_TRANSLATE_NOOP("Game", "Русский")},
    // The statistics: without a number before the first game, amounts in cents.
    {QT_TRANSLATE_NOOP("Game", "Games Played")},
    {QT_TRANSLATE_NOOP("Game", "Games Played %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Total Wagered")},
    {QT_TRANSLATE_NOOP("Game", "Total Wagered %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Total Won")},
    {QT_TRANSLATE_NOOP("Game", "Total Won %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Winning/Losing")},
    {QT_TRANSLATE_NOOP("Game", "Winning/Losing %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Returned To Player")},
    {QT_TRANSLATE_NOOP("Game", "Returned To Player %")},
    {QT_TRANSLATE_NOOP("Game", "Returned To Player % %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Total Invested")},
    {QT_TRANSLATE_NOOP("Game", "Total Invested %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Freespins Won")},
    {QT_TRANSLATE_NOOP("Game", "Freespins Won %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Grand Jackpots Won")},
    {QT_TRANSLATE_NOOP("Game", "Grand Jackpots Won %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Major jackpots Won")},
    {QT_TRANSLATE_NOOP("Game", "Major jackpots Won %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Minor Jackpots Won")},
    {QT_TRANSLATE_NOOP("Game", "Minor Jackpots Won %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Nothing Entered")},
    {QT_TRANSLATE_NOOP("Game", "Name Too Long")},
    {QT_TRANSLATE_NOOP("Game", "Are you sure you want to Delete Current Player's Details ?")},

    // The pay table and the odds page.
    {QT_TRANSLATE_NOOP("Game", "PAYTABLE")},
    {QT_TRANSLATE_NOOP("Game", "close paytable")},
    {QT_TRANSLATE_NOOP("Game", "ODDS")},
    {QT_TRANSLATE_NOOP("Game", "TonVale Odds")},
    {QT_TRANSLATE_NOOP("Game", "close odds")},
    //: %1 is the bet in cents, %2 the ways, %3 the stake, %4 the payout level.
    {QT_TRANSLATE_NOOP("Game", "Bet %1 %2 ways stake %3 payout %4"), "nnmx"},
    {QT_TRANSLATE_NOOP("Game", "No figures for this bet and ways setting.")},
    {QT_TRANSLATE_NOOP("Game", "Return per paid spin, in % of its stake")},
    {QT_TRANSLATE_NOOP("Game", "The paid spin")},
    {QT_TRANSLATE_NOOP("Game", "The free spins it awards")},
    {QT_TRANSLATE_NOOP("Game", "Paid and free spins together")},
    {QT_TRANSLATE_NOOP("Game", "The jackpot board adds")},
    {QT_TRANSLATE_NOOP("Game", "Chance of a paid spin")},
    {QT_TRANSLATE_NOOP("Game", "Winning anything")},
    {QT_TRANSLATE_NOOP("Game", "Awarding free spins")},
    {QT_TRANSLATE_NOOP("Game", "Starting the jackpot board")},
    {QT_TRANSLATE_NOOP("Game", "Largest win of one spin, the jackpot board aside")},
    {QT_TRANSLATE_NOOP("Game", "A free spin at x10")},
    {QT_TRANSLATE_NOOP("Game", "A paid spin")},
    //: %1, %2 and %3 are the floors of the grand, major and minor pools.
    {QT_TRANSLATE_NOOP(
         "Game",
         "At small stakes the jackpot board outweighs everything else, because its pools hold "
         "the same dollars whatever the stake. It counts each pool at its floor (%1, %2 and %3), "
         "the least it can hold: with fuller pools the board returns more."),
     "mmm"},
    //: A chance that is nil.
    {QT_TRANSLATE_NOOP("Game", "never")},
    //: A chance: "1 in 12.5", then in percent.
    {QT_TRANSLATE_NOOP("Game", "1 in %1 (%2 %)"), "dd"},
    {QT_TRANSLATE_NOOP("Game", "1 in %1 (%2 %), %3 spins a series"), "ddd"},
    //: %1 is a number of stakes, %2 the amount they make.
    {QT_TRANSLATE_NOOP("Game", "%1 stakes = %2"), "dm"},
    //: %1 is in dollars.
    {QT_TRANSLATE_NOOP("Game", "$ %1 a spin"), "d"},
    {QT_TRANSLATE_NOOP("Game", "$ %1 a spin (1 in %2 spins)"), "dd"},

    // The about and advert windows and the links.
    //: The about window's title.
    {QT_TRANSLATE_NOOP("Game", "abouttonvale")},
    {QT_TRANSLATE_NOOP("Game", "TonVale Slots - play money")},
    {QT_TRANSLATE_NOOP("Game", "Exit Game")},
    {QT_TRANSLATE_NOOP("Game", "See More Slots At :-")},
    //: The maker's web site; a name.
    {QT_TRANSLATE_NOOP("Game", "Vimble-Slots")},
    {QT_TRANSLATE_NOOP("Game", "To my web site and more slots to choose from.")},
    {QT_TRANSLATE_NOOP("Game", "Feedback ? Please email me")},
    {QT_TRANSLATE_NOOP("Game", "Email Me")},
    {QT_TRANSLATE_NOOP("Game", "If you want to make a comment do it here.")},
    {QT_TRANSLATE_NOOP("Game", "Click to play the FREE game")},
    {QT_TRANSLATE_NOOP("Game", "Play for Real Money")},
    {QT_TRANSLATE_NOOP(
        "Game",
        "This link will take you to a safe online Casino where an SSL certificate protects "
        "sensitive information entered into that site as it travels from the site to a server.")},
    {QT_TRANSLATE_NOOP("Game", "Return to Vimble-Slots Free game")},
    {QT_TRANSLATE_NOOP("Game", "Internet Connection Status")},
    {QT_TRANSLATE_NOOP("Game", "You need to connect your computer to the internet.")},
    //: %1 is the partner's name.
    {QT_TRANSLATE_NOOP("Game", "Website %1"), "t"},
    {QT_TRANSLATE_NOOP(
        "Game",
        "Please be Patient as this may take a little time !! You are being taken via "
        "Vimble-Slots to a secure web site that encrypts all transmitted data according to the "
        "secure HTTPS protocol.")},
    {QT_TRANSLATE_NOOP(
        "Game",
        "Security that is provided by an SSL certificate protects sensitive information entered "
        "into that site as it travels from the site to a server.")},
    {QT_TRANSLATE_NOOP("Game", "ExecuteLink")},
    //: %1 is the address; the next line says why.
    {QT_TRANSLATE_NOOP("Game", "error Opening Link to %1"), "t"},
    //: Why a link could not be opened.
    {QT_TRANSLATE_NOOP("Game", "unknown")},
    {QT_TRANSLATE_NOOP("Game", "the address is not valid")},
    {QT_TRANSLATE_NOOP("Game", "no program opens such links")},
    //: %1 is the kind of link: https, mailto.
    {QT_TRANSLATE_NOOP("Game", "no program to open %1 links was found (xdg-open is not installed)"), "t"},
    {QT_TRANSLATE_NOOP("Game", "the desktop could not start a program for %1 links"), "t"},

    // The history window.
    {QT_TRANSLATE_NOOP("Game", "Tonvale History")},
    {QT_TRANSLATE_NOOP("Game", "Last Games")},
    {QT_TRANSLATE_NOOP("Game", "Your Results Against the Odds")},
    {QT_TRANSLATE_NOOP("Game", "Return per paid spin")},
    {QT_TRANSLATE_NOOP("Game", "Free-spin series per paid spin")},
    {QT_TRANSLATE_NOOP("Game", "Jackpots per paid spin")},
    {QT_TRANSLATE_NOOP("Game", "<< Newer")},
    {QT_TRANSLATE_NOOP("Game", "Older >>")},
    {QT_TRANSLATE_NOOP("Game", "Close")},
    {QT_TRANSLATE_NOOP("Game", "Game %1 of %2"), "nn"},
    {QT_TRANSLATE_NOOP("Game", "No games played yet")},
    //: The time a game was played, in universal time.
    {QT_TRANSLATE_NOOP("Game", "%1 UTC"), "T"},
    //: %1 ways, the bet in cents, the stake.
    {QT_TRANSLATE_NOOP("Game", "%1 ways bet %2 stake %3"), "nnm"},
    //: A win of a symbol: the symbol, one way, the amount.
    {QT_TRANSLATE_NOOP("Game", "%1 1 way %2"), "xm"},
    //: A win of a symbol: the symbol, the number of ways, the amount.
    {QT_TRANSLATE_N_NOOP("Game", "%1 %n ways %2"), "xm"},
    {QT_TRANSLATE_NOOP("Game", "SCATTER %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "COMPOSER")},
    {QT_TRANSLATE_NOOP("Game", "PIANO")},
    {QT_TRANSLATE_NOOP("Game", "HORN")},
    {QT_TRANSLATE_NOOP("Game", "VIOLIN")},
    {QT_TRANSLATE_NOOP("Game", "HARP")},
    {QT_TRANSLATE_NOOP("Game", "DRUM")},
    {QT_TRANSLATE_NOOP("Game", "KING")},
    {QT_TRANSLATE_NOOP("Game", "QUEEN")},
    {QT_TRANSLATE_NOOP("Game", "JACK")},
    {QT_TRANSLATE_NOOP("Game", "Win %1"), "m"},
    {QT_TRANSLATE_N_NOOP("Game", "%n free spins")},
    //: The series' multipliers follow the count: "x2 x3 x10".
    {QT_TRANSLATE_N_NOOP("Game", "%n free spins %1"), "X"},
    {QT_TRANSLATE_NOOP("Game", "Series total %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Jackpot %1"), "m"},
    //: The gamble's bets follow: "card 3 won card 1 lost".
    {QT_TRANSLATE_NOOP("Game", "Gamble %1"), "g"},
    //: A bet of the gamble; %1 is the card chosen.
    {QT_TRANSLATE_NOOP("Game", "card %1 won"), "n"},
    {QT_TRANSLATE_NOOP("Game", "card %1 lost"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Gamble result %1"), "m"},
    //: The credit before and after the game.
    {QT_TRANSLATE_NOOP("Game", "Credit %1 > %2"), "mm"},
    //: A line of the history that is no game: credit inserted, and the amount.
    {QT_TRANSLATE_NOOP("Game", "Credit inserted %1"), "m"},
    //: The credit at a line of the history that carries the totals of the lines before it.
    {QT_TRANSLATE_NOOP("Game", "Credit %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Earlier games: their totals are carried over")},
    {QT_TRANSLATE_NOOP("Game", "Earlier games, kept by an earlier version")},
    {QT_TRANSLATE_NOOP("Game", "The record as it was read: the history goes on from it")},
    {QT_TRANSLATE_NOOP("Game", "The player's details were deleted")},
    //: A game that went on after the game was closed or stopped in the middle of it.
    {QT_TRANSLATE_NOOP("Game", "Restored after a close")},
    //: A game whose series, jackpot or gamble is not over yet.
    {QT_TRANSLATE_NOOP("Game", "Still under way")},
    {QT_TRANSLATE_NOOP("Game", "This line cannot be read.")},
    //: A row of the list of games: its number, the time, "insert", the amount.
    {QT_TRANSLATE_NOOP("Game", "%1. %2 insert %3"), "ncm"},
    //: A row of the list: its number, the time, "carried" and the credit carried over.
    {QT_TRANSLATE_NOOP("Game", "%1. %2 carried %3"), "ncm"},
    {QT_TRANSLATE_NOOP("Game", "%1. %2 unreadable line"), "nc"},
    //: A row of the list: number, time, stake, what came back; the game is not over yet.
    {QT_TRANSLATE_NOOP("Game", "%1. %2 %3 %4 playing"), "ncmm"},
    //: A row of the list: number, time, stake, what came back; the game went on after a close.
    {QT_TRANSLATE_NOOP("Game", "%1. %2 %3 %4 restored"), "ncmm"},
    {QT_TRANSLATE_NOOP("Game", "%1. %2 %3 %4 playing restored"), "ncmm"},

    // The game restored after a close or a fault.
    {QT_TRANSLATE_NOOP("Game", "..............GAME RESTORED.................")},
    {QT_TRANSLATE_NOOP("Game", "Your free spins go on.")},
    {QT_TRANSLATE_NOOP("Game", "Free spins left: %1"), "n"},
    {QT_TRANSLATE_NOOP("Game", "Series total: %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Your free spins are played: take the series total.")},
    {QT_TRANSLATE_NOOP("Game", "Your gamble goes on.")},
    {QT_TRANSLATE_NOOP("Game", "At risk: %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Your jackpot is shown and paid now.")},
    {QT_TRANSLATE_NOOP("Game", "Jackpot: %1"), "m"},
    {QT_TRANSLATE_NOOP("Game", "Your jackpot feature starts again from its bells.")},
    {QT_TRANSLATE_NOOP("Game", "The game was closed while it was under way.")},

    // The store: what lies at its path, why it cannot be written, and saving again.
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 are not a plain file (a link, a pipe or a device). They are left "
         "as they are, and this game is not saved."),
     "t"},
    {QT_TRANSLATE_NOOP(
         "Game", "The saved games could not be read. They are kept as %1, and a new store was started."),
     "t"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 are a folder, not a file of saved games. It is left as it is, and "
         "this game is not saved."),
     "t"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The file at %1 is not Tonvale's saved games. It is left as it is, and this game is not "
         "saved."),
     "t"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 cannot be read (%2). They are left as they are, and this game is "
         "not saved."),
     "tx"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a "
         "folder). Both are left as they are; the saved games were read, and this game is not saved."),
     "tt"},
    {QT_TRANSLATE_NOOP("Game",
                       "Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a "
                       "folder). Both are left as they are, and this game is not saved."),
     "tt"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 cannot be looked at now (%2). The game plays on and saves as soon "
         "as it can."),
     "tx"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 were written by a newer version of Tonvale. They are left as they "
         "are, and this game is not saved."),
     "t"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 cannot be written now: %2. The game plays on and saves as soon as "
         "it can."),
     "tx"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games at %1 could not be read, nor be moved aside (%2). They are left as they "
         "are, and this game is not saved."),
     "tx"},
    {QT_TRANSLATE_NOOP(
         "Game",
         "The saved games could not be read. They are kept as %1, and a new store was started. It "
         "cannot be written now (%2); the game plays on and saves as soon as it can."),
     "tx"},
    {QT_TRANSLATE_NOOP("Game",
                       "Progress cannot be saved now: %1. The game plays on and saves as soon as it can."),
     "x"},
    {QT_TRANSLATE_NOOP("Game", "Progress is saved again: the whole game up to now is in the saved games.")},
    // Why the store cannot be written, as the texts above name it.
    {QT_TRANSLATE_NOOP("Game", "the disk is full")},
    {QT_TRANSLATE_NOOP("Game", "another program is using them")},
    {QT_TRANSLATE_NOOP("Game", "the file or its folder is read-only")},
    {QT_TRANSLATE_NOOP("Game", "an input/output error")},
    {QT_TRANSLATE_NOOP("Game", "one of their files could not be opened")},
    {QT_TRANSLATE_NOOP("Game", "the memory ran out")},
    {QT_TRANSLATE_NOOP("Game", "an error the system did not name")},
    {QT_TRANSLATE_NOOP("Game", "the saved games are left as they are")},
    {QT_TRANSLATE_NOOP("Game", "something that is not Tonvale's saved games lies there now")},
};

const char* const kContext = "Game";

QString regexOf(char kind) {
    switch (kind) {
        case 'n':
            return QStringLiteral("([-+]?\\d+)");
        case 'd':
            return QStringLiteral("([-+]?\\d+(?:\\.\\d+)?)");
        case 'm':
            return QStringLiteral("([-+]?\\$ ?\\d+(?:\\.\\d+)?)");
        case 'c':
            return QStringLiteral("(\\d+:\\d\\d:\\d\\d)");
        case 'T':
            return QStringLiteral("(\\d\\d [A-Z][a-z][a-z] \\d{4} \\d\\d:\\d\\d:\\d\\d)");
        case 'X':
            return QStringLiteral("(x\\d+(?: x\\d+)*)");
        case 'g':
            return QStringLiteral("(card \\d+ (?:won|lost)(?: card \\d+ (?:won|lost))*)");
        default:  // t, x
            return QStringLiteral("(.+?)");
    }
}

struct Pattern {
    QRegularExpression re;
    const Entry* entry = nullptr;
    std::vector<int> groups;  // the placeholder of each group: 1..9, 0 for %n
    int literal = 0;          // characters outside the placeholders
};

// The catalogue made ready for lookups: exact texts by their lines, patterns
// most specific first.
class Catalogue {
public:
    Catalogue() {
        for (const Entry& e : kEntries) {
            const QString text = QString::fromUtf8(e.text);
            if (!text.contains(QRegularExpression(QStringLiteral("%[1-9n]")))) {
                exact_.insert(text, &e);
                continue;
            }
            patterns_.push_back(compile(e, text));
        }
        std::stable_sort(patterns_.begin(), patterns_.end(),
                         [](const Pattern& a, const Pattern& b) { return a.literal > b.literal; });
    }

    const Entry* exact(const QString& text) const { return exact_.value(text, nullptr); }
    const std::vector<Pattern>& patterns() const { return patterns_; }

private:
    static Pattern compile(const Entry& e, const QString& text) {
        Pattern p;
        p.entry = &e;
        QString re;
        static const QRegularExpression placeholder(QStringLiteral("%([1-9n])"));
        qsizetype from = 0;
        auto it = placeholder.globalMatch(text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            QString before = text.mid(from, m.capturedStart() - from);
            const QChar which = m.captured(1).at(0);
            const int number = which == QLatin1Char('n') ? 0 : which.digitValue();
            const char kind =
                number == 0 ? 'n'
                            : (number <= static_cast<int>(qstrlen(e.kinds)) ? e.kinds[number - 1] : 't');
            from = m.capturedEnd();
            p.literal += static_cast<int>(before.size());
            // A name at the very end may be empty, and the blank before it with it.
            if (kind == 't' && from == text.size() && before.endsWith(QLatin1Char(' '))) {
                before.chop(1);
                re += QRegularExpression::escape(before) + QStringLiteral("(?: (.*))?");
            } else {
                re += QRegularExpression::escape(before) + regexOf(kind);
            }
            p.groups.push_back(number);
        }
        p.literal += static_cast<int>(text.size() - from);
        re += QRegularExpression::escape(text.mid(from));
        p.re.setPattern(QRegularExpression::anchoredPattern(re));
        p.re.optimize();
        return p;
    }

    QHash<QString, const Entry*> exact_;
    std::vector<Pattern> patterns_;
};

const Catalogue& catalogue() {
    static const Catalogue c;
    return c;
}

QString kindOf(const Pattern& p, int group) {
    const int number = p.groups[static_cast<std::size_t>(group)];
    if (number == 0) return QStringLiteral("n");
    const char* kinds = p.entry->kinds;
    return number <= static_cast<int>(qstrlen(kinds)) ? QString(QLatin1Char(kinds[number - 1]))
                                                      : QStringLiteral("t");
}

// The lines of a text with their runs of blanks made one blank.
QStringList linesOf(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    for (QString& l : lines) l = l.simplified();
    return lines;
}

bool hasLetter(const QString& s) {
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}

QString translate(const Entry& e, int n = -1) {
    return QCoreApplication::translate(kContext, e.text, nullptr, n);
}

std::optional<QString> line(const QString& text, bool translating);

// An argument as the translation shows it.
QString argument(const QString& kind, const QString& value, bool translating) {
    if (!translating) return value;
    if (kind == QLatin1String("x")) return line(value, true).value_or(value);
    if (kind == QLatin1String("T")) {
        // The model writes universal time with English month names; the player
        // reads it in the language's own form.
        QDateTime t = QLocale::c().toDateTime(value, QStringLiteral("dd MMM yyyy HH:mm:ss"));
        t.setTimeSpec(Qt::UTC);
        return t.isValid() ? QLocale().toString(t, QLocale::ShortFormat) : value;
    }
    if (kind == QLatin1String("g")) {
        static const QRegularExpression bet(QStringLiteral("card \\d+ (?:won|lost)"));
        QStringList out;
        auto it = bet.globalMatch(value);
        while (it.hasNext()) {
            const QString one = it.next().captured(0);
            out << line(one, true).value_or(one);
        }
        return out.join(QLatin1Char(' '));
    }
    return value;
}

// One line in the player's language, or nothing when the catalogue lacks it.
std::optional<QString> line(const QString& text, bool translating) {
    const Catalogue& c = catalogue();
    if (const Entry* e = c.exact(text)) return translating ? translate(*e) : text;
    for (const Pattern& p : c.patterns()) {
        const QRegularExpressionMatch m = p.re.match(text);
        if (!m.hasMatch()) continue;
        // The arguments must themselves be known: a word of the catalogue, or the
        // pattern does not hold.
        int count = -1;
        std::vector<QString> args(10);
        bool holds = true;
        for (std::size_t g = 0; g < p.groups.size(); ++g) {
            const QString value = m.captured(static_cast<int>(g) + 1);
            const QString kind = kindOf(p, static_cast<int>(g));
            if (kind == QLatin1String("x") && !line(value, false)) holds = false;
            if (p.groups[g] == 0) count = value.toInt();
            args[static_cast<std::size_t>(p.groups[g])] = argument(kind, value, translating);
        }
        if (!holds) continue;
        if (!translating) return text;
        QString out = translate(*p.entry, count);
        // The translation's own %n is already the count; %1..%9 take the arguments.
        QString result;
        result.reserve(out.size() + 16);
        for (qsizetype i = 0; i < out.size(); ++i) {
            const QChar ch = out.at(i);
            if (ch == QLatin1Char('%') && i + 1 < out.size() && out.at(i + 1).isDigit() &&
                out.at(i + 1) != QLatin1Char('0')) {
                result += args[static_cast<std::size_t>(out.at(i + 1).digitValue())];
                ++i;
            } else {
                result += ch;
            }
        }
        return result;
    }
    return std::nullopt;
}

// A line whose parts stand apart in columns, set by a wide run of blanks ("Input
// Players Name      [the name box]      Then Enter"): each part on its own, the
// blanks kept, so that the columns stay where the window has its room.
std::optional<QString> columns(const QString& raw, bool translating) {
    static const QRegularExpression gap(QStringLiteral(" {6,}"));
    const QString t = raw.trimmed();
    QString out;
    qsizetype from = 0;
    bool split = false;
    const auto part = [&](const QString& p) -> bool {
        if (!hasLetter(p)) {
            out += p;
            return true;
        }
        const std::optional<QString> one = line(p.simplified(), translating);
        if (!one) return false;
        out += *one;
        // A shorter part keeps the next column where it stands: a blank is about half
        // as wide as a letter.
        if (translating && one->size() < p.size())
            out += QString(2 * (p.size() - one->size()), QLatin1Char(' '));
        return true;
    };
    auto it = gap.globalMatch(t);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!part(t.mid(from, m.capturedStart() - from))) return std::nullopt;
        out += m.captured(0);
        from = m.capturedEnd();
        split = true;
    }
    if (!split || !part(t.mid(from))) return std::nullopt;
    return out;
}

// The text line by line: a block of lines that the catalogue holds whole comes
// first, then single lines, then a line's columns; a line the catalogue lacks stays
// as it is (or makes the whole unknown when `known` asks).
std::optional<QString> text(const QString& english, bool translating) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    const QStringList raw = english.split(breaks);
    const QStringList lines = linesOf(english);
    QStringList out;
    for (qsizetype i = 0; i < lines.size();) {
        if (!hasLetter(lines[i])) {
            out << lines[i];
            ++i;
            continue;
        }
        qsizetype taken = 0;
        for (qsizetype j = lines.size(); j > i + 1 && !taken; --j) {
            const QString block = lines.mid(i, j - i).join(QLatin1Char('\n'));
            if (const Entry* e = catalogue().exact(block)) {
                out << (translating ? translate(*e) : block);
                taken = j - i;
            }
        }
        if (!taken) {
            std::optional<QString> one = line(lines[i], translating);
            if (!one) one = columns(raw[i], translating);
            if (!one && !translating) return std::nullopt;
            out << one.value_or(lines[i]);
            taken = 1;
        }
        i += taken;
    }
    return out.join(QLatin1Char('\n'));
}

}  // namespace

QString translatedModelText(std::string_view english) {
    const QString source = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    if (!translating() || !hasLetter(source)) return source;
    // The same captions come back many times a second (the meters, the labels of a
    // window): each is looked up once per language.
    static QHash<QString, QString> done;
    static int doneFor = -1;
    if (doneFor != languageSerial() || done.size() > 4096) {
        done.clear();
        doneFor = languageSerial();
    }
    const auto found = done.constFind(source);
    if (found != done.constEnd()) return *found;
    const QString result = text(source, true).value_or(source);
    done.insert(source, result);
    return result;
}

bool modelTextKnown(std::string_view english) {
    return text(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())), false).has_value();
}

std::vector<ModelTextSource> modelTextSources() {
    std::vector<ModelTextSource> out;
    for (const Entry& e : kEntries) out.push_back({e.text, e.kinds});
    return out;
}

}  // namespace tonvale
