// SPDX-License-Identifier: MIT
#pragma once
// The signature of a simulated run: one 64-bit digest of every settled state of
// the machine, in the order they were reached. A change of what the game draws,
// pays, saves or shows on its meters, or of when it does so, changes it, so a
// pinned signature tells a change of behaviour from a change that keeps it.
//
// A settled state is taken at every save of a settled point, as the canonical
// text of settledStateText() - never memory layout, time of day, paths or
// anything of the build - and hashed with FNV-1a (64 bits), so the value is the
// same on every compiler, platform and build type.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/state.h"

namespace tonvale {

class Game;

// The text of one settled state: the save's report line (slot and record as
// saved), then one line "name=value" for each of a fixed list of the round's
// fields and meters, and the virtual time in milliseconds.
std::string settledStateText(Game& g, const std::string& slot, const ProgramValues& saved);

class RunSignature {
public:
    void settled(Game& g, const std::string& slot, const ProgramValues& saved);
    void add(std::string_view bytes);

    std::uint64_t value() const { return hash_; }
    // Sixteen lower-case hexadecimal digits.
    std::string text() const;
    std::int64_t states() const { return states_; }

private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;  // the FNV-1a offset basis
    std::int64_t states_ = 0;
};

}  // namespace tonvale
