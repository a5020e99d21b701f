// SPDX-License-Identifier: MIT
// tonvale-cli: the game's headless tools.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/audit.h"
#include "cli/evalcmd.h"
#include "cli/historycmd.h"
#include "cli/input.h"
#include "cli/rtpcmd.h"
#include "cli/scenario.h"
#include "cli/simcmd.h"
#include "tonvale_version.h"

int main(int argc, char** argv) {
    using namespace tonvale;
    CLI::App app{
        "Tonvale headless tools: the exact return figures, the simulator, scenario scripts and\n"
        "the pays of given stops. Each subcommand has its own --help.",
        "tonvale-cli"};
    app.set_version_flag("--version", std::string("tonvale-cli ") + TONVALE_VERSION,
                         "Show the version and exit");
    // At most one subcommand; none is refused after parsing, so that an unknown
    // option is named as such rather than reported as a missing subcommand.
    app.require_subcommand(0, 1);
    // Numbers are plain decimals: "-1" and "0x10" are refused, not read as others.
    const CLI::Validator decimal(decimalProblem, "DECIMAL");

    // eval
    auto* eval = app.add_subcommand("eval", "The pays of given stops, as JSON");
    std::string stops;
    EvalCase evalCase;
    eval->add_option("--stops", stops,
                     "Stops of reels 1..5, A,B,C,D,E (1..22); none: one case a line from stdin");
    eval->add_option("--ways", evalCase.ways, "3, 9, 27, 81 or 243")->check(decimal);
    eval->add_option("--bet", evalCase.bet, "1, 2, 5, 10 or 20 cents")->check(decimal);
    eval->add_option("--bellcoin", evalCase.bellcoin, "1: a bell on reel 3 counts; 2: it does not")
        ->check(decimal);

    // play
    auto* play = app.add_subcommand("play", "Play a scenario script on the headless machine");
    std::uint64_t seed = 1;
    std::string storePath;
    std::string script;
    bool reportSaves = false;
    std::int64_t replay = 0;
    play->add_option("--seed", seed, "Seed of the random draws")->check(decimal);
    play->add_option("--store", storePath, "Store file (a database; default: in memory)");
    play->add_flag("--report-saves", reportSaves, "Print a line for every save at a settled point");
    play->add_option("--replay", replay,
                     "Play the recorded spin with this id (tonvale-cli history) again, on a store in memory; "
                     "--store names the store that holds it (default: the game's)")
        ->check(decimal);
    play->add_option("script", script, "Script file, or - for standard input");

    // history
    auto* history = app.add_subcommand("history", "The play history of a store");
    HistoryOptions historyOptions;
    history->add_option("--store", historyOptions.store, "Store file (default: the game's)");
    history->add_option("--player", historyOptions.player, "Player 1..6 (default: all)")
        ->check(decimal)
        ->check(CLI::Range(1, 6));
    history->add_option("--limit", historyOptions.limit, "The last N plays (default 1000)")->check(decimal);
    history->add_flag("--json", historyOptions.json, "JSON instead of a table");

    // audit
    auto* audit = app.add_subcommand(
        "audit",
        "Work every recorded game out again with the rules and check the history against itself and the "
        "records; exit 1 on any difference");
    AuditOptions auditOptions;
    audit->add_option("--store", auditOptions.store, "Store file (default: the game's)");
    audit->add_option("--player", auditOptions.player, "Player 1..6 (default: every player with a history)")
        ->check(decimal)
        ->check(CLI::Range(1, 6));
    audit->add_flag("--json", auditOptions.json, "JSON instead of a report");

    // rtp
    auto* rtp = app.add_subcommand("rtp", "Exact return figures over every stop combination");
    RtpOptions rtpOptions;
    rtp->add_option("--ways", rtpOptions.ways, "3, 9, 27, 81 or 243, one or more (default: all)")
        ->check(decimal)
        ->check(CLI::IsMember({3, 9, 27, 81, 243}));
    rtp->add_option("--payout", rtpOptions.levels, "Payout level 1, 2 or 3, one or more (default: all)")
        ->check(decimal)
        ->check(CLI::IsMember({1, 2, 3}));
    rtp->add_option("--bet", rtpOptions.bet, "1, 2, 5, 10 or 20 cents")
        ->check(decimal)
        ->check(CLI::IsMember({1, 2, 5, 10, 20}));
    rtp->add_flag("--json", rtpOptions.json, "JSON instead of a table");

    // sim
    auto* sim =
        app.add_subcommand("sim", "The whole machine plays paid spins by autoplay and checks its books");
    SimOptions simOptions;
    sim->add_option("--spins", simOptions.spins, "Paid spins to play")
        ->required()
        ->check(decimal)
        ->check(CLI::Range(1LL, 1000000000LL));
    sim->add_option("--seed", simOptions.seed, "Seed of the random draws")->check(decimal);
    sim->add_option("--ways", simOptions.ways, "3, 9, 27, 81 or 243")
        ->check(decimal)
        ->check(CLI::IsMember({3, 9, 27, 81, 243}));
    sim->add_option("--bet", simOptions.bet, "1, 2, 5, 10 or 20 cents")
        ->check(decimal)
        ->check(CLI::IsMember({1, 2, 5, 10, 20}));
    sim->add_option("--payout", simOptions.payout, "Payout level 1, 2 or 3")
        ->check(decimal)
        ->check(CLI::IsMember({1, 2, 3}));
    sim->add_flag("--json", simOptions.json, "JSON instead of a report");
    sim->add_option("--store", simOptions.store, "Save into this store file (default: a store in memory)");
    sim->add_flag("--player", simOptions.player,
                  "A player's paths too: gambles, random presses, options and slot switches, restarts");
    sim->add_option("--gamble-chance", simOptions.gambleChance, "Player mode: chance that a win is gambled")
        ->check(CLI::Range(0.0, 1.0));
    sim->add_flag("--signature", simOptions.signature,
                  "Print the run's signature: a digest of every settled state (the same on every build)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }

    if (app.get_subcommands().empty()) {
        std::cerr << "A subcommand is required.\nRun with --help for the list.\n";
        return 2;
    }

    if (eval->parsed()) {
        if (stops.empty()) return evalLines(std::cin, std::cout, std::cerr);
        if (auto e = parseStops(stops, evalCase)) {
            std::cerr << *e << '\n';
            return 2;
        }
        if (auto e = checkCase(evalCase)) {
            std::cerr << *e << '\n';
            return 2;
        }
        std::cout << evaluateCaseText(evalCase) << '\n';
        return 0;
    }
    if (rtp->parsed()) return runRtp(rtpOptions, std::cout, std::cerr);
    if (sim->parsed()) {
        simOptions.progress = isatty(fileno(stderr)) != 0 && simOptions.spins >= 100000;
        const SimResult result = simulate(simOptions);
        if (!result.storeProblem.empty()) std::cerr << result.storeProblem << '\n';
        if (result.storeRefused) return 2;
        printSim(simOptions, result, std::cout);
        if (result.broken) {
            std::cerr << "invariant broken at " << *result.broken << '\n';
            return 1;
        }
        return 0;
    }
    if (history->parsed()) return runHistory(historyOptions, std::cout, std::cerr);
    if (audit->parsed()) return runAudit(auditOptions, std::cout, std::cerr);
    if (play->parsed() && replay != 0) {
        std::string error;
        const auto found = findPlay(storePath, replay, error);
        if (!found) {
            std::cerr << error << '\n';
            return 2;
        }
        const std::string text = replayScript(*found);
        std::cout << text;
        std::istringstream in(text);
        ScenarioRunner runner(seed, "", std::cout, std::cerr);
        return runner.run(in, "play " + std::to_string(replay));
    }
    if (play->parsed()) {
        if (script.empty()) {
            std::cerr << "play needs a script (or --replay ID)\n";
            return 2;
        }
        ScenarioRunner runner(seed, storePath, std::cout, std::cerr, reportSaves);
        if (runner.storeRefused()) return 2;
        if (script == "-") return runner.run(std::cin, "-");
        std::ifstream in(script);
        if (!in) {
            std::cerr << "cannot read " << script << '\n';
            return 2;
        }
        return runner.run(in, script);
    }
    return 2;
}
