// SPDX-License-Identifier: MIT
#pragma once
// The scenario runner: the whole machine, headless, driven by a script of one
// command a line (draws, set, call, press, key, move, answer, advance, show,
// sounds, messages, links, store, expect).
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "core/headless.h"
#include "game/game.h"

namespace tonvale {

class ScenarioRunner {
public:
    // An empty store path keeps the store in memory; else it is the database file
    // (the game's own store may be given). With `reportSaves` every settled-point
    // save prints its line (saveReport) to `out` before it is written.
    ScenarioRunner(std::uint64_t seed, const std::string& storePath, std::ostream& out, std::ostream& err,
                   bool reportSaves = false);

    // Runs a script; the exit status: 0 all well, 1 a failed expectation, 2 a bad line.
    int run(std::istream& script, const std::string& scriptName);

    HeadlessPlatform& platform() { return *platform_; }
    Game& game() { return *game_; }

private:
    // Returns an error text for a bad line.
    std::optional<std::string> command(const std::string& line, bool& failedExpectation);
    void start();
    Control* control(const std::string& name, const std::string& index);

    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Game> game_;
    std::ostream& out_;
    std::ostream& err_;
    bool started_ = false;
    std::size_t soundsShown_ = 0;
    std::size_t messagesShown_ = 0;
    std::size_t linksShown_ = 0;
};

}  // namespace tonvale
