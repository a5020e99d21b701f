// SPDX-License-Identifier: MIT
// Power cuts under the game's store. A kill leaves every written byte in the page
// cache, where the next start finds it; a power cut does not. The game plays by
// autoplay on a file store laid over a file system that loses power at a random
// write, sync or truncation (tests/core/powercut_vfs.h): every write not yet
// synced is then thrown away, torn or kept, in any order. The store is opened
// again and must hold, with its play history, the save in progress at the cut or
// the one before, and the game plays on from there to the next cut.
//
// TONVALE_POWER_CUTS sets the number of cuts (300 by default; 10,000 take about five
// minutes on the sanitizer build).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/headless.h"
#include "core/powercut_vfs.h"
#include "core/store.h"
#include "game/game.h"
#include "game/startup.h"

namespace tonvale {
namespace {

namespace fs = std::filesystem;
using testing::PowerCutVfs;

// A save as it should be found: slot 1's record and the newest line of the history.
struct Settled {
    std::vector<std::pair<std::string, std::string>> record;
    Play newest;
    bool operator==(const Settled&) const = default;
};

// Where a cut came: in the flush of a save (with a line of the history, with a
// trim of it, or of the record alone), or in another flush (the autoplay notice).
enum class CutIn : std::uint8_t { nothing, record, line, trim, otherFlush };

// The game's store, keeping the newest line the game has recorded and noting which
// flush the cut came in.
class WatchedStore : public SqliteStore {
public:
    WatchedStore(const std::string& path, PowerCutVfs& vfs) : SqliteStore(path, vfs.name()), vfs_(vfs) {}
    std::int64_t recordPlay(const Play& play) override {
        const std::int64_t id = SqliteStore::recordPlay(play);
        if (id >= newest.id) {
            newest = play;
            newest.id = id;
        }
        ++lines_;
        return id;
    }
    bool flush() override {
        const bool save = std::exchange(saveNext, false);
        const int trimsBefore = trims();
        const bool wasCut = vfs_.cut();
        const bool ok = SqliteStore::flush();
        if (!wasCut && vfs_.cut())
            cutIn = !save                    ? CutIn::otherFlush
                    : trims() != trimsBefore ? CutIn::trim
                    : lines_ > 0             ? CutIn::line
                                             : CutIn::record;
        if (!wasCut) lines_ = 0;
        return ok;
    }
    Play newest;
    bool saveNext = false;  // the next flush is a save's
    CutIn cutIn = CutIn::nothing;

private:
    PowerCutVfs& vfs_;
    int lines_ = 0;  // recorded since the last flush
};

// What a store opened after a cut holds.
Settled stateOf(SqliteStore& store) {
    ProgramValues v;
    readRecord(store, v, kMainApp, "1");
    Settled s{recordTexts(v), {}};
    const auto plays = store.plays(1, 1);
    if (!plays.empty()) s.newest = plays.back();
    return s;
}

int fromEnvironment(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && std::atoi(text) > 0 ? std::atoi(text) : fallback;
}

TEST(PowerCut, EveryCutLeavesTheSaveInProgressOrTheOneBeforeWithItsHistory) {
    const int cuts = fromEnvironment("TONVALE_POWER_CUTS", 300);
    const fs::path dir = fs::temp_directory_path() / ("tonvale-power-cuts-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string db = (dir / "tonvale.db").string();
    PowerCutVfs vfs("tonvale-power-cut");
    std::mt19937_64 random(20240701);

    int onInProgress = 0, onBefore = 0, mixed = 0, unreadable = 0;
    int inRecordSaves = 0, inLineSaves = 0, inTrims = 0, outsideSaves = 0;
    std::map<std::string, int> byCall;
    PowerCutVfs::Fates fates;
    std::int64_t saves = 0, spins = 0;
    std::vector<Settled> settled;  // the saves of the last run, the one before it first
    for (int cut = 0; cut <= cuts && !::testing::Test::HasFailure(); ++cut) {
        SCOPED_TRACE("cut " + std::to_string(cut));
        HeadlessPlatform platform(static_cast<std::uint64_t>(cut) + 1);
        // The next start, on what the power loss left.
        auto opened = std::make_unique<WatchedStore>(db, vfs);
        WatchedStore& store = *opened;
        if (store.state() != SqliteStore::State::file || !store.problem().empty()) {
            ++unreadable;
            ADD_FAILURE() << "the store did not open cleanly after the cut: " << store.problem();
            break;
        }
        const Settled found = stateOf(store);
        if (cut > 0) {
            const Settled& inProgress = settled.back();
            const Settled& before = settled.size() > 1 ? settled[settled.size() - 2] : settled.back();
            if (found == inProgress) {
                ++onInProgress;
            } else if (found == before) {
                ++onBefore;
            } else {
                ++mixed;
                ADD_FAILURE() << "the store holds neither the save in progress nor the one before, or its "
                                 "history does not go with its record";
            }
        }
        if (cut == cuts) break;

        settled = {found};
        store.newest = found.newest;
        {
            Game game(Ports{platform.random, platform.time, platform.time, platform.time, platform.sound,
                            store, platform.desktop});
            platform.time.setTickHandler([&game](TimerId id) { game.timerTick(id); });
            game.saves.onSave = [&](const std::string& slot, const ProgramValues& v) {
                if (vfs.cut()) return;  // the power was gone already
                store.saveNext = true;
                if (slot == "1") settled.push_back({recordTexts(v), store.newest});
                ++saves;
            };
            // The power goes somewhere in the next few saves.
            vfs.cutAt(vfs.calls() + 1 + static_cast<std::int64_t>(random() % 120));
            game.startup.Form_Load();
            for (int tick = 0; tick < 20 * 60 * 10 && !vfs.cut(); ++tick) {
                MachineState& s = game.m.s;
                // A series the cut left open goes on by itself after the start; its
                // total waits for take-win, autoplay being off.
                if (!game.busy() && game.m.ui.takewin.shown()) game.press(game.m.ui.takewin);
                if (!game.busy() && (s.autoplaymode == 0 || s.bank < s.stake())) {
                    game.press(game.m.ui.btncredit);
                    if (s.autoplaymode == 0) game.press(game.m.ui.autoplayon);
                }
                const std::int64_t before = s.games;
                platform.time.advance(100);
                spins += s.games - before;
            }
            ASSERT_TRUE(vfs.cut()) << "no cut in twenty minutes of play";
            // The game is gone with the power: nothing it holds is saved any more.
            game.m.ended = true;
        }
        ++byCall[vfs.cutCall()];
        switch (store.cutIn) {
            case CutIn::record:
                ++inRecordSaves;
                break;
            case CutIn::line:
                ++inLineSaves;
                break;
            case CutIn::trim:
                ++inTrims;
                break;
            default:
                ++outsideSaves;
        }
        // The store goes with the game (what it still writes reaches nothing); then
        // the disk is as the power loss left it.
        opened.reset();
        const PowerCutVfs::Fates f = vfs.powerLoss(random);
        fates.unsynced += f.unsynced;
        fates.dropped += f.dropped;
        fates.torn += f.torn;
        fates.kept += f.kept;
    }
    EXPECT_EQ(mixed, 0);
    EXPECT_EQ(unreadable, 0);
    std::string calls;
    for (const auto& [call, n] : byCall) calls += " " + call + "=" + std::to_string(n);
    std::printf(
        "%d power cuts over %lld saves and %lld spins: %d stores on the save in progress, %d on the one "
        "before, "
        "%d mixed, %d unreadable; cut in a save with a history line %d, a trim %d, a record alone %d, "
        "outside a "
        "save %d; cut at:%s; writes not yet synced %lld: %lld thrown away, %lld torn, %lld kept\n",
        onInProgress + onBefore + mixed, static_cast<long long>(saves), static_cast<long long>(spins),
        onInProgress, onBefore, mixed, unreadable, inLineSaves, inTrims, inRecordSaves, outsideSaves,
        calls.c_str(), static_cast<long long>(fates.unsynced), static_cast<long long>(fates.dropped),
        static_cast<long long>(fates.torn), static_cast<long long>(fates.kept));
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tonvale
