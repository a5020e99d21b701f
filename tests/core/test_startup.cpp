// SPDX-License-Identifier: MIT
// Start and exit of the main window.
#include <gtest/gtest.h>

#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

TEST(Startup, FillsTheMetersFromSlotOneAndGreetsWithSoundOn) {
    Rig r;
    auto& st = r.platform.store;
    st.write("keys", "player1", "bank", "1250");
    st.write("keys", "player1", "soundonoff", "-1");
    st.write("keys", "player1", "currentplayer", "Ada");
    st.write("keys", "player1", "machinepay", "2");
    st.write("allslot", "player1", "grand", "123456");
    st.write("allslot", "player1", "major", "25");
    st.write("allslot", "player1", "minor", "500");
    st.write("keys", "player2", "bank", "999");  // another slot: never read at start
    r.ui().Shape[4].visible = true;
    r.load();

    EXPECT_EQ(r.ui().form.caption, "Current Player       Ada");
    EXPECT_EQ(r.ui().Lblcredit.caption, "$ 12.5");
    EXPECT_EQ(r.ui().PANELBANK.caption, "1250");
    EXPECT_EQ(r.ui().lblgrand.caption, "$ 1234.56");
    EXPECT_EQ(r.ui().lblmajor.caption, "$ 0.25");
    EXPECT_EQ(r.ui().lblminor.caption, "$ 5");
    EXPECT_EQ(r.ui().lblbet.caption, "1");
    EXPECT_EQ(r.ui().lbllines.caption, "243");
    EXPECT_EQ(r.ui().lbllast.caption, "25    $0.25");
    EXPECT_EQ(r.s().stake(), 25);
    EXPECT_EQ(r.s().machinepay, 2);
    for (int i : MainWindow::kShapeIndexes) EXPECT_FALSE(r.ui().Shape[static_cast<std::size_t>(i)].visible);
    EXPECT_TRUE(r.ui().form.visible);
    EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 106"});
}

TEST(Startup, ExitSavesTheCurrentSlotInExitOrderAndEndsAtOnce) {
    for (const bool byButton : {true, false}) {
        Rig r;
        r.platform.store.write("keys", "player1", "soundonoff", "-1");
        r.load();
        r.sounds();
        r.s().playerslot = "4";
        r.s().bank = 4200;
        r.s().currentplayer = "Dee";
        // A timer still running at the exit never ticks again.
        r.s().autoplaymode = 10;
        r.s().idleticks = 50;
        r.game.m.setTimer(TimerId::tmrautospin, true);

        if (byButton) {
            r.game.mouseMove(r.ui().btnopenmenu);
            EXPECT_TRUE(r.game.click(r.ui().xit));
        } else {
            EXPECT_TRUE(r.game.callRoutine("Form_QueryUnload"));
        }
        EXPECT_TRUE(r.game.m.ended);
        EXPECT_TRUE(r.platform.desktop.quitCalled);
        EXPECT_EQ(r.sounds(), std::vector<std::string>{"play 115"});
        EXPECT_EQ(r.platform.store.read("keys", "player4", "bank"), "4200");
        EXPECT_EQ(r.platform.store.read("keys", "player4", "currentplayer"), "Dee");
        EXPECT_EQ(r.platform.store.read("keys", "player1", "bank"), "");

        const int writes = r.platform.store.writes;
        r.advance(5000);
        EXPECT_EQ(r.s().idleticks, 50);
        EXPECT_FALSE(r.game.press(r.ui().btnspin));
        EXPECT_FALSE(r.game.callRoutine("Form_QueryUnload"));
        EXPECT_EQ(r.platform.store.writes, writes);
    }
}

}  // namespace
}  // namespace tonvale
