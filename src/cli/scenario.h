// SPDX-License-Identifier: MIT
#pragma once
// The scenario runner: the whole machine, headless, driven by a script of one
// command a line (draws, set, call, press, key, move, answer, advance, show,
// sounds, messages, links, store, expect, expect-sound, expect-message,
// expect-link, expect-store).
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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
    // True when the store file given is not the game's or could not be read: it is
    // left as it is, and the tool refuses to play on it.
    bool storeRefused() const { return platform_->store.refused(); }
    Game& game() { return *game_; }

private:
    // Returns an error text for a bad line.
    std::optional<std::string> command(const std::string& line, bool& failedExpectation);
    void start();
    Control* control(const std::string& name, const std::string& index);
    std::optional<std::string> expectation(const std::vector<std::string>& w, const std::string& line,
                                           bool& failedExpectation);

    std::unique_ptr<HeadlessPlatform> platform_;
    std::unique_ptr<Game> game_;
    std::ostream& out_;
    std::ostream& err_;
    bool started_ = false;
    std::size_t soundsShown_ = 0;
    std::size_t messagesShown_ = 0;
    std::size_t linksShown_ = 0;
    // Where expect-sound, expect-message and expect-link look from: the first sound
    // of the last step not yet matched, the first message box and link not yet matched.
    std::size_t soundsFrom_ = 0;
    std::size_t messagesFrom_ = 0;
    std::size_t linksFrom_ = 0;
};

}  // namespace tonvale
