// SPDX-License-Identifier: MIT
// The statistics labels of the options window. Each label carries a prefix,
// which differs by the handler that writes it, and for a player who has played
// the value in plain decimal (money in cents).
#include <optional>

#include "core/checked.h"
#include "players/options.h"
#include "players/text.h"

namespace tonvale {

namespace {

using Value = std::optional<std::string>;

std::string number(std::int64_t v) { return std::to_string(v); }

// What was wagered minus what was won, when it fits the statistics' width.
Value winLose(const ProgramValues& v) {
    i64 d = v.wager;
    if (!subChecked(d, v.total)) return std::nullopt;
    return number(d);
}

// The whole-number part of won / wagered in percent; nothing when no wager was
// recorded (the label then keeps what it showed).
Value returned(const ProgramValues& v) {
    std::int64_t a = 0;
    if (v.wager == 0 || !mulChecked(a, v.total, 100)) return std::nullopt;
    std::int64_t q = a / v.wager;
    if ((a % v.wager != 0) && ((a < 0) != (v.wager < 0))) --q;  // toward minus infinity
    return number(q);
}

struct Line {
    Control OptionsWindow::*label;
    // Prefixes when games > 0: opening, slot switch, delete.
    const char* played[3];
    bool valueOnDelete;
    // Prefixes when games = 0: opening, slot switch.
    const char* unplayed[2];
    Value (*value)(const ProgramValues&);
};

const Line kLines[] = {
    {&OptionsWindow::lblgames,
     {"Games Played            ", "Games Played            ", "Games Played            "},
     true,
     {"Games Played      ", "Games Played          "},
     [](const ProgramValues& v) -> Value { return number(v.games); }},
    {&OptionsWindow::lblwager,
     {"Total Wagered           ", "Total Wagered           ", "Total Wagered           "},
     true,
     {"Total Wagered     ", "Total Wagered         "},
     [](const ProgramValues& v) -> Value { return number(v.wager); }},
    {&OptionsWindow::lbltotalwon,
     {"Total Won                   ", "Total Won                   ", "Total Won                   "},
     true,
     {"Total Won      ", "Total Won          "},
     [](const ProgramValues& v) -> Value { return number(v.total); }},
    {&OptionsWindow::lblwinlose,
     {"Winning/Losing ", "Winning/Losing ", "Winning/Losing "},
     true,
     {"Winning/Losing     ", "Winning/Losing      "},
     winLose},
    {&OptionsWindow::lblreturned,
     {"Returned To Player     % ", "Returned To Player     % ", "Returned To Player     % "},
     false,
     {"Returned To Player     ", "Returned To Player "},
     returned},
    {&OptionsWindow::lblinvested,
     {"Total Invested             ", "Total Invested             ", "Total Invested             "},
     true,
     {"Total Invested      ", "Total Invested     "},
     [](const ProgramValues& v) -> Value { return number(v.amountinvested); }},
    {&OptionsWindow::lblfreespins,
     {"Freespins Won            ", "Freespins Won     ", "Freespins Won     "},
     true,
     {"Freespins Won     ", "Freespins Won     "},
     [](const ProgramValues& v) -> Value { return number(v.howmanyspins); }},
    {&OptionsWindow::lblgrandwon,
     {"Grand Jackpots Won     ", "Grand Jackpots Won     ", "Grand Jackpots Won     "},
     false,
     {"Grand Jackpots Won     ", "Grand Jackpots Won     "},
     [](const ProgramValues& v) -> Value { return number(v.grandwon); }},
    {&OptionsWindow::lblmajorwon,
     {"Major jackpots Won     ", "Major jackpots Won     ", "Major jackpots Won     "},
     false,
     {"Major jackpots Won     ", "Major jackpots Won     "},
     [](const ProgramValues& v) -> Value { return number(v.majorwon); }},
    {&OptionsWindow::lblminorwon,
     {"Minor Jackpots Won     ", "Minor Jackpots Won     ", "Minor Jackpots Won     "},
     false,
     {"Minor Jackpots Won     ", "Minor Jackpots Won     "},
     [](const ProgramValues& v) -> Value { return number(v.minorwon); }},
};

}  // namespace

void Options::showStatistics(Stats variant) {
    const MachineState& s = m_.s;
    const auto v = static_cast<std::size_t>(variant);
    const std::string name = upperCase(s.currentplayer);
    // The delete variant is written whatever `games` was: it has just been set to 0.
    const bool played = variant == Stats::deleted || s.games > 0;

    if (played)
        ui.lblcurrentplayer.caption =
            (variant == Stats::opening ? "Current Player    " : "Current Player   ") + name;
    else
        ui.lblcurrentplayer.caption = "Current Player    " + name;

    for (const Line& line : kLines) {
        Control& label = ui.*line.label;
        if (!played) {
            label.caption = line.unplayed[v];
            continue;
        }
        if (variant == Stats::deleted && !line.valueOnDelete) {
            label.caption = line.played[v];
            continue;
        }
        if (const Value value = line.value(s)) label.caption = line.played[v] + *value;
    }
}

}  // namespace tonvale
