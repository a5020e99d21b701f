// Stored values nobody should have written: every number key holding text that is
// not a number, or one too wide; odd names; a folder that cannot be written or is
// missing. The game starts, takes what the reading rules give, plays on and keeps
// the rest of the store.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/fields.h"
#include "core/game.h"
#include "core/headless.h"
#include "core/store.h"

namespace tonvale {
namespace {

namespace fs = std::filesystem;

struct Started {
    explicit Started(TextStore s) {
        platform.store = std::move(s);
        game = std::make_unique<Game>(platform.ports());
        platform.time.setTickHandler([this](TimerId id) { game->timerTick(id); });
        game->startup.Form_Load();
    }
    HeadlessPlatform platform;
    std::unique_ptr<Game> game;
    MachineState& s() { return game->m.s; }
    // A credit insert and one spin: two settled points, each saving the record.
    void play() {
        ASSERT_TRUE(game->press(game->m.ui.btncredit));
        platform.random.script({4, 8, 2, 12, 16, 20});
        ASSERT_TRUE(game->press(game->m.ui.btnspin));
        platform.time.advance(5000);
    }
};

// What the neighbours of the hostile key hold; none of it may be lost.
void fillNeighbours(TextStore& store) {
    store.write("keys", "player1", "sizescreen", "carried as it is");
    store.write("keys", "player2", "bank", "999");
    store.write("Tonvale", "player2", "currentplayer", "Second");
    store.write("allslot", "player2", "grand", "260000");
    store.write("tonvale", "notice", "autoplay", "-1");
}

void expectNeighboursKept(TextStore& store) {
    EXPECT_EQ(store.read("keys", "player1", "sizescreen"), "carried as it is");
    EXPECT_EQ(store.read("keys", "player2", "bank"), "999");
    EXPECT_EQ(store.read("Tonvale", "player2", "currentplayer"), "Second");
    EXPECT_EQ(store.read("allslot", "player2", "grand"), "260000");
    EXPECT_EQ(store.read("tonvale", "notice", "autoplay"), "-1");
}

TEST(HostileStore, EveryNumberKeyTakesWhatTheReadingRulesGive) {
    struct Text {
        const char* label;
        std::string text;
        std::optional<std::int64_t> asShort;  // read into a 16-bit key (nothing: refused)
        std::optional<std::int64_t> asLong;   // read into a 32-bit key
    };
    const std::string megabyte(1 << 20, '7');
    const std::vector<Text> texts = {
        {"empty", "", {}, {}},
        {"letters", "abc", {}, {}},
        {"digits then letters", "12abc", {}, {}},
        {"exponent", "1e3", {}, {}},
        {"hexadecimal", "0x10", {}, {}},
        {"blanks around", " 12 ", 12, 12},
        {"eleven digits", "99999999999", {}, {}},
        {"wider than 16 bits", "70000", {}, 70000},
        {"minus one", "-1", -1, -1},
        {"a megabyte of digits", megabyte, {}, {}},
        {"bytes that are not UTF-8", "\xff\xfe\x31\x32", {}, {}},
        {"a digit then a NUL",
         std::string("5\0"
                     "5",
                     3),
         {},
         {}},
    };
    struct NumberKey {
        const char* name;
        const char* app;
        bool shortKey;
    };
    const NumberKey keys[] = {
        {"howmanyspins", "keys", true}, {"soundonoff", "keys", true},   {"machinepay", "keys", true},
        {"winroll", "keys", true},      {"reelspeed", "keys", true},    {"amountinvested", "keys", false},
        {"wager", "keys", false},       {"total", "keys", false},       {"bank", "keys", false},
        {"games", "keys", false},       {"grand", "allslot", false},    {"major", "allslot", false},
        {"minor", "allslot", false},    {"grandwon", "keys", false},    {"majorwon", "keys", false},
        {"minorwon", "keys", false},    {"jackpotbank", "keys", false},
    };
    for (const NumberKey& k : keys) {
        for (const Text& t : texts) {
            SCOPED_TRACE(std::string(k.name) + " holding " + t.label);
            TextStore store;
            fillNeighbours(store);
            store.write(k.app, "player1", k.name, t.text);
            Started g(std::move(store));

            // Before the start's corrections every value is 0; a refused text keeps it.
            std::int64_t want = (k.shortKey ? t.asShort : t.asLong).value_or(0);
            // Then the start's corrections: a payout level outside 1..3 is 3, a sound
            // switch other than on is off, a win counter other than 0 or 1 is 0.
            const std::string_view name = k.name;
            if (name == "machinepay" && (want < 1 || want > 3)) want = 3;
            if (name == "soundonoff" && want != -1) want = 0;
            if (name == "winroll" && want != 0 && want != 1) want = 0;
            if (name == "reelspeed" && want < 1) want = 1;
            EXPECT_EQ(readName(*g.game, k.name), std::to_string(want));

            g.play();
            EXPECT_FALSE(g.game->m.ended);
            expectNeighboursKept(g.platform.store);
            // What the store holds now is a number in plain form, read back as such.
            std::int64_t back = 0;
            EXPECT_TRUE(parseStoredNumber(g.platform.store.read(k.app, "player1", k.name), back));
        }
    }
}

TEST(HostileStore, NamesAreTakenByteForByteAndComeBackTheSame) {
    const std::string names[] = {
        "Thirteen char",                         // 13 characters: the options window would refuse it
        std::string(300, 'N'),                   // far too long
        "tab\there\nnew line\rreturn\x01",       // control characters
        "Ann \xf0\x9f\x8e\xb0\xf0\x9f\x8d\x80",  // emoji
        "\xc3\x28 broken",                       // not UTF-8
        "back\\slash\\n",                        // the escape character of the files
    };
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const fs::path folder = fs::temp_directory_path() / "tonvale-hostile-name";
        fs::remove_all(folder);
        {
            TextStore store(folder.string());
            fillNeighbours(store);
            store.write("keys", "player1", "currentplayer", name);
            store.write("keys", "player1", "bank", "1250");
            Started g(std::move(store));
            EXPECT_EQ(g.s().currentplayer, name);
            EXPECT_EQ(g.game->m.ui.form.caption, "Current Player       " + name);
            EXPECT_EQ(g.s().bank, 1250);
            g.play();
            g.game->startup.xit_Click();
        }
        // A new start reads the files the last one wrote.
        Started again(TextStore(folder.string()));
        EXPECT_EQ(again.s().currentplayer, name);
        EXPECT_EQ(again.platform.store.read("Tonvale", "player1", "currentplayer"), name);
        EXPECT_EQ(again.platform.store.read("keys", "player2", "bank"), "999");
        EXPECT_EQ(again.s().amountinvested, 5000);
        fs::remove_all(folder);
    }
}

TEST(HostileStore, AFolderThatCannotBeWrittenIsToldOnceAndTheGamePlaysOn) {
    // Tests run as root, where permissions do not stop a write: the folder's path
    // is a regular file instead.
    const fs::path blocker = fs::temp_directory_path() / "tonvale-not-a-folder";
    fs::remove_all(blocker);
    std::ofstream(blocker) << "in the way\n";
    ::testing::internal::CaptureStderr();
    {
        Started g(TextStore(blocker.string()));
        EXPECT_EQ(g.s().bank, 0);
        g.play();
        g.play();
        EXPECT_FALSE(g.game->m.ended);
        EXPECT_EQ(g.s().amountinvested, 10000);
        EXPECT_TRUE(g.game->saves.failing());
        EXPECT_GE(g.game->saves.saves(), 4);
    }
    const std::string err = ::testing::internal::GetCapturedStderr();
    std::size_t told = 0;
    for (std::size_t at = err.find("progress cannot be saved"); at != std::string::npos;
         at = err.find("progress cannot be saved", at + 1))
        ++told;
    EXPECT_EQ(told, 1u) << err;
    EXPECT_TRUE(fs::is_regular_file(blocker));
    fs::remove(blocker);
}

TEST(HostileStore, AMissingFolderIsCreated) {
    const fs::path top = fs::temp_directory_path() / "tonvale-missing";
    fs::remove_all(top);
    const fs::path folder = top / "deeper" / "Tonvale";
    {
        Started g(TextStore(folder.string()));
        EXPECT_EQ(g.s().machinepay, 3);
        g.play();
        EXPECT_FALSE(g.game->saves.failing());
    }
    Started again(TextStore(folder.string()));
    EXPECT_EQ(again.s().amountinvested, 5000);
    for (const char* file : {"keys.conf", "Tonvale.conf", "allslot.conf"})
        EXPECT_TRUE(fs::exists(folder / file)) << file;
    fs::remove_all(top);
}

}  // namespace
}  // namespace tonvale
