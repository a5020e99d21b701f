// SPDX-License-Identifier: MIT
// No exception crosses into Qt: a fault in the model's handler, reached by a real
// key press in the window, ends the game without saving the half-done spin; one
// in the view's own event code is caught at the application's dispatch.
#include <gtest/gtest.h>

#include <QEvent>
#include <QObject>
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "eval/evaluation.h"
#include "ui/faultguard.h"
#include "ui/windowrig.h"

namespace tonvale::testing {
namespace {

TEST(FaultGuard, AFaultInASpinEndsTheGameAndKeepsTheSettledRecord) {
    WindowRig<> rig(5);
    std::vector<std::string> heard;
    rig.game.onFault = [&heard](const std::string& what) { heard.push_back(what); };
    QTest::keyClick(&rig.window.cabinet(), Qt::Key_I);  // insert $50: a settled point, saved
    const std::string bank = rig.store.read("keys", "player1", "bank");
    EXPECT_EQ(bank, std::to_string(rig.game.m.s.bank));
    const std::function<void()> run = rig.game.eval.calls.reelrun;
    rig.game.eval.calls.reelrun = [run] {
        run();
        throw std::out_of_range("a reel that is not there");
    };
    QTest::keyClick(&rig.window.cabinet(), Qt::Key_S);
    EXPECT_EQ(heard, std::vector<std::string>{"a reel that is not there"});
    EXPECT_TRUE(rig.game.faulted());
    EXPECT_EQ(rig.game.m.s.games, 1);  // in memory the stake was taken
    // The store still holds the record from before the spin, and nothing more is
    // taken or saved, whatever the player presses or the timers do.
    QTest::keyClick(&rig.window.cabinet(), Qt::Key_I);
    QTest::qWait(300);
    EXPECT_EQ(rig.store.read("keys", "player1", "bank"), bank);
    EXPECT_EQ(rig.store.read("keys", "player1", "games"), "0");
    EXPECT_EQ(heard.size(), 1U);
}

// An object of the view whose event handling fails.
class Failing : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("a view that failed");
        return QObject::event(e);
    }
};

TEST(FaultGuard, AFaultInTheViewsEventCodeStopsAtTheApplication) {
    auto* app = dynamic_cast<GuardedApplication*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    const auto before = app->onFault;
    std::vector<std::string> heard;
    app->onFault = [&heard](const std::string& what) { heard.push_back(what); };
    Failing failing;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&failing, &event));
    app->onFault = before;
    EXPECT_EQ(heard, std::vector<std::string>{"a view that failed"});
}

TEST(FaultGuard, TheTextSaysTheRecordIsKept) {
    const QString text = faultText("what went wrong");
    EXPECT_TRUE(text.contains(QStringLiteral("(what went wrong)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("kept as they were before it"))) << text.toStdString();
}

}  // namespace
}  // namespace tonvale::testing
