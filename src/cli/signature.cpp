// SPDX-License-Identifier: MIT
#include "cli/signature.h"

#include "core/store.h"
#include "game/fields.h"
#include "game/game.h"

namespace tonvale {

namespace {

// The round as it stands at a save, beside the record: the stops, the win and its
// parts, the series, the jackpot and the gamble, and what the meters show. A
// fixed list, so that a field added to the state does not move the signature.
constexpr const char* kRoundNames[] = {
    "reelstop1",        "reelstop2",        "reelstop3",          "reelstop4",         "reelstop5",
    "bellcoin",         "winamount",        "scatterwin",         "scattersum",        "bellcount",
    "freespinsawarded", "freespinsplayed",  "freespinmultiplier", "freespintotal",     "jackpotfield",
    "jackpotwon",       "gamblestake",      "gamblecount",        "autoplaymode",      "nowincount",
    "LABWIN.caption",   "lblwin.caption",   "PANELBANK.caption",  "Lblcredit.caption", "lblgrand.caption",
    "lblmajor.caption", "lblminor.caption", "spinsleft.caption",
};

}  // namespace

std::string settledStateText(Game& g, const std::string& slot, const ProgramValues& saved) {
    std::string text = saveReport(slot, saved);
    for (const char* name : kRoundNames) {
        text += name;
        text += '=';
        text += readName(g, name).value_or("?");
        text += '\n';
    }
    text += "ms=" + std::to_string(g.m.ports.clock.nowMs()) + '\n';
    return text;
}

void RunSignature::settled(Game& g, const std::string& slot, const ProgramValues& saved) {
    add(settledStateText(g, slot, saved));
    ++states_;
}

void RunSignature::add(std::string_view bytes) {
    for (unsigned char c : bytes) {
        hash_ ^= c;
        hash_ *= 0x100000001b3ULL;  // the FNV-1a prime
    }
}

std::string RunSignature::text() const {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15, shift = 0; i >= 0; --i, shift += 4)
        out[static_cast<std::size_t>(i)] = kDigits[(hash_ >> shift) & 0xf];
    return out;
}

}  // namespace tonvale
