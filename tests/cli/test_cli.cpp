// SPDX-License-Identifier: MIT
// The command-line tool as a player of the game would run it.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "clirun.h"
#include "tonvale_version.h"

namespace {

using tonvale::testing::runCli;
using Result = tonvale::testing::CliResult;

std::string slurp(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(CliEval, OneCaseAsJson) {
    // A scatter on reel 1, the wild of reel 2 and a scatter on reel 3 pay 2 x the
    // stake and award 10 free spins; jacks pay three of a kind. Bet 2, 243 ways.
    const Result r = runCli("eval --stops 1,1,17,1,1 --ways 243 --bet 2");
    ASSERT_EQ(r.status, 0);
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["stops"], nlohmann::json({1, 1, 17, 1, 1}));
    EXPECT_EQ(j["grid"][0], nlohmann::json({"scatter", "jack", "king"}));
    EXPECT_EQ(j["grid"][2], nlohmann::json({"jack", "horn", "scatter"}));
    EXPECT_EQ(j["pays"], nlohmann::json::parse(R"([{"symbol":"jack","kind":3,"ways":1,"pay":10}])"));
    EXPECT_EQ(j["scatter_sum"], 21);
    EXPECT_EQ(j["scatter_win"], 2 * 2 * 25);
    EXPECT_EQ(j["free_spins"], 10);
    EXPECT_EQ(j["ways_win"], 20);
    EXPECT_EQ(j["win"], 120);
    EXPECT_EQ(j["bell_count"], 0);
}

TEST(CliEval, LineModeAnswersGoodLinesAndNamesTheBadOne) {
    const std::string err = ::testing::TempDir() + "cli_err.txt";
    const Result r = runCli("eval", "1,1,1,1,1 243 1 1\n1,1,23,1,1 243 1 1\n2,2,10,1,1 3 1 2\n", err);
    EXPECT_EQ(r.status, 2);
    std::istringstream lines(r.out);
    std::string first, second, extra;
    ASSERT_TRUE(std::getline(lines, first));
    ASSERT_TRUE(std::getline(lines, second));
    EXPECT_FALSE(std::getline(lines, extra));
    EXPECT_EQ(nlohmann::json::parse(first)["stops"][0], 1);
    EXPECT_EQ(nlohmann::json::parse(second)["win"], 20);  // three kings in the middle rows
    EXPECT_NE(slurp(err).find("23"), std::string::npos);
}

TEST(CliEval, BadValuesExitWithStatus2) {
    for (const char* args :
         {"eval --stops 0,1,1,1,1", "eval --stops 1,1,1,1", "eval --stops 1,1,1,1,1 --ways 10",
          "eval --stops 1,1,1,1,1 --bet 3", "eval --stops 1,1,1,1,1 --bellcoin 3", "eval --stops a,1,1,1,1"})
        EXPECT_EQ(runCli(args).status, 2) << args;
}

TEST(CliPlay, ScriptDrawsStopsThroughSpinreel1) {
    const Result r =
        runCli("play -",
               "set waysfactor 1\n"
               "draws 1 7 1 18 10 9\n"
               "call spinreel1\n"
               "show reelstop2 scattercells(4) scattercell(2) scattercell(3) scattersum wildflags(11)\n"
               "expect horncells(0) 0\n");
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_EQ(r.out,
              "reelstop2 = 7\nscattercells(4) = 1\nscattercell(2) = 0\nscattercell(3) = 8\nscattersum = 24\n"
              "wildflags(11) = 1\n");
}

TEST(CliPlay, FailedExpectationAndUnknownCommand) {
    const Result failed = runCli("play -", "set bank 300\nexpect bank 299\nexpect bet 1\n");
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.out.find("wanted '299', got '300'"), std::string::npos);
    EXPECT_EQ(runCli("play -", "jump 3\n").status, 2);
    EXPECT_EQ(runCli("play -", "show nosuchfield\n").status, 2);
    EXPECT_EQ(runCli("play -", "call nosuchroutine\n").status, 2);
}

