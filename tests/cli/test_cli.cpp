// SPDX-License-Identifier: MIT
// The command-line tool as a player of the game would run it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
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

// The asserts of sounds, message boxes, links and the store, passing and failing:
// a failure names the script's line and what was there instead, and exits 1; a
// line the runner cannot read exits 2.
TEST(CliPlay, SoundMessageLinkAndStoreAsserts) {
    const std::string err = ::testing::TempDir() + "cli_asserts_err.txt";
    const std::string loseSpin = "set soundonoff -1\nset bank 1000\ndraws 2 3 2 1 1 1 1\npress btnspin\n";
    const std::string fullCredit = "set bank 2147480000\npress btncredit\n";
    const std::string feedback = "move btnopenmenu\nclick about\nclick abouttonvale:cmdfeedback\n";
    const std::string mail = "mailto:feedback@example.org?subject=Anything you wish";
    struct Case {
        std::string script;
        int status;
        std::string says;   // a piece of the output
        std::string where;  // a piece of the error: the line that failed
    } cases[] = {
        // The sounds of the last step, in the order played; others may come between.
        {loseSpin + "expect-sound play 115\nexpect-sound stop\nexpect-sound play 114\n", 0, "", ""},
        {loseSpin + "expect-sound play 115\nexpect-sound play 114\n", 0, "", ""},
        {loseSpin + "expect-sound play 114\nexpect-sound play 115\n", 1,
         "expect-sound play 115: not played; the step's sounds not yet expected: 'play 114', 'play 114'",
         "-:6: expectation failed: expect-sound play 115"},
        {loseSpin + "expect-sound play 115\nexpect-sound none\n", 1,
         "expect-sound none: the step's sounds not yet expected: 'stop', 'play 114'", "-:6:"},
        {loseSpin +
             "expect-sound play 115\nexpect-sound stop\nexpect-sound play 114\nexpect-sound play 114\n" +
             "expect-sound play 114\nexpect-sound play 114\nexpect-sound play 114\nexpect-sound none\n",
         0, "", ""},
        {loseSpin + "expect-sound play 130\n", 1, "expect-sound play 130: not played", "-:5:"},
        // A new step forgets what the last one played; the start is a step of its own.
        {loseSpin + "advance 100\nexpect-sound play 115\n", 1, "the step played no sound not yet expected",
         ""},
        {"store keys player1 soundonoff -1\nexpect-sound play 106\nexpect-sound none\n", 0, "", ""},
        {"expect-sound play 106\n", 1, "", "-:1:"},
        // With the sound off a spin asks for silence and plays nothing.
        {"set bank 1000\ndraws 2 3 2 1 1 1 1\npress btnspin\nexpect-sound stop\nexpect-sound none\n", 0, "",
         ""},
        {"expect-sound play 118\n", 2, "", "expect-sound takes play CLIP, loop CLIP, stop or none"},
        {"expect-sound bang\n", 2, "", "expect-sound takes"},
        {"expect-sound play\n", 2, "", "expect-sound takes"},
        // Message boxes since the last one matched, by their text.
        {fullCredit + "expect-message \"The credit is full.\"\nexpect-message none\n", 0, "", ""},
        {fullCredit + "expect-message The credit is full\n", 1,
         "the message boxes since the last one expected were 'The credit is full.'", "-:3:"},
        {fullCredit + "expect-message The credit is full.\nexpect-message The credit is full.\n", 1,
         "no message box was shown since the last one expected", "-:4:"},
        {fullCredit + "expect-message none\n", 1, "message boxes shown after the last one expected", ""},
        {"expect-message none\n", 0, "", ""},
        {"expect-message\n", 2, "", "expect-message takes TEXT"},
        // Links the same way.
        {feedback + "expect-link " + mail + "\nexpect-link none\n", 0, "", ""},
        {feedback + "expect-link mailto:feedback@example.org\n", 1,
         "the links since the last one expected were '" + mail + "'", "-:4:"},
        {"offline\n" + feedback + "expect-link " + mail + "\n", 1, "no link was opened", "-:5:"},
        // The store as the game left it; a key never written reads as empty.
        {"press btncredit\nexpect-store keys player1 bank 5000\nexpect-store Tonvale player1 amountinvested "
         "5000\n",
         0, "", ""},
        {"press btncredit\nexpect-store keys player1 bank 4999\n", 1,
         "expect-store keys player1 bank 4999: wanted '4999', stored '5000'", "-:2:"},
        {"expect-store keys player3 bank \"\"\nexpect-store tonvale notice autoplay \"\"\n", 0, "", ""},
        {"store allslot player6 grand 77\nexpect-store allslot player6 grand 77\n", 0, "", ""},
        {"expect-store Keys player1 bank 0\n", 2, "", "the application is keys, Tonvale, allslot or tonvale"},
        {"expect-store keys player7 bank 0\n", 2, "", "the section is player1..player6 or notice"},
        {"expect-store keys player1\n", 2, "", "expect-store takes APP SECTION KEY VALUE"},
        // After the exit the expectations still run, and nothing plays on.
        {"set bank 4200\ncall Form_QueryUnload\nexpect-store keys player1 bank 4200\n", 0, "", ""},
        {"set bank 4200\ncall Form_QueryUnload\nexpect-store keys player1 bank 1\n", 1, "stored '4200'",
         "-:3:"},
        {"call Form_QueryUnload\npress btncredit\nexpect bank 5000\n", 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Result r = runCli("play -", c.script, err);
        const std::string said = slurp(err);
        EXPECT_EQ(r.status, c.status) << r.out << said;
        EXPECT_NE(r.out.find(c.says), std::string::npos) << r.out;
        EXPECT_NE(said.find(c.where), std::string::npos) << said;
    }
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
        {"play -", std::string(60000, 'x') + "\n", 2, "(60000 bytes)"},
        // A line past the limit is refused before it is read whole; so is an
        // endless one.
        {"play -", std::string(100000, 'x') + "\n", 2, "line 1 is longer than 65536 bytes"},
        {"play - </dev/zero", "", 2, "line 1 is longer than 65536 bytes"},
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

TEST(CliEval, AHugeBadLineIsNamedNotEchoedAndALineTooLongEndsTheRun) {
    const std::string err = ::testing::TempDir() + "cli_eval_err.txt";
    struct Case {
        const char* label;
        std::string args, input;
        int status;
        const char* says;
        bool answersTheGoodLine;
    } cases[] = {
        {"a bad line under the limit", "eval", std::string(60000, '7') + " 243 1 1\n\v\n1,1,1,1,1 243 1 1\n",
         2, "line 1: ", true},
        {"a line past the limit", "eval", std::string(5 * 1000 * 1000, '7') + " 243 1 1\n1,1,1,1,1 243 1 1\n",
         2, "line 1 is longer than 65536 bytes", false},
        {"an endless line", "eval </dev/zero", "", 2, "line 1 is longer than 65536 bytes", false},
        {"a good line, then an endless one", "eval", "1,1,1,1,1 243 1 1\n" + std::string(70000, ' '), 2,
         "line 2 is longer", true},
        {"an input that cannot be read", "eval </", "", 1, "cannot read the input", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const Result r = runCli(c.args, c.input, err);
        EXPECT_EQ(r.status, c.status);
        const std::string said = slurp(err);
        EXPECT_LT(said.size(), 1000u);
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
        if (c.answersTheGoodLine) {
            EXPECT_EQ(nlohmann::json::parse(r.out)["stops"][0], 1);
        } else {
            EXPECT_EQ(r.out, "");
        }
    }
}

// A path that is not a store of the game's is refused by every tool, and left as
// it is; a new path is a new store.
TEST(CliStore, WhatIsNotAStoreOfTheGamesIsRefusedAndLeftAsItIs) {
    const std::string dir = ::testing::TempDir() + "cli_store_" + std::to_string(::getpid());
    const std::string err = dir + "/err.txt";
    std::system(("rm -rf " + dir + " && mkdir -p " + dir + "/folder && echo kept >" + dir +
                 "/folder/inside && " + "printf 'not a store' >" + dir + "/text && mkfifo " + dir + "/pipe")
                    .c_str());
    for (const char* name : {"folder", "text", "pipe"}) {
        const std::string path = dir + "/" + name;
        for (const std::string& args :
             {"sim --spins 200 --store " + path, "play --store " + path + " -", "history --store " + path}) {
            SCOPED_TRACE(args);
            const Result r = runCli(args, "press btncredit\n", err);
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(slurp(err).find(path), std::string::npos) << slurp(err);
        }
    }
    // Everything is where and as it was, and nothing was made beside it.
    EXPECT_EQ(slurp(dir + "/folder/inside"), "kept\n");
    EXPECT_EQ(slurp(dir + "/text"), "not a store");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.insert(entry.path().filename());
    EXPECT_EQ(names, (std::set<std::string>{"err.txt", "folder", "pipe", "text"}));
    EXPECT_EQ(std::filesystem::status(dir + "/pipe").type(), std::filesystem::file_type::fifo);
    // A new path is a new store, and the history reads it.
    EXPECT_EQ(runCli("sim --spins 20 --store " + dir + "/new.db").status, 0);
    const Result history = runCli("history --json --store " + dir + "/new.db");
    EXPECT_EQ(history.status, 0);
    const auto lines = nlohmann::json::parse(history.out);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l["kind"] == "spin"; }),
              20);
    std::system(("rm -rf " + dir).c_str());
}

