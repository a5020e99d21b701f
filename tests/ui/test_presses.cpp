// SPDX-License-Identifier: MIT
// One press starts at most one game, in the real event loop: clicks on SPIN that
// arrive while a spin runs (the moment it starts, and after its last reel frame,
// when nothing in the spin lets events in any more), the keys, and autoplay
// started by the A key through its notice. Every game that takes a stake runs its
// reels on screen and has its line in the history: stakes = reel runs = lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "core/database.h"
#include "core/headless.h"
#include "eval/evaluation.h"
#include "game/game.h"
#include "game/startup.h"
#include "ui/cabinet.h"
#include "ui/qtports.h"

namespace tonvale::testing {
namespace {

// The real event port, with a hook run the next time the game lets events in:
// input the window system has for the game at that moment.
class HookedEvents : public QtEvents {
public:
    std::function<void()> next;
    void doEvents() override {
        if (next) std::exchange(next, nullptr)();
        QtEvents::doEvents();
    }
};

// The real cabinet, timers, events and message boxes over the model, with scripted
// draws; every reel run is counted as its last frame is shown.
struct PressRig {
    PressRig() {
        timers.setTickHandler([this](TimerId id) {
            game.timerTick(id);
            cabinet.ticked();
        });
        events.setView(&cabinet);
        desktop.setWindow(&cabinet);
        desktop.setTimers(&timers);
        cabinet.resize(MainWindow::kWidth / 15, MainWindow::kHeight / 15);
        cabinet.show();
        game.startup.Form_Load();
        const std::function<void()> run = game.eval.calls.reelrun;
        game.eval.calls.reelrun = [this, run] {
            run();
            if (game.m.s.freespinsawarded == 0) ++reelRuns;  // a paid spin's reels
            if (afterReels) afterReels();
        };
    }
    ~PressRig() { timers.stopAll(); }

