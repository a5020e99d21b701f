// SPDX-License-Identifier: MIT
// The model writes its numbers and times the same under any locale: the desktop
// game runs under the desktop's (its toolkit sets it for the whole program), and the
// odds page must keep the cabinet's decimal point, the history its English months.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "windows/oddswindow.h"
#include "windows/recall.h"

namespace tonvale {
namespace {

// A locale made for the test with localedef (Debian's `locales` data), in a folder
// of its own; false when it cannot be made here.
bool useLocale(const std::string& name, const std::string& source) {
    static const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tonvale-test-locales";
    std::filesystem::create_directories(dir);
    const std::filesystem::path made = dir / (name + ".UTF-8");
    if (!std::filesystem::exists(made)) {
        const std::string cmd = "localedef -i " + source + " -f UTF-8 " + made.string() + " >/dev/null 2>&1";
        if (std::system(cmd.c_str()) != 0 && !std::filesystem::exists(made)) return false;
    }
    setenv("LOCPATH", dir.c_str(), 1);
    return std::setlocale(LC_ALL, (name + ".UTF-8").c_str()) != nullptr;
}

class UnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
};

TEST_P(UnderLocale, OddsKeepThePointAndTheHistoryItsMonths) {
    const std::string locale = GetParam();
    ASSERT_TRUE(useLocale(locale, locale)) << "localedef could not make " << locale;
    // The locale writes a comma: the model must not.
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");

    EXPECT_EQ(oddstext::percentOfStake(0.123456), "12.3456 %");
    EXPECT_EQ(oddstext::chance(0.08), "1 in 12.5  (8.000 %)");
    EXPECT_EQ(oddstext::win(2.5, 100), "2.50 stakes  =  $ 2.5");
    EXPECT_EQ(oddstext::boardWorth(0.07, 100, 1.0 / 197), "$ 0.07 a spin  (1 in 197 spins)");
    // 10 May 2026 15:22:32 UTC: "May" is "мая" in Russian and "Mai" in German.
    const std::int64_t ms = 1778426552000;
    EXPECT_EQ(recallTime(ms), "10 May 2026 15:22:32");
    RecalledGame g;
    g.timeMs = ms;
    g.stake = 25;
    EXPECT_EQ(recallRow(g).substr(0, 8), "15:22:32");
}

INSTANTIATE_TEST_SUITE_P(Locales, UnderLocale, ::testing::Values("de_DE", "ru_RU"));

}  // namespace
}  // namespace tonvale
