// SPDX-License-Identifier: MIT
#pragma once
// Runs the command-line tool as a player would, through the shell, and keeps what it
// printed on its standard output and how it ended.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace tonvale::testing {

struct CliResult {
    std::string out;  // standard output, byte for byte
    int status = -1;  // the exit code; -1 when the tool did not exit by itself
};

// `args` follow the tool's path as the shell reads them; `input`, when not empty, is
// its standard input; its standard error goes to `errFile`.
inline CliResult runCli(const std::string& args, const std::string& input = "",
                        const std::string& errFile = "/dev/null") {
    std::string command = std::string(TONVALE_CLI) + " " + args + " 2>" + errFile;
    std::string inFile;
    if (!input.empty()) {
        // One file per call and process: the tests run side by side.
        static int calls = 0;
        inFile = ::testing::TempDir() + "cli_input_" + std::to_string(::getpid()) + "_" +
                 std::to_string(++calls) + ".txt";
        std::ofstream(inFile) << input;
        command += " <" + inFile;
    }
    CliResult r;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, p)) r.out.append(buffer, n);
        const int raw = ::pclose(p);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    if (!inFile.empty()) std::remove(inFile.c_str());
    return r;
}

}  // namespace tonvale::testing
