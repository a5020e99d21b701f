// SPDX-License-Identifier: MIT
// The model's texts in the player's language: every text the game shows from its
// model is in the catalogue, and a translated text keeps its numbers, amounts and
// names where the model put them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#include "cli/scenario.h"
#include "core/store.h"
#include "fakehistory.h"
#include "game/startup.h"
#include "players/options.h"
#include "players/text.h"
#include "scenariowalk.h"
#include "tempfolder.h"
#include "ui/language.h"
#include "ui/modeltexts.h"
#include "ui/uitext.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {
namespace {

// Every window's controls, as the view shows them.
std::vector<const ControlSet*> windowsOf(Game& g) {
    return {&g.m.ui,           &g.options.ui,      &g.windows.pays, &g.windows.about,
            &g.windows.advert, &g.windows.odds.ui, &g.history.ui};
}

// Collects what the game shows from its model that the catalogue lacks: the
// captions and tooltips of shown controls (the window's caption is its title), and
// every message box.
class Unknown {
public:
    void look(Game& g, const std::string& where) {
        for (const ControlSet* set : windowsOf(g)) {
            for (const Control* c : set->all()) {
                if (!c->shown()) continue;
                // A text box holds what the player typed, a slot button a player's name.
                if (c->kind == ControlKind::textbox) continue;
                if (c->name == "machine" && c->caption != "Vacant") continue;
                check(c->caption, where + " " + c->fullName());
                check(c->tooltip, where + " " + c->fullName() + " tooltip");
            }
        }
    }
    void look(const ScriptedDesktop& d, const std::string& where) {
        for (const auto& m : d.messages) {
            check(m.title, where + " message title");
            check(m.text, where + " message");
        }
    }
    std::string report() const {
        std::string out;
        for (const auto& [text, where] : missing_) out += "  '" + text + "' (" + where + ")\n";
        return out;
    }
    bool empty() const { return missing_.empty(); }

private:
    void check(const std::string& text, const std::string& where) {
        if (!modelTextKnown(text)) missing_.emplace(text, where);
    }
    std::map<std::string, std::string> missing_;
};

TEST(ModelTexts, EveryTextTheScenariosShowIsInTheCatalogue) {
    Unknown unknown;
    const int scripts = testing::walkScenarios(
        [&unknown](Game& g, const std::string& where) { unknown.look(g, where); },
        [&unknown](ScenarioRunner& r, const std::string& name) { unknown.look(r.platform().desktop, name); });
    ASSERT_GT(scripts, 0);
    EXPECT_TRUE(unknown.empty()) << "texts the catalogue lacks:\n" << unknown.report();
}

// The windows and messages the scenarios do not reach, each opened once.
TEST(ModelTexts, EveryTextOfTheOtherWindowsAndMessagesIsInTheCatalogue) {
    Unknown unknown;
    HeadlessPlatform p(3);
    Game g(p.ports());
    p.time.setTickHandler([&](TimerId id) { g.timerTick(id); });
    g.startup.Form_Load();
    unknown.look(g, "start");

    // Every window open, the options in each of their states.
    g.options.ui.form.visible = true;
    g.windows.pays.form.visible = g.windows.about.form.visible = g.windows.advert.form.visible = true;
    g.windows.odds.ui.form.visible = true;
    for (int waysfactor : {1, 3, 7, 15, 25})
        for (int level : {1, 2, 3}) {
            g.m.s.waysfactor = static_cast<i16>(waysfactor);
            g.m.s.machinepay = static_cast<i16>(level);
            g.windows.odds.showOdds();
            unknown.look(g, "odds " + std::to_string(waysfactor) + "/" + std::to_string(level));
        }
    g.m.s.waysfactor = 2;  // a setting the game never offers
    g.windows.odds.showOdds();
    unknown.look(g, "odds of no setting");

    // The help, the link and connection messages.
    g.windows.btnhelp_Click();
    p.desktop.connected = false;
    g.windows.cmdvimble_Click();
    p.desktop.connected = true;
    p.desktop.linkResult = false;
    g.windows.Picture1_Click();
    for (const char* why : {"unknown", "the address is not valid",
                            "no program to open https links was found (xdg-open is not installed)",
                            "the desktop could not start a program for mailto links"})
        EXPECT_TRUE(modelTextKnown(why)) << why;
    unknown.look(p.desktop, "windows");

    // The history of games of every kind: each line of each game shown.
    testing::FakeHistory games;
    std::mt19937 pick(5);
    const auto any = [&pick](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 800; ++i) {
        RecalledGame r;
        r.id = i + 1;
        r.player = slotNumber(g.m.s.playerslot);
        r.timeMs = 1'790'000'000'000 + i * 60'000LL;
        r.bet = std::array{1, 2, 5, 10, 20}[static_cast<std::size_t>(any(5))];
        r.waysfactor = std::array{1, 3, 7, 15, 25}[static_cast<std::size_t>(any(5))];
        r.stake = r.bet * r.waysfactor;
        for (int& stop : r.stops) stop = 1 + any(22);
        r.win = any(3) ? 0 : any(5000);
        if (any(10) == 0) {
            r.freespins = 10 * (1 + any(3));
            for (int k = 0; k < r.freespins && any(4); ++k)
                r.multipliers.push_back(std::array{2, 3, 5, 10}[static_cast<std::size_t>(any(4))]);
            r.freespinwin = any(20000);
        }
        if (any(20) == 0) {
            r.jackpotfield = 1 + any(16);
            r.jackpotwin = 1 + any(100000);
        }
        for (int k = any(4); k > 0; --k)
            r.gamble +=
                (r.gamble.empty() ? "" : ",") + std::to_string(1 + any(4)) + (any(2) ? ":won" : ":lost");
        r.gamblewin = r.gamble.empty() ? 0 : any(1000);
        r.creditBefore = any(100000);
        r.creditAfter = any(100000);
        games.games[r.player].push_back(r);
    }
    g.history.setSource(&games);
    g.history.open();
    for (int i = 0; i < 800; ++i) {
        unknown.look(g, "history game " + std::to_string(i));
        g.history.btnolder_Click();
    }
    EXPECT_TRUE(unknown.empty()) << "texts the catalogue lacks:\n" << unknown.report();
}

TEST(ModelTexts, TheStoreTellsItsTroublesInCatalogueTexts) {
    for (
        const std::string problem : {
            "The saved games at /home/a/tonvale.db are not a plain file (a link, a pipe or a device). They "
            "are "
            "left as they are, and this game is not saved.",
            "The saved games at /x/tonvale.db are a folder, not a file of saved games. It is left as it is, "
            "and "
            "this game is not saved.",
            "The file at /x/tonvale.db is not Tonvale's saved games. It is left as it is, and this game is "
            "not "
            "saved.",
            "The saved games at /x/tonvale.db cannot be read (an input/output error). They are left as they "
            "are, and this game is not saved.",
            "Beside the saved games at /x/tonvale.db, /x/tonvale.db-wal is not a plain file (a link, a pipe, "
            "a "
            "device or a folder). Both are left as they are; the saved games were read, and this game is not "
            "saved.",
            "Beside the saved games at /x/tonvale.db, /x/tonvale.db-shm is not a plain file (a link, a pipe, "
            "a "
            "device or a folder). Both are left as they are, and this game is not saved.",
            "The saved games at /x/tonvale.db cannot be looked at now (the file or its folder is read-only). "
            "The game plays on and saves as soon as it can.",
            "The saved games at /x/tonvale.db were written by a newer version of Tonvale. They are left as "
            "they are, and this game is not saved.",
            "The saved games at /x/tonvale.db cannot be written now: another program is using them. The game "
            "plays on and saves as soon as it can.",
            "The saved games at /x/tonvale.db could not be read, nor be moved aside (the memory ran out). "
            "They "
            "are left as they are, and this game is not saved.",
            "The saved games could not be read. They are kept as /x/tonvale.db.broken-20260101-000000, and a "
            "new store was started.",
            "The saved games could not be read. They are kept as /x/tonvale.db.broken-20260101-000000, and a "
            "new store was started. It cannot be written now (the disk is full); the game plays on and saves "
            "as soon as it can.",
            "Progress cannot be saved now: one of their files could not be opened. The game plays on and "
            "saves "
            "as soon as it can.",
            "Progress cannot be saved now: something that is not Tonvale's saved games lies there now. The "
            "game plays on and saves as soon as it can.",
            "Progress cannot be saved now: the saved games are left as they are. The game plays on and saves "
            "as soon as it can.",
            "Progress cannot be saved now: an error the system did not name. The game plays on and saves as "
            "soon as it can.",
            "Progress is saved again: the whole game up to now is in the saved games.",
        })
        EXPECT_TRUE(modelTextKnown(problem)) << problem;
    // And the store says it in those words: a folder where the file should be, a
    // file of another program's, a read-only folder.
    const std::filesystem::path dir = testing::tempFolder("tonvale-texts-store");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir / "tonvale.db");
    std::ofstream(dir / "other.db") << "someone else's";
    for (const char* name : {"tonvale.db", "other.db"}) {
        const SqliteStore store((dir / name).string());
        EXPECT_FALSE(store.problem().empty());
        EXPECT_TRUE(modelTextKnown(store.problem())) << store.problem();
    }
    std::filesystem::remove_all(dir);
}

