// SPDX-License-Identifier: MIT
// The options window's choice of language: the player's own, kept with the record in
// both copies, read back at the start and at a slot switch; a stored code the game
// does not have is the desktop's language.
#include <gtest/gtest.h>

#include "core/store.h"
#include "players/options.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

int chosenButton(const OptionsWindow& w) {
    int chosen = -1;
    for (std::size_t i = 0; i < w.language.size(); ++i)
        if (w.language[i].value) chosen = chosen == -1 ? static_cast<int>(i) : -2;
    return chosen;
}

TEST(OptionsLanguage, AChoiceIsKeptWithThePlayerAndShownOnItsButton) {
    Rig r;
    r.load();
    ASSERT_TRUE(r.game.press(r.ui().btnoptions));
    OptionsWindow& w = r.game.options.ui;
    EXPECT_EQ(r.game.m.language, "");
    EXPECT_EQ(chosenButton(w), 0);
    EXPECT_EQ(w.language[2].caption, "Deutsch");

    ASSERT_TRUE(r.game.click(w.language[5]));
    EXPECT_EQ(r.game.m.language, "ru");
    EXPECT_EQ(chosenButton(w), 5);
    for (const char* app : {"keys", "Tonvale"})
        EXPECT_EQ(r.platform.store.read(app, "player1", "language"), "ru");

    // Another slot speaks its own choice (none: the desktop's), and the first its own again.
    r.game.options.machine_Click(2);
    EXPECT_EQ(r.game.m.language, "");
    EXPECT_EQ(chosenButton(w), 0);
    ASSERT_TRUE(r.game.click(w.language[3]));
    r.game.options.machine_Click(1);
    EXPECT_EQ(r.game.m.language, "ru");
    EXPECT_EQ(r.platform.store.read("Tonvale", "player2", "language"), "fr");

    // The system button goes back to the desktop's language.
    ASSERT_TRUE(r.game.click(w.language[0]));
    EXPECT_EQ(r.game.m.language, "");
    EXPECT_EQ(r.platform.store.read("keys", "player1", "language"), "");
}

TEST(OptionsLanguage, TheStartReadsTheChoiceAndTakesOnlyCodesTheGameHas) {
    struct Case {
        const char* stored;
        const char* expected;
    };
    for (const Case& c : {Case{"de", "de"}, Case{"es", "es"}, Case{"", ""}, Case{"klingon", ""},
                          Case{"DE", ""}, Case{"de ", ""}, Case{"xa", ""}}) {
        Rig r;
        r.platform.store.write("keys", "player1", "language", c.stored);
        r.load();
        EXPECT_EQ(r.game.m.language, c.expected) << "'" << c.stored << "'";
    }
}

}  // namespace
}  // namespace tonvale