    // A click on a control, queued while the game runs: taken whenever the game
    // next lets events in, as the window system's input is.
    void postPress(const Control& c) { post(c, QEvent::MouseButtonPress, Qt::LeftButton); }
    void postRelease(const Control& c) { post(c, QEvent::MouseButtonRelease, Qt::NoButton); }
    void postClick(const Control& c) {
        postPress(c);
        postRelease(c);
    }
    void post(const Control& c, QEvent::Type type, Qt::MouseButtons buttons) {
        const QPointF at = cabinet.centreOf(c);
        QCoreApplication::postEvent(&cabinet, new QMouseEvent(type, at, cabinet.mapToGlobal(at),
                                                              Qt::LeftButton, buttons, Qt::NoModifier));
    }
    void postKey(int key, const QString& text) {
        QCoreApplication::postEvent(&cabinet, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(&cabinet, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    }
    // Spins that lose, so that each game is over when its reels stop: the five
    // stops with reel 3's bell coin, and the payout level's draw. No bell shows on
    // reel 3, whose picture would let events in after the reels have stopped.
    void losingSpins(int n) {
        std::vector<int> draws;
        for (int i = 0; i < n; ++i) draws.insert(draws.end(), {1, 15, 2, 8, 21, 2, 1});
        random.script(draws);
    }
    void click(const Control& c) {
        QTest::mouseClick(&cabinet, Qt::LeftButton, {}, cabinet.centreOf(c).toPoint());
    }

    std::int64_t spinLines() {
        const auto plays = store.plays(1);
        return std::count_if(plays.begin(), plays.end(),
                             [](const Play& p) { return p.kind == LineKind::spin; });
    }
    bool idle() {
        const Machine& m = game.m;
        return !game.busy() && !m.cycles.running() && m.s.autoplaymode == 0 &&
               !m.timerEnabled(TimerId::Timerwincounter);
    }

    SeededRandom random{11};
    QtClock clock;
    QtTimers timers;
    HookedEvents events;
    RecordingSound sound;
    SqliteStore store;
    QtDesktop desktop;
    Game game{Ports{random, clock, timers, events, sound, store, desktop}};
    CabinetWidget cabinet{game};
    int reelRuns = 0;
    std::function<void()> afterReels;
};

TEST(OnePress, ClicksAndKeysWhileASpinRunsStartNoOtherGame) {
    PressRig r;
    MainWindow& ui = r.game.m.ui;
    MachineState& s = r.game.m.s;
    r.click(ui.btncredit);
    ASSERT_EQ(s.bank, 5000);
    r.losingSpins(6);
    // Six bursts of four clicks on SPIN. In even bursts the rest of the burst is
    // there the moment the first press's handler lets events in: the release of
    // its own click (which shows the button again) and three more clicks. In odd
    // ones three clicks and the keys that start a spin come after the reels have
    // stopped, when nothing in the spin lets events in any more.
    for (int burst = 0; burst < 6; ++burst) {
        SCOPED_TRACE("burst " + std::to_string(burst + 1));
        const auto more = [&r, &ui] {
            for (int k = 0; k < 3; ++k) r.postClick(ui.btnspin);
            r.postKey(Qt::Key_Space, QStringLiteral(" "));
            r.postKey(Qt::Key_Return, QStringLiteral("\r"));
        };
        if (burst % 2 == 0) {
            r.afterReels = nullptr;
            r.events.next = [&r, &ui, more] {
                r.postRelease(ui.btnspin);
                more();
            };
            QTest::mousePress(&r.cabinet, Qt::LeftButton, {}, r.cabinet.centreOf(ui.btnspin).toPoint());
        } else {
            r.afterReels = [&r, more] {
                more();
                r.afterReels = nullptr;
            };
            r.click(ui.btnspin);
        }
        // Whatever is still queued is taken now, when no spin runs.
        QTest::qWait(50);
        ASSERT_TRUE(QTest::qWaitFor([&r] { return r.idle(); }, 20000));
        EXPECT_EQ(s.games, burst + 1);
        EXPECT_EQ(r.reelRuns, burst + 1);
        EXPECT_EQ(r.spinLines(), burst + 1);
        EXPECT_EQ(s.wager, 25 * (burst + 1));
    }
}

TEST(OnePress, AutoplayByItsKeyThroughTheNoticeStartsOneGameAtATime) {
    PressRig r;
    MainWindow& ui = r.game.m.ui;
    MachineState& s = r.game.m.s;
    r.click(ui.btncredit);
    ASSERT_EQ(s.bank, 5000);
    r.losingSpins(8);
    // The notice of the first autoplay is a real message box; the player reads it
    // and answers with Enter while the game waits behind it.
    bool answered = false;
    QTimer::singleShot(300, &r.cabinet, [&answered] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QTest::keyClick(box, Qt::Key_Return);
        answered = true;
    });
    // While the first autoplay spin runs, SPIN is clicked again and again.
    r.afterReels = [&r, &ui] {
        for (int k = 0; k < 3; ++k) r.postClick(ui.btnspin);
        r.postKey(Qt::Key_Return, QStringLiteral("\r"));
        r.afterReels = nullptr;
    };
    QTest::keyClick(&r.cabinet, Qt::Key_A);
    EXPECT_TRUE(answered);
    ASSERT_EQ(s.autoplaymode, 10);
    ASSERT_TRUE(QTest::qWaitFor([&s] { return s.games >= 4; }, 60000));
    QTest::keyClick(&r.cabinet, Qt::Key_A);  // autoplay off
    ASSERT_TRUE(QTest::qWaitFor([&r, &s] { return s.autoplaymode == 0 && r.idle(); }, 60000));
    QTest::qWait(100);
    EXPECT_GE(s.games, 4);
    EXPECT_EQ(r.reelRuns, s.games) << "a stake without its reel run";
    EXPECT_EQ(r.spinLines(), s.games) << "a stake without its line";
}

}  // namespace
}  // namespace tonvale::testing
