// SPDX-License-Identifier: MIT
// The game in every language, and in the test language "xa" (every text accented,
// 40 % longer and marked ⟦ ⟧): every text a player reads went through translation,
// and every one fits its box at a size that still reads.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QSet>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/scenario.h"
#include "fakehistory.h"
#include "game/startup.h"
#include "players/options.h"
#include "ui/cabinetpainter.h"
#include "ui/dialogs.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paint.h"
#include "ui/dialogs_paytable.h"
#include "ui/historydialog.h"
#include "ui/language.h"
#include "ui/oddsdialog.h"
#include "ui/picturewords.h"
#include "ui/sprites.h"
#include "ui/uitext.h"
#include "windowrig.h"
#include "windows/auxwindows.h"
#include "windows/history.h"

namespace tonvale {
namespace {

// The cabinet shrinks a line until it fits its box. A translation drawn smaller than
// this share of the size the English text is drawn at in the same box no longer reads
// as the design meant: it counts as overflowing. (A text that fills its box in
// English comes to about 0.71 of it in the test language, 40 % longer.)
constexpr double kLegible = 0.6;

// The letters of a text that stand outside every ⟦ ⟧ of a translation.
QString untranslated(const QString& text) {
    QString out;
    // A translation cut into lines (a caption on two lines of its button) closes
    // on a line it did not open on.
    const qsizetype open = text.indexOf(QChar(0x27E6)), close = text.indexOf(QChar(0x27E7));
    int depth = close >= 0 && (open < 0 || close < open) ? 1 : 0;
    for (const QChar c : text) {
        if (c == QChar(0x27E6))
            ++depth;
        else if (c == QChar(0x27E7))
            depth = std::max(0, depth - 1);
        else if (depth == 0 && c.isLetter())
            out += c;
    }
    return out;
}

std::vector<std::filesystem::path> scenarios() {
    std::vector<std::filesystem::path> out;
    for (const auto& e : std::filesystem::directory_iterator(TONVALE_SCENARIOS))
        if (e.path().extension() == ".scn") out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

// Paints the cabinet of a game as the player sees it and keeps what went wrong
// with its texts, once per text.
class CabinetCheck {
public:
    explicit CabinetCheck(bool testLanguage) : testLanguage_(testLanguage) {
        painter_.written = [this](const CabinetPainter::Written& w) { check(w); };
    }

    void paint(Game& g, const std::string& where) {
        // The texts with letters, as the model holds them: painted again only when they change.
        std::string shown;
        for (const Control* c : g.m.ui.all())
            if (c->shown()) shown += c->caption + '\n';
        if (shown == last_) return;
        last_ = shown;
        where_ = where;
        image_.fill(Qt::black);
        QPainter p(&image_);
        painter_.paint(p, g.m.ui, ViewGeometry(QSizeF(image_.size()), 1), nullptr,
                       [&g](const Control& c) { return g.pressable(c); });
    }

    std::string report() const {
        std::string out;
        for (const auto& [text, why] : problems_) out += "  '" + text + "': " + why + "\n";
        return out;
    }
    bool clean() const { return problems_.empty(); }
    int texts() const { return static_cast<int>(seen_.size()); }
    double smallest() const { return smallest_; }

private:
    void check(const CabinetPainter::Written& w) {
        const std::string text = w.text.toStdString();
        seen_.insert(text);
        // The English text the model wrote, as it is drawn in its control.
        const QString english = w.control ? QString::fromStdString(w.control->caption).trimmed() : w.text;
        const double share = w.fit.pixels / CabinetPainter::fit(english, w.box, w.bold, w.fill).pixels;
        smallest_ = std::min(smallest_, share);
        if (testLanguage_ && !untranslated(w.text).isEmpty())
            problems_.emplace(text, "not translated (" + where_ + ")");
        if (w.fit.width > w.fit.room + 0.5) problems_.emplace(text, "wider than its box (" + where_ + ")");
        if (share < kLegible)
            problems_.emplace(text,
                              "drawn at " + std::to_string(share) + " of the English size (" + where_ + ")");
    }

    bool testLanguage_;
    SpriteCache sprites_;
    CabinetPainter painter_{sprites_};
    QImage image_{QSize(MainWindow::kWidth / 15, MainWindow::kHeight / 15), QImage::Format_RGB32};
    std::string last_, where_;
    std::set<std::string> seen_;
    std::map<std::string, std::string> problems_;
    double smallest_ = 1;
};

class EveryLanguage : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        setLanguage(QString::fromLatin1(GetParam()));
        ASSERT_EQ(currentLanguage(), QString::fromLatin1(GetParam()));
    }
    void TearDown() override { setLanguage(QStringLiteral("en")); }
    bool testLanguage() const { return std::string_view(GetParam()) == "xa"; }
};

TEST_P(EveryLanguage, TheCabinetsTextsAreTranslatedAndFitTheirBoxes) {
    CabinetCheck cabinet(testLanguage());
    for (const auto& path : scenarios()) {
        std::ostringstream out, err;
        ScenarioRunner runner(1, "", out, err);
        const std::string name = path.filename().string();
        int line = 0;
        runner.platform().time.setTickHandler([&](TimerId id) {
            runner.game().timerTick(id);
            cabinet.paint(runner.game(), name + ":" + std::to_string(line));
        });
        std::ifstream script(path);
        std::string text;
        while (std::getline(script, text)) {
            ++line;
            std::istringstream one(text);
            runner.run(one, name);
            cabinet.paint(runner.game(), name + ":" + std::to_string(line));
        }
    }
    EXPECT_GT(cabinet.texts(), 50);
    EXPECT_TRUE(cabinet.clean()) << GetParam() << ":\n" << cabinet.report();
    std::printf("%s: %d texts painted, the smallest at %.2f of the English size\n", GetParam(),
                cabinet.texts(), cabinet.smallest());
}

TEST_P(EveryLanguage, ThePicturesWordsAreSetAndStillRead) {
    for (const picturewords::Word& w : picturewords::kWords) {
        const QString text = wordText(w);
        if (testLanguage()) {
            EXPECT_TRUE(untranslated(text).isEmpty()) << w.picture << " " << w.source.text;
        }
        EXPECT_GE(fittedWordSize(w, text), w.size * kLegible)
            << GetParam() << ": '" << text.toStdString() << "' in " << w.picture;
    }
}

// Every line the windows write, window by window and widget by widget in the order
// written, in one language.
using Lines = std::map<std::pair<const QPaintDevice*, int>, dialogpaint::Written>;

Lines linesOf(QWidget& window) {
    Lines out;
    std::map<const QPaintDevice*, int> count;
    dialogpaint::watchWritten([&](const dialogpaint::Written& w) { out[{w.device, count[w.device]++}] = w; });
    (void)window.grab();
    dialogpaint::watchWritten({});
    return out;
}

// Every window of the game, each opened in turn with the player's history of a few
// games, then read in English and in the language of the test.
TEST_P(EveryLanguage, EveryWindowsTextsAreTranslatedAndFitTheirBoxes) {
    setLanguage(QStringLiteral("en"));
    testing::FakeHistory games;
    testing::WindowRig<> rig(5, [&games](Game& g) {
        for (int i = 0; i < 12; ++i) {
            RecalledGame r;
            r.id = i + 1;
            r.player = 1;
            r.timeMs = 1'790'000'000'000 + i * 60'000LL;
            r.bet = 1;
            r.waysfactor = 25;
            r.stake = 25;
            for (int k = 0; k < 5; ++k) r.stops[k] = 1 + (i * 7 + k * 3) % 22;
            r.win = i % 3 == 0 ? 150 : 0;
            r.freespins = i == 4 ? 10 : 0;
            r.multipliers = i == 4 ? std::vector<int>{2, 3} : std::vector<int>{};
            r.jackpotfield = i == 5 ? 3 : 0;
            r.jackpotwin = i == 5 ? 2500 : 0;
            r.gamble = i == 6 ? "1:won,3:lost" : "";
            r.creditBefore = 5000;
            r.creditAfter = 5000 - 25 + r.win;
            games.games[1].push_back(r);
        }
        g.history.setSource(&games);
    });
    Game& g = rig.game;
    Dialogs& d = rig.window.dialogs();
    QSet<QString> times;
    for (const RecalledGame& r : games.games[1])
        times << playTime(r.timeMs, true) << playTime(r.timeMs, false);
    struct Window {
        const char* name;
        std::function<void()> open, close;
        ModelDialog* dialog;
    };
    const std::vector<Window> windows = {
        {"options", [&g] { g.options.open(); }, [&g] { g.options.close(); }, &d.options()},
        {"pay table", [&g] { g.windows.showPaytable(); }, [&g] { g.windows.closePaytable(); }, &d.paytable()},
        {"odds", [&g] { g.windows.showPaytable(), g.windows.odds.cmdodds_Click(); },
         [&g] { g.windows.closePaytable(); }, &d.odds()},
        {"about", [&g] { g.windows.showAbout(); }, [&g] { g.windows.closeAbout(); }, &d.about()},
        {"advert", [&g] { g.windows.showAdvert(); }, [&g] { g.windows.closeAdvert(); }, &d.advert()},
        {"history", [&g] { g.history.open(); }, [&g] { g.history.close(); }, &d.history()},
    };
    std::map<std::string, std::string> problems;
    std::size_t lines = 0;
    for (const Window& w : windows) {
        w.open();
        rig.window.sync();
        ASSERT_TRUE(w.dialog->isVisible()) << w.name;
        setLanguage(QStringLiteral("en"));
        QCoreApplication::processEvents();
        const Lines english = linesOf(*w.dialog);
        setLanguage(QString::fromLatin1(GetParam()));
        QCoreApplication::processEvents();
        rig.window.sync();
        const Lines here = linesOf(*w.dialog);
        lines += here.size();
        for (const auto& [key, line] : here) {
            const std::string where = std::string(w.name) + ": '" + line.text.toStdString() + "'";
            // A time of play is written in the locale's form, not translated.
            if (testLanguage() && !untranslated(line.text).isEmpty() && !times.contains(line.text))
                problems.emplace(where, "not translated");
            const auto before = english.find(key);
            if (before != english.end() && line.drawn < kLegible * before->second.drawn)
                problems.emplace(where, "drawn at " + std::to_string(line.drawn / before->second.drawn) +
                                            " of the English size ('" + before->second.text.toStdString() +
                                            "')");
        }
        // What a screen reader or a tooltip says, and the window's title.
        if (testLanguage()) {
            QList<QWidget*> all = w.dialog->findChildren<QWidget*>();
            all.prepend(w.dialog);
            for (const QWidget* x : all) {
                if (!x->isVisibleTo(w.dialog) && x != w.dialog) continue;
                for (const QString& t :
                     {x->windowTitle(), x->accessibleName(), x->accessibleDescription(), x->toolTip()})
                    if (!untranslated(t).isEmpty())
                        problems.emplace(std::string(w.name) + " " + x->objectName().toStdString() + ": '" +
                                             t.toStdString() + "'",
                                         "not translated");
            }
        }
        setLanguage(QStringLiteral("en"));
        w.close();
        rig.window.sync();
    }
    EXPECT_GT(lines, 100u);
    std::string report;
    for (const auto& [where, why] : problems) report += "  " + where + ": " + why + "\n";
    EXPECT_TRUE(problems.empty()) << GetParam() << ":\n" << report;
}

// The history's times by the player's own clock: the model writes universal time.
TEST(HistoryTime, TheGamesShowTheDesktopsClockInTheLanguagesForm) {
    const QByteArray zone = qgetenv("TZ");
    qputenv("TZ", "JST-9");  // nine hours ahead of universal time, all year
    tzset();
    testing::FakeHistory games;
    RecalledGame r;
    r.id = 1;
    r.player = 1;
    r.timeMs = 1778426552000;  // 10 May 2026 15:22:32 UTC: 11 May 00:22:32 in Tokyo
    r.bet = 1;
    r.waysfactor = 25;
    r.stake = 25;
    for (int& stop : r.stops) stop = 1;
    games.games[1].push_back(r);
    {
        testing::WindowRig<> rig(5, [&games](Game& g) { g.history.setSource(&games); });
        for (const char* code : {"en", "de", "ru"}) {
            setLanguage(QString::fromLatin1(code));
            rig.game.history.open();
            rig.window.sync();
            HistoryDialog& d = rig.window.dialogs().history();
            ASSERT_EQ(d.games().count(), 1);
            EXPECT_TRUE(
                d.games().item(0)->text().startsWith(QStringLiteral("1.  ") + playTime(r.timeMs, false)))
                << d.games().item(0)->text().toStdString();
            EXPECT_TRUE(d.games().item(0)->text().contains(QStringLiteral("00:22:32")) ||
                        d.games().item(0)->text().contains(QStringLiteral("12:22:32")))
                << d.games().item(0)->text().toStdString();
            const auto* first = qobject_cast<QLabel*>(d.widgetOf(rig.game.history.ui.lblline[1]));
            ASSERT_NE(first, nullptr);
            EXPECT_EQ(first->text(), playTime(r.timeMs, true));
            EXPECT_TRUE(first->text().contains(QLocale().toString(QDate(2026, 5, 11), QLocale::ShortFormat)))
                << code << ": " << first->text().toStdString();
            rig.game.history.close();
            rig.window.sync();
        }
        setLanguage(QStringLiteral("en"));
    }
    if (zone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", zone);
    tzset();
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage, ::testing::Values("xa", "de", "es", "fr", "ru"));

}  // namespace
}  // namespace tonvale
