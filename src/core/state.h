// SPDX-License-Identifier: MIT
#pragma once
// The whole state of the machine: the program-wide values (settings, statistics,
// pools and a few shared flags) and the main window's record of the spin in
// progress, the presentation, the jackpot feature and the gamble. Fields carry the
// game's own names and their real widths; every field starts at 0 or empty.
#include <array>
#include <cstdint>
#include <string>

#include "rules/strips.h"

namespace tonvale {

using i16 = std::int16_t;
using i32 = std::int32_t;

struct ProgramValues {
    // Stored per player (settings store keys of the same names).
    i32 bank = 0;
    i32 games = 0;
    i32 wager = 0;
    i32 total = 0;
    i32 amountinvested = 0;
    i16 howmanyspins = 0;
    i32 grandwon = 0, majorwon = 0, minorwon = 0;
    i32 jackpotbank = 0;
    i32 grand = 0, major = 0, minor = 0;  // stored under "allslot"
    i16 reelspeed = 0;
    i16 soundonoff = 0;
    i16 winroll = 0;
    i16 machinepay = 0;
    std::string currentplayer;
    std::string sizescreen;
    // Not stored.
    std::string playerslot;
    i32 jackpotwon = 0;
    i16 nowincount = 0;
    std::array<i16, 5> scatterreels{};  // used 1..4 by reel
    i16 fivescatters = 0;
};

// Stored settings outside what the game offers are taken as a sane choice, so that
// the game plays a defined way and writes the sane value back: a payout level
// outside 1..3 plays as 3 ("Realistic", the level of new players); a sound switch
// other than on (-1) is off (0); a win-counter setting other than 0 or 1 is 0 (the
// win is counted at once); a reel speed below 1 is 1. A reel speed above 1 that
// the options do not offer stays: it runs at the pace of speed 1, and the options
// window shows no speed chosen.
void correctSettings(ProgramValues& v);

// The main window's record. The reel record (cell arrays, scatter and bell fields)
// comes from the reel routines' own record type.
struct MainRecord : SpinRecord {
    // Spin and reels.
    i16 bet = 0;
    i16 waysfactor = 0;
    i16 reelstop1 = 0, reelstop2 = 0, reelstop3 = 0, reelstop4 = 0, reelstop5 = 0;
    i32 reeltop1 = 0, reeltop2 = 0, reeltop3 = 0, reeltop4 = 0, reeltop5 = 0;
    i16 autoplaymode = 0;
    i16 keycount = 0;
    i16 idleticks = 0;
    i16 introticks = 0;
    i16 bellframe = 0;
    i16 wildflashstep = 0;

    // Evaluation and free spins.
    i32 winamount = 0;
    i32 scatterwin = 0;
    i16 freespinsawarded = 0;
    i16 freespinsplayed = 0;
    i16 freespinmultiplier = 0;
    i16 multiplierpicture = 0;
    i32 freespintotal = 0;
    i16 freespinsover = 0;
    i16 autospinwait = 0;
    i16 respinsoundpick = 0, respinsounddone = 0;
    i16 reelpause = 0;
    std::array<i16, 5> scattersound{};  // used 1..4 by reel, one evaluation
    i16 fivescattersound = 0;

    // Presentation, jackpot and gamble.
    i16 rollstep = 0;
    i32 wincounted = 0;
    i16 betx10 = 0, betx20 = 0, betx30 = 0;
    i16 ballx = 0, bally = 0, ballrounds = 0, ballstep = 0, ballinterval = 0, ballstop = 0, balldrawn = 0;
    i32 gamblestake = 0;
    i32 gamblecarry = 0;
    i32 gamblebase = 0;  // what the gamble was entered with: the spin's win or a series total
    i16 gamblecount = 0;

    // Counters that the handlers keep for the life of the window.
    i16 betstep = 0;         // btnbet: 1..5 after a press
    i16 waysstep = 0;        // btnlines: 1..5 after a press
    i16 autoplaytoggle = 0;  // autoplayon: 1 switch on, 0 switch off
    i16 autoplaynotice = 0;  // -1 once the autoplay notice was shown or found stored
    i16 flashphase = 0;      // Timerflash: 0..2
    i16 flashposition = 0;   // Timerflash: 1..36
    i16 scatterstep = 0;     // Timerscatter: 1..17
    i16 showticks = 0;       // tmrshowjackpot
    i16 ballblink = 0;       // tmrshowjackpot: 1..4
    i16 bannerframe = 0;     // tmrshowjackpot
    i16 gamblecard = 0;      // the card drawn by the last bet, 1..4
    i16 jackpotfield = 0;    // the board field the ball stopped on, 1..16
};

struct MachineState : ProgramValues, MainRecord {
    i32 stake() const { return static_cast<i32>(bet) * static_cast<i32>(waysfactor); }
    i16& reelstop(int reel);
    i32& reeltop(int reel);
};

}  // namespace tonvale