TEST(CliCommandLine, VersionAndHelpOfEverySubcommand) {
    const Result version = runCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tonvale-cli ") + TONVALE_VERSION + "\n");

    const Result help = runCli("--help");
    ASSERT_EQ(help.status, 0);
    // Every subcommand the overview lists answers its own --help.
    std::vector<std::string> names;
    std::istringstream listing(help.out.substr(help.out.find("Subcommands:")));
    for (std::string line; std::getline(listing, line);) {
        if (line.rfind("  ", 0) != 0 || line.size() < 3 || line[2] == ' ') continue;
        names.push_back(line.substr(2, line.find(' ', 2) - 2));
    }
    EXPECT_GE(names.size(), 4u) << help.out;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Result r = runCli(name + " --help");
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Usage: tonvale-cli " + name), std::string::npos) << r.out;
    }
}

TEST(CliCommandLine, RefusalsExitWithStatus2AndSayWhy) {
    const std::string err = ::testing::TempDir() + "cli_refusal.txt";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"--bogus", "not expected: --bogus"}, {"", "A subcommand is required"},
        {"bogus", "not expected: bogus"},     {"rtp --bogus", "not expected: --bogus"},
        {"rtp --ways 4", "--ways"},           {"sim", "--spins is required"},
    };
    for (const auto& [args, reason] : cases) {
        SCOPED_TRACE(args);
        const Result r = runCli(args, "", err);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(slurp(err).find(reason), std::string::npos) << slurp(err);
    }
}

TEST(CliPlay, BadInputIsRefusedWithAClearErrorNeverACrash) {
    const std::string err = ::testing::TempDir() + "cli_play_err.txt";
    struct Case {
        const char* args;
        std::string input;
        int status;
        const char* says;  // a piece of the error
    } cases[] = {
        // Lines of blanks the word split sees as blank are skipped like empty lines.
        {"play -", "\v\nexpect bet 1\n", 0, ""},
        {"play -", "\f\n", 0, ""},
        {"play -", "\r\r\n", 0, ""},
        {"play -", "  \v\f \t\r\n", 0, ""},
        {"play -", "advance 9223372036854775000\n", 2, "advance takes milliseconds"},
        {"play -", "advance 86400001\n", 2, "advance takes milliseconds"},
        {"play -", "advance -5\n", 2, "advance takes milliseconds"},
        {"play /tmp", "", 2, "cannot read"},
        {"play --seed -1 -", "expect bet 1\n", 2, "not a decimal number"},
        {"play --seed 18446744073709551616 -", "expect bet 1\n", 2, "too large"},
        {"sim --spins 0x10", "", 2, "not a decimal number"},
        {"sim --spins 10 --seed -1", "", 2, "not a decimal number"},
        {"rtp --ways 0x1b", "", 2, "not a decimal number"},
        {"eval --stops 1,1,1,1,1 --bet +2", "", 2, "not a decimal number"},
        // A bad word is quoted by its start and its length, not echoed whole.
        {"play -", std::string(100000, 'x') + "\n", 2, "(100000 bytes)"},
    };
    for (const Case& c : cases) {
        const Result r = runCli(c.args, c.input, err);
        const std::string said = slurp(err);
        EXPECT_EQ(r.status, c.status) << c.args << " / " << said;
        EXPECT_NE(said.find(c.says), std::string::npos) << c.args << ": " << said;
        EXPECT_LT(said.size(), 1000u) << c.args;
    }
    // The largest seed there is still plays.
    EXPECT_EQ(runCli("play --seed 18446744073709551615 -", "expect bet 1\n").status, 0);
    EXPECT_EQ(runCli("play -", "advance 86400000\n").status, 0);
}

TEST(CliEval, AHugeBadLineIsNamedNotEchoed) {
    const std::string err = ::testing::TempDir() + "cli_eval_err.txt";
    const Result r =
        runCli("eval", std::string(5 * 1000 * 1000, '7') + " 243 1 1\n\v\n1,1,1,1,1 243 1 1\n", err);
    EXPECT_EQ(r.status, 2);
    const std::string said = slurp(err);
    EXPECT_LT(said.size(), 1000u);
    EXPECT_NE(said.find("line 1: "), std::string::npos) << said;
    EXPECT_NE(said.find("(5000000 bytes)"), std::string::npos) << said;
    EXPECT_EQ(said.find("line 2"), std::string::npos) << said;
    EXPECT_EQ(nlohmann::json::parse(r.out)["stops"][0], 1);  // the good line is still answered
}

}  // namespace
