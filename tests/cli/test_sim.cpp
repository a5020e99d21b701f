// SPDX-License-Identifier: MIT
// The whole machine played headless by autoplay agrees with the exact figures,
// keeps its books at every settled point, and repeats itself for a seed.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "clirun.h"

namespace {

std::string runSim(const std::string& args, int& status) {
    const tonvale::testing::CliResult r = tonvale::testing::runCli("sim --json " + args);
    status = r.status;
    return r.out;
}

TEST(Sim, LongRunAgreesWithTheExactReturn) {
    int status = -1;
    const auto j = nlohmann::json::parse(runSim("--spins 200000 --ways 27 --payout 1 --seed 11", status));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(j["invariants_held"].get<bool>());
    EXPECT_EQ(j["spins"], 200000);
    EXPECT_GT(j["series"].get<int>(), 0);
    EXPECT_GT(j["jackpots"].get<int>(), 0);
    const double exact = j["exact_return"];
    EXPECT_GE(exact, j["interval_99"][0].get<double>());
    EXPECT_LE(exact, j["interval_99"][1].get<double>());
    EXPECT_EQ(j["staked"], 200000 * 7);
}

TEST(Sim, SameSeedSameRunByteForByte) {
    int a = -1, b = -1, c = -1;
    const std::string first = runSim("--spins 3000 --ways 243 --bet 2 --payout 3 --seed 5", a);
    const std::string second = runSim("--spins 3000 --ways 243 --bet 2 --payout 3 --seed 5", b);
    const std::string other = runSim("--spins 3000 --ways 243 --bet 2 --payout 3 --seed 6", c);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
}

}  // namespace

namespace {

// A player on every path (gambles, random presses also while spins run, options
// and slot switches, closes and kills mid-feature with restarts on the same
// store) keeps the books equal to the simulator's own ledger at every settled point.
TEST(Sim, PlayerOnEveryPathKeepsTheBooks) {
    int status = -1;
    const auto j = nlohmann::json::parse(runSim("--player --spins 200000 --seed 2", status));
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(j["invariants_held"].get<bool>()) << j.value("broken", "");
    EXPECT_EQ(j["spins"], 200000);
    for (const char* path :
         {"gambles", "cards_won", "gamble_losses", "gamble_collects", "closes", "kills",
          "restarts_mid_feature", "slot_switches", "random_presses_mid_spin", "series", "jackpots"})
        EXPECT_GT(j[path].get<std::int64_t>(), 0) << path;
    EXPECT_GT(j["checks"].get<std::int64_t>(), 200000);
}

}  // namespace
