// SPDX-License-Identifier: MIT
#pragma once
// The whole state of the machine: the program-wide values (settings, statistics,
// pools and a few shared flags) and the main window's record of the spin in
// progress, the presentation, the jackpot feature and the gamble. Fields carry the
// game's own names and their real widths; every field starts at 0 or empty. The
// fields are given once, as lists, from which the records and the access by name
// (game/fields.cpp) are made.
#include <array>
#include <cstdint>
#include <string>

#include "rules/fieldlist.h"
#include "rules/strips.h"

namespace tonvale {

using i16 = std::int16_t;
using i32 = std::int32_t;
using i64 = std::int64_t;

// The program-wide values.
#define TONVALE_PROGRAM_FIELDS(N, T, A)                                \
    /* Stored per player (settings store keys of the same names). */   \
    /* The credit is money of the game's width; the statistics are  */ \
    /* counted in 64 bits, wide enough for a lifetime of play.      */ \
    N(i32, bank)                                                       \
    N(i64, games)                                                      \
    N(i64, wager)                                                      \
    N(i64, total)                                                      \
    N(i64, amountinvested)                                             \
    N(i64, howmanyspins)                                               \
    N(i64, grandwon)                                                   \
    N(i64, majorwon)                                                   \
    N(i64, minorwon)                                                   \
    N(i64, jackpotbank)                                                \
    N(i32, grand) /* the pools, stored under "allslot" */              \
    N(i32, major)                                                      \
    N(i32, minor)                                                      \
    N(i16, reelspeed)                                                  \
    N(i16, soundonoff)                                                 \
    N(i16, winroll)                                                    \
    N(i16, machinepay)                                                 \
    T(currentplayer)                                                   \
    T(sizescreen)                                                      \
    /* Not stored. */                                                  \
    T(playerslot)                                                      \
    N(i32, jackpotwon)                                                 \
    N(i16, nowincount)                                                 \
    A(i16, scatterreels, 5, 1) /* by reel */                           \
    N(i16, fivescatters)

struct ProgramValues {
    TONVALE_FIELD_MEMBERS(TONVALE_PROGRAM_FIELDS)
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
#define TONVALE_MAIN_RECORD_FIELDS(N, T, A)                                                     \
    /* Spin and reels. */                                                                       \
    N(i16, bet)                                                                                 \
    N(i16, waysfactor)                                                                          \
    N(i16, reelstop1)                                                                           \
    N(i16, reelstop2)                                                                           \
    N(i16, reelstop3)                                                                           \
    N(i16, reelstop4)                                                                           \
    N(i16, reelstop5)                                                                           \
    N(i32, reeltop1)                                                                            \
    N(i32, reeltop2)                                                                            \
    N(i32, reeltop3)                                                                            \
    N(i32, reeltop4)                                                                            \
    N(i32, reeltop5)                                                                            \
    N(i16, autoplaymode)                                                                        \
    N(i16, keycount)                                                                            \
    N(i16, idleticks)                                                                           \
    N(i16, introticks)                                                                          \
    N(i16, bellframe)                                                                           \
    N(i16, wildflashstep)                                                                       \
    /* Evaluation and free spins. */                                                            \
    N(i32, winamount)                                                                           \
    N(i32, scatterwin)                                                                          \
    N(i16, freespinsawarded)                                                                    \
    N(i16, freespinsplayed)                                                                     \
    N(i16, freespinmultiplier)                                                                  \
    N(i16, multiplierpicture)                                                                   \
    N(i32, freespintotal)                                                                       \
    N(i16, freespinsover)                                                                       \
    N(i16, autospinwait)                                                                        \
    N(i16, respinsoundpick)                                                                     \
    N(i16, respinsounddone)                                                                     \
    N(i16, reelpause)                                                                           \
    A(i16, scattersound, 5, 1) /* by reel, one evaluation */                                    \
    N(i16, fivescattersound)                                                                    \
    /* Presentation, jackpot and gamble. */                                                     \
    N(i16, rollstep)                                                                            \
    N(i32, wincounted)                                                                          \
    N(i32, betx10)                                                                              \
    N(i32, betx20)                                                                              \
    N(i32, betx30)                                                                              \
    N(i16, ballx)                                                                               \
    N(i16, bally)                                                                               \
    N(i16, ballrounds)                                                                          \
    N(i16, ballstep)                                                                            \
    N(i16, ballinterval)                                                                        \
    N(i16, ballstop)                                                                            \
    N(i16, balldrawn)                                                                           \
    N(i32, gamblestake)                                                                         \
    N(i32, gamblecarry)                                                                         \
    N(i32, gamblebase) /* what the gamble was entered with: the spin's win or a series total */ \
    N(i16, gamblecount)                                                                         \
    /* Counters that the handlers keep for the life of the window. */                           \
    N(i16, betstep)        /* btnbet: 1..5 after a press */                                     \
    N(i16, waysstep)       /* btnlines: 1..5 after a press */                                   \
    N(i16, autoplaytoggle) /* autoplayon: 1 switch on, 0 switch off */                          \
    N(i16, autoplaynotice) /* -1 once the autoplay notice was shown or found stored */          \
    N(i16, flashphase)     /* Timerflash: 0..2 */                                               \
    N(i16, flashposition)  /* Timerflash: 1..36 */                                              \
    N(i16, scatterstep)    /* Timerscatter: 1..17 */                                            \
    N(i16, showticks)      /* tmrshowjackpot */                                                 \
    N(i16, ballblink)      /* tmrshowjackpot: 1..4 */                                           \
    N(i16, bannerframe)    /* tmrshowjackpot */                                                 \
    N(i16, gamblecard)     /* the card drawn by the last bet, 1..4 */                           \
    N(i16, jackpotfield)   /* the board field the ball stopped on, 1..16 */

struct MainRecord : SpinRecord {
    TONVALE_FIELD_MEMBERS(TONVALE_MAIN_RECORD_FIELDS)
};

// Every field of the machine state, in one list: a field added to one of the lists
// above is a member of the state and reachable by name from the scenarios.
#define TONVALE_STATE_FIELDS(N, T, A) \
    TONVALE_PROGRAM_FIELDS(N, T, A) TONVALE_SPIN_RECORD_FIELDS(N, T, A) TONVALE_MAIN_RECORD_FIELDS(N, T, A)

struct MachineState : ProgramValues, MainRecord {
    i32 stake() const { return static_cast<i32>(bet) * static_cast<i32>(waysfactor); }
    i16& reelstop(int reel);
    i32& reeltop(int reel);
};

}  // namespace tonvale
