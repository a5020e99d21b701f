// SPDX-License-Identifier: MIT
// The player's volume and mute: kept with the player's record, handed to the
// sound as a loudness only; the game's own sound switch and what it plays stay.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/store.h"
#include "players/options.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

TEST(Volume, TheSliderAndMuteAreThePlayersKeptAndHeardAsALoudnessOnly) {
    Rig r;
    r.load();
    // A new player hears the game at full volume, unmuted.
    EXPECT_EQ(r.platform.sound.volume, 100);
    Options& o = r.game.options;
    o.open();
    EXPECT_EQ(o.ui.volume.amount, 100);
    EXPECT_FALSE(o.ui.mute.value);
    EXPECT_EQ(o.ui.volumelab.caption, "100 %");

    o.ui.volume.amount = 40;
    ASSERT_TRUE(r.game.click(o.ui.volume));
    EXPECT_EQ(r.platform.sound.volume, 40);
    EXPECT_EQ(o.ui.volumelab.caption, "40 %");
    ASSERT_TRUE(r.game.click(o.ui.mute));
    EXPECT_TRUE(o.ui.mute.value);
    EXPECT_EQ(r.platform.sound.volume, 0);
    for (const char* app : {kMainApp, kOptionsApp}) {
        EXPECT_EQ(r.platform.store.read(app, "player1", kVolumeKey), "40") << app;
        EXPECT_EQ(r.platform.store.read(app, "player1", kMuteKey), "1") << app;
    }
    // The game's own switch is untouched: muted, it still asks for its clips (the
    // game's timing follows the switch).
    o.close();
    r.s().soundonoff = -1;
    r.sounds();
    ASSERT_TRUE(r.game.press(r.ui().btncredit));
    const std::vector<std::string> asked = r.sounds();
    EXPECT_NE(std::find(asked.begin(), asked.end(), "play 130"), asked.end());
    o.open();

    // Another slot has its own; coming back brings the first player's again.
    ASSERT_TRUE(r.game.click(o.ui.machine[2]));
    EXPECT_EQ(r.platform.sound.volume, 100);
    EXPECT_EQ(o.ui.volume.amount, 100);
    EXPECT_FALSE(o.ui.mute.value);
    ASSERT_TRUE(r.game.click(o.ui.machine[1]));
    EXPECT_EQ(r.platform.sound.volume, 0);
    EXPECT_EQ(o.ui.volume.amount, 40);
    // Unmuted, the slider's volume again.
    ASSERT_TRUE(r.game.click(o.ui.mute));
    EXPECT_EQ(r.platform.sound.volume, 40);
    o.close();

    // The next start reads them with the record; what cannot be read is full volume.
    struct Stored {
        const char* volume;
        const char* mute;
        int heard;
    } cases[] = {{"40", "0", 40},      {"0", "0", 0},     {"75", "1", 0},  {"", "", 100},
                 {"loud", "yes", 100}, {"250", "0", 100}, {"-3", "0", 100}};
    for (const Stored& c : cases) {
        SCOPED_TRACE(std::string(c.volume) + " / " + c.mute);
        Rig next;
        next.platform.store.write(kMainApp, "player1", kVolumeKey, c.volume);
        next.platform.store.write(kMainApp, "player1", kMuteKey, c.mute);
        next.load();
        EXPECT_EQ(next.platform.sound.volume, c.heard);
    }
}

}  // namespace
}  // namespace tonvale
