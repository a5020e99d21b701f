// SPDX-License-Identifier: MIT
// The reel run animation: its pace by reel speed, where the strips come to rest,
// and the clips at each reel stop.
#include <gtest/gtest.h>

#include "eval/table.h"
#include "spin/spincycle.h"

namespace tonvale::testing {
namespace {

void restOn(Rig& r, const std::array<int, 5>& stops) {
    for (int reel = 1; reel <= 5; ++reel)
        r.s().reeltop(reel) = restTop(stops[static_cast<std::size_t>(reel - 1)]);
}

TEST(ReelRun, PaceByReelSpeedAndRestOnTheStops) {
    struct Case {
        i16 speed;
        int pauses;
        int pauseMs;  // reelspeed + reelpause
    } cases[] = {{1, 169, 2}, {2, 181, 4}, {4, 211, 7}, {8, 269, 12}, {10, 229, 15}};
    const std::array<int, 5> stops = {1, 22, 9, 14, 5};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.speed);
        Rig r;
        seat(r, {.reelspeed = c.speed});
        restOn(r, stops);
        const auto slept = r.platform.time.slept();
        const auto frames = r.platform.time.frames();
        r.game.spin.reelrun();
        EXPECT_EQ(r.game.spin.pauses, c.pauses);
        EXPECT_EQ(r.platform.time.frames() - frames, c.pauses);
        EXPECT_EQ(r.platform.time.slept() - slept, static_cast<std::int64_t>(c.pauses) * c.pauseMs);
        EXPECT_EQ(r.s().reelpause, c.pauseMs - c.speed);
        for (int reel = 1; reel <= 5; ++reel) {
            EXPECT_EQ(r.ui().reel[static_cast<std::size_t>(reel)].top,
                      -1875 * stops[static_cast<std::size_t>(reel - 1)]);
            EXPECT_EQ(r.ui().reel[static_cast<std::size_t>(reel)].left, 0);
        }
    }
}

TEST(ReelRun, ReelStopClips) {
    struct Case {
        i16 awarded;
        std::array<i16, 5> scattersound;  // 1..4
        i16 five;
        std::vector<std::string> clips;
    } cases[] = {
        {0,
         {0, 1, 1, 0, 0},
         0,
         {"play 114", "play 119", "play 114", "play 120", "play 114", "play 114", "play 114"}},
        {11, {0, 1, 1, 1, 1}, 1, {"play 119", "play 120", "play 121", "play 122", "play 123"}},
        {11, {0, 0, 0, 0, 0}, 0, {}},
    };
    for (const Case& c : cases) {
        Rig r;
        seat(r, {});
        restOn(r, {3, 3, 3, 3, 3});
        r.s().freespinsawarded = c.awarded;
        r.s().scattersound = c.scattersound;
        r.s().fivescattersound = c.five;
        r.game.spin.reelrun();
        EXPECT_EQ(r.sounds(), c.clips);
    }
    // Sound off: nothing.
    Rig quiet;
    seat(quiet, {.soundonoff = 0});
    restOn(quiet, {3, 3, 3, 3, 3});
    quiet.s().scattersound = {0, 1, 1, 1, 1};
    quiet.game.spin.reelrun();
    EXPECT_TRUE(quiet.sounds().empty());
}

}  // namespace
}  // namespace tonvale::testing