// In the test language every translated text is marked at both ends.
class InTestLanguage : public ::testing::Test {
protected:
    void SetUp() override { setLanguage(QStringLiteral("xa")); }
    void TearDown() override { setLanguage(QStringLiteral("en")); }
};

QString marked(const QString& s) { return QChar(0x27E6) + s; }

TEST_F(InTestLanguage, TextsComeTranslatedWithTheirArgumentsInPlace) {
    ASSERT_EQ(currentLanguage(), QStringLiteral("xa"));
    struct Case {
        const char* english;
        std::vector<const char*> kept;  // the arguments, as the model wrote them
        int translatedParts;            // how many translated pieces the result holds
    };
    const Case cases[] = {
        {"Good Luck", {}, 1},
        {"At Risk  250", {"250"}, 1},
        {"     Freespins Remaining = 7", {"7"}, 1},
        {"Current Player       ", {}, 1},
        {"Current Player    ADA LOVELACE", {"ADA LOVELACE"}, 1},
        {"Bet 5   243 ways   stake $ 1.25   payout Realistic", {"5", "243", "$ 1.25"}, 2},
        {"HARP   3 ways   $ 1.5", {"3", "$ 1.5"}, 2},
        {"KING   1 way   $ 0.1", {"$ 0.1"}, 2},
        {"10 free spins   x2 x3 x10", {"x2 x3 x10"}, 1},
        {"Gamble   card 3 won card 1 lost", {"3", "1"}, 3},
        {"1 in 12.50  (8.000 %),  10.3 spins a series", {"12.50", "8.000", "10.3"}, 1},
        {"Website Bluewater Harbour Casino", {"Bluewater Harbour Casino"}, 1},
    };
    for (const Case& c : cases) {
        const QString out = ui::modelText(c.english);
        EXPECT_TRUE(out.startsWith(QChar(0x27E6))) << c.english << " -> " << out.toStdString();
        EXPECT_EQ(out.count(QChar(0x27E6)), c.translatedParts) << c.english << " -> " << out.toStdString();
        for (const char* arg : c.kept)
            EXPECT_TRUE(out.contains(QString::fromUtf8(arg))) << c.english << " -> " << out.toStdString();
    }
    // A message of several lines: each line, and a block the catalogue holds whole.
    const QString reality = ui::modelText(
        " ..............REALITY CHECK.................\r You have played for 0:15:00 this session.\r  \r"
        " Staked        $ 12.5\r Won            $ 10\r Net result     -$ 2.5");
    const QStringList lines = reality.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[2].isEmpty());
    for (int i : {0, 1, 3, 4, 5}) EXPECT_TRUE(lines[i].startsWith(marked({}))) << lines[i].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("0:15:00")));
    EXPECT_TRUE(lines[5].contains(QStringLiteral("-$ 2.5")));
    // What the catalogue lacks, and what has no letters, stands as it is.
    EXPECT_EQ(ui::modelText("Zebra crossing"), QStringLiteral("Zebra crossing"));
    EXPECT_EQ(ui::modelText("$ 12.5"), QStringLiteral("$ 12.5"));
    EXPECT_EQ(ui::modelText("0:01:05   +$ 2"), QStringLiteral("0:01:05   +$ 2"));
}

