// SPDX-License-Identifier: MIT
// Arithmetic on fixed-width fields: a statement that would leave its field's width
// is skipped and the field keeps its value.
#include <gtest/gtest.h>

#include "core/checked.h"
#include "core/state.h"
#include "rules/money.h"

namespace tonvale {
namespace {

TEST(Checked, OverflowLeavesTheFieldUnchanged) {
    MachineState s;
    s.idleticks = 32767;
    EXPECT_FALSE(addChecked(s.idleticks, 1));
    EXPECT_EQ(s.idleticks, 32767);
    s.freespinsawarded = 32760;
    EXPECT_FALSE(addChecked(s.freespinsawarded, 11));
    EXPECT_EQ(s.freespinsawarded, 32760);
    EXPECT_TRUE(addChecked(s.freespinsawarded, 7));
    EXPECT_EQ(s.freespinsawarded, 32767);

    s.bank = 2147483600;
    EXPECT_FALSE(addChecked(s.bank, 5000));
    EXPECT_EQ(s.bank, 2147483600);
    s.bank = -2147483600;
    EXPECT_FALSE(subChecked(s.bank, 500));
    EXPECT_EQ(s.bank, -2147483600);
    s.gamblestake = 1500000000;
    EXPECT_FALSE(mulChecked(s.gamblestake, s.gamblestake, 2));
    EXPECT_EQ(s.gamblestake, 1500000000);
    EXPECT_TRUE(mulChecked(s.gamblestake, 1000, 4));
    EXPECT_EQ(s.gamblestake, 4000);
    // Even the 64-bit intermediate cannot overflow silently.
    EXPECT_FALSE(mulChecked(s.gamblestake, INT64_MAX, 2));
    EXPECT_FALSE(addChecked(s.bank, INT64_MAX));
    EXPECT_EQ(s.gamblestake, 4000);
}

TEST(Money, ShortestDecimalOfDollars) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "$ 0"},       {1, "$ 0.01"},        {25, "$ 0.25"},  {500, "$ 5"},
        {1250, "$ 12.5"}, {2000000, "$ 20000"}, {105, "$ 1.05"}, {-25, "$ -0.25"}};
    for (auto [cents, text] : cases) EXPECT_EQ(money(cents), text) << cents;
    EXPECT_EQ(totalBetCaption(25), "25    $0.25");
    EXPECT_EQ(totalBetCaption(500), "500    $5");
}

}  // namespace
}  // namespace tonvale
