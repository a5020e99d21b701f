// SPDX-License-Identifier: MIT
// The reel strips, the symbols a stop shows, and what a stop records.
#include <gtest/gtest.h>

#include <sstream>

#include "rules/paytable.h"
#include "rules/strips.h"

namespace tonvale {
namespace {

struct VisibleRow {
    int stop;
    const char* reels[5];  // top middle bottom of reels 1..5
};

// The symbols each stop puts in view, top / middle / bottom, as the game's
// reference table lists them (an independent copy of the strips).
const VisibleRow kVisible[] = {
    {1,
     {"scatter jack king", "harp wild king", "composer drum queen", "drum piano queen", "drum violin king"}},
    {2, {"jack king drum", "wild king queen", "drum queen violin", "piano queen harp", "violin king queen"}},
    {3, {"king drum bell", "king queen bell", "queen violin harp", "queen harp drum", "king queen piano"}},
    {4, {"drum bell jack", "queen bell harp", "violin harp composer", "harp drum king", "queen piano drum"}},
    {5, {"bell jack horn", "bell harp queen", "harp composer horn", "drum king scatter", "piano drum jack"}},
    {6,
     {"jack horn bell", "harp queen drum", "composer horn scatter", "king scatter horn",
      "drum jack composer"}},
    {7,
     {"horn bell queen", "queen drum scatter", "horn scatter harp", "scatter horn piano",
      "jack composer scatter"}},
    {8,
     {"bell queen composer", "drum scatter horn", "scatter harp piano", "horn piano queen",
      "composer scatter harp"}},
    {9,
     {"queen composer drum", "scatter horn piano", "harp piano king", "piano queen wild",
      "scatter harp jack"}},
    {10,
     {"composer drum violin", "horn piano queen", "piano king drum", "queen wild jack", "harp jack violin"}},
    {11, {"drum violin jack", "piano queen jack", "king drum violin", "wild jack drum", "jack violin queen"}},
    {12,
     {"violin jack king", "queen jack violin", "drum violin bell", "jack drum king", "violin queen piano"}},
    {13,
     {"jack king scatter", "jack violin harp", "violin bell queen", "drum king harp", "queen piano jack"}},
    {14, {"king scatter harp", "violin harp drum", "bell queen harp", "king harp drum", "piano jack harp"}},
    {15, {"scatter harp horn", "harp drum violin", "queen harp jack", "harp drum jack", "jack harp horn"}},
    {16, {"harp horn piano", "drum violin bell", "harp jack horn", "drum jack composer", "harp horn king"}},
    {17,
     {"horn piano composer", "violin bell piano", "jack horn scatter", "jack composer violin",
      "horn king harp"}},
    {18,
     {"piano composer violin", "bell piano jack", "horn scatter violin", "composer violin harp",
      "king harp horn"}},
    {19,
     {"composer violin queen", "piano jack composer", "scatter violin jack", "violin harp horn",
      "harp horn king"}},
    {20, {"violin queen harp", "jack composer king", "violin jack king", "harp horn jack", "horn king jack"}},
    {21,
     {"queen harp scatter", "composer king harp", "jack king piano", "horn jack violin", "king jack drum"}},
    {22, {"harp scatter jack", "king harp horn", "king piano drum", "jack violin piano", "jack drum violin"}},
};

TEST(Strips, VisibleSymbolsOfEveryStopAreStripCellsSToSPlus2) {
    for (const VisibleRow& row : kVisible) {
        for (int reel = 1; reel <= 5; ++reel) {
            std::istringstream want(row.reels[reel - 1]);
            const auto shown = visibleSymbols(reel, row.stop);
            for (int r = 0; r < 3; ++r) {
                std::string name;
                want >> name;
                EXPECT_EQ(symbolName(shown[static_cast<std::size_t>(r)]), name)
                    << "reel " << reel << " stop " << row.stop << " row " << r;
                EXPECT_EQ(
                    shown[static_cast<std::size_t>(r)],
                    kStrips[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(row.stop + r)]);
            }
        }
    }
    EXPECT_EQ(restTop(1), -1875);
    EXPECT_EQ(restTop(22), -41250);
}

TEST(Cells, NumberingRunsDownReels135AndUpReels24) {
    const int expected[5][3] = {{1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};
    for (int reel = 1; reel <= 5; ++reel)
        for (int r = 0; r < 3; ++r) {
            const int cell = cellOf(reel, static_cast<Row>(r));
            EXPECT_EQ(cell, expected[reel - 1][r]);
            EXPECT_EQ(reelOfCell(cell), reel);
            EXPECT_EQ(static_cast<int>(rowOfCell(cell)), r);
        }
}

TEST(Cells, CountedCellsFollowTheWaysFactor) {
    const std::pair<int, std::vector<int>> uncounted[] = {{1, {4, 6, 7, 9, 10, 12, 13, 15}},
                                                          {3, {7, 9, 10, 12, 13, 15}},
                                                          {7, {10, 12, 13, 15}},
                                                          {15, {13, 15}},
                                                          {25, {}}};
    for (const auto& [wf, cells] : uncounted)
        for (int cell = 1; cell <= 15; ++cell) {
            const bool listed = std::find(cells.begin(), cells.end(), cell) != cells.end();
            EXPECT_EQ(cellCounts(cell, wf), !listed) << "ways factor " << wf << " cell " << cell;
        }
}

SpinRecord record(const std::array<int, 5>& stops, int waysfactor, int bellcoin = 1, bool countBells = true) {
    SpinRecord rec;
    clearRecord(rec);
    rec.bellcoin = static_cast<std::int16_t>(bellcoin);
    for (int reel = 1; reel <= 5; ++reel)
        recordReel(rec, reel, stops[static_cast<std::size_t>(reel - 1)], waysfactor, countBells);
    return rec;
}

// One reel recorded alone.
SpinRecord recordOne(int reel, int stop, int waysfactor, int bellcoin = 1, bool countBells = true) {
    SpinRecord rec;
    clearRecord(rec);
    rec.bellcoin = static_cast<std::int16_t>(bellcoin);
    recordReel(rec, reel, stop, waysfactor, countBells);
    return rec;
}

Decimal d(double v) { return Decimal::fromTenths(static_cast<std::int64_t>(v * 10 + (v >= 0 ? 0.5 : -0.5))); }

TEST(Record, ScattersCountByWaysSettingExceptOnReel1) {
    // Reel 1 stop 1: scatter in the top row, counted at every ways setting.
    for (int wf : kWaysFactors) {
        SpinRecord r = recordOne(1, 1, wf);
        EXPECT_EQ(r.scattercells[1], Decimal::fromInt(1));
        EXPECT_EQ(r.scattercell[1], 1);
        EXPECT_EQ(r.scattersum, 8);
    }
    // Reel 2 stop 7 at 3 ways: scatter in the bottom row (cell 4) shows but does not count.
    SpinRecord r2 = recordOne(2, 7, 1);
    EXPECT_EQ(r2.scattercells[4], Decimal::fromInt(1));
    EXPECT_EQ(r2.scattercell[2], 0);
    EXPECT_EQ(r2.scattersum, 0);
    EXPECT_EQ(recordOne(2, 7, 3).scattercell[2], 4);
    // Reel 3 stops 18 and 7 at 3 ways: middle-row scatters always count.
    for (int stop : {18, 7}) {
        SpinRecord r3 = recordOne(3, stop, 1);
        EXPECT_EQ(r3.scattercell[3], 8);
        EXPECT_EQ(r3.scattersum, 6);
    }
    // Reel 5 bottom scatter (stop 7) counts only at 243 ways.
    EXPECT_EQ(recordOne(5, 7, 15).scattersum, 0);
    EXPECT_EQ(recordOne(5, 7, 25).scattersum, 20);
}

TEST(Record, WildsOnReels2And4) {
    // Reel 4 stop 10, 3 ways: wild in the middle row counts.
    SpinRecord mid = recordOne(4, 10, 1);
    for (int i = 0; i < kPayingSymbols; ++i) EXPECT_EQ(mid.cells(payingSymbol(i))[11], d(22.9));
    EXPECT_EQ(mid.wildflags[11], 1);
    EXPECT_EQ(mid.scattersum, 10);
    // Reel 4 stop 9, 27 ways: the bottom-row wild is written but not flagged or counted.
    SpinRecord low = recordOne(4, 9, 7);
    EXPECT_EQ(low.harpcells[10], d(22.9));
    EXPECT_EQ(low.wildflags[10], 0);
    EXPECT_EQ(low.scattersum, 0);
    // Reel 2 stop 1: middle wild always counts; stop 2: top wild is flagged at every
    // setting but adds to the scatter sum only when reel 2 counts in full.
    SpinRecord r21 = recordOne(2, 1, 1);
    EXPECT_EQ(r21.kingcells[5], d(11.5));
    EXPECT_EQ(r21.wildflags[5], 1);
    EXPECT_EQ(r21.scattersum, 7);
    for (int wf : {1, 3}) {
        SpinRecord r22 = recordOne(2, 2, wf);
        EXPECT_EQ(r22.jackcells[6], d(11.5));
        EXPECT_EQ(r22.wildflags[6], 1);
        EXPECT_EQ(r22.scattersum, wf > 1 ? 7 : 0);
    }
    // A scatter on reel 1, the middle wild of reel 2 and a scatter on reel 3: 21.
    EXPECT_EQ(record({1, 1, 8, 1, 1}, 25).scattersum, 21);
    EXPECT_TRUE(recordOne(2, 1, 25).scattercells[5].isZero());
}

TEST(Record, SpecialWeightsAndBells) {
    EXPECT_EQ(recordOne(3, 16, 25).horncells[9], d(19.3));
    EXPECT_EQ(recordOne(4, 3, 25).harpcells[11], d(22.9));
    // The reel-3 bell counts only with bell coin 1 and outside a series.
    SpinRecord coin2 = recordOne(3, 13, 25, 2);
    EXPECT_EQ(coin2.bellcell[3], 8);
    EXPECT_EQ(coin2.bellcount, 0);
    EXPECT_EQ(recordOne(3, 13, 25, 1).bellcount, 1);
    EXPECT_EQ(recordOne(3, 13, 25, 1, false).bellcount, 0);
    // Bells on reels 1 and 2 are placed and counted whatever the ways setting; in a
    // series they are placed but never counted.
    SpinRecord three = record({5, 5, 14, 1, 1}, 1);
    EXPECT_EQ(three.bellcell[1], 1);
    EXPECT_EQ(three.bellcell[2], 6);
    EXPECT_EQ(three.bellcell[3], 7);
    EXPECT_EQ(three.bellcount, 3);
    SpinRecord series = record({5, 5, 14, 1, 1}, 25, 1, false);
    EXPECT_EQ(series.bellcell[1], 1);
    EXPECT_EQ(series.bellcount, 0);
}

TEST(Record, ClearingResetsWhatTheNextSpinNeeds) {
    SpinRecord rec = record({1, 1, 8, 10, 9}, 25);
    rec.kingcells[16] = d(3);
    rec.kingcells[17] = d(1);
    clearRecord(rec);
    for (int i = 0; i < kPayingSymbols; ++i)
        for (int k = 1; k <= 17; ++k) EXPECT_TRUE(rec.cells(payingSymbol(i))[k].isZero());
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(rec.wildflags[k], 0);
    for (int reel = 1; reel <= 5; ++reel) EXPECT_EQ(rec.scattercell[reel], 0);
    EXPECT_EQ(rec.scattersum, 0);
}

}  // namespace
}  // namespace tonvale