// The history is written out line by line: a JSON array of the last lines, oldest
// first, or an empty one.
TEST(CliHistory, JsonOfTheLastLinesOldestFirst) {
    const std::string db = ::testing::TempDir() + "cli_history_" + std::to_string(::getpid()) + ".db";
    ASSERT_EQ(runCli("sim --spins 120 --seed 3 --store " + db).status, 0);
    const Result all = runCli("history --json --store " + db);
    ASSERT_EQ(all.status, 0);
    const auto lines = nlohmann::json::parse(all.out);
    ASSERT_EQ(std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l["kind"] == "spin"; }),
              120);
    const Result last = runCli("history --json --limit 7 --store " + db);
    const auto seven = nlohmann::json::parse(last.out);
    ASSERT_EQ(seven.size(), 7u);
    EXPECT_EQ(seven.front(), lines[lines.size() - 7]);
    EXPECT_EQ(seven.back(), lines.back());
    EXPECT_LT(seven.front()["id"], seven.back()["id"]);
    EXPECT_EQ(runCli("history --json --player 2 --store " + db).out, "[]\n");
    EXPECT_EQ(runCli("history --json --limit 0 --store " + db).out, "[]\n");
    for (const char* suffix : {"", "-wal", "-shm"}) std::remove((db + suffix).c_str());
}

}  // namespace
