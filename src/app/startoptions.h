// SPDX-License-Identifier: MIT
#pragma once
// The game's command line. It is read before any window exists, so that --help
// and --version answer on a terminal without a display and never touch the
// player's files.
#include <QStringList>
#include <vector>

namespace tonvale {

struct StartOptions {
    // Options for tests, not for play.
    bool demo = false;
    bool reportSaves = false;
    bool reportSounds = false;
    // The answers of the first random draws (each 1..N for a draw of 1..N), so that
    // a test can bring about a given spin in the real window.
    std::vector<int> draws;
};

struct CommandLine {
    enum class Outcome { play, exit };
    Outcome outcome = Outcome::play;
    int exitCode = 0;
    StartOptions options;
};

// Reads the arguments (the program's name first). Help, the version and errors are
// written to standard output or standard error and end in Outcome::exit: 0 for
// help and the version, 2 for an unknown option, a stray argument or draws that
// are not whole numbers of 1 or more.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace tonvale
