// SPDX-License-Identifier: MIT
// `tonvale-cli rtp` as a player of the game would run it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "rules/odds.h"

namespace {

struct Result {
    std::string out;
    int status = -1;
};

Result runCli(const std::string& args) {
    const std::string command = std::string(TONVALE_CLI) + " " + args + " 2>/dev/null";
    Result r;
    FILE* p = popen(command.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::fgets(buf.data(), buf.size(), p)) r.out += buf.data();
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

TEST(CliRtp, JsonRowsFollowTheChosenSettings) {
    const Result r = runCli("rtp --ways 243 9 --payout 3 --bet 20 --json");
    ASSERT_EQ(r.status, 0);
    const auto rows = nlohmann::json::parse(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]["ways"], 243);
    EXPECT_EQ(rows[0]["payout"], 3);
    EXPECT_EQ(rows[0]["stake"], 500);
    EXPECT_EQ(rows[1]["ways"], 9);
    const tonvale::Odds o = tonvale::oddsFrom(tonvale::tallyOdds(25), 3, 20);
    EXPECT_DOUBLE_EQ(rows[0]["paid_spin"].get<double>(), o.paidSpin);
    EXPECT_DOUBLE_EQ(rows[0]["free_spins"].get<double>(), o.freeSpins);
    EXPECT_DOUBLE_EQ(rows[0]["jackpot"].get<double>(), o.jackpot);
    EXPECT_DOUBLE_EQ(rows[0]["total"].get<double>(), o.paidSpin + o.freeSpins + o.jackpot);
}

TEST(CliRtp, TableByDefaultAndRefusedValues) {
    const Result table = runCli("rtp --ways 27 --payout 2");
    ASSERT_EQ(table.status, 0);
    EXPECT_NE(table.out.find("   27 2 Loose            1.712497"), std::string::npos) << table.out;
    EXPECT_EQ(runCli("rtp --ways 100").status, 2);
    EXPECT_EQ(runCli("rtp --payout 4").status, 2);
    EXPECT_EQ(runCli("rtp --bet 3").status, 2);
}

}  // namespace