TEST(ModelTexts, InEnglishEveryTextStandsExactlyAsTheModelWroteIt) {
    setLanguage(QStringLiteral("en"));
    for (const char* s : {"     Freespins Remaining = 7", "At Risk  250", "Current Player       ",
                          " ..............REALITY CHECK.................\r You have played", "Zebra"})
        EXPECT_EQ(ui::modelText(s), QString::fromUtf8(s));
}

TEST(ModelTexts, ANameOrWordArgumentMustBeWhatItSays) {
    // A payout level that is no word of the catalogue does not make the line known.
    EXPECT_TRUE(modelTextKnown("Bet 1   243 ways   stake $ 0.25   payout Loose"));
    EXPECT_FALSE(modelTextKnown("Bet 1   243 ways   stake $ 0.25   payout Sideways"));
    EXPECT_FALSE(modelTextKnown("At Risk  lots"));
    EXPECT_TRUE(modelTextKnown(""));
    EXPECT_TRUE(modelTextKnown("  $ 5  "));
}

// The placeholders of a text: %1..%9 and %n.
std::multiset<QString> placeholders(const QString& s) {
    std::multiset<QString> out;
    for (qsizetype i = 0; i + 1 < s.size(); ++i)
        if (s[i] == QLatin1Char('%') &&
            ((s[i + 1].isDigit() && s[i + 1] != QLatin1Char('0')) || s[i + 1] == QLatin1Char('n')))
            out.insert(s.mid(i, 2));
    return out;
}

