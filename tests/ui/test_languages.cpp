// SPDX-License-Identifier: MIT
// The game in every language, and in the test language "xa" (every text accented,
// 40 % longer and marked ⟦ ⟧): every text a player reads went through translation,
// and every one fits its box at a size that still reads.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QSet>
#include <QTimer>
#include <ctime>
#include <map>
#include <set>
#include <sstream>

#include "cli/scenario.h"
#include "fakehistory.h"
#include "game/startup.h"
#include "players/options.h"
#include "scenariowalk.h"
#include "ui/cabinetpainter.h"
#include "ui/dialogs.h"
#include "ui/dialogs_about.h"
#include "ui/dialogs_options.h"
#include "ui/dialogs_paint.h"
#include "ui/dialogs_paytable.h"
#include "ui/helpdialog.h"
#include "ui/historydialog.h"
#include "ui/language.h"
#include "ui/oddsdialog.h"
#include "ui/picturewords.h"
#include "ui/qtports.h"
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
    testing::walkScenarios([&cabinet](Game& g, const std::string& where) { cabinet.paint(g, where); });
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

// The control a written line runs under: a button or a text box beside the widget
// that wrote it and over its letters.
const QWidget* coveredBy(const dialogpaint::Written& line) {
    const auto* writer = dynamic_cast<const QWidget*>(line.device);
    if (!writer || !writer->parentWidget()) return nullptr;
    const QRectF letters = line.area.translated(writer->pos());
    for (const QObject* o : writer->parentWidget()->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w == writer || w->isHidden() ||
            !(qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractButton*>(w)))
            continue;
        const QRectF both = letters.intersected(QRectF(w->geometry()));
        if (both.width() > 1 && both.height() > 1) return w;
    }
    return nullptr;
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
        QWidget* dialog;
    };
    const std::vector<Window> windows = {
        {"options", [&g] { g.options.open(); }, [&g] { g.options.close(); }, &d.options()},
        {"pay table", [&g] { g.windows.showPaytable(); }, [&g] { g.windows.closePaytable(); }, &d.paytable()},
        {"odds", [&g] { g.windows.showPaytable(), g.windows.odds.cmdodds_Click(); },
         [&g] { g.windows.closePaytable(); }, &d.odds()},
        {"about", [&g] { g.windows.showAbout(); }, [&g] { g.windows.closeAbout(); }, &d.about()},
        {"advert", [&g] { g.windows.showAdvert(); }, [&g] { g.windows.closeAdvert(); }, &d.advert()},
        {"history", [&g] { g.history.open(); }, [&g] { g.history.close(); }, &d.history()},
        {"help",
         [&d] {
             d.help().setHelp(kHelpTitle, kHelpText, kKeysHelp);
             d.help().show();
         },
         [&d] { d.help().hide(); }, &d.help()},
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
            if (const QWidget* under = coveredBy(line))
                problems.emplace(where, "runs under " + under->objectName().toStdString());
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

// Every message box the scenarios raise, and the help, as the player's desktop shows
// them: the title, the words and the game's own buttons went through translation;
// the standard buttons come from the toolkit's own catalogue.
TEST_P(EveryLanguage, EveryMessageBoxIsTranslated) {
    std::map<std::pair<std::string, std::string>, MsgButtons> boxes;
    testing::walkScenarios([](Game&, const std::string&) {},
                           [&boxes](ScenarioRunner& r, const std::string&) {
                               for (const auto& m : r.platform().desktop.messages)
                                   boxes.emplace(std::make_pair(m.title, m.text), m.buttons);
                           });
    {
        // The boxes no scenario raises: the help, a name left empty, the delete
        // question, the reality check and a link that would not open.
        std::ostringstream out, err;
        ScenarioRunner runner(1, "", out, err);
        std::istringstream script(
            "set bank 5000\n"
            "press btnoptions\n"
            "key 13 tonvaleoptions:player1\n"
            "type tonvaleoptions:player1 ada\n"
            "key 13 tonvaleoptions:player1\n"
            "press tonvaleoptions:realitycheck 1\n"
            "press tonvaleoptions:btnokplayer\n"
            "press btnspin\n"
            "advance 960000\n"
            "press btnspin\n"
            "press btnoptions\n"
            "answer no\n"
            "press tonvaleoptions:Btndeletedetails\n");
        runner.run(script, "boxes");
        runner.game().windows.btnhelp_Click();
        runner.platform().desktop.linkResult = false;
        runner.game().windows.openlink("https://example.org/");
        for (const auto& m : runner.platform().desktop.messages)
            boxes.emplace(std::make_pair(m.title, m.text), m.buttons);
        EXPECT_EQ(runner.platform().desktop.messages.size(), 5u) << err.str() << out.str();
    }
    ASSERT_GE(boxes.size(), 10u);
    // A box as the player reads it: its title, its words and its buttons.
    struct Seen {
        QString title;
        QStringList words, own, standard;
    };
    const auto show = [](const std::string& title, const std::string& text, MsgButtons buttons) {
        QWidget owner;
        QtDesktop desktop;
        desktop.setWindow(&owner);
        Seen seen;
        QTimer reader;
        reader.setInterval(5);
        QObject::connect(&reader, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            reader.stop();
            seen.title = box->windowTitle();
            for (const QLabel* l : box->findChildren<QLabel*>())
                if (!l->text().isEmpty()) seen.words << l->text();
            for (QAbstractButton* b : box->buttons())
                (box->standardButton(b) == QMessageBox::NoButton ? seen.own : seen.standard) << b->text();
            if (QAbstractButton* out = box->escapeButton())
                out->click();
            else
                box->done(0);
        });
        reader.start();
        desktop.message(title, text, MsgIcon::information, buttons);
        return seen;
    };
    std::set<std::string> problems;
    bool toolkitSpeaks = false;
    for (const auto& [words, buttons] : boxes) {
        setLanguage(QStringLiteral("en"));
        const Seen english = show(words.first, words.second, buttons);
        setLanguage(QString::fromLatin1(GetParam()));
        const Seen here = show(words.first, words.second, buttons);
        const std::string where = "'" + words.first + "' / '" + words.second.substr(0, 40) + "'";
        EXPECT_EQ(here.words.size(), english.words.size()) << where;
        EXPECT_EQ(here.standard.size(), english.standard.size()) << where;
        QStringList read = here.words + here.own;
        read << here.title;
        if (testLanguage()) {
            for (const QString& t : read)
                if (!untranslated(t).isEmpty()) problems.insert(where + ": '" + t.toStdString() + "'");
        } else {
            // The test language has no catalogue of the toolkit; the four languages do
            // ("OK" stays "OK" in German, "&No" is "&No" in Spanish: "&Yes" is not).
            for (qsizetype i = 0; i < here.standard.size() && i < english.standard.size(); ++i)
                if (here.standard[i] != english.standard[i]) toolkitSpeaks = true;
        }
    }
    if (!testLanguage()) {
        EXPECT_TRUE(toolkitSpeaks) << GetParam() << ": the standard buttons are in English";
    }
    std::string report;
    for (const std::string& p : problems) report += "  " + p + "\n";
    EXPECT_TRUE(problems.empty()) << GetParam() << ":\n" << report;
}