TEST(Translations, EveryTranslationKeepsItsPlaceholdersAndIsFinished) {
    const QStringList files = QDir(QStringLiteral(TONVALE_TRANSLATIONS)).entryList({QStringLiteral("*.ts")});
    ASSERT_EQ(files.size(), 4);
    for (const QString& name : files) {
        QFile f(QStringLiteral(TONVALE_TRANSLATIONS "/") + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        QXmlStreamReader r(&f);
        QString source;
        bool numerus = false;
        int messages = 0;
        const auto keeps = [&](const QString& t) {
            auto want = placeholders(source);
            const auto got = placeholders(t);
            // A plural form of one may spell the one out.
            if (numerus && !got.count(QStringLiteral("%n"))) want.erase(QStringLiteral("%n"));
            EXPECT_EQ(got, want) << name.toStdString() << ": " << source.toStdString() << " -> "
                                 << t.toStdString();
        };
        while (!r.atEnd()) {
            r.readNext();
            if (!r.isStartElement()) continue;
            if (r.name() == QLatin1String("message")) {
                numerus = r.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (r.name() == QLatin1String("source")) {
                source = r.readElementText();
                ++messages;
            } else if (r.name() == QLatin1String("translation")) {
                EXPECT_NE(r.attributes().value(QLatin1String("type")), QLatin1String("unfinished"))
                    << name.toStdString() << ": " << source.toStdString();
                if (!numerus) keeps(r.readElementText());
            } else if (r.name() == QLatin1String("numerusform")) {
                keeps(r.readElementText());
            }
        }
        EXPECT_FALSE(r.hasError()) << name.toStdString() << ": " << r.errorString().toStdString();
        EXPECT_GT(messages, 100) << name.toStdString();
    }
}

TEST(Language, TheDesktopsLanguageOrThePlayersChoice) {
    const QStringList have = gameLanguages();
    for (const char* code : {"en", "de", "es", "fr", "ru", "xa"})
        EXPECT_TRUE(have.contains(QLatin1String(code)));
    struct Case {
        const char* chosen;
        QStringList desktop;
        const char* expected;
    };
    const Case cases[] = {
        {"", {"de-AT", "en-US"}, "de"},        // the desktop's first the game has
        {"", {"it-IT", "ru_RU", "de"}, "ru"},  // past one it lacks
        {"", {"it-IT"}, "en"},                 // none: English
        {"", {}, "en"},
        {"fr", {"de-DE"}, "fr"},      // the player's choice first
        {"zz", {"es-MX"}, "es"},      // a choice the game lacks counts as none
        {"", {"xa", "xa-XA"}, "en"},  // a test language never comes from the desktop
        {"xa", {"de"}, "xa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(chooseLanguage(c.chosen, c.desktop), QLatin1String(c.expected))
            << c.chosen << " " << c.desktop.join(QLatin1Char(',')).toStdString();
}

}  // namespace
}  // namespace tonvale