// The main window in the test language: the menu's buttons, what a screen reader
// hears of every control of the cabinet, the tooltips and the title.
TEST(TestLanguage, TheMainWindowsWordsAreTranslated) {
    testing::WindowRig<> rig(5);
    setLanguage(QStringLiteral("xa"));
    rig.game.mouseMove(rig.ui().btnopenmenu);  // the menu opens under the mouse
    ASSERT_TRUE(rig.ui().menupic.visible);
    rig.window.sync();
    QCoreApplication::processEvents();
    std::set<std::string> problems;
    const auto check = [&problems](const QString& text, const std::string& what) {
        if (!untranslated(text).isEmpty()) problems.insert(what + ": '" + text.toStdString() + "'");
    };
    const Lines lines = linesOf(rig.window);
    EXPECT_GE(lines.size(), 4u);  // the menu's four buttons at least
    for (const auto& [key, line] : lines) check(line.text, "written");
    check(rig.window.windowTitle(), "title");
    QAccessibleInterface* cabinet = QAccessible::queryAccessibleInterface(&rig.window.cabinet());
    ASSERT_NE(cabinet, nullptr);
    ASSERT_GT(cabinet->childCount(), 20);
    check(cabinet->text(QAccessible::Name), "cabinet");
    for (int i = 0; i < cabinet->childCount(); ++i) {
        QAccessibleInterface* c = cabinet->child(i);
        if (!c) continue;
        for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            check(c->text(t), "screen reader " + std::to_string(i));
    }
    for (QWidget* w : rig.window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&rig.window)) continue;
        check(w->toolTip(), "tooltip " + w->objectName().toStdString());
        check(w->accessibleName(), "name " + w->objectName().toStdString());
    }
    setLanguage(QStringLiteral("en"));
    std::string report;
    for (const std::string& p : problems) report += "  " + p + "\n";
    EXPECT_TRUE(problems.empty()) << report;
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
